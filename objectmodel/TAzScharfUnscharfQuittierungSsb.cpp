#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

using T = TAzScharfUnscharfQuittierungSsb;

TAzScharfUnscharfQuittierungSsb::TAzScharfUnscharfQuittierungSsb(HWND window, int system,
                                                                 int parent, AnsiString name,
                                                                 int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::TAzScharfUnscharfQuittierungSsb");
}

TAzScharfUnscharfQuittierungSsb::~TAzScharfUnscharfQuittierungSsb() {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::~TAzScharfUnscharfQuittierungSsb");
}

const TAzFelder<T> &TAzScharfUnscharfQuittierungSsb::Felder() {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::Felder");
    // The places of the selector's ids are the order of the parameters.
    static const TAzFelder<T> felder{
        {&T::FSignUegScharf,
         &TDatenStruktur::Bool3,
         TAzSlot{0},
         {RowSignUegScharf, 11043, AzRequest::UegScharfSetzen}},
        {&T::FQuittierungBlitz, &TDatenStruktur::Bool4, TAzSlot{1}, {RowBlitz, 11040}},
        {&T::FQuittierungAussenSirene,
         &TDatenStruktur::Bool5,
         TAzSlot{2},
         {RowAussenSirene, 11039}},
        {&T::FQuittierungInnenSirene, &TDatenStruktur::Bool6, TAzSlot{3}, {RowInnenSirene, 11041}},
        {&T::FQuittierungRelais, &TDatenStruktur::Bool7, TAzSlot{4}, {RowRelais, 11042}},
        {&T::FSperrelement, &TDatenStruktur::Param3, TAzSlot{5}},
        {&T::FBereich, &TDatenStruktur::Param4},
    };
    return felder;
}

void TAzScharfUnscharfQuittierungSsb::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzScharfUnscharfQuittierungSsb::Write(TDatenStruktur &record) {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzScharfUnscharfQuittierungSsb::WriteDataToDb() {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::WriteDataToDb");
    return Felder().WriteDataToDb(*this, FIds, FBereich);
}

void TAzScharfUnscharfQuittierungSsb::SetScharfschaltBereich(TEnumScharfschaltBereich n) {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::SetScharfschaltBereich");
    FBereich = n;
    if (n < 1 || n > 4)
        return;
    const auto id = [n](int basis, int offset) {
        return static_cast<int16_t>(basis + 100 * n + offset);
    };
    FIds.Setze(n, {id(13000, 50), id(13000, 10), id(13000, 20), id(13000, 30), id(13000, 40),
                   id(23000, 10)});
}

T::TEnumScharfschaltBereich TAzScharfUnscharfQuittierungSsb::GetScharfschaltBereich() const {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::GetScharfschaltBereich");
    return FBereich;
}

void TAzScharfUnscharfQuittierungSsb::InitScharfUnscharfQuittierungSsb() {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::InitScharfUnscharfQuittierungSsb");
    SetScharfschaltBereich(FBereich);
}

bool TAzScharfUnscharfQuittierungSsb::GetStatusSignUegScharf() const {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::GetStatusSignUegScharf");
    return FSignUegScharf;
}

AnsiString TAzScharfUnscharfQuittierungSsb::GetStrUegScharfUsedFrom() {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::GetStrUegScharfUsedFrom");
    return AnfrageText(AzRequest::UegScharfText);
}

void TAzScharfUnscharfQuittierungSsb::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col,
                                                      int row) {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    Felder().AddJaNeinZeile(*this, grid, RowSignUegScharf, false);
    AddRowTextFeld(grid, SprText(11062), RowUegScharfUsedFrom, GetStrUegScharfUsedFrom(), 0, true);
    for (const int zeile : {RowBlitz, RowAussenSirene, RowInnenSirene, RowRelais})
        Felder().AddJaNeinZeile(*this, grid, zeile, true);
    const std::list<TComboWert> sperrelement{
        {SprText(11276), SperrelementStatisch, -1, -1, -1},
        {SprText(11275), SperrelementImpuls, -1, -1, -1},
        {SprText(11278), SperrelementNein, -1, -1, -1},
    };
    AddRowComboBox(grid, SprText(11058), RowSperrelement, sperrelement, FSperrelement, 0, true);
    AzFinishGrid(*this, col, row);
}

void TAzScharfUnscharfQuittierungSsb::GridComboBoxChange(TObject *sender, TCell &cell, int col,
                                                         int row) {
    LOG_FKT("TAzScharfUnscharfQuittierungSsb::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    if (!combo)
        return;
    TAzEpilog e;
    int wert = 0;
    if (!Felder().ComboBoxChange(*this, cell.RowId, *combo, e, FBereich) &&
        cell.RowId == RowSperrelement && combo->ItemValue(wert) && AzTakeValue(FSperrelement, wert))
        e.Write = e.Post1163 = true;
    e.Run(*this, col, row);
}
