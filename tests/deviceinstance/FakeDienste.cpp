#include "FakeDienste.h"

#include "AzVollesPanel.h"

#include "deviceinstance/DeviceMessages.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/objectbase/TDataBasis.h"

#include "platform/objectbase/MainWindowMessages.h"
#include <algorithm>
#include <cstdio>

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

void TFakeDienste::DeleteAllNodes() {
    FCalls.push_back("DeleteAllNodes");
    FKnoten.clear();
}

void TFakeDienste::InitData(const TObjektMap &objects, HWND) {
    FCalls.push_back("InitData " + std::to_string(objects.size()));
}

void TFakeDienste::InitGrpAdr(HWND, TDataBasis *, const TObjektMap &, const TObjektMap &) {
    FCalls.push_back("InitGrpAdr");
}

int TFakeDialoge::SelGrpAddr(TDeviceInstanz *device, int levels, TObjektBasis *object,
                             std::vector<TObjektBasis::RecGrpAdrId> &links,
                             const std::map<long, TVumaGrpAdrSub *> &offered,
                             TEtsGruppenAdressen *reader) {
    TSelGrpAddr call{levels, object, links, {}, reader, device};
    for (const auto &entry : offered)
        call.Offered.push_back(entry.first);
    SelGrpAddrAufrufe.push_back(std::move(call));
    return SelGrpAddrSkript ? SelGrpAddrSkript(links) : 2;
}

namespace {
std::string Hex(uint32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "0x%08X", v);
    return buffer;
}
} // namespace

int TFakeDialoge::DefinitionAlarmzentrale(uint32_t &variante, const AnsiString &descriptionFile) {
    Aufrufe.push_back("DefinitionAlarmzentrale " + Hex(variante) + " " + descriptionFile);
    return VarianteSkript ? VarianteSkript(variante) : 2;
}

int TFakeDialoge::SelPhysAdrSe(RPhysAdr &current, const std::vector<RPhysAdr> &candidates,
                               const std::list<int> &used) {
    Aufrufe.push_back("SelPhysAdrSe " + current.Text + " " + std::to_string(current.PhysAdr) +
                      " " + std::to_string(candidates.size()) + " " + std::to_string(used.size()));
    PhysAdrKandidaten = candidates;
    return PhysAdrSkript ? PhysAdrSkript(current.Text, current.PhysAdr) : 2;
}

int TFakeDialoge::Anzeige(int32_t &mask, uint32_t variante, const AnsiString &caption,
                          const AnsiString &label) {
    Aufrufe.push_back("Anzeige " + std::to_string(mask) + " " + Hex(variante) + " " + caption +
                      " " + label);
    return AnzeigeSkript ? AnzeigeSkript(mask) : 2;
}

int TFakeDialoge::MelderHinzufuegen(int &count, int maximum, const AnsiString &caption) {
    Aufrufe.push_back("MelderHinzufuegen " + std::to_string(maximum) + " " + caption);
    return MelderSkript ? MelderSkript(count, maximum) : 2;
}

int TFakeDialoge::GaCheck(TDatenManager<TDatenStruktur> *store,
                          std::vector<RecNewGroupAddr> &newAddresses,
                          std::map<int, TRecGroupAddrInfo> &wordMap, bool threeLevels,
                          const TObjektMap &mainGroups, const TObjektMap &midSubGroups) {
    Aufrufe.push_back("GaCheck " + std::to_string(threeLevels) + " " +
                      std::to_string(mainGroups.size()) + " " +
                      std::to_string(midSubGroups.size()));
    return GaCheckSkript ? GaCheckSkript(store, newAddresses, wordMap) : 1;
}

bool TFakeDialoge::InfoEreignisspeicher(bool zeigen) {
    Aufrufe.push_back(zeigen ? "InfoEreignisspeicher 1" : "InfoEreignisspeicher 0");
    return true;
}

int TFakeDialoge::Ereignisspeicher(const TStringList &lines, const AnsiString &title,
                                   const AnsiString &label, const AnsiString &pcTime,
                                   const AnsiString &panelTime) {
    Aufrufe.push_back("Ereignisspeicher " + std::to_string(lines.Count()));
    EreignisspeicherAufrufe.push_back(
        {std::vector<AnsiString>(lines.begin(), lines.end()), title, label, pcTime, panelTime});
    return 2;
}

namespace {
std::string Name(const TDataBasis *object) {
    return object ? object->GetName(true) : "-";
}
} // namespace

int TFakeDienste::GetGrpAdrLevels() {
    return Levels;
}

TTreeNode *TFakeDienste::GetGrpAdrOrdner() {
    return GrpAdrOrdnerKnoten ? &FOrdnerKnoten : nullptr;
}

bool TFakeDienste::MakeNode(TDataBasis *object, TDataBasis *parent) {
    FCalls.push_back("MakeNode " + Name(object) + " < " + Name(parent));
    if (!MakeNodeGelingt)
        return false;
    FKnoten.push_back(std::make_unique<TTreeNode>(TTreeNode{object, parent}));
    return true;
}

void TFakeDienste::CreateGroupAddressNodes(TDataBasis *main, TDataBasis *middle, TDataBasis *sub) {
    FCalls.push_back("CreateGroupAddressNodes " + Name(main) + " / " + Name(middle) + " / " +
                     Name(sub));
}

TDeviceDialoge *TFakeDienste::GetDeviceDialoge() {
    return AndereDialoge ? AndereDialoge : &Dialoge;
}

TDataBasis *TFakeDienste::GetSelTreeData() {
    return Selektiert;
}

void TFakeDienste::ProcessMessages() {
    ++ProcessMessagesCount;
    DeliverPostedMessages();
    if (ProcessMessagesHook)
        ProcessMessagesHook();
}

void TFakeDienste::SetKeepCellEditor(bool keep) {
    FCalls.push_back(keep ? "KeepCellEditor 1" : "KeepCellEditor 0");
    KeepCellEditor = keep;
}

void TFakeDienste::BeginTreeUpdate() {
    ++TreeUpdateTiefe;
}

void TFakeDienste::EndTreeUpdate() {
    --TreeUpdateTiefe;
}

TTreeNode *TFakeDienste::AddChildNode2Data(TDataBasis *parent, TDataBasis *object, bool) {
    FCalls.push_back("AddChildNode2Data " + Name(object) + " < " + Name(parent));
    FKnoten.push_back(std::make_unique<TTreeNode>(TTreeNode{object, parent}));
    return FKnoten.back().get();
}

void TFakeDienste::DeleteNode(TTreeNode *node, TDataBasis *object) {
    FCalls.push_back("DeleteNode " + Name(object));
    std::erase_if(FKnoten,
                  [&](const auto &k) { return k.get() == node || (object && k->Data == object); });
}

TTreeNode *TFakeDienste::GetNodeFromData(TDataBasis *object) {
    for (const auto &k : FKnoten)
        if (k->Data == object)
            return k.get();
    return nullptr;
}

void TFakeDienste::SetNodeImages(TTreeNode *node, int image, int state, int selected) {
    node->Image = image;
    node->State = state;
    node->Selected = selected;
}

void TFakeDienste::UpdateTreeNamesAndIcon() {
    FCalls.push_back("UpdateTreeNamesAndIcon");
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

AnsiString VollesPanelBlock(TFakeDienste &dienste) {
    const DAL_DEVICE record = dienste.PanelRecord();
    return VollesPanelBlock(dienste, &dienste, record,
                            [&](TDeviceInstanz *device) { dienste.SetDevice(device); });
}
