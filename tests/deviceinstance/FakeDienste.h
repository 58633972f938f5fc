// A main window and one project window for tests of the device instance: it implements both
// service interfaces, registers itself as the main window's message target and hands the
// instance's messages to it through DeviceMessages (so panel objects run against the real
// instance), and records in order every service call and every other message it receives.
// The bus tool is a temporary simulated project with the demo panel; the program's path, and
// so the settings file and the device's folders, lie in the project's temporary folder.
#pragma once

#include "deviceinstance/TDeviceDialoge.h"
#include "deviceinstance/TFormMainDienste.h"
#include "deviceinstance/TFormVerwDienste.h"
#include "platform/bustool/DalRecords.h"
#include "tests/platform/bustool/TempProject.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDeviceInstanz;

// A node of the fake project window's tree: the object it shows, its parent's object and its
// three image indexes.
class TTreeNode {
public:
    TDataBasis *Data = nullptr;
    TDataBasis *Parent = nullptr;
    int Image = -1;
    int State = -1;
    int Selected = -1;
};

// The device's dialogs, scripted: each call is recorded and answered by the test's function
// (Cancel, 2, without one).
class TFakeDialoge : public TDeviceDialoge {
public:
    struct TSelGrpAddr {
        int Levels;
        TObjektBasis *Object;
        std::vector<TObjektBasis::RecGrpAdrId> Links; // as the dialog got them
        std::vector<long> Offered;
        TEtsGruppenAdressen *Reader;
        TDeviceInstanz *Device; // the opener
    };
    using TSelGrpAddrSkript = std::function<int(std::vector<TObjektBasis::RecGrpAdrId> &links)>;

    int SelGrpAddr(TDeviceInstanz *device, int levels, TObjektBasis *object,
                   std::vector<TObjektBasis::RecGrpAdrId> &links,
                   const std::map<long, TVumaGrpAdrSub *> &offered,
                   TEtsGruppenAdressen *reader) override;

    TSelGrpAddrSkript SelGrpAddrSkript;
    std::vector<TSelGrpAddr> SelGrpAddrAufrufe;

    int DefinitionAlarmzentrale(uint32_t &variante, const AnsiString &descriptionFile) override;
    int SelPhysAdrSe(RPhysAdr &current, const std::vector<RPhysAdr> &candidates,
                     const std::list<int> &used) override;
    int Anzeige(int32_t &mask, uint32_t variante, const AnsiString &caption,
                const AnsiString &label) override;
    int MelderHinzufuegen(int &count, int maximum, const AnsiString &caption) override;
    int GaCheck(TDatenManager<TDatenStruktur> *store, std::vector<RecNewGroupAddr> &newAddresses,
                std::map<int, TRecGroupAddrInfo> &wordMap, bool threeLevels,
                const TObjektMap &mainGroups, const TObjektMap &midSubGroups) override;

    // Each dialog's script sets the values out and answers the modal result; without one the
    // dialog is cancelled (2) and nothing changes. Every call is recorded by its name and its
    // values in ("Anzeige 15 0x11330000 Anzeige 1 ...").
    std::function<int(uint32_t &variante)> VarianteSkript;
    std::function<int(AnsiString &text, int32_t &physAdr)> PhysAdrSkript;
    // The devices the last physical-address dialog was offered.
    std::vector<RPhysAdr> PhysAdrKandidaten;
    std::function<int(int32_t &mask)> AnzeigeSkript;
    std::function<int(int &count, int maximum)> MelderSkript;
    // The import's check: without a script every address fits (1, nothing to create).
    std::function<int(TDatenManager<TDatenStruktur> *store, std::vector<RecNewGroupAddr> &,
                      std::map<int, TRecGroupAddrInfo> &)>
        GaCheckSkript;
    std::vector<std::string> Aufrufe;

    // The event memory's dialogs: the notice's calls are recorded ("InfoEreignisspeicher 1",
    // "... 0"); the result dialog keeps what it was handed and answers 2.
    bool InfoEreignisspeicher(bool zeigen) override;
    int Ereignisspeicher(const TStringList &lines, const AnsiString &title, const AnsiString &label,
                         const AnsiString &pcTime, const AnsiString &panelTime) override;
    struct TEreignisspeicher {
        std::vector<AnsiString> Lines;
        AnsiString Title, Label, PcTime, PanelTime;
    };
    std::vector<TEreignisspeicher> EreignisspeicherAufrufe;
};

class TFakeDienste : public TFormMainDienste, public TFormVerwDienste, public TMessageTarget {
public:
    TFakeDienste();
    ~TFakeDienste() override;
    TFakeDienste(const TFakeDienste &) = delete;
    TFakeDienste &operator=(const TFakeDienste &) = delete;

    // The instance that the messages go to (none: they answer 0).
    void SetDevice(TDeviceInstanz *device) { FDevice = device; }
    // The demo panel's device record as the bus tool gives it.
    DAL_DEVICE PanelRecord();
    TTempProject &Project() { return FProject; }

    // TFormMainDienste
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
    // Delivers the posted messages and runs the test's hook (ProcessMessagesHook).
    void ProcessMessages() override;
    void SetKeepCellEditor(bool keep) override;
    bool GetSonderzustand() override { return Sonderzustand; }
    // TFormVerwDienste
    void DeleteGrpAdr() override;
    void DeleteAllNodes() override;
    void InitData(const TObjektMap &objects, HWND mainWindow) override;
    void InitGrpAdr(HWND mainWindow, TDataBasis *folder, const TObjektMap &mainGroups,
                    const TObjektMap &midSubGroups) override;
    TTreeNode *AddChildNode2Data(TDataBasis *parent, TDataBasis *object, bool makeVisible) override;
    void DeleteNode(TTreeNode *node, TDataBasis *object) override;
    TTreeNode *GetNodeFromData(TDataBasis *object) override;
    void SetNodeImages(TTreeNode *node, int image, int state, int selected) override;
    void UpdateTreeNamesAndIcon() override;
    void BeginTreeUpdate() override;
    void EndTreeUpdate() override;
    // TMessageTarget
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    const std::array<AnsiString, 4> &StatusPanels() const { return FPanels; }
    // Service calls ("UpdateObjektAnzahl Zentrale 7", "InitData 7") and other messages
    // ("1126") in order.
    const std::vector<std::string> &Calls() const { return FCalls; }
    void ClearCalls() { FCalls.clear(); }
    int ModifiedCount() const { return FModified; }
    // The program's path that GetModuleName answers.
    AnsiString ModulePath = "";
    // Whether the project window is open (listed by GetFormVerwList).
    bool FormVerwOffen = true;
    // The group-address levels the data module answers.
    int Levels = 3;
    // Whether the active project window shows the group-address folder, and whether MakeNode
    // makes nodes.
    bool GrpAdrOrdnerKnoten = true;
    bool MakeNodeGelingt = true;
    TFakeDialoge Dialoge;
    // When set, the dialogs the instance gets in place of the scripted ones (the real ones).
    TDeviceDialoge *AndereDialoge = nullptr;
    // The object selected in the tree.
    TDataBasis *Selektiert = nullptr;
    // Called by every ProcessMessages (the user's cancel arrives this way).
    std::function<void()> ProcessMessagesHook;
    int ProcessMessagesCount = 0;
    // The keep-cell-editor flag as last set, and how deep the tree's update is now.
    bool KeepCellEditor = false;
    int TreeUpdateTiefe = 0;
    // The main window's special state as GetSonderzustand answers it.
    bool Sonderzustand = false;
    // The nodes made through AddChildNode2Data (and MakeNode), in order.
    const std::vector<std::unique_ptr<TTreeNode>> &Knoten() const { return FKnoten; }

private:
    TTempProject FProject;
    std::unique_ptr<TMessageTargetRegistration> FRegistration;
    TDeviceInstanz *FDevice = nullptr;
    std::array<AnsiString, 4> FPanels;
    std::vector<std::string> FCalls;
    int FModified = 0;
    TTreeNode FOrdnerKnoten;
    std::vector<std::unique_ptr<TTreeNode>> FKnoten;
};
