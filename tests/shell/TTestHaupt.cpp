#include "TTestHaupt.h"

#include "AzVollesPanel.h"
#include "deviceinstance/DeviceMessages.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/TDataBasis.h"
#include "shell/TCtrlTree.h"

#include <algorithm>
#include <stdexcept>

TTestHaupt::TTestHaupt() : FRegistration(std::make_unique<TMessageTargetRegistration>(this)) {
    DM = std::make_unique<TDM>((Project.Dir() / "pultor").string());
    DM->MainWindowHandle = FRegistration->Handle();
}

TTestHaupt::~TTestHaupt() {
    FEigene.clear();
    DeliverPostedMessages();
    Device.reset();
}

TFormVerw *TTestHaupt::NeuesFenster() {
    FEigene.push_back(std::make_unique<TFormVerw>(*DM));
    TFormVerw *window = FEigene.back().get();
    window->SetDeviceInstanz(Device.get());
    Zustellen();
    Aktiv = window;
    return window;
}

void TTestHaupt::Schliesse(TFormVerw *window) {
    std::erase_if(FEigene, [&](const auto &w) { return w.get() == window; });
}

void TTestHaupt::LadeVollesPanel() {
    // The project's group addresses: two main groups, three middle groups, six addresses.
    TProjectDatabase &db = Project.Database();
    db.AddMainGroup(0, "Zentrale");
    db.AddMainGroup(1, "Licht");
    db.AddMiddleGroup(0, 0, "Melder");
    db.AddMiddleGroup(0, 1, "Alarm");
    db.AddMiddleGroup(1, 0, "EG");
    db.AddGroupAddress(0, 0, 1, "Melder 1");
    db.AddGroupAddress(0, 0, 2, "Melder 2");
    db.AddGroupAddress(0, 0, 3, "Melder 3");
    db.AddGroupAddress(0, 1, 1, "Sirene");
    db.AddGroupAddress(1, 0, 1, "Flur");
    db.AddGroupAddress(1, 0, 2, "Treppe");
    DAL_DEVICE record{};
    record.size = sizeof(record);
    Project.Cdi().DalGetDeviceData(DAL_BY_ID, Project.PanelId(), -1, -1, -1, -1, &record);
    const AnsiString block =
        VollesPanelBlock(*this, nullptr, record, [this](TDeviceInstanz *d) { Ziel = d; });
    if (!Project.Cdi().BlobWrite(
            reinterpret_cast<unsigned char *>(const_cast<char *>(block.data())),
            static_cast<unsigned long>(block.size()), Project.PanelId()))
        throw std::runtime_error("the block is not stored");
    Device = std::make_unique<TDeviceInstanzAz>(this, &record, Aktiv);
    for (TFormVerw *w : Fenster)
        w->SetDeviceInstanz(Device.get());
    if (!Device->GetDataFromServer(0, true))
        throw std::runtime_error("the panel does not load");
    Zustellen();
}

void TTestHaupt::Zustellen() {
    DeliverPostedMessages();
}

HWND TTestHaupt::GetHandle() const {
    return FRegistration->Handle();
}

TEts2Cdi *TTestHaupt::GetEts2Cdi() {
    return &Project.Cdi();
}

void TTestHaupt::GetModuleName(AnsiString &path) {
    DM->GetModuleName(path);
}

AnsiString TTestHaupt::GetIniFile() {
    return DM->IniFile;
}

void TTestHaupt::SetStatusPanel(int panel, const AnsiString &text) {
    Panels.at(static_cast<size_t>(panel)) = text;
}

void TTestHaupt::UpdateObjektAnzahl(const AnsiString &, int) {}

std::vector<TFormVerwDienste *> TTestHaupt::GetFormVerwList() {
    return {Fenster.begin(), Fenster.end()};
}

TFormVerwDienste *TTestHaupt::GetActiveFormVerv() {
    return Aktiv;
}

int TTestHaupt::GetGrpAdrLevels() {
    return DM->GetGrpAdrLevels();
}

TTreeNode *TTestHaupt::GetGrpAdrOrdner() {
    return Aktiv ? Aktiv->CtrlTree()->GrpAdrFolderNode() : nullptr;
}

bool TTestHaupt::MakeNode(TDataBasis *object, TDataBasis *parent) {
    return Aktiv && Aktiv->AddChildNode2Data(parent, object, true) != nullptr;
}

void TTestHaupt::CreateGroupAddressNodes(TDataBasis *main, TDataBasis *middle, TDataBasis *sub) {
    for (TFormVerw *w : Fenster)
        w->CreateGroupAddressNodes(main, middle, sub, w == Aktiv);
}

TDeviceDialoge *TTestHaupt::GetDeviceDialoge() {
    return &Dialoge;
}

TDataBasis *TTestHaupt::GetSelTreeData() {
    return Aktiv ? Aktiv->GetSelData() : nullptr;
}

void TTestHaupt::ProcessMessages() {
    DeliverPostedMessages();
}

void TTestHaupt::SetKeepCellEditor(bool keep) {
    DM->VarianteAendern = keep;
}

LRESULT TTestHaupt::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    Log.push_back(msg);
    LRESULT result = 0;
    if (DeviceMessages::Dispatch(Ziel ? Ziel : Device.get(), msg, wParam, lParam, result))
        return result;
    switch (msg) {
    case AzMsg::SetModified::Id:
        DM->Modified = true;
        return 0;
    case AzMsg::AktualisiereAnsicht::Id:
        return AzMsg::Answer<AzMsg::AktualisiereAnsicht>(wParam, lParam, [&](const auto &m) {
            for (TFormVerw *w : Fenster)
                w == Aktiv ? w->AktualisiereAnsicht(nullptr, m.Col, m.Row)
                           : w->AktualisiereAnsicht(nullptr, -1, -1);
        });
    case AzMsg::ActivateCell::Id:
        return AzMsg::Answer<AzMsg::ActivateCell>(wParam, lParam, [&](const auto &m) {
            if (Aktiv) {
                Aktiv->Grid.SetActiveCell(m.Col, m.Row);
                Aktiv->Grid.ResizeAktivFeld();
            }
        });
    case AzMsg::UpdateTreeNames::Id:
        for (TFormVerw *w : Fenster)
            w->UpdateTreeNamesAndIcon();
        Andere.push_back(msg);
        return 0;
    case AzMsg::RegisterFormVerw::Id:
        return AzMsg::Answer<AzMsg::RegisterFormVerw>(
            wParam, lParam, [&](const auto &m) { Fenster.push_back(m.Pointer); });
    case AzMsg::UnregisterFormVerw::Id:
        return AzMsg::Answer<AzMsg::UnregisterFormVerw>(wParam, lParam, [&](const auto &m) {
            std::erase(Fenster, m.Pointer);
            if (Aktiv == m.Pointer)
                Aktiv = nullptr;
            Andere.push_back(msg);
        });
    case AzMsg::ActivateFormVerw::Id:
        return AzMsg::Answer<AzMsg::ActivateFormVerw>(wParam, lParam, [&](const auto &m) {
            if (std::find(Fenster.begin(), Fenster.end(), m.Pointer) != Fenster.end())
                Aktiv = m.Pointer;
        });
    case AzMsg::RefreshOtherWindows::Id:
        for (TFormVerw *w : Fenster)
            if (w != Aktiv)
                w->AktualisiereAnsicht(nullptr, -1, -1);
        return 0;
    case AzMsg::AbgleichFormVerw::Id:
        for (TFormVerw *w : Fenster)
            w->Abgleich(Aktiv);
        return 0;
    case AzMsg::LoadColor::Id:
        for (TFormVerw *w : Fenster)
            w->LoadColor(DM->ColorGridCommon, DM->ColorGridCell, DM->ColorGridTitle,
                         DM->ColorGridCellReadOnly, DM->Gitternetzlinien);
        return 0;
    case AzMsg::LoadSize::Id:
        for (TFormVerw *w : Fenster)
            w->LoadSize(DM->GridAutoSize, DM->GridColDefSize);
        return 0;
    case AzMsg::CheckGrpAdrOrdner::Id:
        ++CheckGrpAdrOrdnerAnzahl;
        if (CheckGrpAdrOrdnerAntwort >= 0)
            return CheckGrpAdrOrdnerAntwort;
        return Device && Device->GetGrpAdrOrdner() ? 1 : 0;
    default:
        Andere.push_back(msg);
        return 0;
    }
}
