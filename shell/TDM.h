// The data module: every user command as an action (ActionList1, with its images in
// ImageList1), the autosave timer, and the program-wide paths, flags and option values that the
// main window, the project windows and the options read. Created first, lives until the end.
//
// An action runs the command that the part of the program owning it binds (Bind); an action
// without a bound command stays disabled. Short cuts reach the actions through OnShortCut from
// whichever window has the focus (the windows' key handling calls it first).
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"
#include "shell/TImageList.h"

#include <QKeyCombination>
#include <QObject>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QAction;

class TDM : public QObject {
public:
    // The actions, in the order of the table.
    enum TAktion : int {
        APrint,
        AImport,
        AExport,
        ABeenden,
        AVerwerfen,
        APrintPreview,
        ARestoreSaveCopy,
        AAutoSave,
        AOption,
        ASprache,
        ADeviceHelp,
        AQuickHelp,
        AAbout,
        ACollapseAll,
        AExpandAll,
        ACopy,
        APaste,
        AExpand,
        ACollapse,
        ADefault,
        AProjektierungsfenster,
        AMelderHinzufuegen,
        AMelderLoeschen,
        AMelderKopieren,
        AMelderEinfuegen,
        ALinkToGrpAdr,
        AEreignisspeicherAuslesen,
        ASetDateTime,
        AUeberlappend,
        ANebeneinander,
        AUebereinander,
        ASymbole,
        AReconstructDevice,
        AReadDeviceImage,
        AReconstructDeviceImage,
        AktionAnzahl
    };
    // One row of the action table: design name, category, caption's text id (0: the design
    // name stays the caption), short cut (empty: none), image (-1: none).
    struct TAktionInfo {
        const char *Name;
        const char *Kategorie;
        int TextId;
        const char *ShortCut;
        int Image;
    };
    static const std::array<TAktionInfo, AktionAnzahl> &AktionTabelle();

    // programPath: the running program's full file name (the entry passes
    // GetProgramFileName(), tests a file in a temporary folder). Runs DataModuleCreate.
    explicit TDM(const AnsiString &programPath);
    ~TDM() override;
    TDM(const TDM &) = delete;
    TDM &operator=(const TDM &) = delete;

    void DataModuleCreate();
    void DataModuleDestroy();
    // handled := one of the actions owns the key as its short cut and ran.
    void OnShortCut(QKeyCombination key, bool &handled);
    void GetModuleName(AnsiString &path) const;
    int GetGrpAdrLevels() const;
    // The autosave minutes that the options offer.
    static constexpr int kAutoSaveMinutenMin = 1;
    static constexpr int kAutoSaveMinutenMax = 60;
    // Interval from the autosave minutes; running while on and the autosave switch are set.
    // Minutes the options would not offer never make a busy loop: 0 or less is no autosave,
    // more than their most is their most.
    void StartTimerAutoSave(bool on);
    void TimerAutoSaveTimer();

    QAction *Action(TAktion aktion) const;
    // Binds the action's command and enables the action (the detector and link actions stay
    // as the project window switches them).
    void Bind(TAktion aktion, std::function<void()> command);
    // Runs the action's command when it is enabled and bound; true when it ran.
    bool Execute(TAktion aktion);
    void ACopyExecute();
    void APasteExecute();
    // What the autosave timer runs (the main window's save).
    std::function<void()> OnAutoSave;

    TImageList ImageList1;
    QTimer TimerAutoSave;

    AnsiString ProgramPath;
    AnsiString ProgramFolder; // with the trailing '/'
    AnsiString IniFile;
    AnsiString HelpFile;
    HWND MainWindowHandle = nullptr;
    bool Modified = false;
    bool CloseInsteadOfHide = false;
    bool CopyDevice = false;
    // Set while the device instance changes the variant: a project window losing the focus
    // keeps its grid's in-place editor.
    bool VarianteAendern = false;
    bool AnsichtAktualisieren = false;
    bool AutoSave = false;
    int AutoSaveMinutes = 5;
    int GrpAdrLevels = 3;
    // The bus tool's settings file and where in it the number of address levels stands.
    AnsiString EtsIniFile;
    AnsiString GrpAdrLevelSection = "Common";
    AnsiString GrpAdrLevelName = "GroupAddressLevels";
    uint32_t ColorGridCommon = 0x8000000F;
    uint32_t ColorGridCell = 0x00FFFFFF;
    uint32_t ColorGridTitle = 0x00FFFFFF;
    uint32_t ColorGridCellReadOnly = 0x8000000F;
    int Gitternetzlinien = 1;
    bool GridAutoSize = true;
    int GridColDefSize = 150;
    bool TableAutoCellActivate = true;
    int TabelAutoCellActivateRowNumber = 0;
    int LogPriority = 0;
    int LogEnableMask = 0;
    bool LogStart = false;
    bool LogTime = false;
    AnsiString TextOption;

private:
    std::array<std::unique_ptr<QAction>, AktionAnzahl> FActions;
    std::array<std::function<void()>, AktionAnzahl> FCommands;
};
