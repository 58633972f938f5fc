// A small main window for the shell's tests: it serves the device instance (TFormMainDienste),
// answers the project windows' and the panel objects' messages (the instance's through
// DeviceMessages, the refreshes, registration, activation and the group-address folder check
// itself, the options' reloads of colours and sizes) and keeps the project windows that register
// with it. The bus tool is a temporary simulated project with the demo panel; the program's path,
// and so the settings file, lie in its folder. A QApplication exists for the whole test program
// (QtUmgebung.cpp).
#pragma once

#include "deviceinstance/TDeviceDialoge.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFormMainDienste.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"
#include "tests/platform/bustool/TempProject.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// Every dialog is cancelled; the import's check lets everything through, the event-memory
// notice shows.
class TTestDialoge : public TDeviceDialoge {
public:
    int SelGrpAddr(TDeviceInstanz *, int, TObjektBasis *, std::vector<TObjektBasis::RecGrpAdrId> &,
                   const std::map<long, TVumaGrpAdrSub *> &, TEtsGruppenAdressen *) override {
        return 2;
    }
    int DefinitionAlarmzentrale(uint32_t &, const AnsiString &) override { return 2; }
    int SelPhysAdrSe(RPhysAdr &, const std::vector<RPhysAdr> &, const std::list<int> &) override {
        return 2;
    }
    int Anzeige(int32_t &, uint32_t, const AnsiString &, const AnsiString &) override { return 2; }
    int MelderHinzufuegen(int &, int, const AnsiString &) override { return 2; }
    int GaCheck(TDatenManager<TDatenStruktur> *, std::vector<RecNewGroupAddr> &,
                std::map<int, TRecGroupAddrInfo> &, bool, const TObjektMap &,
                const TObjektMap &) override {
        return 1;
    }
    bool InfoEreignisspeicher(bool) override { return true; }
    int Ereignisspeicher(const TStringList &, const AnsiString &, const AnsiString &,
                         const AnsiString &, const AnsiString &) override {
        return 2;
    }
};

// The first project window of the test program (number 0), made before any test runs.
TFormVerw &Fenster0();

class TTestHaupt : public TFormMainDienste, public TMessageTarget {
public:
    TTestHaupt();
    ~TTestHaupt() override;
    TTestHaupt(const TTestHaupt &) = delete;
    TTestHaupt &operator=(const TTestHaupt &) = delete;

    // A new project window owned by the test; registered (its 1154 delivered) and active.
    TFormVerw *NeuesFenster();
    // Closes and frees a window the test owns.
    void Schliesse(TFormVerw *window);
    // The full panel (four areas, 160 detectors) as the device's data block in the project, and
    // a few group addresses (main groups Zentrale with middle groups Melder and Alarm, Licht
    // with EG; six addresses in all),
    // loaded through the device instance, which builds every open window's tree.
    void LadeVollesPanel();
    // Delivers the posted messages.
    void Zustellen();

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
    void ProcessMessages() override;
    void SetKeepCellEditor(bool keep) override;
    bool GetSonderzustand() override { return false; }
    // TMessageTarget
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    TTempProject Project;
    std::unique_ptr<TDM> DM;
    TTestDialoge Dialoge;
    std::unique_ptr<TDeviceInstanzAz> Device;
    // While set, the instance messages go to it instead of Device (an instance being built).
    TDeviceInstanz *Ziel = nullptr;
    // The registered windows in order, and the active one.
    std::vector<TFormVerw *> Fenster;
    TFormVerw *Aktiv = nullptr;
    // Messages that none of the above took, by id, in order; and how often 1167 was asked.
    std::vector<UINT> Andere;
    // Every message received, in order.
    std::vector<UINT> Log;
    int CheckGrpAdrOrdnerAnzahl = 0;
    // 1167's answer when set (else whether the device has its group-address tree).
    int CheckGrpAdrOrdnerAntwort = -1;
    std::array<AnsiString, 4> Panels;

private:
    std::unique_ptr<TMessageTargetRegistration> FRegistration;
    std::vector<std::unique_ptr<TFormVerw>> FEigene;
};
