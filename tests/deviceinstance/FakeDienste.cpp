#include "FakeDienste.h"

#include "deviceinstance/DeviceMessages.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/objectbase/MainWindowMessages.h"

TFakeDienste::TFakeDienste() : FRegistration(std::make_unique<TMessageTargetRegistration>(this)) {
    ModulePath = (FProject.Dir() / "pultor").string();
}

TFakeDienste::~TFakeDienste() = default;

DAL_DEVICE TFakeDienste::PanelRecord() {
    DAL_DEVICE device{};
    device.size = sizeof(device);
    FProject.Cdi().DalGetDeviceData(DAL_BY_ID, FProject.PanelId(), -1, -1, -1, -1, &device);
    return device;
}

HWND TFakeDienste::GetHandle() const {
    return FRegistration->Handle();
}

TEts2Cdi *TFakeDienste::GetEts2Cdi() {
    return &FProject.Cdi();
}

void TFakeDienste::GetModuleName(AnsiString &path) {
    path = ModulePath;
}

AnsiString TFakeDienste::GetIniFile() {
    return (FProject.Dir() / "pultor.ini").string();
}

void TFakeDienste::SetStatusPanel(int panel, const AnsiString &text) {
    FPanels.at(static_cast<size_t>(panel)) = text;
}

void TFakeDienste::UpdateObjektAnzahl(const AnsiString &rootName, int objectCount) {
    FCalls.push_back("UpdateObjektAnzahl " + rootName + " " + std::to_string(objectCount));
}

std::vector<TFormVerwDienste *> TFakeDienste::GetFormVerwList() {
    if (!FormVerwOffen)
        return {};
    return {this};
}

TFormVerwDienste *TFakeDienste::GetActiveFormVerv() {
    return FormVerwOffen ? this : nullptr;
}

void TFakeDienste::DeleteGrpAdr() {
    FCalls.push_back("DeleteGrpAdr");
}

void TFakeDienste::InitData(const TObjektMap &objects, HWND) {
    FCalls.push_back("InitData " + std::to_string(objects.size()));
}

void TFakeDienste::InitGrpAdr(HWND, TDataBasis *, const TObjektMap &, const TObjektMap &) {
    FCalls.push_back("InitGrpAdr");
}

LRESULT TFakeDienste::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (DeviceMessages::Dispatch(FDevice, msg, wParam, lParam, result))
        return result;
    if (msg == AzMsg::SetModified::Id) {
        ++FModified;
        return 0;
    }
    FCalls.push_back(std::to_string(msg));
    return 0;
}
