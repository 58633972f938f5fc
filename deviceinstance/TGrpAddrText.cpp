#include "deviceinstance/TGrpAddrText.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace {
const AnsiString kTrenner = "/ .,-";

// One part: digits only; more than five digits is over every limit.
std::optional<int> Zahl(const AnsiString &part) {
    if (part.empty() ||
        !std::all_of(part.begin(), part.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return part.size() > 5 ? 99999 : std::stoi(part);
}

// The number behind the text's last separator; the text is cut just before it.
std::optional<int> LetzteZahl(AnsiString &rest) {
    const size_t cut = rest.find_last_of(kTrenner);
    if (cut == AnsiString::npos)
        return std::nullopt;
    const std::optional<int> zahl = Zahl(rest.substr(cut + 1));
    rest.resize(cut);
    return zahl;
}

AnsiString Getrimmt(const AnsiString &text) {
    auto blank = [](unsigned char c) { return c <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? AnsiString(first, last) : AnsiString();
}
} // namespace

bool TGrpAddrText::StringToGrpAddr(const AnsiString &text, bool threeLevel, int &main, int &middle,
                                   int &sub) {
    LOG_FKT("TGrpAddrText::StringToGrpAddr");
    AnsiString rest = Getrimmt(text);
    if (rest.empty())
        return false;
    const std::optional<int> s = LetzteZahl(rest);
    std::optional<int> m = 0;
    if (s && threeLevel)
        m = LetzteZahl(rest);
    const std::optional<int> h = s && m ? Zahl(rest) : std::nullopt;
    const bool gueltig =
        h && *h <= 15 && (threeLevel ? *m <= 7 && *s <= 255 : *s <= 2047) && (*h | *m | *s) != 0;
    if (!gueltig) {
        MessageBox(nullptr, Utf8ToAnsi("Ungültige Gruppenadresse"), "Fehler", MB_OK);
        return false;
    }
    main = *h;
    middle = threeLevel ? *m : *s >> 8;
    sub = threeLevel ? *s : *s & 0xFF;
    return true;
}

bool TGrpAddrText::StringToGrpAdr(const AnsiString &text, bool threeLevel, int &main, int &middle,
                                  int &sub) {
    LOG_FKT("TGrpAddrText::StringToGrpAdr");
    return StringToGrpAddr(text, threeLevel, main, middle, sub);
}

AnsiString TGrpAddrText::GrpAddrString(int word, bool threeLevel) {
    LOG_FKT("TGrpAddrText::GrpAddrString");
    return word == 0 ? AnsiString()
                     : TDeviceInstanz::GetGroupAddressString(static_cast<short>(word), threeLevel);
}

int TGrpAddrText::GetCompleteGroupAddress(int main, int middle, bool, int sub) {
    LOG_FKT("TGrpAddrText::GetCompleteGroupAddress");
    // Two levels too: the middle number holds bits 8-10 of the 11-bit sub number, and
    // leaving it out would turn 2/1000 into 2/232.
    return main * 2048 + middle * 256 + sub;
}

AnsiString TGrpAddrText::SearchText(int main, int middle, int sub, bool threeLevel) {
    LOG_FKT("TGrpAddrText::SearchText");
    return GrpAddrString(GetCompleteGroupAddress(main, middle, threeLevel, sub), threeLevel);
}

AnsiString TGrpAddrText::GetObjTypText(int type) {
    LOG_FKT("TGrpAddrText::GetObjTypText");
    if (type == 0)
        return SprText(1000);
    const AnsiString &text = type > 0 ? SprObjektTypText(type - 1) : AnsiString();
    return text.empty() ? "unbekannter Objekttyp " + std::to_string(type) : text;
}
