// The language and about commands: the languages read from the settings file and written
// back, the dialog's record, the close-instead-of-hide flag after a stored language; the about
// dialog's texts and image path.
#include "shell/TSprachwahl.h"

#include "foundation/SprTexte.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Profile.h"
#include "shell/TDM.h"
#include "tests/platform/dialogs/InfoTreiber.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class Sprachwahl : public ::testing::Test {
protected:
    Sprachwahl() {
        Ordner = std::filesystem::current_path() / "out" / "sprachwahl" /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(Ordner);
        std::filesystem::create_directories(Ordner);
        DM = std::make_unique<TDM>((Ordner / "pultor").string());
    }
    ~Sprachwahl() override { SetSpracheinstellungIniFile(""); }
    void Schreibe(const std::string &text) { std::ofstream(DM->IniFile, std::ios::binary) << text; }
    std::string Datei() const {
        std::ifstream in(DM->IniFile, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path Ordner;
    std::unique_ptr<TDM> DM;
};

TEST_F(Sprachwahl, WithoutASectionNoLanguagesAndCountWrittenAsZero) {
    const TRecSpracheinstellung d = SprachDaten(DM->IniFile);
    EXPECT_TRUE(d.Sprachen.empty());
    EXPECT_EQ(Datei(), "[Sprache]\r\nCount=0\r\n");
}

TEST_F(Sprachwahl, TheLanguagesByNameAndEachValueWrittenBack) {
    Schreibe("[Sprache]\r\nCount=3\r\nSprache0=Englisch\r\nSprachExt0=ENG\r\n"
             "Sprache1=Deutsch\r\nSprachExt1=DEU\r\nSprache2=Fran\xE7"
             "ais\r\n");
    const TRecSpracheinstellung d = SprachDaten(DM->IniFile);
    const AnsiString francais = "Fran\xE7"
                                "ais";
    const std::map<AnsiString, AnsiString> expected = {
        {"Deutsch", "DEU"}, {"Englisch", "ENG"}, {francais, ""}};
    EXPECT_EQ(d.Sprachen, expected);
    EXPECT_EQ(Datei(), "[Sprache]\r\nCount=3\r\nSprache0=Englisch\r\nSprachExt0=ENG\r\n"
                       "Sprache1=Deutsch\r\nSprachExt1=DEU\r\nSprache2=Fran\xE7"
                       "ais\r\nSprachExt2=\r\n")
        << "the missing extension written back empty";
}

TEST_F(Sprachwahl, TheRecordsTextsFromTheTextTables) {
    const TRecSpracheinstellung d = SprachDaten(DM->IniFile);
    const std::pair<const AnsiString *, int> texts[] = {{&d.Caption, 9087},
                                                        {&d.BtnOk, 9009},
                                                        {&d.BtnAbbrechen, 9007},
                                                        {&d.Prompt, 9151},
                                                        {&d.TextNeustart, 9088},
                                                        {&d.TextGeaendert, 9089},
                                                        {&d.TextFehlgeschlagen, 9122},
                                                        {&d.TextFehler, 9041},
                                                        {&d.TextNichtEingetragen, 9126},
                                                        {&d.TextNichtGeoeffnet, 9118}};
    for (const auto &[text, id] : texts) {
        EXPECT_EQ(*text, SprText(id)) << id;
        EXPECT_FALSE(text->empty()) << id;
    }
    EXPECT_EQ(d.Wert, 1);
}

TEST_F(Sprachwahl, AStoredLanguageSetsTheCloseFlagACancelledOneNot) {
    Schreibe("[Sprache]\r\nCount=2\r\nSprache0=Deutsch\r\nSprachExt0=DEU\r\n"
             "Sprache1=Englisch\r\nSprachExt1=ENG\r\n");
    TMessageBoxRecorder boxes;
    for (const bool ok : {false, true}) {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *dialog = dynamic_cast<TDlgSpracheinstellung *>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return 0;
            EXPECT_EQ(dialog->ListSprachen->count(), 2);
            dialog->ListSprachen->setCurrentRow(1);
            (ok ? dialog->BtnOk : dialog->BtnAbbrechen)->click();
            return dialog->ModalResult();
        });
        EXPECT_EQ(SpracheEinstellen(*DM), ok);
        EXPECT_EQ(DM->CloseInsteadOfHide, ok);
    }
    char buffer[16];
    GetPrivateProfileString("Sprache", "Aktiv", "", buffer, sizeof buffer, DM->IniFile.c_str());
    EXPECT_STREQ(buffer, "ENG") << "stored in the data module's settings file";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, SprText(9089) + "\n" + SprText(9088));
}

TEST_F(Sprachwahl, AboutWithAndWithoutTheImage) {
    EXPECT_EQ(InfoBild(*DM), (Ordner / "Az" / "AboutImage" / "Az.bmp").string());
    for (const bool bild : {false, true}) {
        if (bild) {
            std::filesystem::create_directories(Ordner / "Az" / "AboutImage");
            QImage image(64, 32, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            ASSERT_TRUE(image.save(QString::fromStdString(InfoBild(*DM)), "BMP"));
        }
        TInfoTreiber treiber;
        InfoZeigen(*DM);
        const TInfoGesehen &g = treiber.Gesehen;
        EXPECT_EQ(g.Anzahl, 1);
        EXPECT_EQ(g.Titel, "Info");
        EXPECT_EQ(g.Version, SprText(9208) + " " + ProgrammVersion());
        EXPECT_EQ(g.Bild, bild);
        EXPECT_FALSE(g.TextSichtbar) << "no further text";
    }
}

} // namespace
