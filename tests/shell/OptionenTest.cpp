// The options dialog through the modal driver on a temporary settings file and the simulated
// bus tool's device profile: what it shows on opening, the fields' exits, colours changed at
// once and taken back by Cancel and the close box, what OK writes and starts, the messages to
// the main window, the compiler page's reads, writes, Default button, file buttons and error
// boxes; and pictures of its pages to look at.
#include "TTestHaupt.h"
#include "foundation/RegIniNamen.h"
#include "foundation/TRegIni.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"
#include "platform/win/WinHelp.h"
#include "shell/TDlgOptionen.h"
#include "shell/TFileDialog.h"
#include "shell/TUpDown.h"
#include "shell/WinColor.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <regex>
#include <sstream>

namespace {

// The settings file's bytes, none when it does not exist.
std::optional<std::string> Datei(const std::string &file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class Optionen : public ::testing::Test {
protected:
    // Opens the dialog through the driver, runs the steps on it and answers its result.
    int Oeffne(const std::function<int(TDlgOptionen &)> &steps) {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *o = dynamic_cast<TDlgOptionen *>(&d);
            EXPECT_NE(o, nullptr);
            return o ? steps(*o) : 0;
        });
        TDlgOptionen dialog(*H.DM, &H.Project.Cdi());
        return dialog.ShowModal();
    }
    void Schreibe(const char *key, const char *value) {
        TRegIni().WriteString(H.DM->IniFile, RegSecOptions, key, value);
    }
    AnsiString Lies(const char *key) {
        AnsiString v;
        TRegIni().ReadString(H.DM->IniFile, RegSecOptions, key, v, "<fehlt>");
        return v;
    }
    void Profil(const char *section, const char *key, const char *value) {
        H.Project.Database().SetProfileValue(H.Project.Cdi().GetModulName(), section, key, value);
    }
    std::optional<std::string> Profil(const char *section, const std::string &key) {
        return H.Project.Database().ProfileValue(H.Project.Cdi().GetModulName(), section, key);
    }
    size_t Anzahl(UINT msg) const { return std::count(H.Log.begin(), H.Log.end(), msg); }

    TTestHaupt H;
    TMessageBoxRecorder Boxen;
};

TEST_F(Optionen, ASettingsFileWithoutOptions) {
    ASSERT_FALSE(std::filesystem::exists(H.DM->IniFile));
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Optionen");
        EXPECT_EQ(d.PageControl->currentWidget(), d.TabSheetTabelle);
        EXPECT_EQ(d.PageControl->tabText(0).toStdString(), "Tabelle");
        EXPECT_EQ(d.PageControl->tabText(1).toStdString(), "Optionen");
        EXPECT_FALSE(d.PageControl->isTabVisible(d.PageControl->indexOf(d.TabSheetCompDown)));
        EXPECT_TRUE(d.CBGridAutoSize->isChecked());
        EXPECT_TRUE(d.CheckBoxAutoCell->isChecked());
        EXPECT_TRUE(d.CBAutoSave->isChecked());
        EXPECT_TRUE(d.AutoSaveSchalter());
        for (QCheckBox *b : {d.CBShowDlgAbfrName, d.CBNoSystemFiles, d.CBAskOverwrite}) {
            EXPECT_TRUE(b->isChecked());
            EXPECT_TRUE(b->isHidden());
        }
        EXPECT_EQ(d.EditGridColDefSize->text().toStdString(), "150");
        EXPECT_FALSE(d.EditGridColDefSize->isEnabled());
        EXPECT_FALSE(d.LabelGridColDefSize->isEnabled());
        EXPECT_EQ(d.EditAutoCellRow->text().toStdString(), "1");
        EXPECT_TRUE(d.EditAutoCellRow->isEnabled());
        EXPECT_TRUE(d.BitBtn1->isDefault());
        EXPECT_EQ(d.BitBtn2->text().toStdString(), "&Abbrechen");
        EXPECT_EQ(d.BitBtnHelp->text().toStdString(), "&Hilfe");
        EXPECT_EQ(d.SwatchLabel[TDlgOptionen::fCommon]->text().toStdString(),
                  "Tabelle: Hintergrund");
        return d.ModalResult();
    });
    EXPECT_TRUE(H.DM->GridAutoSize);
    EXPECT_EQ(H.DM->GridColDefSize, 150);
    EXPECT_TRUE(H.DM->TableAutoCellActivate);
    EXPECT_EQ(H.DM->TabelAutoCellActivateRowNumber, 0);
}

TEST_F(Optionen, StoredMinutesStayWithinTheUpDownsRange) {
    const struct {
        const char *stored;
        int soll;
    } faelle[] = {{"0", 1}, {"12", 12}, {"50000", 60}, {"-7", 1}, {"60", 60}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.stored);
        Schreibe(RegKeyAutoSaveMinuten, f.stored);
        Oeffne([&](TDlgOptionen &d) {
            EXPECT_EQ(d.UpDownAutoSave->Position(), f.soll);
            EXPECT_EQ(d.AutoSaveMinuten(), f.soll);
            EXPECT_EQ(d.EditAutoSave->text().toStdString(), std::to_string(f.soll));
            return 2;
        });
    }
    // Without the key: the default 50000, kept within the range too.
    TRegIni().WriteString(H.DM->IniFile, RegSecOptions, RegKeyAutoSaveMinuten, "");
    std::filesystem::remove(H.DM->IniFile);
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_EQ(d.AutoSaveMinuten(), 60);
        return 2;
    });
}

TEST_F(Optionen, TheMinutesFieldFollowsTheUpDown) {
    Schreibe(RegKeyAutoSaveMinuten, "5");
    Oeffne([&](TDlgOptionen &d) {
        const struct {
            const char *getippt;
            const char *zeigt;
            int minuten;
        } faelle[] = {{"12", "12", 12}, {"70", "60", 60}, {"abc", "60", 60},
                      {"0", "1", 1},    {"", "1", 1},     {"33", "33", 33}};
        for (const auto &f : faelle) {
            SCOPED_TRACE(f.getippt);
            d.EditAutoSave->setText(f.getippt);
            d.EditAutoSaveChange();
            EXPECT_EQ(d.EditAutoSave->text().toStdString(), f.zeigt);
            EXPECT_EQ(d.AutoSaveMinuten(), f.minuten);
        }
        d.UpDownAutoSave->Up();
        EXPECT_EQ(d.AutoSaveMinuten(), 34);
        EXPECT_EQ(d.EditAutoSave->text().toStdString(), "34");
        return 2;
    });
}

TEST_F(Optionen, AnEmptiedOrZeroWidthKeepsTheWidthOfEntry) {
    Schreibe(RegKeyGridAutoSize, "0");
    Schreibe(RegKeyGridColDefSize, "200");
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_TRUE(d.EditGridColDefSize->isEnabled());
        const struct {
            const char *text;
            int breite;
        } faelle[] = {{"", 200}, {"0", 200}, {"-5", 200}, {"abc", 200}, {"180", 180}};
        for (const auto &f : faelle) {
            SCOPED_TRACE(f.text);
            H.DM->GridColDefSize = 200;
            d.EditGridColDefSizeEnter();
            d.EditGridColDefSize->setText(f.text);
            d.EditGridColDefSizeExit();
            EXPECT_EQ(H.DM->GridColDefSize, f.breite);
            // The field's text is not corrected.
            EXPECT_EQ(d.EditGridColDefSize->text().toStdString(), f.text);
        }
        return 2;
    });
}

TEST_F(Optionen, ARowThatIsNoPositiveNumberShowsOneAndOkStoresZero) {
    for (const char *text : {"abc", "-3", "0"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Oeffne([&](TDlgOptionen &d) {
                      d.EditAutoCellRow->setText(text);
                      d.EditAutoCellRowExit();
                      EXPECT_EQ(d.EditAutoCellRow->text().toStdString(), "1");
                      d.BitBtn1->click();
                      return d.ModalResult();
                  }),
                  7);
        EXPECT_EQ(Lies(RegKeyTabelAutoCellActivateRowNumber), "0");
        EXPECT_EQ(H.DM->TabelAutoCellActivateRowNumber, 0);
    }
    Oeffne([&](TDlgOptionen &d) {
        d.EditAutoCellRow->setText("5");
        d.EditAutoCellRowExit();
        d.BitBtn1->click();
        return d.ModalResult();
    });
    EXPECT_EQ(Lies(RegKeyTabelAutoCellActivateRowNumber), "4");
    // Switching activation off disables the row field and its label.
    Oeffne([&](TDlgOptionen &d) {
        d.CheckBoxAutoCell->click();
        EXPECT_FALSE(d.EditAutoCellRow->isEnabled());
        EXPECT_FALSE(d.LabelAutoCellRow->isEnabled());
        return 2;
    });
}

TEST_F(Optionen, AColourChangedThenCancelledOrClosedPutsTheGridsBack) {
    TFormVerw *w = H.NeuesFenster();
    const uint32_t alt = H.DM->ColorGridCell;
    const uint32_t altTitel = H.DM->ColorGridTitle;
    ASSERT_EQ(w->Grid.CellColor, alt);
    const std::optional<std::string> vorher = Datei(H.DM->IniFile);
    // Cancel, then the close box.
    for (bool schliessfeld : {false, true}) {
        SCOPED_TRACE(schliessfeld);
        H.Log.clear();
        EXPECT_EQ(Oeffne([&](TDlgOptionen &d) {
                      d.FrageFarbe = [](uint32_t &c) {
                          c = 0x000000FF;
                          return true;
                      };
                      d.FarbeWaehlen(TDlgOptionen::fCell);
                      // The data module and the swatch take it at once ...
                      EXPECT_EQ(H.DM->ColorGridCell, 0x000000FFu);
                      EXPECT_EQ(d.SwatchColor(TDlgOptionen::fCell), 0x000000FFu);
                      EXPECT_EQ(d.Swatch[TDlgOptionen::fCell]->palette().color(QPalette::Window),
                                QColor(255, 0, 0));
                      // ... and the grids with the preview.
                      d.ButtonColorPreview->click();
                      EXPECT_EQ(w->Grid.CellColor, 0x000000FFu);
                      // A click on the title swatch's label opens the dialog too; refused.
                      d.FrageFarbe = [](uint32_t &) { return false; };
                      QTest::mouseClick(d.SwatchLabel[TDlgOptionen::fTitle], Qt::LeftButton);
                      EXPECT_EQ(H.DM->ColorGridTitle, altTitel);
                      d.CBGridLine->click();
                      EXPECT_EQ(H.DM->Gitternetzlinien, 0);
                      if (schliessfeld) {
                          d.show();
                          d.close();
                      } else {
                          d.BitBtn2->click();
                      }
                      return d.ModalResult();
                  }),
                  2);
        EXPECT_EQ(H.DM->ColorGridCell, alt);
        EXPECT_EQ(H.DM->Gitternetzlinien, 1);
        EXPECT_EQ(w->Grid.CellColor, alt);
        EXPECT_EQ(w->Grid.GridLineWidth, 1);
        EXPECT_EQ(Anzahl(AzMsg::LoadColor::Id), 2u);
        EXPECT_EQ(Anzahl(AzMsg::LoadSize::Id), 0u);
        EXPECT_EQ(Datei(H.DM->IniFile), vorher);
    }
}

TEST_F(Optionen, FixedWidthChosenThenCancelledStaysInTheDataModuleOnly) {
    Schreibe(RegKeyGridAutoSize, "1");
    const std::optional<std::string> vorher = Datei(H.DM->IniFile);
    Oeffne([&](TDlgOptionen &d) {
        d.CBGridAutoSize->click();
        EXPECT_FALSE(H.DM->GridAutoSize);
        EXPECT_TRUE(d.EditGridColDefSize->isEnabled());
        EXPECT_TRUE(d.LabelGridColDefSize->isEnabled());
        d.BitBtn2->click();
        return d.ModalResult();
    });
    EXPECT_FALSE(H.DM->GridAutoSize);
    EXPECT_EQ(Datei(H.DM->IniFile), vorher);
}

TEST_F(Optionen, OkWithTwelveMinutesStoresAndRestartsTheTimer) {
    TFormVerw *w = H.NeuesFenster();
    Schreibe(RegKeyAutoSaveMinuten, "5");
    H.DM->GridColDefSize = 150;
    H.Log.clear();
    EXPECT_EQ(Oeffne([&](TDlgOptionen &d) {
                  d.EditAutoSave->selectAll();
                  QTest::keyClicks(d.EditAutoSave, "12");
                  EXPECT_EQ(d.AutoSaveMinuten(), 12);
                  d.CBGridAutoSize->click();
                  d.EditGridColDefSizeEnter();
                  d.EditGridColDefSize->setText("220");
                  d.EditGridColDefSizeExit();
                  d.BitBtn1->click();
                  return d.ModalResult();
              }),
              7);
    EXPECT_EQ(Lies(RegKeyAutoSaveMinuten), "12");
    EXPECT_EQ(Lies(RegKeyAutoSave), "1");
    EXPECT_EQ(H.DM->AutoSaveMinutes, 12);
    EXPECT_TRUE(H.DM->AutoSave);
    EXPECT_TRUE(H.DM->TimerAutoSave.isActive());
    EXPECT_EQ(H.DM->TimerAutoSave.interval(), 12 * 60000);
    // Colours first, then the sizes; the grid took the fixed width.
    const std::vector<UINT> gesendet = [&] {
        std::vector<UINT> v;
        for (UINT m : H.Log)
            if (m == AzMsg::LoadColor::Id || m == AzMsg::LoadSize::Id)
                v.push_back(m);
        return v;
    }();
    EXPECT_EQ(gesendet, (std::vector<UINT>{AzMsg::LoadColor::Id, AzMsg::LoadSize::Id}));
    EXPECT_FALSE(w->Grid.AutoSize);
    EXPECT_EQ(w->Grid.DefaultColWidth, 220);
    EXPECT_EQ(Lies(RegKeyGridAutoSize), "0");
    EXPECT_EQ(Lies(RegKeyGridColDefSize), "220");
}

TEST_F(Optionen, AutosaveSwitchedOffStopsTheTimer) {
    H.DM->AutoSave = true;
    H.DM->StartTimerAutoSave(true);
    ASSERT_TRUE(H.DM->TimerAutoSave.isActive());
    Oeffne([&](TDlgOptionen &d) {
        d.CBAutoSave->click();
        EXPECT_FALSE(d.AutoSaveSchalter());
        d.BitBtn1->click();
        return d.ModalResult();
    });
    EXPECT_FALSE(H.DM->AutoSave);
    EXPECT_FALSE(H.DM->TimerAutoSave.isActive());
    EXPECT_EQ(Lies(RegKeyAutoSave), "0");
}

TEST_F(Optionen, OkWritesEveryOptionColoursInSignedDecimal) {
    Schreibe(RegKeyNoSysFile, "0");
    H.DM->ColorGridCommon = 0x80000010;
    H.DM->ColorGridTitle = 0x8000000F;
    H.DM->ColorGridCell = 0x00E1FFFF;
    H.DM->ColorGridCellReadOnly = 0x00123456;
    Oeffne([&](TDlgOptionen &d) {
        d.BitBtn1->click();
        return d.ModalResult();
    });
    const struct {
        const char *key;
        const char *soll;
    } faelle[] = {
        {RegKeyAskOverwrite, "1"},
        {RegKeyNoSysFile, "0"},
        {RegKeyAutoSave, "1"},
        {RegKeyShowDlgAbfrName, "1"},
        {RegKeyGridAutoSize, "1"},
        {RegKeyGridColDefSize, "150"},
        {RegKeyTableAutoCellActivate, "1"},
        {RegKeyTabelAutoCellActivateRowNumber, "0"},
        {RegKeyColorGridCommmon, "-2147483632"},
        {RegKeyColorGridTitle, "-2147483633"},
        {RegKeyColorGridCell, "14811135"},
        {RegKeyColorGridCellReadOnly, "1193046"},
        {RegKeyGitternetzlinien, "1"},
        {RegKeyAutoSaveMinuten, "60"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(Lies(f.key), f.soll) << f.key;
}

TEST_F(Optionen, DatabaseCheckHelpAndTheCustomColours) {
    TWinHelpRecorder hilfe;
    H.Log.clear();
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_EQ(d.LabelDBCheck->text(), QString::fromUtf8("Datenbank überprüfen"));
        EXPECT_EQ(d.ButtonDBCheck->text().toStdString(), "Start");
        d.ButtonDBCheck->click();
        d.BitBtnHelp->click();
        EXPECT_EQ(d.CustomColors()[0], "ColorA=E1FFFF");
        const QColor tip = QApplication::palette().color(QPalette::Active, QPalette::ToolTipBase);
        char hex[16];
        std::snprintf(hex, sizeof hex, "%03X", QColorToWinColor(tip));
        EXPECT_EQ(d.CustomColors()[1], AnsiString("ColorB=") + hex);
        EXPECT_TRUE(std::regex_match(d.CustomColors()[1], std::regex("ColorB=[0-9A-F]{3,}")));
        return 2;
    });
    EXPECT_EQ(Anzahl(AzMsg::EtsObjektCheck::Id), 1u);
    ASSERT_EQ(hilfe.Calls().size(), 1u);
    EXPECT_EQ(hilfe.Calls()[0].command, HELP_CONTEXT);
    EXPECT_EQ(hilfe.Calls()[0].data, 5000u);
    EXPECT_EQ(hilfe.Calls()[0].file, H.DM->HelpFile);
    EXPECT_EQ(hilfe.Calls()[0].owner, H.DM->MainWindowHandle);
}

// --- The compiler and download page.

TEST_F(Optionen, VersionTwelveShowsItsFileAndOkWritesAllSixBack) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    Profil("BcuFirmware", "12", "/opt/fw/bcu12.hex");
    Profil("Download", "MaxRepeat", "5");
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_EQ(d.EditBcuFirm->text().toStdString(), "12");
        EXPECT_EQ(d.EditFileBcuFirm->text().toStdString(), "/opt/fw/bcu12.hex");
        // No entry under the user version 0: one space.
        EXPECT_EQ(d.EditIdFirm->text().toStdString(), "0");
        EXPECT_EQ(d.EditFileIdFirm->text().toStdString(), " ");
        EXPECT_EQ(d.EditRepeat->text().toStdString(), "5");
        EXPECT_FALSE(d.CheckBoxAllTransfer->isChecked());
        d.BitBtn1->click();
        return d.ModalResult();
    });
    EXPECT_EQ(Profil("Compiler", "BcuFirmwareVersion"), "12");
    EXPECT_EQ(Profil("BcuFirmware", "12"), "/opt/fw/bcu12.hex");
    EXPECT_EQ(Profil("Compiler", "UserFirmwareVersion"), "0");
    EXPECT_EQ(Profil("UserFirmware", "0"), " ");
    EXPECT_EQ(Profil("Download", "MaxRepeat"), "5");
    EXPECT_EQ(Profil("Download", "UserMemAlles"), "0");
}

TEST_F(Optionen, TheDefaultSpaceIsWrittenBackUnderTwelve) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_EQ(d.EditFileBcuFirm->text().toStdString(), " ");
        d.BitBtn1->click();
        return d.ModalResult();
    });
    EXPECT_EQ(Profil("BcuFirmware", "12"), " ");
}

TEST_F(Optionen, NumberFieldsAndFileFieldsOnExit) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    Profil("BcuFirmware", "12", "/opt/fw/bcu12.hex");
    Profil("Download", "MaxRepeat", "4");
    const std::string vorhanden = (H.Project.Dir() / "user.hex").string();
    std::ofstream(vorhanden) << "S0";
    Oeffne([&](TDlgOptionen &d) {
        const struct {
            QLineEdit *feld;
            std::function<void()> exit;
            const char *text;
            const char *zeigt;
        } faelle[] = {
            {d.EditRepeat, [&] { d.EditRepeatExit(); }, "x", "4"},
            {d.EditRepeat, [&] { d.EditRepeatExit(); }, "", "4"},
            {d.EditRepeat, [&] { d.EditRepeatExit(); }, "9", "9"},
            {d.EditBcuFirm, [&] { d.EditBcuFirmExit(); }, "zwölf", "12"},
            {d.EditIdFirm, [&] { d.EditIdFirmExit(); }, "07", "7"},
            {d.EditFileBcuFirm, [&] { d.EditFileBcuFirmExit(); }, "/nirgends/da.hex",
             "/opt/fw/bcu12.hex"},
            {d.EditFileIdFirm, [&] { d.EditFileIdFirmExit(); }, vorhanden.c_str(),
             vorhanden.c_str()},
        };
        for (const auto &f : faelle) {
            SCOPED_TRACE(f.text);
            f.feld->setText(QString::fromUtf8(f.text));
            f.exit();
            EXPECT_EQ(f.feld->text().toStdString(), f.zeigt);
        }
        d.BitBtn1->click();
        return d.ModalResult();
    });
    EXPECT_EQ(Profil("Download", "MaxRepeat"), "9");
    EXPECT_EQ(Profil("Compiler", "UserFirmwareVersion"), "7");
    EXPECT_EQ(Profil("UserFirmware", "7"), vorhanden);
}

TEST_F(Optionen, TheFileIsKeptUnderTheVersionWrittenNotTheFieldsText) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    Profil("BcuFirmware", "12", "/opt/fw/bcu12.hex");
    Oeffne([&](TDlgOptionen &d) {
        // OK without leaving the field: the version read at opening is written.
        d.EditBcuFirm->setText("x");
        d.BitBtn1->click();
        return d.ModalResult();
    });
    EXPECT_EQ(Profil("Compiler", "BcuFirmwareVersion"), "12");
    EXPECT_EQ(Profil("BcuFirmware", "12"), "/opt/fw/bcu12.hex");
    EXPECT_EQ(Profil("BcuFirmware", "x"), std::nullopt);
}

TEST_F(Optionen, TheDefaultButtonWithAllDefaults) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    Profil("Download", "UserMemAlles", "1");
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_TRUE(d.CheckBoxAllTransfer->isChecked());
        d.ButtonDefault->click();
        EXPECT_EQ(d.EditBcuFirm->text().toStdString(), "0");
        EXPECT_EQ(d.EditFileBcuFirm->text().toStdString(), "");
        EXPECT_EQ(d.EditIdFirm->text().toStdString(), "0");
        EXPECT_EQ(d.EditFileIdFirm->text().toStdString(), "");
        EXPECT_EQ(d.EditRepeat->text().toStdString(), "3");
        EXPECT_FALSE(d.CheckBoxAllTransfer->isChecked());
        // The kept values changed with them: a bad number now falls back to the default.
        d.EditBcuFirm->setText("x");
        d.EditBcuFirmExit();
        EXPECT_EQ(d.EditBcuFirm->text().toStdString(), "0");
        // Only section "Default" is written so far.
        EXPECT_EQ(Profil("Compiler", "BcuFirmwareVersion"), "12");
        return 2;
    });
    const struct {
        const char *key;
        const char *soll;
    } faelle[] = {{"BcuFirmwareVersion", "0"}, {"BcuFirmware", ""}, {"UserFirmwareVersion", "0"},
                  {"UserFirmware", ""},        {"MaxRepeat", "3"},  {"UserMemAlles", "0"}};
    for (const auto &f : faelle)
        EXPECT_EQ(Profil("Default", f.key), f.soll) << f.key;
    EXPECT_TRUE(Boxen.Boxes().empty());
}

// The box of a failed profile access: caption, first line, unit and a line number.
void PruefeBox(const TMessageBoxRecorder::TBox &box, const std::string &caption,
               const std::string &ersteZeile) {
    EXPECT_EQ(box.caption, caption);
    EXPECT_TRUE(std::regex_match(box.text, std::regex(ersteZeile + "\nFile: DlgOption\nLine: "
                                                                   "[0-9]+\n")))
        << box.text;
    EXPECT_EQ(box.style, unsigned(MB_OK | MB_ICONERROR));
}

TEST_F(Optionen, AFailedThirdReadLeavesTheUnreadEntriesAsTheyWere) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    Profil("BcuFirmware", "12", "/opt/fw/bcu12.hex");
    // The third read fails: the stored text is no number.
    Profil("Compiler", "UserFirmwareVersion", "x");
    Profil("UserFirmware", "0", "/opt/fw/user0.hex");
    Profil("Download", "MaxRepeat", "7");
    Profil("Download", "UserMemAlles", "1");
    Oeffne([&](TDlgOptionen &d) {
        EXPECT_EQ(Boxen.Boxes().size(), 1u);
        EXPECT_EQ(d.EditFileBcuFirm->text().toStdString(), "/opt/fw/bcu12.hex");
        for (QLineEdit *e : {d.EditIdFirm, d.EditFileIdFirm, d.EditRepeat})
            EXPECT_EQ(e->text().toStdString(), "");
        d.BitBtn1->click();
        return d.ModalResult();
    });
    ASSERT_EQ(Boxen.Boxes().size(), 1u);
    PruefeBox(Boxen.Boxes()[0], "TDlgOptionen::GetEtsRegData-Error",
              "Can't read: UserFirmwareVersion");
    EXPECT_EQ(Profil("Compiler", "BcuFirmwareVersion"), "12");
    EXPECT_EQ(Profil("BcuFirmware", "12"), "/opt/fw/bcu12.hex");
    EXPECT_EQ(Profil("Compiler", "UserFirmwareVersion"), "x");
    EXPECT_EQ(Profil("UserFirmware", "0"), "/opt/fw/user0.hex");
    EXPECT_EQ(Profil("UserFirmware", ""), std::nullopt);
    EXPECT_EQ(Profil("Download", "MaxRepeat"), "7");
    EXPECT_EQ(Profil("Download", "UserMemAlles"), "1");
}

TEST_F(Optionen, AnInjectedReadFailureAtOpeningWritesNothingBack) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    H.Project.Database().InjectFailure("TEtsProfile::Read", 1);
    Oeffne([&](TDlgOptionen &d) {
        d.BitBtn1->click();
        return d.ModalResult();
    });
    ASSERT_EQ(Boxen.Boxes().size(), 1u);
    PruefeBox(Boxen.Boxes()[0], "TDlgOptionen::GetEtsRegData-Error",
              "Can't read: BcuFirmwareVersion");
    EXPECT_EQ(Profil("Compiler", "BcuFirmwareVersion"), "12");
    EXPECT_EQ(Profil("Download", "MaxRepeat"), std::nullopt);
}

TEST_F(Optionen, FailedWritesOfOkAndOfTheDefaultButton) {
    Oeffne([&](TDlgOptionen &d) {
        H.Project.Database().InjectFailure("TEtsProfile::Write", 1);
        d.ButtonDefault->click();
        H.Project.Database().InjectFailure("TEtsProfile::Read", 1);
        d.ButtonDefault->click();
        H.Project.Database().InjectFailure("TEtsProfile::Write", 1);
        d.BitBtn1->click();
        return d.ModalResult();
    });
    ASSERT_EQ(Boxen.Boxes().size(), 3u);
    PruefeBox(Boxen.Boxes()[0], "TDlgOptionen::ButtonDefaultClick-Error",
              "Can't write: BcuFirmwareVersion");
    PruefeBox(Boxen.Boxes()[1], "TDlgOptionen::ButtonDefaultClick-Error",
              "Can't read: BcuFirmwareVersion");
    PruefeBox(Boxen.Boxes()[2], "TDlgOptionen::SetEtsRegData-Error",
              "Can't write: BcuFirmwareVersion");
    // The first failing write ended OK's writing.
    EXPECT_EQ(Profil("Compiler", "BcuFirmwareVersion"), std::nullopt);
    EXPECT_EQ(Profil("Download", "MaxRepeat"), std::nullopt);
    // The settings were still written.
    EXPECT_EQ(Lies(RegKeyAutoSave), "1");
}

TEST_F(Optionen, TheFileButtonsOpenTheOpenDialog) {
    const std::string datei = (H.Project.Dir() / "bcu.hex").string();
    int dialoge = 0;
    TModalDriverScope driver([&](TModalDialog &d) {
        if (auto *o = dynamic_cast<TDlgOptionen *>(&d)) {
            o->ButtonBcuFile->click();
            o->Button2->click();
            EXPECT_EQ(o->EditFileBcuFirm->text().toStdString(), datei);
            // Cancelled: the field keeps its text.
            EXPECT_EQ(o->EditFileIdFirm->text().toStdString(), " ");
            o->BitBtn1->click();
            return o->ModalResult();
        }
        auto &f = dynamic_cast<TFileDialogFenster &>(d);
        ++dialoge;
        EXPECT_EQ(f.Settings().Options,
                  TOpenOptions(ofHideReadOnly | ofNoChangeDir | ofPathMustExist | ofCreatePrompt |
                               ofNoTestFileCreate | ofNoNetworkButton | ofEnableSizing));
        EXPECT_EQ(f.Settings().Filter, "");
        EXPECT_EQ(f.Dialog->acceptMode(), QFileDialog::AcceptOpen);
        if (dialoge == 1) {
            f.Waehle(datei);
            return 1;
        }
        return 2;
    });
    TDlgOptionen dialog(*H.DM, &H.Project.Cdi());
    EXPECT_EQ(dialog.ShowModal(), 7);
    EXPECT_EQ(dialoge, 2);
    EXPECT_EQ(Profil("BcuFirmware", "0"), datei);
}

// --- Pictures to look at.

void Bild(QWidget *w, const char *name) {
    QCoreApplication::processEvents();
    const QPixmap pixmap = w->grab();
    const std::filesystem::path file = std::filesystem::current_path() / name;
    EXPECT_TRUE(pixmap.save(QString::fromStdString(file.string()), "PNG")) << file;
}

TEST_F(Optionen, PicturesOfThePages) {
    Profil("Compiler", "BcuFirmwareVersion", "12");
    Profil("BcuFirmware", "12", "/opt/fw/bcu12.hex");
    Schreibe(RegKeyGridAutoSize, "0");
    TDlgOptionen d(*H.DM, &H.Project.Cdi());
    d.show();
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    Bild(&d, "optionen_tabelle.png");
    d.PageControl->setCurrentWidget(d.TabSheetOptionen);
    Bild(&d, "optionen_optionen.png");
    // The hidden page, shown for the picture only.
    d.PageControl->setTabVisible(d.PageControl->indexOf(d.TabSheetCompDown), true);
    d.PageControl->setCurrentWidget(d.TabSheetCompDown);
    Bild(&d, "optionen_compiler.png");
    // Every caption fits its control.
    for (QWidget *page : {d.TabSheetTabelle, d.TabSheetOptionen, d.TabSheetCompDown}) {
        d.PageControl->setCurrentWidget(page);
        QCoreApplication::processEvents();
        for (QLabel *l : page->findChildren<QLabel *>()) {
            if (l->isVisible()) {
                EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
            }
        }
        for (QAbstractButton *b : page->findChildren<QAbstractButton *>()) {
            if (b->isVisible() && !b->text().isEmpty()) {
                EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
            }
        }
    }
    d.hide();
}

} // namespace
