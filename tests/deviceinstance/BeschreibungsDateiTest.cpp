// The description file's reader under its two rules: plain-text and rich-text sections, the
// marker found whole, case and blanks, the extension, a missing file and a faulty rich text.
#include "deviceinstance/TBeschreibungsDatei.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class Beschreibung : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "beschreibung-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        FDir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(FDir); }
    std::string Datei(const std::string &name, const std::string &inhalt) {
        const std::string path = (FDir / name).string();
        std::ofstream(path, std::ios::binary) << inhalt;
        return path;
    }
    std::filesystem::path FDir;
};

struct Fall {
    TBeschreibungsDatei::TRegel regel;
    int nummer;
    const char *soll;
};

constexpr auto D = TBeschreibungsDatei::Dialog;
constexpr auto H = TBeschreibungsDatei::Hilfe;

TEST_F(Beschreibung, PlainTextSections) {
    const std::string datei = Datei("hilfe.txt", "Kopf\r\n"
                                                 "#id5\r\n"
                                                 "fünf a\r\n"
                                                 "fünf b\r\n"
                                                 "#id50\r\n"
                                                 "fünfzig\r\n"
                                                 "  #id6  \r\n"
                                                 "sechs\r\n"
                                                 " #id7\r\n"
                                                 "#ID8\r\n"
                                                 "acht\r\n");
    const Fall faelle[] = {
        {D, 5, "fünf a\nfünf b"},
        {H, 5, "fünf a\nfünf b"},
        {D, 50, "fünfzig\n  #id6  \nsechs\n #id7"},
        // A marker line with blanks opens a section only for the pane ...
        {D, 6, ""},
        // ... which ends it only at a line whose first three characters are "#id".
        {H, 6, "sechs\n #id7\n#ID8\nacht"},
        // A marker line indented by blanks opens its section but ends none.
        {H, 50, "fünfzig\n  #id6  \nsechs\n #id7\n#ID8\nacht"},
        // Case: the dialog ignores it, the pane does not.
        {D, 8, "acht"},
        {H, 8, ""},
        {D, 9, ""},
        {H, 9, ""},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(std::to_string(f.regel) + "/" + std::to_string(f.nummer));
        const TBeschreibungsDatei b(datei, f.regel);
        EXPECT_EQ(b.Art(), TBeschreibungsDatei::Text);
        AnsiString text, fehler;
        EXPECT_TRUE(b.Abschnitt(f.nummer, text, fehler));
        EXPECT_EQ(text, f.soll);
        EXPECT_EQ(fehler, "");
    }
}

TEST_F(Beschreibung, RichTextSectionsFoundWhole) {
    const std::string datei =
        Datei("az_deu.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Einleitung\\par "
                            "#id50\\par f\\'fcnfzig\\par "
                            "#id5\\par f\\'fcnf\\par zweite\\par "
                            "#ID6\\par gro\\'df\\par "
                            "#id6\\par sechs bis zum Ende\\par }");
    const Fall faelle[] = {
        {H, 5, "f\xfcnf\r\nzweite\r\n#ID6\r\ngro\xdf\r\n"},
        {D, 5, "f\xfcnf\r\nzweite\r\n"},
        {H, 50, "f\xfcnfzig\r\n"},
        {H, 6, "sechs bis zum Ende\r\n"},
        {D, 6, "gro\xdf\r\n"},
        {H, 7, ""},
        {D, 7, ""},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(std::to_string(f.regel) + "/" + std::to_string(f.nummer));
        const TBeschreibungsDatei b(datei, f.regel);
        EXPECT_EQ(b.Art(), TBeschreibungsDatei::Rtf);
        AnsiString text, fehler;
        EXPECT_TRUE(b.Abschnitt(f.nummer, text, fehler));
        EXPECT_EQ(text, f.soll);
    }
}

TEST_F(Beschreibung, TheExtensionAndAMissingFile) {
    const std::string gross = Datei("AZ.RTF", "{\\rtf1 #id1\\par eins}");
    const std::string anders = Datei("az.doc", "#id1\r\neins\r\n");
    const struct {
        std::string datei;
        TBeschreibungsDatei::TRegel regel;
        TBeschreibungsDatei::TArt art;
    } faelle[] = {
        {gross, D, TBeschreibungsDatei::Rtf},
        {gross, H, TBeschreibungsDatei::Keine},
        {anders, D, TBeschreibungsDatei::Keine},
        {(FDir / "fehlt.rtf").string(), H, TBeschreibungsDatei::Keine},
        {FDir.string(), D, TBeschreibungsDatei::Keine},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.datei);
        const TBeschreibungsDatei b(f.datei, f.regel);
        EXPECT_EQ(b.Art(), f.art);
        AnsiString text = "alt", fehler;
        EXPECT_TRUE(b.Abschnitt(1, text, fehler));
        if (f.art == TBeschreibungsDatei::Keine)
            EXPECT_EQ(text, "");
        else
            EXPECT_EQ(text, "eins");
    }
}

TEST_F(Beschreibung, AFaultyRichTextSaysSo) {
    const TBeschreibungsDatei b(Datei("kaputt.rtf", "{\\rtf1 #id1\\par eins"), H);
    AnsiString text, fehler;
    EXPECT_FALSE(b.Abschnitt(1, text, fehler));
    EXPECT_NE(fehler, "");
}

} // namespace
