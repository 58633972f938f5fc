#include "deviceinstance/TBeschreibungsDatei.h"

#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/vcl/RtfText.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Whether the bytes at `at` of the text are the key, ignoring case or as written.
bool KeyBei(const AnsiString &text, size_t at, const AnsiString &key, bool ohneFall) {
    LOG_FKT("TBeschreibungsDatei::KeyBei");
    if (at + key.size() > text.size())
        return false;
    const std::string_view teil = std::string_view(text).substr(at, key.size());
    return ohneFall ? SameTextCp1252(teil, key) : teil == key;
}

// The first place at or after `from` where the key stands; with ganz, only where no digit
// follows it.
size_t Suche(const AnsiString &text, const AnsiString &key, size_t from, bool ganz, bool ohneFall) {
    LOG_FKT("TBeschreibungsDatei::Suche");
    for (size_t at = from; at + key.size() <= text.size(); ++at)
        if (KeyBei(text, at, key, ohneFall) &&
            (!ganz || at + key.size() == text.size() ||
             !std::isdigit(static_cast<unsigned char>(text[at + key.size()]))))
            return at;
    return AnsiString::npos;
}

// The text without the blanks and control characters at both ends.
AnsiString Getrimmt(const AnsiString &text) {
    LOG_FKT("TBeschreibungsDatei::Getrimmt");
    size_t a = 0, e = text.size();
    while (a < e && static_cast<unsigned char>(text[a]) <= ' ')
        ++a;
    while (e > a && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(a, e - a);
}

} // namespace

TBeschreibungsDatei::TBeschreibungsDatei(const AnsiString &datei, TRegel regel)
    : FDatei(datei), FRegel(regel) {
    LOG_FKT("TBeschreibungsDatei::TBeschreibungsDatei");
}

AnsiString TBeschreibungsDatei::Marke(int nummer) {
    LOG_FKT("TBeschreibungsDatei::Marke");
    return "#id" + std::to_string(nummer);
}

TBeschreibungsDatei::TArt TBeschreibungsDatei::Art() const {
    LOG_FKT("TBeschreibungsDatei::Art");
    std::error_code ec;
    const std::filesystem::path datei(FDatei);
    if (!std::filesystem::is_regular_file(datei, ec))
        return Keine;
    const AnsiString endung = datei.extension().string();
    const bool ohneFall = FRegel == Dialog;
    if (ohneFall ? SameTextCp1252(endung, ".txt") : endung == ".txt")
        return Text;
    if (ohneFall ? SameTextCp1252(endung, ".rtf") : endung == ".rtf")
        return Rtf;
    return Keine;
}

bool TBeschreibungsDatei::Abschnitt(int nummer, AnsiString &text, AnsiString &fehler) const {
    LOG_FKT("TBeschreibungsDatei::Abschnitt");
    text.clear();
    fehler.clear();
    const TArt art = Art();
    if (art == Keine)
        return true;
    const bool ohneFall = FRegel == Dialog;
    const AnsiString marke = Marke(nummer);
    std::ifstream in(std::filesystem::path(FDatei), std::ios::binary);
    if (art == Text) {
        AnsiString line;
        bool drin = false;
        bool erste = true;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!drin) {
                drin = ohneFall ? SameTextCp1252(line, marke) : Getrimmt(line) == marke;
                continue;
            }
            if (ohneFall ? KeyBei(line, 0, "#id", true) : Getrimmt(line.substr(0, 3)) == "#id")
                break;
            if (!erste)
                text += "\n";
            text += line;
            erste = false;
        }
        return true;
    }
    const AnsiString rtf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    AnsiString klar;
    if (!RtfZuText(rtf, klar, &fehler))
        return false;
    const size_t at = Suche(klar, marke, 0, true, ohneFall);
    const size_t anfang =
        at == AnsiString::npos ? klar.size() : std::min(klar.size(), at + marke.size() + 2);
    const size_t ende = std::min(klar.size(), Suche(klar, "#id", anfang, false, ohneFall));
    text = klar.substr(anfang, ende - anfang);
    return true;
}
