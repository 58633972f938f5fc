// The main window's settings: the defaults of a missing file, a round trip through the file,
// the project window's frame kept whichever way it goes, the bus tool's settings file and the
// tools menu.
#include "TTestFormMain.h"
#include "foundation/RegIniNamen.h"
#include "foundation/TRegIni.h"
#include "shell/QtText.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {
void Schreibe(const TTestFormMain &f, const char *section, const std::string &key,
              const std::string &value) {
    ASSERT_TRUE(TRegIni().WriteString(f.DM->IniFile, section, key, value));
}

// The tools menu's entries (their captions), separators left out.
std::vector<std::string> Werkzeuge(const TFormMain &main) {
    std::vector<std::string> out;
    for (QAction *a : main.MTool->actions())
        if (!a->isSeparator())
            out.push_back(FromQString(a->text()));
    return out;
}
} // namespace

TEST(FormMainEinstellungen, AMissingFileGivesTheDefaults) {
    TTestFormMain f;
    const TDM &dm = *f.DM;
    EXPECT_EQ(dm.ColorGridCommon, 0x80000010u);
    EXPECT_EQ(dm.ColorGridTitle, 0x8000000Fu);
    EXPECT_EQ(dm.ColorGridCell, 0x80000018u);
    EXPECT_EQ(dm.ColorGridCellReadOnly, 0x8000000Fu);
    EXPECT_EQ(dm.Gitternetzlinien, 1);
    EXPECT_TRUE(dm.GridAutoSize);
    EXPECT_EQ(dm.GridColDefSize, 150);
    EXPECT_EQ(dm.AutoSaveMinutes, 5);
    EXPECT_TRUE(dm.AutoSave);
    EXPECT_TRUE(dm.TableAutoCellActivate);
    EXPECT_EQ(dm.TabelAutoCellActivateRowNumber, 0);
    EXPECT_EQ(dm.LogPriority, 1024);
    EXPECT_FALSE(dm.LogStart);
    EXPECT_EQ(dm.LogEnableMask, -1);
    EXPECT_TRUE(dm.LogTime);
    EXPECT_FALSE(dm.TimerAutoSave.isActive());
    EXPECT_EQ(f.Main->geometry().size(), QSize(640, 480));
    // The trace log's and the reconstruction's keys are written back at once.
    EXPECT_EQ(f.Ini(RegSecDebug, RegKeyPriority), "1024");
    EXPECT_EQ(f.Ini(RegSecDebug, RegKeyLogStart), "0");
    EXPECT_EQ(f.Ini(RegSecDebug, RegKeyLogFreigabe), "-1");
    EXPECT_EQ(f.Ini(RegSecDebug, RegKeyLogTime), "1");
    EXPECT_EQ(f.Ini(RegSecReconstruction, RegKeySaveRecoDataInFile), "1");
    // No tools menu without ToolAccess.
    EXPECT_FALSE(f.Main->MTool->menuAction()->isVisible());
}

TEST(FormMainEinstellungen, SetRegDataWritesTheToolTemplateAndToolAccess) {
    TTestFormMain f;
    f.Main->SetRegData();
    // The raw lines hold one blank each; a reader trims it away.
    std::ifstream in(f.DM->IniFile, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    for (const char *key : {"ToolName0", "ToolFile0", "ToolParam0"})
        EXPECT_NE(text.find(std::string(key) + "= \r\n"), std::string::npos) << key;
    EXPECT_EQ(f.Ini(RegSecOptions, RegKeyToolAccess), "0");
    // An existing section and value stay as they are.
    Schreibe(f, RegSecTools, "ToolName0", "Editor");
    Schreibe(f, RegSecOptions, RegKeyToolAccess, "1");
    f.Main->SetRegData();
    EXPECT_EQ(f.Ini(RegSecTools, "ToolName0"), "Editor");
    EXPECT_EQ(f.Ini(RegSecOptions, RegKeyToolAccess), "1");
}

TEST(FormMainEinstellungen, ANegativeRowNumberIsReadAsZero) {
    TTestFormMain f;
    Schreibe(f, RegSecOptions, RegKeyTabelAutoCellActivateRowNumber, "-4");
    f.Main->GetRegData();
    EXPECT_EQ(f.DM->TabelAutoCellActivateRowNumber, 0);
    Schreibe(f, RegSecOptions, RegKeyTabelAutoCellActivateRowNumber, "3");
    f.Main->GetRegData();
    EXPECT_EQ(f.DM->TabelAutoCellActivateRowNumber, 3);
}

// What SetRegData writes, GetRegData of the next start reads.
TEST(FormMainEinstellungen, RoundTrip) {
    TTestFormMain f;
    // The program starts minimized; only a normal window's geometry is kept.
    f.Main->setWindowState(Qt::WindowNoState);
    f.Main->setGeometry(30, 40, 700, 500);
    f.DM->ColorGridCommon = 0x00123456;
    f.DM->ColorGridTitle = 0x80000005;
    f.DM->ColorGridCell = 0x00ABCDEF;
    f.DM->ColorGridCellReadOnly = 0x00000001;
    f.DM->Gitternetzlinien = 0;
    f.DM->TextOption = "Zeichen";
    f.Main->SetRegData();
    EXPECT_EQ(f.Ini(RegSecOptions, RegKeyFileCharTab), "Zeichen");
    EXPECT_EQ(f.Ini(RegSecWindow, RegKeyMainState), "0");

    f.DM->ColorGridCommon = f.DM->ColorGridTitle = f.DM->ColorGridCell = 0;
    f.DM->ColorGridCellReadOnly = 0;
    f.DM->Gitternetzlinien = 7;
    f.Main->setGeometry(0, 0, 100, 100);
    f.Main->GetRegData();
    EXPECT_EQ(f.Main->geometry(), QRect(30, 40, 700, 500));
    EXPECT_EQ(f.DM->ColorGridCommon, 0x00123456u);
    EXPECT_EQ(f.DM->ColorGridTitle, 0x80000005u);
    EXPECT_EQ(f.DM->ColorGridCell, 0x00ABCDEFu);
    EXPECT_EQ(f.DM->ColorGridCellReadOnly, 0x00000001u);
    EXPECT_EQ(f.DM->Gitternetzlinien, 0);
}

TEST(FormMainEinstellungen, AMaximizedWindowKeepsItsNormalGeometry) {
    TTestFormMain f;
    Schreibe(f, RegSecWindow, RegKeyMainTop, "11");
    f.Main->showMaximized();
    f.Main->SetRegData();
    EXPECT_EQ(f.Ini(RegSecWindow, RegKeyMainState), "2");
    EXPECT_EQ(f.Ini(RegSecWindow, RegKeyMainTop), "11");
    f.Main->showMinimized();
    f.Main->SetRegData();
    EXPECT_EQ(f.Ini(RegSecWindow, RegKeyMainState), "0");
    f.Main->hide();
}

TEST(FormMainEinstellungen, TheToolsMenuEndsAtTheFirstMissingName) {
    struct TFall {
        std::vector<std::pair<std::string, std::string>> eintraege;
        std::vector<std::string> menu;
    };
    const TFall faelle[] = {
        {{{"ToolName0", "Eins"}}, {"Eins"}},
        {{{"ToolName0", "Eins"}, {"ToolName1", "Zwei"}}, {"Eins", "Zwei"}},
        {{{"ToolName0", "Eins"}, {"ToolName2", "Drei"}}, {"Eins"}},
        {{{"ToolName1", "Zwei"}}, {}},
        {{{"ToolName0", " "}}, {}},
    };
    for (const TFall &fall : faelle) {
        TTestFormMain f;
        Schreibe(f, RegSecOptions, RegKeyToolAccess, "1");
        for (const auto &[key, value] : fall.eintraege)
            Schreibe(f, RegSecTools, key, value);
        f.Main->GetRegData();
        EXPECT_TRUE(f.Main->MTool->menuAction()->isVisible());
        EXPECT_EQ(Werkzeuge(*f.Main), fall.menu);
        // Reading again does not add the items twice.
        f.Main->GetRegData();
        EXPECT_EQ(Werkzeuge(*f.Main), fall.menu);
    }
}

TEST(FormMainEinstellungen, AToolStartsItsFileWithItsParameters) {
    TTestFormMain f;
    const fs::path ausgabe = f.Project.Dir() / "tool.txt";
    const fs::path skript = f.Project.Dir() / "tool.sh";
    std::ofstream(skript) << "#!/bin/sh\necho \"$@\" > '" << ausgabe.string() << ".tmp'\n"
                          << "/bin/mv '" << ausgabe.string() << ".tmp' '" << ausgabe.string()
                          << "'\n";
    fs::permissions(skript, fs::perms::owner_all);
    Schreibe(f, RegSecOptions, RegKeyToolAccess, "1");
    Schreibe(f, RegSecTools, "ToolName0", "Leer");
    Schreibe(f, RegSecTools, "ToolName1", "Skript");
    Schreibe(f, RegSecTools, "ToolFile1", skript.string());
    Schreibe(f, RegSecTools, "ToolParam1", "-a \"b c\"");
    f.Main->GetRegData();
    const QList<QAction *> items = f.Main->MTool->actions();
    ASSERT_EQ(items.size(), 2);
    // Tool 0 has no file: nothing happens, nothing is said.
    items[0]->trigger();
    EXPECT_TRUE(f.Boxen.Boxes().empty());
    items[1]->trigger();
    for (int i = 0; i < 500 && !fs::exists(ausgabe); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(ausgabe);
    std::string zeile;
    std::getline(in, zeile);
    EXPECT_EQ(zeile, "-a b c");
    EXPECT_TRUE(f.Boxen.Boxes().empty());
    // A file that cannot be opened says so.
    Schreibe(f, RegSecTools, "ToolFile1", (f.Project.Dir() / "fehlt").string());
    items[1]->trigger();
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].style, unsigned(MB_ICONERROR));
}

TEST(FormMainEinstellungen, TheBusToolsSettingsGiveTheAddressLevels) {
    TTestFormMain f;
    tagETSINFO info{};
    ASSERT_TRUE(f.Main->Cdi()->GetEtsInfo(info));
    const fs::path etsIni = fs::path(info.directory) / "Ets20.ini";
    ASSERT_TRUE(TRegIni().WriteString(etsIni.string(), "Common", "GroupAddressLevels", "2"));
    f.Main->GetEtsRegData();
    EXPECT_EQ(f.DM->EtsIniFile, etsIni.string());
    EXPECT_EQ(f.DM->GrpAdrLevels, 2);
    // The program's settings may name another file, section and key.
    const fs::path other = f.Project.Dir() / "anders.ini";
    ASSERT_TRUE(TRegIni().WriteString(other.string(), "Ebenen", "Zahl", "4"));
    Schreibe(f, RegSecEts, RegKeyEts20Ini, other.string());
    Schreibe(f, RegSecEts, RegKeyGrpAdrLevelSection, "Ebenen");
    Schreibe(f, RegSecEts, RegKeyGrpAdrLevelName, "Zahl");
    f.Main->GetEtsRegData();
    EXPECT_EQ(f.DM->GrpAdrLevels, 4);
    // Without the key: three levels.
    Schreibe(f, RegSecEts, RegKeyGrpAdrLevelName, "Fehlt");
    f.Main->GetEtsRegData();
    EXPECT_EQ(f.DM->GrpAdrLevels, 3);
    EXPECT_TRUE(f.Boxen.Boxes().empty());
}

TEST(FormMainEinstellungen, AnUnreadableBusToolInfoIsReportedAndReadingGoesOn) {
    TTestFormMain f;
    f.Project.Database().InjectFailure("GetEtsInfo", 1);
    f.Main->GetEtsRegData();
    ASSERT_EQ(f.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(f.Boxen.Boxes()[0].text,
              "Can't read EtsInfo\n\nTFormMain::GetEtsRegData\nFile: Main\nLine: 186");
    EXPECT_EQ(f.DM->GrpAdrLevels, 3);
    EXPECT_EQ(f.DM->EtsIniFile, "Ets20.ini");
}

// The project window's frame is what the settings keep, whichever way the window goes: with
// the main window (it is then deleted from inside its sub-window's destruction), also when the
// main window was hidden before (leaving the editor hides it), and by its own close box.
TEST(FormMainEinstellungen, TheProjectWindowsFrameIsKeptWhicheverWayTheWindowGoes) {
    enum TWeg { Zerstoert, Versteckt, Schliessfeld };
    for (const TWeg weg : {Zerstoert, Versteckt, Schliessfeld}) {
        SCOPED_TRACE(weg);
        TTestFormMain f;
        ASSERT_TRUE(f.Oeffne());
        f.Main->setWindowState(Qt::WindowNoState);
        f.Main->setGeometry(0, 0, 1000, 800);
        f.Main->show();
        // Window 0 is only minimized by its close box: a further one is closed.
        TFormVerw *w = weg == Schliessfeld ? f.Main->NewFormVerw() : f.Main->GetActiveFormVerw();
        ASSERT_NE(w, nullptr);
        auto *rahmen = qobject_cast<QMdiSubWindow *>(w->parentWidget());
        ASSERT_NE(rahmen, nullptr);
        rahmen->setGeometry(100, 120, 640, 410);
        w->SetTreeWidth(230);
        if (weg == Schliessfeld) {
            const QPointer<TFormVerw> guard(w);
            EXPECT_TRUE(rahmen->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(guard.isNull());
        } else {
            if (weg == Versteckt)
                f.Main->hide();
            f.Main.reset();
        }
        EXPECT_EQ(f.Ini(RegSecWindow, RegKeyVerwLeft), "100");
        EXPECT_EQ(f.Ini(RegSecWindow, RegKeyVerwTop), "120");
        EXPECT_EQ(f.Ini(RegSecWindow, RegKeyVerwWidth), "640");
        EXPECT_EQ(f.Ini(RegSecWindow, RegKeyVerwHeight), "410");
        EXPECT_EQ(f.Ini(RegSecWindow, RegKeyVerwState), "0");
        EXPECT_EQ(f.Ini(RegSecWindow, RegKeyTreeWidth), "230");
    }
}
