#include "platform/vcl/RtfText.h"

#include "platform/log/Log.h"

#include <array>
#include <cctype>
#include <string_view>

namespace {

// Destinations whose text is not part of the document.
constexpr std::array<std::string_view, 4> kUebersprungen = {"fonttbl", "colortbl", "stylesheet",
                                                            "info"};

int HexWert(char c) {
    LOG_FKT("RtfText::HexWert");
    if (c >= '0' && c <= '9')
        return c - '0';
    const char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return l >= 'a' && l <= 'f' ? l - 'a' + 10 : -1;
}

bool Fehler(AnsiString *fehler, const AnsiString &meldung, size_t at) {
    LOG_FKT("RtfText::Fehler");
    if (fehler)
        *fehler = meldung + " (at byte " + std::to_string(at) + ")";
    return false;
}

} // namespace

bool RtfZuText(const AnsiString &rtf, AnsiString &text, AnsiString *fehler) {
    LOG_FKT("RtfZuText");
    text.clear();
    int tiefe = 0;
    int skipAb = 0; // the depth of a skipped group, 0 = none
    bool gruppeBeginnt = false;
    for (size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '{') {
            ++tiefe;
            gruppeBeginnt = true;
            ++i;
            continue;
        }
        if (c == '}') {
            if (tiefe == 0)
                return Fehler(fehler, "unbalanced \"}\"", i);
            if (skipAb == tiefe)
                skipAb = 0;
            --tiefe;
            gruppeBeginnt = false;
            ++i;
            continue;
        }
        // Skipped before the group start is judged: "{" and a line break and "\fonttbl" are
        // still the font table.
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        const bool amGruppenAnfang = gruppeBeginnt;
        gruppeBeginnt = false;
        if (c != '\\') {
            if (!skipAb)
                text += c;
            ++i;
            continue;
        }
        if (i + 1 >= rtf.size())
            return Fehler(fehler, "\"\\\" at the end of the file", i);
        const char n = rtf[i + 1];
        if (n == '\\' || n == '{' || n == '}') {
            if (!skipAb)
                text += n;
            i += 2;
            continue;
        }
        if (n == '\'') {
            const int hi = i + 2 < rtf.size() ? HexWert(rtf[i + 2]) : -1;
            const int lo = i + 3 < rtf.size() ? HexWert(rtf[i + 3]) : -1;
            if (hi < 0 || lo < 0)
                return Fehler(fehler, "\"\\'\" without two hex digits", i);
            if (!skipAb)
                text += static_cast<char>(hi * 16 + lo);
            i += 4;
            continue;
        }
        if (n == '*') {
            if (amGruppenAnfang && !skipAb)
                skipAb = tiefe;
            i += 2;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(n))) {
            i += 2; // a control symbol outside the subset
            continue;
        }
        size_t e = i + 1;
        while (e < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[e])))
            ++e;
        const std::string_view wort(rtf.data() + i + 1, e - i - 1);
        if (e < rtf.size() && rtf[e] == '-')
            ++e;
        while (e < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[e])))
            ++e;
        if (e < rtf.size() && rtf[e] == ' ')
            ++e;
        i = e;
        if (skipAb)
            continue;
        if (wort == "par") {
            text += "\r\n";
        } else if (amGruppenAnfang) {
            for (const std::string_view s : kUebersprungen)
                if (wort == s)
                    skipAb = tiefe;
        }
    }
    if (tiefe != 0)
        return Fehler(fehler, "a group is not closed", rtf.size());
    return true;
}
