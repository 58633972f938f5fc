// Texts inside the system are Windows-1252: a text beyond ASCII is written in a source once, in
// UTF-8, as the argument of Utf8ToAnsi. A UTF-8 literal anywhere else reaches a box, a record or
// a file as UTF-8 (a box showing "gelÃ¶scht"), and a byte escape is a second spelling of the same
// text beside the conversion. The rule: a narrow string literal (plain or u8) or a character
// literal whose text goes beyond ASCII, written as UTF-8 or as an escape, stands only as the
// argument of Utf8ToAnsi (with the literals concatenated to it). Literals with a u, U or L prefix
// hold UTF-16/32 text, which only Qt takes, and are left to Qt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TFund {
    int Zeile;
    std::string Literal;
};

struct TLiterale {
    std::vector<TFund> Offen; // beyond ASCII, not converted
    int Konvertiert = 0;      // beyond ASCII, the argument of Utf8ToAnsi
};

bool IstWortzeichen(unsigned char c) {
    return std::isalnum(c) || c == '_' || c >= 0x80;
}

int HexWert(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Whether the body of a (not raw) literal goes beyond ASCII: a byte above 0x7F, or an escape of
// a value above 0x7F.
bool JenseitsAscii(std::string_view body) {
    for (size_t i = 0; i < body.size(); ++i) {
        if (static_cast<unsigned char>(body[i]) >= 0x80)
            return true;
        if (body[i] != '\\' || i + 1 >= body.size())
            continue;
        const char e = body[++i];
        long wert = 0;
        if (e == 'x' || e == 'u' || e == 'U') {
            const size_t max = e == 'x' ? std::string_view::npos : (e == 'u' ? 4 : 8);
            size_t n = 0;
            while (n < max && i + 1 < body.size() && HexWert(body[i + 1]) >= 0) {
                wert = wert * 16 + HexWert(body[++i]);
                ++n;
            }
        } else if (e >= '0' && e <= '7') {
            wert = e - '0';
            for (int n = 1;
                 n < 3 && i + 1 < body.size() && body[i + 1] >= '0' && body[i + 1] <= '7'; ++n)
                wert = wert * 8 + (body[++i] - '0');
        }
        if (wert >= 0x80)
            return true;
    }
    return false;
}

// The literals of one source text, by the rule above.
TLiterale Pruefe(std::string_view q) {
    TLiterale ergebnis;
    int zeile = 1;
    // The two significant tokens before the current one: a word, a punctuation character, or
    // "\"+" / "\"-" for a literal that was (not) the argument of the conversion.
    std::string vorher1, vorher2;
    auto token = [&](std::string t) {
        vorher2 = std::move(vorher1);
        vorher1 = std::move(t);
    };
    size_t i = 0;
    while (i < q.size()) {
        const auto c = static_cast<unsigned char>(q[i]);
        if (c == '\n') {
            ++zeile;
            ++i;
        } else if (std::isspace(c)) {
            ++i;
        } else if (q.substr(i, 2) == "//") {
            i = q.find('\n', i);
            if (i == std::string_view::npos)
                break;
        } else if (q.substr(i, 2) == "/*") {
            const size_t ende = std::min(q.find("*/", i + 2), q.size());
            for (; i < ende; ++i)
                zeile += q[i] == '\n';
            i = std::min(ende + 2, q.size());
        } else if (std::isdigit(c)) {
            // A number, with its digit separators.
            while (i < q.size() && (IstWortzeichen(q[i]) || q[i] == '.' ||
                                    (q[i] == '\'' && i + 1 < q.size() && std::isalnum(q[i + 1]))))
                ++i;
            token("0");
        } else if (IstWortzeichen(c) || c == '"' || c == '\'') {
            size_t start = i;
            while (i < q.size() && IstWortzeichen(q[i]))
                ++i;
            const std::string_view wort = q.substr(start, i - start);
            const bool literal =
                i < q.size() && (q[i] == '"' || q[i] == '\'') &&
                (wort.empty() || wort == "u8" || wort == "u" || wort == "U" || wort == "L" ||
                 wort == "R" || wort == "u8R" || wort == "uR" || wort == "UR" || wort == "LR");
            if (!literal) {
                token(std::string(wort));
                continue;
            }
            const int startZeile = zeile;
            const char quote = q[i];
            const bool roh = !wort.empty() && wort.back() == 'R' && quote == '"';
            bool jenseits = false;
            if (roh) {
                const size_t klammer = q.find('(', i);
                const std::string schluss =
                    ")" + std::string(q.substr(i + 1, klammer - i - 1)) + "\"";
                const size_t ende = std::min(q.find(schluss, klammer), q.size());
                const std::string_view body = q.substr(klammer + 1, ende - klammer - 1);
                for (const char b : body) {
                    zeile += b == '\n';
                    jenseits = jenseits || static_cast<unsigned char>(b) >= 0x80;
                }
                i = std::min(ende + schluss.size(), q.size());
            } else {
                size_t j = i + 1;
                while (j < q.size() && q[j] != quote && q[j] != '\n')
                    j += q[j] == '\\' ? 2 : 1;
                jenseits = JenseitsAscii(q.substr(i + 1, j - i - 1));
                i = std::min(j + 1, q.size());
            }
            const bool breit = !wort.empty() && wort[0] != 'R' && wort.substr(0, 2) != "u8";
            const bool konvertiert =
                quote == '"' && ((vorher1 == "(" && vorher2 == "Utf8ToAnsi") || vorher1 == "\"+");
            if (jenseits && !breit && konvertiert)
                ++ergebnis.Konvertiert;
            else if (jenseits && !breit)
                ergebnis.Offen.push_back({startZeile, std::string(q.substr(start, i - start))});
            token(konvertiert ? "\"+" : "\"-");
        } else {
            token(std::string(1, static_cast<char>(c)));
            ++i;
        }
    }
    return ergebnis;
}

struct TFall {
    const char *Quelle;
    std::vector<int> OffenInZeile;
    int Konvertiert;
};

TEST(QuelltextLiterale, TheRuleOnSmallSources) {
    const TFall faelle[] = {
        {R"(MessageBox(h, "Die Objekte konnten nicht gelöscht werden.", "Anzeige", 0);)", {1}, 0},
        {R"(MessageBox(h, Utf8ToAnsi("gelöscht"), "Anzeige", 0);)", {}, 1},
        {"x = Utf8ToAnsi(\n    \"Diese Gruppenadressen können \"\n    \"ausgewählt werden.\");",
         {},
         2},
        {R"(x = Utf8ToAnsi("Link passt nicht, " "Blockgröße %u"); y = Utf8ToAnsi("a")("ö");)",
         {1},
         1},
        {R"(x = Utf8ToAnsi("Link") + "ö"; y = QtText("ausgewählt");)", {1, 1}, 0},
        {R"(x = Utf8ToAnsi ( "ö" ); y = Ansi("ö");)", {1}, 1},
        {R"(a = "f\xFCr"; b = "\x41\101\u0041"; c = "\374"; d = "\u00FC"; e = "\\xFC";)",
         {1, 1, 1},
         0},
        {"// gelöscht\n/* gelöscht \"ö\" */ int aktivAnGerät = 0;\nf(\"ö\");", {3}, 0},
        {R"(q = QStringLiteral("übertragen"); r = u8"ü";)", {1, 1}, 0},
        {R"(a = QStringLiteral(u"\u25B8 "); b = L"ü"; c = U"ü";)", {}, 0},
        {"s = R\"SQL(\nCREATE \"ö\"\n)SQL\";\nt = \"\\\"ö\";\nint n = 1'000; f(\"ä\");",
         {1, 4, 5},
         0},
        {R"(char c = '\xDF'; char d = 'a'; char e = '\'';)", {1}, 0},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Quelle);
        const TLiterale l = Pruefe(f.Quelle);
        std::vector<int> zeilen;
        for (const TFund &fund : l.Offen)
            zeilen.push_back(fund.Zeile);
        EXPECT_EQ(zeilen, f.OffenInZeile);
        EXPECT_EQ(l.Konvertiert, f.Konvertiert);
    }
}

// The tools' host program is left out: it writes the bus tool's database, whose texts are UTF-8.
// The UTF-8 text tables (.inc) are converted when they are filled.
TEST(QuelltextLiterale, EveryTextBeyondAsciiInTheSystemGoesThroughTheConversion) {
    const std::filesystem::path wurzel = PROJEKT_QUELLORDNER;
    int konvertiert = 0;
    std::ostringstream offen;
    for (const char *ordner : {"foundation", "objectmodel", "deviceinstance", "shell", "assembler",
                               "reconstruction", "platform"}) {
        ASSERT_TRUE(std::filesystem::is_directory(wurzel / ordner)) << (wurzel / ordner);
        for (const auto &eintrag : std::filesystem::recursive_directory_iterator(wurzel / ordner)) {
            const auto endung = eintrag.path().extension();
            if (!eintrag.is_regular_file() || (endung != ".cpp" && endung != ".h"))
                continue;
            std::ifstream datei(eintrag.path(), std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(datei), {}};
            const TLiterale l = Pruefe(text);
            konvertiert += l.Konvertiert;
            for (const TFund &fund : l.Offen)
                offen << std::filesystem::relative(eintrag.path(), wurzel).string() << ":"
                      << fund.Zeile << ": " << fund.Literal << "\n";
        }
    }
    EXPECT_GT(konvertiert, 0) << "no converted text found: the sources were not read";
    EXPECT_TRUE(offen.str().empty()) << offen.str();
}

} // namespace
