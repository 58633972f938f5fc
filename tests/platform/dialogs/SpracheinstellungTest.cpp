// The language dialog: the languages by name, the stored one chosen at first, OK storing the
// extension in the settings file with its box, Cancel and the failures storing nothing.
#include "DialogAnwendung.h"

#include "platform/dialogs/DlgSpracheinstellung.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Profile.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

TRecSpracheinstellung Daten() {
    TRecSpracheinstellung d;
    d.Caption = "Spracheinstellung \xE4ndern";
    d.BtnOk = "&Ok";
    d.BtnAbbrechen = "&Abbrechen";
    d.Prompt = "Bitte w\xE4hlen Sie eine Sprache:";
    d.Sprachen = {{"Englisch", "ENG"},
                  {"Deutsch", "DEU"},
                  {"Fran\xE7"
                   "ais",
                   "FRA"}};
    d.TextNeustart = "Die \xC4nderungen werden erst nach einem Neustart des Programms wirksam.";
    d.TextGeaendert = "Sprache ge\xE4ndert.";
    d.TextFehlgeschlagen = "Die Sprachumschaltung ist fehlgeschlagen.";
    d.TextFehler = "Fehler";
    d.TextNichtEingetragen = "Wert konnte nicht eingetragen werden.";
    d.TextNichtGeoeffnet = "Nicht ge\xF6"
                           "ffnet.";
    d.Wert = 1;
    return d;
}

std::string Aktiv(const std::string &ini) {
    char buffer[64];
    GetPrivateProfileString("Sprache", "Aktiv", "-", buffer, sizeof buffer, ini.c_str());
    return buffer;
}

class Spracheinstellung : public ::testing::Test {
protected:
    Spracheinstellung() {
        Anwendung();
        Ordner = std::filesystem::current_path() / "out" /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(Ordner);
        std::filesystem::create_directories(Ordner);
        Ini = (Ordner / "pultor.ini").string();
        SetSpracheinstellungIniFile(Ini);
    }
    ~Spracheinstellung() override { SetSpracheinstellungIniFile(""); }

    // Runs the dialog with the driver doing what the test says; answers the dialog's result.
    bool Starte(const std::function<void(TDlgSpracheinstellung &)> &tun) {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *dialog = dynamic_cast<TDlgSpracheinstellung *>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return 0;
            tun(*dialog);
            return dialog->ModalResult();
        });
        const bool result = _StartDlgSpracheinstellung(Daten());
        EXPECT_EQ(driver.Count(), 1);
        return result;
    }

    std::filesystem::path Ordner;
    std::string Ini;
    TMessageBoxRecorder Boxes;
};

void Waehle(TDlgSpracheinstellung &d, const char *name) {
    const auto items = d.ListSprachen->findItems(QString::fromUtf8(name), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    d.ListSprachen->setCurrentItem(items[0]);
}

TEST_F(Spracheinstellung, TextsAndTheLanguagesByName) {
    Starte([](TDlgSpracheinstellung &d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Spracheinstellung ändern");
        EXPECT_EQ(d.BtnOk->text().toStdString(), "&Ok");
        EXPECT_EQ(d.BtnAbbrechen->text().toStdString(), "&Abbrechen");
        ASSERT_EQ(d.ListSprachen->count(), 3);
        EXPECT_EQ(d.ListSprachen->item(0)->text().toStdString(), "Deutsch");
        EXPECT_EQ(d.ListSprachen->item(1)->text().toStdString(), "Englisch");
        EXPECT_EQ(d.ListSprachen->item(2)->text().toStdString(), "Français");
        EXPECT_FALSE(d.BtnOk->isEnabled()) << "nothing chosen yet";
        EXPECT_TRUE(Bildschirmfoto(d, "DlgSpracheinstellung"));
        d.BtnAbbrechen->click();
    });
}

TEST_F(Spracheinstellung, OkStoresTheExtensionAndSaysSo) {
    EXPECT_TRUE(Starte([](TDlgSpracheinstellung &d) {
        Waehle(d, "Englisch");
        EXPECT_TRUE(d.BtnOk->isEnabled());
        d.BtnOk->click();
    }));
    EXPECT_EQ(Aktiv(Ini), "ENG");
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, Daten().Caption);
    EXPECT_EQ(Boxes.Boxes()[0].text, Daten().TextGeaendert + "\n" + Daten().TextNeustart);
}

TEST_F(Spracheinstellung, TheStoredLanguageIsChosenAtFirst) {
    ASSERT_TRUE(WritePrivateProfileString("Sprache", "Aktiv", "FRA", Ini.c_str()));
    EXPECT_TRUE(Starte([](TDlgSpracheinstellung &d) {
        ASSERT_NE(d.ListSprachen->currentItem(), nullptr);
        EXPECT_EQ(d.ListSprachen->currentItem()->text().toStdString(), "Français");
        EXPECT_TRUE(Bildschirmfoto(d, "DlgSpracheinstellungGewaehlt"));
        d.BtnOk->click();
    }));
    EXPECT_EQ(Aktiv(Ini), "FRA");
}

TEST_F(Spracheinstellung, CancelStoresNothing) {
    EXPECT_FALSE(Starte([](TDlgSpracheinstellung &d) {
        Waehle(d, "Deutsch");
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(Aktiv(Ini), "-");
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Spracheinstellung, EscapeIsCancel) {
    EXPECT_FALSE(Starte([](TDlgSpracheinstellung &d) {
        Waehle(d, "Deutsch");
        static_cast<QDialog &>(d).reject();
    }));
    EXPECT_EQ(Aktiv(Ini), "-");
}

TEST_F(Spracheinstellung, OkWithNothingChosenDoesNotClose) {
    EXPECT_FALSE(Starte([](TDlgSpracheinstellung &d) {
        d.BtnOkClick();
        EXPECT_EQ(d.ModalResult(), 0) << "still open";
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(Aktiv(Ini), "-");
}

TEST_F(Spracheinstellung, AFileThatCannotBeWrittenGivesTheFailureBox) {
    SetSpracheinstellungIniFile((Ordner / "fehlt" / "pultor.ini").string());
    EXPECT_FALSE(Starte([](TDlgSpracheinstellung &d) {
        Waehle(d, "Deutsch");
        d.BtnOk->click();
    }));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Fehler");
    EXPECT_EQ(Boxes.Boxes()[0].text,
              Daten().TextFehlgeschlagen + "\n" + Daten().TextNichtEingetragen);
}

TEST_F(Spracheinstellung, WithoutASettingsFileNothingCanBeStored) {
    TDlgSpracheinstellung dialog(nullptr, Daten(), "");
    Waehle(dialog, "Deutsch");
    EXPECT_FALSE(dialog.Speichern());
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text,
              Daten().TextFehlgeschlagen + "\n" + Daten().TextNichtGeoeffnet);
}

TEST_F(Spracheinstellung, AnEmptyListLeavesOnlyCancel) {
    TRecSpracheinstellung d = Daten();
    d.Sprachen.clear();
    TDlgSpracheinstellung dialog(nullptr, d, Ini);
    EXPECT_EQ(dialog.ListSprachen->count(), 0);
    EXPECT_FALSE(dialog.BtnOk->isEnabled());
    EXPECT_FALSE(dialog.Speichern());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Spracheinstellung, TheDefaultFileIsTheProgramsSettingsFile) {
    SetSpracheinstellungIniFile("");
    const std::string ini = GetSpracheinstellungIniFile();
    EXPECT_EQ(std::filesystem::path(ini).extension(), ".ini");
    EXPECT_EQ(std::filesystem::path(ini).stem(), "test_dialogs");
}

} // namespace
