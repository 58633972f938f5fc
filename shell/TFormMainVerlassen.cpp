// Leaving the editor (the four checks, writing back, handing control back to the bus tool,
// hiding or closing) and the main window's settings: the bus tool's own settings file, the
// program's settings that the main window owns, and the tools menu.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TRegIni.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/dialogs/DlgProgressGuard.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "platform/win/ShellExecute.h"
#include "shell/FensterAnordnung.h"
#include "shell/QtText.h"
#include "shell/TDM.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TFDockMeld.h"
#include "shell/TFormVerw.h"

#include <QApplication>
#include <QMenu>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// A question with Yes and No, warning icon, No the default: true on Yes.
bool FrageZurueck(TFormMain &main, const AnsiString &text, int captionId) {
    LOG_FKT("FormMain::FrageZurueck");
    return main.ShowMessageBox(text, SprText(captionId),
                               MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
} // namespace

bool TFormMain::AzCheckObjAlarmResetLinkToGrpAdr() {
    LOG_FKT("TFormMain::AzCheckObjAlarmResetLinkToGrpAdr");
    if (!FAktDevInst || FAktDevInst->CheckObjektAlarmReset())
        return true;
    return FrageZurueck(*this, SprText(11254), 11255);
}

bool TFormMain::AzCheckObjekteMelder() {
    LOG_FKT("TFormMain::AzCheckObjekteMelder");
    return !FAktDevInst || FAktDevInst->CheckObjekteMelder();
}

bool TFormMain::AzCheckObjektMeldertest() {
    LOG_FKT("TFormMain::AzCheckObjektMeldertest");
    return !FAktDevInst || FAktDevInst->CheckObjektMeldertest();
}

bool TFormMain::AzCheckObjekteScharfschaltEingang() {
    LOG_FKT("TFormMain::AzCheckObjekteScharfschaltEingang");
    if (!FAktDevInst || FAktDevInst->CheckObjekteScharfschaltEingang())
        return true;
    const AnsiString text = SprText(11250) + "\n\r" + SprText(11251) + "\n\r" + SprText(11252) +
                            "\n\r" + "\n\r" + SprText(11345);
    return FrageZurueck(*this, text, 11253);
}

bool TFormMain::AzChecksVerlassen() {
    LOG_FKT("TFormMain::AzChecksVerlassen");
    return AzCheckObjAlarmResetLinkToGrpAdr() && AzCheckObjektMeldertest() &&
           AzCheckObjekteMelder() && AzCheckObjekteScharfschaltEingang();
}

void TFormMain::ApplCloseOrHide(bool close, bool discard) {
    LOG_FKT("TFormMain::ApplCloseOrHide");
    const int deviceId =
        FAktDevInst && FAktDevInst->GetDevice() ? static_cast<int>(FAktDevInst->GetDeviceId()) : 0;
    // Whether the device's editing ended in order: only then does its id leave the list of
    // devices open for editing. A data block that did not reach the bus tool keeps it there,
    // so that the next opening offers the autosave copy.
    bool geordnet = !FAktDevInst;
    bool schliessen = false;
    auto abschluss = [&] {
        FDM.StartTimerAutoSave(false);
        TimerTimeoutCloseStart();
        if (geordnet)
            RecoveryCheck(false, deviceId);
        CloseLogFkt();
    };
    try {
        TCursorHourGlass hourGlass;
        FProgressAbbruch = false;
        int max = 9;
        int position = 0;
        TDlgProgressGuard progress(SprText(9016), SprText(9203), max, this);
        // With the device parameters written there is one step more than the range holds:
        // the bar stops at its end.
        auto schritt = [&] {
            if (position < max)
                progress.Set(++position, SprText(9203));
        };

        schritt();
        if (FAktivFormVerw && FAktivFormVerw->GridView) {
            const QWidget *fokus = QApplication::focusWidget();
            if (fokus && (fokus == FAktivFormVerw->GridView ||
                          FAktivFormVerw->GridView->isAncestorOf(fokus)))
                AzMsg::Send(FAktivFormVerw->Handle(), AzMsg::DeleteZellenKomponente{});
        }
        schritt();
        if (FAktivFormVerw)
            FAktivFormVerw->Grid.DeleteZellenKomponente();
        if (FDM.Modified && FAktDevInst) {
            schritt();
            FAktDevInst->WriteDataToDb();
        }
        FMainState = Fensterzustand(this);
        schritt();
        if (FAktivFormVerw) {
            // The floating quick-help pane is a window of its own: it does not go with the
            // main window. The next opening's activation shows it again.
            if (TFDockMeld *hilfe = FAktivFormVerw->QuickHelpPanel(); hilfe && hilfe->isFloating())
                hilfe->hide();
            FAktivFormVerw->SetRegData();
        }
        schritt();
        if (close) {
            if (!FCdi || !FCdi->ReturnToEts(discard ? 0 : 1))
                ShowMessageBox("Error return to ETS", "Close", MB_OK);
            schliessen = true;
            max = 5;
            position = 0;
            progress.SetMax(max);
            schritt();
            SaveToFile("0");
            FAktDevInst = nullptr;
            schritt();
            geordnet = true;
        } else {
            if (FAktDevInst) {
                schritt();
                geordnet = FAktDevInst->WriteBlob();
            }
            schritt();
            SaveToFile("0");
            FensterLoesen();
            schritt();
            if (FAktDevInst) {
                // A copy: the record is packed, its id not aligned for a reference.
                const long id = FAktDevInst->GetDeviceRecord().deviceId;
                FDeviceInstanzen.erase(id);
                FAktDevInst = nullptr;
            }
            schritt();
            SetRegData();
            if (!FCdi || !FCdi->ReturnToEts(1))
                ShowMessageBox("return fehlgeschlagen", "Close", MB_OK);
            schritt();
        }
        if (FDM.CloseInsteadOfHide)
            schliessen = true;
        else if (!schliessen)
            HideMainWindow();
    } catch (...) {
        abschluss();
        throw;
    }
    abschluss();
    // The program's own close, once everything above is done.
    if (schliessen)
        CloseProgram();
}

void TFormMain::GetEtsRegData() {
    LOG_FKT("TFormMain::GetEtsRegData");
    tagETSINFO info{};
    if (!FCdi || !FCdi->GetEtsInfo(info)) {
        info = tagETSINFO{};
        ShowMessageBox("Can't read EtsInfo\n\nTFormMain::GetEtsRegData\nFile: Main\nLine: 186",
                       SprText(9041), MB_OK);
    }
    const TRegIni ini;
    const AnsiString &file = FDM.IniFile;
    AnsiString name;
    ini.ReadString(file, RegSecEts, RegKeyEtsIniName, name, "Ets20.ini");
    const std::string ordner(info.directory, strnlen(info.directory, sizeof info.directory));
    const AnsiString standard = (std::filesystem::path(ordner) / name).string();
    ini.ReadString(file, RegSecEts, RegKeyEts20Ini, FDM.EtsIniFile, standard);
    ini.ReadString(file, RegSecEts, RegKeyGrpAdrLevelSection, FDM.GrpAdrLevelSection, "Common");
    ini.ReadString(file, RegSecEts, RegKeyGrpAdrLevelName, FDM.GrpAdrLevelName,
                   "GroupAddressLevels");
    int32_t levels = 3;
    ini.ReadInteger(FDM.EtsIniFile, FDM.GrpAdrLevelSection, FDM.GrpAdrLevelName, levels, 3);
    FDM.GrpAdrLevels = levels;
}

void TFormMain::GetRegData() {
    LOG_FKT("TFormMain::GetRegData");
    const TRegIni ini;
    const AnsiString &file = FDM.IniFile;
    auto integer = [&](const char *section, const char *key, int32_t standard) {
        int32_t value = standard;
        ini.ReadInteger(file, section, key, value, standard);
        return value;
    };
    auto boolean = [&](const char *section, const char *key, bool standard) {
        bool value = standard;
        ini.ReadBool(file, section, key, value, standard);
        return value;
    };
    auto farbe = [&](const char *key, uint32_t standard) {
        return static_cast<uint32_t>(integer(RegSecOptions, key, static_cast<int32_t>(standard)));
    };

    const int top = integer(RegSecWindow, RegKeyMainTop, 0);
    const int left = integer(RegSecWindow, RegKeyMainLeft, 0);
    const int height = integer(RegSecWindow, RegKeyMainHeight, 480);
    const int width = integer(RegSecWindow, RegKeyMainWidth, 640);
    setGeometry(left, top, width, height);
    FMainState = static_cast<uint8_t>(integer(RegSecWindow, RegKeyMainState, 0));

    FDM.ColorGridCommon = farbe(RegKeyColorGridCommmon, 0x80000010);
    FDM.ColorGridTitle = farbe(RegKeyColorGridTitle, 0x8000000F);
    FDM.ColorGridCell = farbe(RegKeyColorGridCell, 0x80000018);
    FDM.ColorGridCellReadOnly = farbe(RegKeyColorGridCellReadOnly, 0x8000000F);
    FDM.Gitternetzlinien = integer(RegSecOptions, RegKeyGitternetzlinien, 1);
    FDM.GridAutoSize = boolean(RegSecOptions, RegKeyGridAutoSize, true);
    FDM.GridColDefSize = integer(RegSecOptions, RegKeyGridColDefSize, 150);
    FDM.AutoSaveMinutes = integer(RegSecOptions, RegKeyAutoSaveMinuten, 5);
    FDM.AutoSave = boolean(RegSecOptions, RegKeyAutoSave, true);
    FDM.TableAutoCellActivate = boolean(RegSecOptions, RegKeyTableAutoCellActivate, true);
    FDM.TabelAutoCellActivateRowNumber =
        std::max(integer(RegSecOptions, RegKeyTabelAutoCellActivateRowNumber, 0), 0);

    // The trace log's settings are written back at once, so that the file shows every key.
    FDM.LogPriority = integer(RegSecDebug, RegKeyPriority, 1024);
    ini.WriteInteger(file, RegSecDebug, RegKeyPriority, FDM.LogPriority);
    FDM.LogStart = boolean(RegSecDebug, RegKeyLogStart, false);
    ini.WriteBool(file, RegSecDebug, RegKeyLogStart, FDM.LogStart);
    FDM.LogEnableMask = integer(RegSecDebug, RegKeyLogFreigabe, -1);
    ini.WriteInteger(file, RegSecDebug, RegKeyLogFreigabe, FDM.LogEnableMask);
    FDM.LogTime = boolean(RegSecDebug, RegKeyLogTime, true);
    ini.WriteBool(file, RegSecDebug, RegKeyLogTime, FDM.LogTime);

    FSaveRecoDataInFile = boolean(RegSecReconstruction, RegKeySaveRecoDataInFile, true);
    ini.WriteBool(file, RegSecReconstruction, RegKeySaveRecoDataInFile, FSaveRecoDataInFile);
    FMenueReadAndReconstructDeviceImage =
        boolean(RegSecReconstruction, RegKeyMenueReadAndReconstructDeviceImage, false);

    FDM.StartTimerAutoSave(false);

    if (!boolean(RegSecOptions, RegKeyToolAccess, false)) {
        if (MTool)
            MTool->menuAction()->setVisible(false);
        return;
    }
    if (!MTool)
        return;
    MTool->clear();
    MTool->menuAction()->setVisible(true);
    for (int n = 0;; ++n) {
        AnsiString name;
        ini.ReadString(file, RegSecTools, RegKeyToolName + std::to_string(n), name, "");
        if (name.empty())
            break;
        QAction *item = MTool->addAction(ToQString(name));
        item->setData(n);
        QObject::connect(item, &QAction::triggered, this, [this, item] {
            Bewacht("TFormMain::ClickMenuTool", [this, item] { ClickMenuTool(item); });
        });
    }
}

void TFormMain::SetRegData() {
    LOG_FKT("TFormMain::SetRegData");
    const TRegIni ini;
    const AnsiString &file = FDM.IniFile;
    const uint8_t state = Fensterzustand(this);
    if (state == 0) {
        const QRect g = geometry();
        ini.WriteInteger(file, RegSecWindow, RegKeyMainTop, g.top());
        ini.WriteInteger(file, RegSecWindow, RegKeyMainLeft, g.left());
        ini.WriteInteger(file, RegSecWindow, RegKeyMainHeight, g.height());
        ini.WriteInteger(file, RegSecWindow, RegKeyMainWidth, g.width());
    }
    ini.WriteInteger(file, RegSecWindow, RegKeyMainState, state == 1 ? 0 : state);

    const std::pair<const char *, uint32_t> farben[] = {
        {RegKeyColorGridCommmon, FDM.ColorGridCommon},
        {RegKeyColorGridTitle, FDM.ColorGridTitle},
        {RegKeyColorGridCell, FDM.ColorGridCell},
        {RegKeyColorGridCellReadOnly, FDM.ColorGridCellReadOnly}};
    for (const auto &[key, value] : farben)
        ini.WriteInteger(file, RegSecOptions, key, static_cast<int32_t>(value));
    ini.WriteInteger(file, RegSecOptions, RegKeyGitternetzlinien, FDM.Gitternetzlinien);
    ini.WriteString(file, RegSecOptions, RegKeyFileCharTab, FDM.TextOption);

    // A template of one tool, so that the file shows how a tool is entered.
    if (!ini.ReadSection(file, RegSecTools)) {
        for (const char *key : {RegKeyToolName, RegKeyToolFile, RegKeyToolParam})
            ini.WriteString(file, RegSecTools, AnsiString(key) + "0", " ");
    }
    if (!ini.ValueExists(file, RegSecOptions, RegKeyToolAccess))
        ini.WriteInteger(file, RegSecOptions, RegKeyToolAccess, 0);

    QRect g;
    uint8_t verwZustand = 0;
    if (FAktivFormVerw && FAktivFormVerw->RahmenStand(g, verwZustand)) {
        ini.WriteInteger(file, RegSecWindow, RegKeyVerwTop, g.top());
        ini.WriteInteger(file, RegSecWindow, RegKeyVerwLeft, g.left());
        ini.WriteInteger(file, RegSecWindow, RegKeyVerwHeight, g.height());
        ini.WriteInteger(file, RegSecWindow, RegKeyVerwWidth, g.width());
    }
}

void TFormMain::ClickMenuTool(QAction *sender) {
    LOG_FKT("TFormMain::ClickMenuTool");
    if (!sender)
        return;
    const int n = sender->data().toInt();
    const TRegIni ini;
    AnsiString datei;
    ini.ReadString(FDM.IniFile, RegSecTools, RegKeyToolFile + std::to_string(n), datei, "");
    if (datei.empty())
        return;
    AnsiString parameter;
    ini.ReadString(FDM.IniFile, RegSecTools, RegKeyToolParam + std::to_string(n), parameter, "");
    // A tool that does not start says so instead of doing nothing.
    if (ShellExecute(GetHandle(), "open", datei, parameter, "", SW_SHOWNORMAL) <= 32)
        ShowMessageBox("ShellExecute: " + datei, "TFormMain::ClickMenuTool", MB_ICONERROR);
}

void TFormMain::BindVerlassen() {
    LOG_FKT("TFormMain::BindVerlassen");
    FDM.Bind(TDM::ABeenden, [this] {
        Bewacht("TFormMain::ABeenden", [this] {
            if (AzChecksVerlassen())
                ApplCloseOrHide(false, false);
        });
    });
    FDM.Bind(TDM::AVerwerfen,
             [this] { Bewacht("TFormMain::AVerwerfen", [this] { ApplCloseOrHide(true, true); }); });
}
