#include "objectmodel/TAzSicherungsBereich.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

#include <string>

namespace {
// "SB 1" .. "SB 4".
constexpr TAzSicherungsBereichNummer SicherungsBereichNummern[4] = {
    {1, 11266}, {2, 11267}, {3, 11268}, {4, 11269}};
} // namespace

TAzSicherungsBereich::TAzSicherungsBereich(HWND window, int system, int parent, AnsiString name,
                                           int handle, const TAzSicherungsBereichNummer &nummer)
    : TAzBasis(window, system, parent, std::move(name), handle), FNummer(nummer) {
    LOG_FKT("TAzSicherungsBereich::TAzSicherungsBereich");
    SetDefaultName(SprText(11082) + " " + std::to_string(nummer.Nummer));
}

TAzSicherungsBereich::~TAzSicherungsBereich() {
    LOG_FKT("TAzSicherungsBereich::~TAzSicherungsBereich");
}

const TAzFelder<TAzSicherungsBereich> &TAzSicherungsBereich::Felder() {
    LOG_FKT("TAzSicherungsBereich::Felder");
    static const TAzFelder<TAzSicherungsBereich> felder{
        {&TAzSicherungsBereich::FBezeichnung, &TDatenStruktur::String4},
    };
    return felder;
}

void TAzSicherungsBereich::SetDefaultName(const AnsiString &name) {
    LOG_FKT("TAzSicherungsBereich::SetDefaultName");
    FBezeichnung = name;
}

AnsiString TAzSicherungsBereich::GetName(bool) const {
    LOG_FKT("TAzSicherungsBereich::GetName");
    return FBezeichnung + " (" + SprText(FNummer.KurzTextId) + ")";
}

void TAzSicherungsBereich::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzSicherungsBereich::InitFromDB");
    TAzBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzSicherungsBereich::Write(TDatenStruktur &record) {
    LOG_FKT("TAzSicherungsBereich::Write");
    TAzBasis::Write(record);
    Felder().Write(*this, record);
}

void TAzSicherungsBereich::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzSicherungsBereich::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    // After the preparation, which clears the Tag.
    if (GetFlagA())
        grid->Tag = -1;
    AddRowEditFeld(grid, SprText(11025), RowBezeichnung, FBezeichnung, 0, false, 0);
    AzFinishGrid(*this, col, row);
}

void TAzSicherungsBereich::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col,
                                        int row) {
    LOG_FKT("TAzSicherungsBereich::GridExitCell");
    if (!grid || !editor)
        return;
    TAzEpilog e;
    if (editor == grid->EditField() && cell.RowId == RowBezeichnung &&
        AzTakeValue(FBezeichnung, grid->EditField()->Text))
        e.Write = e.Post1163 = e.Post1138 = true;
    e.Run(*this, col, row);
}

TAzSicherungsBereich1::TAzSicherungsBereich1(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[0]) {
    LOG_FKT("TAzSicherungsBereich1::TAzSicherungsBereich1");
}

TAzSicherungsBereich1::~TAzSicherungsBereich1() {
    LOG_FKT("TAzSicherungsBereich1::~TAzSicherungsBereich1");
}

TAzSicherungsBereich2::TAzSicherungsBereich2(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[1]) {
    LOG_FKT("TAzSicherungsBereich2::TAzSicherungsBereich2");
}

TAzSicherungsBereich2::~TAzSicherungsBereich2() {
    LOG_FKT("TAzSicherungsBereich2::~TAzSicherungsBereich2");
}

TAzSicherungsBereich3::TAzSicherungsBereich3(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[2]) {
    LOG_FKT("TAzSicherungsBereich3::TAzSicherungsBereich3");
}

TAzSicherungsBereich3::~TAzSicherungsBereich3() {
    LOG_FKT("TAzSicherungsBereich3::~TAzSicherungsBereich3");
}

TAzSicherungsBereich4::TAzSicherungsBereich4(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[3]) {
    LOG_FKT("TAzSicherungsBereich4::TAzSicherungsBereich4");
}

TAzSicherungsBereich4::~TAzSicherungsBereich4() {
    LOG_FKT("TAzSicherungsBereich4::~TAzSicherungsBereich4");
}
