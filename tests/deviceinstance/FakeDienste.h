// A main window and one project window for tests of the device instance: it implements both
// service interfaces, registers itself as the main window's message target and hands the
// instance's messages to it through DeviceMessages (so panel objects run against the real
// instance), and records in order every service call and every other message it receives.
// The bus tool is a temporary simulated project with the demo panel; the program's path, and
// so the settings file and the device's folders, lie in the project's temporary folder.
#pragma once

#include "deviceinstance/TFormMainDienste.h"
#include "deviceinstance/TFormVerwDienste.h"
#include "platform/bustool/DalRecords.h"
#include "tests/platform/bustool/TempProject.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TDeviceInstanz;

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
    // TFormVerwDienste
    void DeleteGrpAdr() override;
    void InitData(const TObjektMap &objects, HWND mainWindow) override;
    void InitGrpAdr(HWND mainWindow, TDataBasis *folder, const TObjektMap &mainGroups,
                    const TObjektMap &midSubGroups) override;
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

private:
    TTempProject FProject;
    std::unique_ptr<TMessageTargetRegistration> FRegistration;
    TDeviceInstanz *FDevice = nullptr;
    std::array<AnsiString, 4> FPanels;
    std::vector<std::string> FCalls;
    int FModified = 0;
};
