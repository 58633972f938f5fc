// The main window: the plug-in's one window towards the bus tool. It owns the bus-tool
// interface object and binds its event handlers, keeps the device instances by device id and
// the project windows (sub-windows of its multi-document area), and is the target of every
// window message of the panel objects, the device instance and the project windows (its handle
// lies in the data module). It normally stays hidden; an edit event shows it with the project
// window until the user leaves the editor.
//
// Everything runs in the GUI thread. Each event handler, action, timer tick and posted
// delivery runs inside one guard (Bewacht): a depth count, and any exception is shown in an
// error box while the program goes on. Posted messages and the close and autosave ticks run
// at depth 0 only; what arrives deeper waits until the outermost guard ends.
//
// The sources are split by subject: start, window and small services (TFormMain.cpp), the
// event frame and the events (TFormMainEreignisse.cpp), the message service
// (TFormMainDispatch.cpp), the device instance's services (TFormMainDienste.cpp), leaving the
// editor and the settings (TFormMainVerlassen.cpp), autosave and recovery
// (TFormMainAutoSave.cpp), the tree and window services of the commands (TFormMainBaum.cpp).
#pragma once

#include "deviceinstance/TFormMainDienste.h"
#include "platform/bustool/DalRecords.h"
#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QSocketNotifier;
class QToolBar;
class TDM;
class TDeviceInstanz;
class TDrucken;
class TEts2Cdi_Extended1;
class TEtsExportTarget;
class TFormVerw;
struct TRecReportInfo;

class TFormMain : public QMainWindow, public TFormMainDienste, public TMessageTarget {
public:
    // Makes the process's interface object (the editor's way: project and event connection
    // from the environment); tests hand one of their own.
    using TCdiFabrik =
        std::function<std::unique_ptr<TEts2Cdi_Extended1>(HWND owner, const AnsiString &module)>;

    // The module name is the program's first argument (empty without one). Runs FormCreate.
    TFormMain(TDM &dm, const AnsiString &moduleName, TCdiFabrik fabrik = {},
              QWidget *parent = nullptr);
    ~TFormMain() override;
    TFormMain(const TFormMain &) = delete;
    TFormMain &operator=(const TFormMain &) = delete;

    // The module name from the program's arguments: the first one, else empty.
    static AnsiString ModuleNameFromArgs(int argc, const char *const *argv);

    // ---- Start, window, small services --------------------------------------------------
    void FormCreate();
    void FormDestroy();
    void FormActivate();
    void FormClose();
    bool FormCloseQuery();
    void FormResize();
    void Timer1Timer();
    void LadeTexte();
    int ShowMessageBox(const AnsiString &text, const AnsiString &caption, unsigned flags);
    // Shows the system text of the last error (errno) in an information box; nothing when
    // there is none.
    void DisplayLastError(const AnsiString &caption);
    // Panel 2 shows "count/maximum" when maximum > 0.
    void UpdateObjektAnzahl(int count, int maximum);
    void HideMainWindow();
    void ShowMainWindow();
    // Stores the code; a time <= 0 stands for the default time-out.
    void TimeOutStart(int code, int time);
    void TimeOutStop();
    void OpenPreview();
    // The application's state changes (minimized, restored, activated, deactivated).
    void ApplicationMinimize();
    void ApplicationRestore();
    void ApplicationActivate();
    void ApplicationDeactivate();
    // The program's own end: FormDestroy at once, the Qt objects later, exit code 0.
    void CloseProgram();

    // ---- The guard ----------------------------------------------------------------------
    // Runs work inside the guard; false when it threw (the exception was shown).
    bool Bewacht(const char *name, const std::function<void()> &work);
    // Runs work inside the guard now when no guard runs, else once the outermost guard ends.
    void AufTiefeNull(const char *name, std::function<void()> work);
    int Tiefe() const { return FTiefe; }
    // Delivers the posted messages (at depth 0; deeper, once the guard ends).
    void DeliverPosted();

    // ---- Bus-tool event frame and device life --------------------------------------------
    bool EtsVersionCheck();
    // The version check on a version pair of the bus tool's info record.
    static bool EtsVersionCheck(uint32_t majorMinor, uint32_t releaseBuild);
    bool SetDevice(long deviceId, bool withWindow);
    bool CreateDevice(const DAL_DEVICE &deviceRecord);
    bool DeleteDevice(const DAL_DEVICE &deviceRecord);
    bool OpenVumaVisible(long deviceId);
    bool SetParamDeviceIdToEts(long deviceId);
    void BindEvents();
    // A project window made for the main window, listed and active.
    TFormVerw *NewFormVerw();

    // The bus-tool events.
    void OnCdiEditParameters(bool *done, int *result, TEts2Cdi_Extended1 *sender, long deviceId);
    void OnCdiCreateDevice(bool *done, int *result, TEts2Cdi_Extended1 *sender, int mode,
                           long deviceId, const AnsiString &text);
    void OnCdiDeleteDevice(bool *done, int *result, TEts2Cdi_Extended1 *sender, long deviceId);
    void OnWmUserSvStop(bool *done, int *result, TEts2Cdi_Extended1 *sender, WPARAM, LPARAM);
    void OnCdiEditObject(bool *done, int *result, TEts2Cdi_Extended1 *sender, long projectId,
                         long deviceObjectId);
    void OnCdiDoReconstruct(bool *done, int *result, TEts2Cdi_Extended1 *sender, long projectId,
                            long deviceId, long x, int mode, const AnsiString &fileName);

    // ---- Window-message service ----------------------------------------------------------
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    // TMessageTarget
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // ---- The device instance's services (TFormMainDienste) ------------------------------
    HWND GetHandle() const override;
    TEts2Cdi *GetEts2Cdi() override;
    void GetModuleName(AnsiString &path) override;
    AnsiString GetIniFile() override;
    void SetStatusPanel(int panel, const AnsiString &text) override;
    void UpdateObjektAnzahl(const AnsiString &rootName, int objectCount) override;
    std::vector<TFormVerwDienste *> GetFormVerwList() override;
    TFormVerwDienste *GetActiveFormVerv() override;
    int GetGrpAdrLevels() override;
    TTreeNode *GetGrpAdrOrdner() override;
    bool MakeNode(TDataBasis *object, TDataBasis *parent) override;
    void CreateGroupAddressNodes(TDataBasis *main, TDataBasis *middle, TDataBasis *sub) override;
    TDeviceDialoge *GetDeviceDialoge() override;
    TDataBasis *GetSelTreeData() override;
    void ProcessMessages() override;
    void SetKeepCellEditor(bool keep) override;
    bool GetSonderzustand() override;

    // ---- Leaving the editor and the settings ---------------------------------------------
    bool AzCheckObjAlarmResetLinkToGrpAdr();
    bool AzCheckObjekteMelder();
    bool AzCheckObjektMeldertest();
    bool AzCheckObjekteScharfschaltEingang();
    // The four checks in their order, stopping at the first that is false.
    bool AzChecksVerlassen();
    void ApplCloseOrHide(bool close, bool discard);
    void GetEtsRegData();
    void GetRegData();
    void SetRegData();
    void ClickMenuTool(QAction *sender);
    // Binds ABeenden and AVerwerfen.
    void BindVerlassen();

    // ---- Autosave and recovery ----------------------------------------------------------
    bool SaveToFile(const AnsiString &target);
    void TimerAutoSaveTimer();
    void RecoveryCheck(bool opening, int deviceId);
    void RestoreSaveCopy();
    // Binds AAutoSave and ARestoreSaveCopy.
    void BindAutoSave();

    // ---- Tree and window services of the commands ----------------------------------------
    void DeactivateActiveGridCell();
    void TimerTimeoutCloseStart();
    void TimerTimeoutCloseTimer();
    void AbgleichFormVerw(TFormVerw *source);
    TFormVerw *GetActiveFormVerw() const { return FAktivFormVerw; }
    bool CheckGrpAdrOrdner();
    void SetStatusOnCopyDevice(bool status);
    bool GetStatusOnCopyDevice();

    // ---- Import and export, detector clipboard ------------------------------------------
    // The bus tool's data events (TFormMainDaten.cpp).
    void OnCdiDoDownload2(bool *done, int *result, TEts2Cdi_Extended1 *sender, int32_t a,
                          long deviceId, int16_t b, int16_t c, int32_t d, int32_t e, int32_t f,
                          uint16_t flags);
    void OnCdiLinkObjToSubGroup(bool *done, int *result, TEts2Cdi_Extended1 *sender,
                                long projectId, long deviceId, int16_t objectNumber,
                                long subGroupId);
    void OnCdiUnlinkObjFromSubGroup(bool *done, int *result, TEts2Cdi_Extended1 *sender,
                                    long projectId, long deviceId, int16_t objectNumber,
                                    long subGroupId);
    void OnCdiExportDevice(bool *done, int *result, TEts2Cdi_Extended1 *sender, long projectId,
                           long deviceId, TEtsExportTarget *target);
    void OnCdiImportDevice(bool *done, int *result, TEts2Cdi_Extended1 *sender, long projectId,
                           long deviceId);
    void OnCdiCopyDevice(bool *done, int *result, TEts2Cdi_Extended1 *sender, long projectId,
                         long targetId, long sourceId, uint8_t flag);
    // The bus tool imports a device of an exported project: the file "<old id>.azp" in the bus
    // tool's folder (or one the user picks) becomes its configuration.
    bool ImportDevice(long deviceId);
    // The bus tool copied a device: the source's data block becomes the target's.
    bool CopyDevice(long targetId, long sourceId, uint8_t flag);
    // Neither is done by the editor: both answer false.
    bool Compiler(int32_t a, long deviceId, int16_t b);
    bool Download(int32_t a, long deviceId, int16_t b, int16_t c, int32_t d, int32_t e, int32_t f,
                  uint16_t flags);
    // The device's parameter "DeviceId" (the id its last export was written under).
    bool GetParamDeviceIdFromEts(long deviceId, int &oldId);
    // The device's parameter record named "DeviceId" (the search stops at the first
    // definition that cannot be read); false when there is none.
    bool DeviceIdParameter(long deviceId, DAL_DEVICE_PARAM &out);
    // Binds the six data events' slots and the template commands.
    void BindDatenEreignisse();
    // Templates (TFormMainVorlage.cpp): AExport and AImport.
    void Export();
    void Import();
    // The file into the current device; the device parameters are written whatever the result.
    bool DatenImport(const AnsiString &file);
    void BindVorlage();
    // The detector clipboard (TFormMainKopieren.cpp): the active window's selected object
    // copied, and pasted below it; ACopy, APaste, AMelderKopieren and AMelderEinfuegen bound.
    void Kopieren();
    void Einfuegen();
    void BindKopieren();

    // ---- Options ------------------------------------------------------------------------

    // ---- Commands and printing ----------------------------------------------------------
    // The commands of the actions and menus (TFormMainBefehle.cpp); each works on the active
    // project window and the current device instance and does nothing without them.
    // The print and the page preview of the active window's tree.
    void SeitenVorschau();
    void Drucken();
    // Builds and starts the report; true when it made its pages.
    bool MakeDrucken(TRecReportInfo info);
    // The printing object (made on the first print; a test puts one of its own in place).
    void SetDrucken(std::unique_ptr<TDrucken> drucken);
    TDrucken *Druck() const { return FDrucken.get(); }
    // The options dialog with the data module and the bus-tool object, modal.
    void Optionen();
    void StartQuickHelp();
    void TreeCollapseAll();
    void TreeExpandAll();
    void TreeExpand();
    void TreeCollapse();
    // The question, then the device's default configuration in every project window.
    void ResetAktDevInst();
    // A project window showing what the active one shows; null without an active one.
    TFormVerw *CreateFormVerw();
    int MelderHinzufuegen();
    bool MelderLoeschen();
    // A new group address for the selected communication object, linked to it.
    void LinkToGrpAdr();
    int EreignisspeicherAuslesen();
    int DownloadAzHwDateTime();
    // The four detector items of MProjektierung by the selected object, as the menu opens.
    void MProjektierungClick();
    // The project windows listed after MFenster's four actions, as the menu opens.
    void MFensterClick();
    // The main window's short cuts (its own controls; the project windows forward theirs):
    // the data module's actions, whichever window has the focus.
    void FormShortCut(QKeyCombination key, bool &handled);
    // The main window's key preview (its own controls, not the project windows'): F1 opens
    // the help.
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers, bool &handled);
    // Binds the commands above to their actions and menus.
    void BindBefehle();
    // MProjektierung's own detector items (add, delete, copy, paste): they run the data
    // module's actions; the tool bar shows the actions themselves.
    std::array<QAction *, 4> MMelderItems{};

private:
    // The print helper with its one report object, made by the first print.
    std::unique_ptr<TDrucken> FDrucken;
    // The window list's entries of MFenster, after its four actions.
    std::vector<QAction *> FFensterEintraege;

public:

    // ---- Reconstruction front end -------------------------------------------------------
    // (TFormMainRekonstruktion.cpp) The command AReconstructDevice: the current device's panel
    // read out into its image file and rebuilt from it; every failure is shown.
    void ReconstructDevice();
    // The current device's panel into an image file (chosen in a dialog when interactive, else
    // the device's image file); the name goes to the caller. False when cancelled or when the
    // read-out failed (it showed its own box); its exceptions pass.
    bool ReadDeviceImage(bool interactive, AnsiString &imageFile);
    // The current device rebuilt from an image (chosen in a dialog when interactive): into the
    // bus tool's project for the bus tool, else into the device and its windows. False after
    // its box, or when cancelled (no box).
    bool ReconstructDeviceImage(bool interactive, const AnsiString &imageFile, bool forBusTool);
    // The bus tool's read-out: the panel's image named after its physical address (the name
    // is rewritten) and "ItRecoCommunicationData.txt" beside it; the integer is not used.
    bool ReadDeviceCommunicationImage(AnsiString &imageFile, int);
    // "area.line.device" as the 16-bit physical address; 0 when it is none.
    static uint16_t MergeGrpAdrStringToWord(const AnsiString &text);
    // Binds AReconstructDevice and the two image commands (shown by the settings).
    void BindRekonstruktion();

    // ---- State that tests and the other parts read ----------------------------------------
    TDM &DM() const { return FDM; }
    // The device's dialogs (the Qt ones from FormCreate; tests put their own).
    void SetDeviceDialoge(std::unique_ptr<TDeviceDialoge> dialoge);
    TEts2Cdi_Extended1 *Cdi() const { return FCdi.get(); }
    TDeviceInstanz *AktDevInst() const { return FAktDevInst; }
    const std::map<long, std::unique_ptr<TDeviceInstanz>> &DeviceInstanzen() const {
        return FDeviceInstanzen;
    }
    const std::vector<TFormVerw *> &FormVerwList() const { return FFormVerwList; }
    const AnsiString &ModulName() const { return FModulName; }
    bool ProgressAbbruch() const { return FProgressAbbruch; }
    int TimeOutCode() const { return FTimeOutCode; }
    int LastDeletedDeviceId() const { return FLastDeletedDeviceId; }
    bool Beendet() const { return FBeendet; }

    // ---- Components ---------------------------------------------------------------------
    QMdiArea *MdiArea = nullptr;
    QToolBar *ToolBar1 = nullptr;
    std::array<QLabel *, 5> StatusPanels{};
    QMenu *MDatei = nullptr;
    QMenu *MProjektierung = nullptr;
    QMenu *MEinstellung = nullptr;
    QMenu *M_Rekonstruktion = nullptr;
    QAction *M_ReconstructDevice = nullptr;
    QAction *M_ReadDeviceImage = nullptr;
    QAction *M_ReconstructDeviceImage = nullptr;
    QMenu *MTool = nullptr;
    QMenu *MFenster = nullptr;
    QMenu *MHilfe = nullptr;
    QTimer Timer1;
    QTimer TimerTimeoutClose;
    QTimer TimerOpenPreview;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    // Reads what arrived on the event connection; stops watching once it has ended.
    void EventsReadable();
    // Finds the device's instance in the map or makes it; it becomes current. False when
    // none could be had.
    bool FindOrCreateDevice(const DAL_DEVICE &record);
    // Every project window lets go of the device's objects before the device goes.
    void FensterLoesen();
    // The frame's end of an event that hands control back.
    void EventEnd(bool *done);
    void OpenEventLog();
    void ShowException(const char *name, const char *what);
    void GuardEnd();
    // Queues one call that delivers the posted messages.
    void PlaneZustellung();

    // Bus-tool version floor: major, minor, release, build.
    static constexpr std::array<uint16_t, 4> kEtsVersion = {1, 2, 0, 101};

    TDM &FDM;
    TCdiFabrik FCdiFabrik;
    std::unique_ptr<TMessageTargetRegistration> FRegistration;
    int FDefaultTimeOut = 10000;
    int FCloseTimeOut = 1800000;
    int FTimeOutCode = 0;
    int FLastDeletedDeviceId = -1;
    // Owned; destroyed before the interface object they use.
    std::map<long, std::unique_ptr<TDeviceInstanz>> FDeviceInstanzen;
    TDeviceInstanz *FAktDevInst = nullptr;
    AnsiString FModulName;
    AnsiString FExportExt = "azx";
    AnsiString FProjectExt = "azp";
    // Sorted by address, no duplicates; borrowed (the windows are Qt children of the area).
    std::vector<TFormVerw *> FFormVerwList;
    TFormVerw *FAktivFormVerw = nullptr;
    uint8_t FMainState = 0;
    bool FProgressAbbruch = false;
    bool FSaveRecoDataInFile = true;
    bool FMenueReadAndReconstructDeviceImage = false;
    std::unique_ptr<TEts2Cdi_Extended1> FCdi;
    std::unique_ptr<TDeviceDialoge> FDialoge;
    QSocketNotifier *FNotifier = nullptr;

    int FTiefe = 0;
    bool FZustellungGeplant = false;
    std::vector<std::pair<const char *, std::function<void()>>> FNachher;
    bool FBeendet = false;
    bool FDestroyed = false;
};
