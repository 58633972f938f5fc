#include "platform/objectbase/TDataBasis.h"

#include "foundation/TDatenManager.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/log/Log.h"
#include "platform/objectbase/E_Basis.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/RDeviceRequest.h"
#include "platform/objectbase/TEibHandle.h"
#include "platform/vcl/TStringList.h"

#include <string>

TDataBasis::TDataBasis(HWND window, int system, int parent, AnsiString name, int handle)
    : FWindow(window), FSystem(system), FParent(parent), FName(std::move(name)), FHandle(handle) {
    LOG_FKT("TDataBasis::TDataBasis");
}

TDataBasis::~TDataBasis() {
    LOG_FKT("TDataBasis::~TDataBasis");
}

int TDataBasis::GetQuickHelpIndexOffset() const {
    LOG_FKT("TDataBasis::GetQuickHelpIndexOffset");
    return FHelpOffset;
}

void TDataBasis::SetFlagA() {
    LOG_FKT("TDataBasis::SetFlagA");
    FFlagA = 1;
}

void TDataBasis::ClearFlagA() {
    LOG_FKT("TDataBasis::ClearFlagA");
    FFlagA = 0;
}

void TDataBasis::SetFlagB() {
    LOG_FKT("TDataBasis::SetFlagB");
    FFlagB = 1;
}

void TDataBasis::ClearFlagB() {
    LOG_FKT("TDataBasis::ClearFlagB");
    FFlagB = 0;
}

AnsiString TDataBasis::GetName(bool) const {
    LOG_FKT("TDataBasis::GetName");
    return FName;
}

void TDataBasis::SetName(const AnsiString &name) {
    LOG_FKT("TDataBasis::SetName");
    FName = name;
}

void TDataBasis::SetParent(int parent) {
    LOG_FKT("TDataBasis::SetParent");
    FParent = parent;
}

int TDataBasis::GetParent() const {
    LOG_FKT("TDataBasis::GetParent");
    return FParent;
}

HWND TDataBasis::GetWindowHandle() const {
    LOG_FKT("TDataBasis::GetWindowHandle");
    return FWindow;
}

void TDataBasis::KonvertHandle(TEibHandle *table) {
    LOG_FKT("TDataBasis::KonvertHandle");
    FHandleTable = table;
    if (!table || FHandle != 0)
        return;
    const int handle = table->GetNewHandle();
    if (handle == 0)
        throw E_Basis(1, "KonvertHandle: no free handle for " + FName, "", __FILE__, __LINE__,
                      "E_Basis");
    FHandle = handle;
}

bool TDataBasis::SetObjFkt(uint8_t) {
    LOG_FKT("TDataBasis::SetObjFkt");
    return false;
}

bool TDataBasis::IsVisible() const {
    LOG_FKT("TDataBasis::IsVisible");
    return true;
}

void TDataBasis::Write(TDatenStruktur &record) {
    LOG_FKT("TDataBasis::Write");
    record.Name = FName;
    record.Handle = FHandle;
    record.Typ = static_cast<int16_t>(GetTyp());
    record.Parent = FParent;
    record.System = FSystem;
    record.Param1 = FPosId;
    AzMsg::Send(FWindow, AzMsg::SetModified{});
}

void TDataBasis::SetPosId(int posId) {
    LOG_FKT("TDataBasis::SetPosId");
    FPosId = posId;
}

void TDataBasis::SetPosId(TDataBasis *other) {
    LOG_FKT("TDataBasis::SetPosId");
    if (other)
        FPosId = other->GetPosId();
}

bool TDataBasis::DatenAbgleich(bool, bool) {
    LOG_FKT("TDataBasis::DatenAbgleich");
    return true;
}

int TDataBasis::GetSubObjectCount(bool) const {
    LOG_FKT("TDataBasis::GetSubObjectCount");
    return 0;
}

TDataBasis *TDataBasis::GetSubObject(int, bool) const {
    LOG_FKT("TDataBasis::GetSubObject");
    return nullptr;
}

void TDataBasis::UpdateViews(TDrawGridSE *, TListView *) {
    LOG_FKT("TDataBasis::UpdateViews");
}

void TDataBasis::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TDataBasis::InitFromDB");
    FName = record.Name;
    FHandle = record.Handle;
    FParent = record.Parent;
    FSystem = record.System;
    FPosId = record.Param1;
}

bool TDataBasis::Einfuegen(std::map<int, TDatenStruktur> &records) {
    LOG_FKT("TDataBasis::Einfuegen");
    for (const auto &[key, source] : records) {
        if (source.Typ != GetTyp())
            continue;
        TDatenStruktur copy = source;
        copy.Name = FName;
        copy.Handle = FHandle;
        copy.Parent = FParent;
        copy.System = FSystem;
        copy.Param1 = FPosId;
        copy.Next = 0;
        InitFromDB(copy);
        return true;
    }
    return false;
}

bool TDataBasis::Paste(TDatenManager<TDatenStruktur> *store, AnsiString &) {
    LOG_FKT("TDataBasis::Paste");
    if (!store)
        return false;
    for (const TDatenStruktur *r = store->GetFirst(); r; r = store->GetNext())
        if (r->Typ == GetTyp())
            return true;
    return false;
}

TDatenStruktur *TDataBasis::FetchDatensatz() {
    LOG_FKT("TDataBasis::FetchDatensatz");
    return AzMsg::Send(FWindow, AzMsg::GetDatenSatz{FSystem, FParent, FHandle});
}

bool TDataBasis::WriteDatensatz() {
    LOG_FKT("TDataBasis::WriteDatensatz");
    TDatenStruktur *record = FetchDatensatz();
    if (!record)
        return false;
    Write(*record);
    return true;
}

TDatenStruktur *TDataBasis::GetDatensatz(int system, int handle) {
    LOG_FKT("TDataBasis::GetDatensatz");
    return AzMsg::Send(FWindow, AzMsg::GetDatenSatzSystem{system, handle});
}

TDatenStruktur *TDataBasis::GetNewNebenDatensatz(TDatenStruktur &previous) {
    LOG_FKT("TDataBasis::GetNewNebenDatensatz");
    if (!FHandleTable)
        return nullptr;
    const int handle = FHandleTable->GetNewHandle();
    if (handle == 0)
        return nullptr;
    TDatenStruktur *record = AzMsg::Send(FWindow, AzMsg::GetDatenSatz{FSystem, FHandle, handle});
    if (!record)
        return nullptr;
    record->Handle = handle;
    record->Parent = FHandle;
    record->System = FSystem;
    record->Typ = TypNebenDatensatz;
    previous.Next = handle;
    return record;
}

void TDataBasis::DeleteNebenDatensaetze(TDatenStruktur &record) {
    LOG_FKT("TDataBasis::DeleteNebenDatensaetze");
    if (record.Next <= 0)
        return;
    AzMsg::Send(FWindow, AzMsg::DeleteNextDatenSatz{FSystem, FHandle, record.Next});
    record.Next = 0;
}

bool TDataBasis::ModifyObject(int value, int parameter, int base, bool confirm) {
    LOG_FKT("TDataBasis::ModifyObject");
    RDeviceRequest request(*this, RDeviceRequest::CodeEtsObjektHinzufuegen);
    request.Wert2 = parameter;
    request.Wert3 = value;
    request.Wert4 = base;
    request.Variante = confirm ? 1 : 0;
    return request.Send(AzMsg::DeviceRequest2::Id) != 0;
}

bool TDataBasis::DatenAbgleichDefaultName() {
    LOG_FKT("TDataBasis::DatenAbgleichDefaultName");
    // The request starts from the object's own name, so that an answer that gives no name
    // leaves it as it was.
    AnsiString name = FName;
    RDeviceRequest request(*this, RDeviceRequest::CodeDefaultName);
    request.Text = &name;
    if (request.Send(AzMsg::DeviceRequest2::Id) == 0)
        return false;
    SetName(name);
    return true;
}

TDatenStruktur *TDataBasis::NaechsterNebenDatensatz(TDatenStruktur &previous) {
    LOG_FKT("TDataBasis::NaechsterNebenDatensatz");
    if (previous.Next <= 0)
        return nullptr;
    TDatenStruktur *sub = GetDatensatz(FSystem, previous.Next);
    if (sub && sub->Typ == TypNebenDatensatz)
        return sub;
    previous.Next = 0;
    return nullptr;
}

void TDataBasis::BuildGridOhneZeilen(TDrawGridSE *grid, int col, int row) {
    LOG_FKT("TDataBasis::BuildGridOhneZeilen");
    if (!grid)
        return;
    grid->InitGrid(2);
    if (col >= 0 || row >= 0)
        AzMsg::Post(FWindow, AzMsg::ActivateCell{col, row});
}

int TDataBasis::HelpNumber(int rowId, int helpIndex) const {
    LOG_FKT("TDataBasis::HelpNumber");
    return helpIndex > 0 ? helpIndex : GetQuickHelpIndexOffset() + rowId;
}

int TDataBasis::BeginRow(TDrawGridSE *grid, int rowId, int helpIndex, bool newRow) {
    LOG_FKT("TDataBasis::BeginRow");
    const int row = newRow ? grid->AddRow() : grid->RowCount() - 1;
    const int help = HelpNumber(rowId, helpIndex);
    for (int col = 0; col < grid->ColCount(); ++col) {
        TCell &cell = grid->Cells(col, row);
        cell.Clear();
        cell.RowId = rowId;
        cell.HelpIndex = help;
        cell.Data = this;
    }
    return row;
}

int TDataBasis::AddRowCaption(TDrawGridSE *grid, int rowId, const AnsiString &caption,
                              const AnsiString &text, TCell::TEnumGroupTitleState state,
                              bool newRow) {
    LOG_FKT("TDataBasis::AddRowCaption");
    if (!grid)
        return -1;
    const int row = BeginRow(grid, rowId, 0, newRow);
    TCell &title = grid->Cells(0, row);
    title.Kind = TCell::ckGroupTitle;
    title.Text = caption;
    title.GroupState = state;
    TCell &value = grid->Cells(1, row);
    value.Kind = TCell::ckGroupTitle;
    value.Text = text;
    value.GroupState = state;
    return row;
}

namespace {
// A value row: the caption in column 0, a cell of that kind showing text in column 1, which
// the builder then completes.
TCell &WertZeile(TDrawGridSE *grid, int row, const AnsiString &caption, TCell::TEnumCellKind kind,
                 const AnsiString &text) {
    TCell &titel = grid->Cells(0, row);
    titel.Kind = TCell::ckCaption;
    titel.Text = caption;
    TCell &cell = grid->Cells(1, row);
    cell.Kind = kind;
    cell.Text = text;
    return cell;
}
} // namespace

int TDataBasis::AddRowEditFeld(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                               const AnsiString &value, int helpIndex, bool newRow, int maxLength) {
    LOG_FKT("TDataBasis::AddRowEditFeld");
    if (!grid)
        return -1;
    const int row = BeginRow(grid, rowId, helpIndex, newRow);
    WertZeile(grid, row, caption, TCell::ckEdit, value).MaxLength = maxLength;
    return row;
}

int TDataBasis::AddRowTextFeld(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                               const AnsiString &value, int helpIndex, bool newRow) {
    LOG_FKT("TDataBasis::AddRowTextFeld");
    if (!grid)
        return -1;
    const int row = BeginRow(grid, rowId, helpIndex, newRow);
    WertZeile(grid, row, caption, TCell::ckText, value);
    return row;
}

int TDataBasis::AddRowEllipse(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                              const AnsiString &value, int helpIndex, bool newRow) {
    LOG_FKT("TDataBasis::AddRowEllipse");
    if (!grid)
        return -1;
    const int row = BeginRow(grid, rowId, helpIndex, newRow);
    WertZeile(grid, row, caption, TCell::ckEllipse, value);
    return row;
}

int TDataBasis::AddRowSpinEdit(TDrawGridSE *grid, const AnsiString &caption, int rowId, int maximum,
                               int minimum, int step, int value, int helpIndex, bool newRow) {
    LOG_FKT("TDataBasis::AddRowSpinEdit");
    if (!grid)
        return -1;
    const int row = BeginRow(grid, rowId, helpIndex, newRow);
    TCell &cell = WertZeile(grid, row, caption, TCell::ckSpinEdit, std::to_string(value));
    cell.MaxValue = maximum;
    cell.MinValue = minimum;
    cell.Increment = step;
    cell.Value = value;
    return row;
}

int TDataBasis::AddRowComboBox(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                               const TStringList *items, int index, int helpIndex, bool newRow) {
    LOG_FKT("TDataBasis::AddRowComboBox");
    if (!grid)
        return -1;
    const int row = BeginRow(grid, rowId, helpIndex, newRow);
    TCell &cell = WertZeile(grid, row, caption, TCell::ckComboBox, "");
    cell.Style = csDropDownList;
    if (items)
        cell.Items.assign(items->begin(), items->end());
    if (index >= 0 && index < static_cast<int>(cell.Items.size())) {
        cell.ItemIndex = index;
        cell.Text = cell.Items[static_cast<size_t>(index)];
    }
    return row;
}

int TDataBasis::AddRowComboBox(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                               const std::list<TComboWert> &werte, int selectedValue, int helpIndex,
                               bool newRow) {
    LOG_FKT("TDataBasis::AddRowComboBox");
    if (!grid)
        return -1;
    const int row = BeginRow(grid, rowId, helpIndex, newRow);
    TCell &cell = WertZeile(grid, row, caption, TCell::ckComboBox, "");
    cell.Style = csDropDownList;
    cell.Werte = werte;
    for (const TComboWert &w : werte) {
        if (cell.ItemIndex < 0 && w.Wert == selectedValue) {
            cell.ItemIndex = static_cast<int>(cell.Items.size());
            cell.Text = w.Text;
        }
        cell.Items.push_back(w.Text);
    }
    return row;
}

int TDataBasis::AddRowComboBoxYes(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                                  T_DB_EnumDataBasis::TEnumBool value, int helpIndex, bool newRow) {
    LOG_FKT("TDataBasis::AddRowComboBoxYes");
    TStringList items;
    items.Add("Nein");
    items.Add("Ja");
    return AddRowComboBox(grid, caption, rowId, &items, value, helpIndex, newRow);
}

bool TDataBasis::ChangeGroupTitleState(TCell::TEnumGroupTitleState &state) {
    LOG_FKT("TDataBasis::ChangeGroupTitleState");
    switch (state) {
    case TCell::gtsCollapsed:
        state = TCell::gtsExpanded;
        return true;
    case TCell::gtsExpanded:
        state = TCell::gtsCollapsed;
        return true;
    case TCell::gtsCollapsedHot:
        state = TCell::gtsExpandedHot;
        return true;
    case TCell::gtsExpandedHot:
        state = TCell::gtsCollapsedHot;
        return true;
    default:
        return false;
    }
}
