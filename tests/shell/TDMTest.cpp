// The data module: paths from the program's path, the values after creation, the action table
// (captions from the text tables, categories, short cuts, images), commands bound and run once
// by their short cut, the detector actions disabled, help through the help call, the timer.
#include "shell/TDM.h"
#include "foundation/SprTexte.h"
#include "platform/win/WinHelp.h"
#include "shell/QtText.h"

#include <QAction>

#include <gtest/gtest.h>

namespace {

TEST(TDM, PathsComeFromTheProgramPath) {
    TDM dm("/opt/az/pultor");
    AnsiString path;
    dm.GetModuleName(path);
    EXPECT_EQ(path, "/opt/az/pultor");
    EXPECT_EQ(dm.IniFile, "/opt/az/pultor.ini");
    EXPECT_EQ(dm.ProgramFolder, "/opt/az/");
    EXPECT_EQ(dm.HelpFile, "/opt/az/az_deu.hlp");
    EXPECT_EQ(dm.GetGrpAdrLevels(), 3);
}

TEST(TDM, ValuesAfterCreation) {
    TDM dm("/p/x.exe");
    EXPECT_EQ(dm.IniFile, "/p/x.ini");
    EXPECT_EQ(dm.MainWindowHandle, nullptr);
    EXPECT_FALSE(dm.Modified);
    EXPECT_FALSE(dm.CloseInsteadOfHide);
    EXPECT_FALSE(dm.CopyDevice);
    EXPECT_FALSE(dm.VarianteAendern);
    EXPECT_FALSE(dm.AutoSave);
    EXPECT_EQ(dm.AutoSaveMinutes, 5);
    EXPECT_EQ(dm.ColorGridCommon, 0x8000000Fu);
    EXPECT_EQ(dm.ColorGridCell, 0x00FFFFFFu);
    EXPECT_EQ(dm.ColorGridTitle, 0x00FFFFFFu);
    EXPECT_EQ(dm.ColorGridCellReadOnly, 0x8000000Fu);
    EXPECT_EQ(dm.Gitternetzlinien, 1);
    EXPECT_TRUE(dm.GridAutoSize);
    EXPECT_TRUE(dm.TableAutoCellActivate);
    EXPECT_EQ(dm.TabelAutoCellActivateRowNumber, 0);
    EXPECT_FALSE(dm.TimerAutoSave.isActive());
}

struct TAktionSoll {
    TDM::TAktion Aktion;
    const char *Name;
    const char *Kategorie;
    const char *Caption; // UTF-8
    const char *ShortCut;
};

TEST(TDM, ActionsCarryTheirCaptionCategoryAndShortCut) {
    TDM dm("/p/pultor");
    const TAktionSoll soll[] = {
        {TDM::APrint, "APrint", "Datei", "&Drucken...", "Ctrl+P"},
        {TDM::ABeenden, "ABeenden", "Datei", "&Zurück zur Ets", "Ctrl+Q"},
        {TDM::ADeviceHelp, "ADeviceHelp", "Hilfe", "&Hilfe", "F1"},
        {TDM::AQuickHelp, "AQuickHelp", "Hilfe", "&Direkthilfe", "Ctrl+F1"},
        {TDM::ACollapseAll, "ACollapseAll", "Projektierung", "Alles &Einklappen", "Ctrl+E"},
        {TDM::AExpandAll, "AExpandAll", "Projektierung", "Alles &Ausklappen", "Ctrl+A"},
        {TDM::ACopy, "ACopy", "Projektierung", "ACopy", ""},
        {TDM::APaste, "APaste", "Projektierung", "APaste", ""},
        {TDM::AProjektierungsfenster, "AProjektierungsfenster", "Projektierung",
         "Neues &Projektierungsfenster", "Ctrl+N"},
        {TDM::AMelderHinzufuegen, "AMelderHinzufuegen", "Projektierung",
         "Neue Eingänge hinzufügen ...", ""},
        {TDM::AUeberlappend, "AUeberlappend", "Fenster", "Ü&berlappend", "Shift+F5"},
        {TDM::ANebeneinander, "ANebeneinander", "Fenster", "&Vertikal anordnen", "Shift+F4"},
        {TDM::AReconstructDeviceImage, "AReconstructDeviceImage", "Rekonstruktion",
         "&Geräte-Image rekonstruieren...", ""},
    };
    EXPECT_EQ(TDM::AktionTabelle().size(), 35u);
    for (const TAktionSoll &s : soll) {
        SCOPED_TRACE(s.Name);
        QAction *a = dm.Action(s.Aktion);
        EXPECT_EQ(a->objectName().toStdString(), s.Name);
        EXPECT_EQ(a->property("Category").toString().toStdString(), s.Kategorie);
        EXPECT_EQ(a->text().toStdString(), s.Caption);
        EXPECT_EQ(a->shortcut().toString().toStdString(), s.ShortCut);
    }
    EXPECT_FALSE(dm.Action(TDM::AVerwerfen)->isVisible());
    EXPECT_FALSE(dm.Action(TDM::AReadDeviceImage)->isVisible());
    EXPECT_TRUE(dm.Action(TDM::APrint)->isVisible());
    // The tool bar's actions have images.
    EXPECT_FALSE(dm.Action(TDM::APrintPreview)->icon().isNull());
    EXPECT_FALSE(dm.Action(TDM::AMelderEinfuegen)->icon().isNull());
}

TEST(TDM, UnboundActionsAreDisabledAndBoundOnesRunOncePerShortCut) {
    TDM dm("/p/pultor");
    EXPECT_FALSE(dm.Action(TDM::AExpandAll)->isEnabled());
    bool handled = true;
    dm.OnShortCut(QKeyCombination(Qt::ControlModifier, Qt::Key_A), handled);
    EXPECT_FALSE(handled);

    int runs = 0;
    dm.Bind(TDM::AExpandAll, [&] { ++runs; });
    EXPECT_TRUE(dm.Action(TDM::AExpandAll)->isEnabled());
    dm.OnShortCut(QKeyCombination(Qt::ControlModifier, Qt::Key_A), handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(runs, 1);
    dm.OnShortCut(QKeyCombination(Qt::ControlModifier, Qt::Key_B), handled);
    EXPECT_FALSE(handled);
    dm.Action(TDM::AExpandAll)->trigger();
    EXPECT_EQ(runs, 2);
}

TEST(TDM, DetectorActionsStayDisabledWhenBound) {
    TDM dm("/p/pultor");
    for (TDM::TAktion a : {TDM::AMelderHinzufuegen, TDM::AMelderLoeschen, TDM::AMelderKopieren,
                           TDM::AMelderEinfuegen, TDM::ALinkToGrpAdr}) {
        int runs = 0;
        dm.Bind(a, [&] { ++runs; });
        EXPECT_FALSE(dm.Action(a)->isEnabled());
        EXPECT_FALSE(dm.Execute(a));
        dm.Action(a)->setEnabled(true);
        EXPECT_TRUE(dm.Execute(a));
        EXPECT_EQ(runs, 1);
    }
}

TEST(TDM, HelpOpensTheHelpFinderOfTheHelpFile) {
    TDM dm("/p/pultor");
    TWinHelpRecorder help;
    bool handled = false;
    dm.OnShortCut(QKeyCombination(Qt::NoModifier, Qt::Key_F1), handled);
    EXPECT_TRUE(handled);
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].file, "/p/az_deu.hlp");
    EXPECT_EQ(help.Calls()[0].command, static_cast<UINT>(HELP_FINDER));
    EXPECT_EQ(help.Calls()[0].data, 10u);
}

TEST(TDM, AutoSaveTimerRunsOnlyWithTheSwitch) {
    TDM dm("/p/pultor");
    dm.AutoSaveMinutes = 7;
    dm.StartTimerAutoSave(true);
    EXPECT_FALSE(dm.TimerAutoSave.isActive());
    EXPECT_EQ(dm.TimerAutoSave.interval(), 7 * 60000);
    dm.AutoSave = true;
    dm.StartTimerAutoSave(true);
    EXPECT_TRUE(dm.TimerAutoSave.isActive());
    dm.StartTimerAutoSave(false);
    EXPECT_FALSE(dm.TimerAutoSave.isActive());
    int saves = 0;
    dm.OnAutoSave = [&] { ++saves; };
    dm.TimerAutoSaveTimer();
    EXPECT_EQ(saves, 1);
}

} // namespace

#include "platform/win/MessageBox.h"
#include "shell/ProgrammHilfe.h"

#include <filesystem>
#include <fstream>

namespace {

TEST(ProgrammHilfe, AMissingFileIsReportedAndAnExistingOneOpened) {
    std::vector<QUrl> geoeffnet;
    const TWinHelpHandler handler = ProgrammHilfe([&](const QUrl &url) {
        geoeffnet.push_back(url);
        return true;
    });
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "pultor-hilfe";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "az_deu.hlp").string();
    std::filesystem::remove(file);
    {
        TMessageBoxRecorder boxes;
        EXPECT_EQ(handler(nullptr, file, HELP_FINDER, 10), 0);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Hilfedatei nicht gefunden:\n" + file);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Hilfe");
        EXPECT_TRUE(geoeffnet.empty());
    }
    std::ofstream(file) << "Hilfe";
    EXPECT_EQ(handler(nullptr, file, HELP_CONTENTS, 0), 1);
    ASSERT_EQ(geoeffnet.size(), 1u);
    EXPECT_EQ(geoeffnet[0].toLocalFile().toStdString(), file);
    std::filesystem::remove_all(dir);
}

} // namespace
