#include "objectmodel/TAzVerhaltenDurchUegR.h"

#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

using T = TAzVerhaltenDurchUegR;

TAzVerhaltenDurchUegR::TAzVerhaltenDurchUegR(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzVerhaltenDurchUegR::TAzVerhaltenDurchUegR");
}

TAzVerhaltenDurchUegR::~TAzVerhaltenDurchUegR() {
    LOG_FKT("TAzVerhaltenDurchUegR::~TAzVerhaltenDurchUegR");
}

const TAzFelder<T> &TAzVerhaltenDurchUegR::Felder() {
    LOG_FKT("TAzVerhaltenDurchUegR::Felder");
    // The places of the case's ids are the order of the parameters.
    static const TAzFelder<T> felder{
        {&T::FBlitz, &TDatenStruktur::Bool3, TAzSlot{0}, {RowBlitz, 11067}},
        {&T::FAussenSirene, &TDatenStruktur::Bool4, TAzSlot{1}, {RowAussenSirene, 11066}},
        {&T::FInnenSirene, &TDatenStruktur::Bool5, TAzSlot{2}, {RowInnenSirene, 11068}},
        {&T::FRelais, &TDatenStruktur::Bool6, TAzSlot{3}, {RowRelais, 11069}},
        {&T::FBereich, &TDatenStruktur::Param3},
    };
    return felder;
}

void TAzVerhaltenDurchUegR::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzVerhaltenDurchUegR::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzVerhaltenDurchUegR::Write(TDatenStruktur &record) {
    LOG_FKT("TAzVerhaltenDurchUegR::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzVerhaltenDurchUegR::WriteDataToDb() {
    LOG_FKT("TAzVerhaltenDurchUegR::WriteDataToDb");
    return Felder().WriteDataToDb(*this, FIds, FBereich);
}

bool TAzVerhaltenDurchUegR::SetUeGRBereich(TEnumUeGBereich bereich) {
    LOG_FKT("TAzVerhaltenDurchUegR::SetUeGRBereich");
    switch (bereich) {
    case T_DB_EnumAzVerhaltenDurchUeGR::eUeberfall:
        FIds.Setze(bereich, {20010, 20020, 20030, 20040});
        break;
    case T_DB_EnumAzVerhaltenDurchUeGR::eEinbruch:
        FIds.Setze(bereich, {13900, 13800, 13700, 13600});
        break;
    default:
        return false;
    }
    FBereich = bereich;
    return true;
}

bool TAzVerhaltenDurchUegR::InitUeGRBereich() {
    LOG_FKT("TAzVerhaltenDurchUegR::InitUeGRBereich");
    return SetUeGRBereich(FBereich);
}

void TAzVerhaltenDurchUegR::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col,
                                            int row) {
    LOG_FKT("TAzVerhaltenDurchUegR::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    bool neueZeile = false;
    for (const int zeile : {RowBlitz, RowAussenSirene, RowInnenSirene, RowRelais}) {
        Felder().AddJaNeinZeile(*this, grid, zeile, neueZeile);
        neueZeile = true;
    }
    AzFinishGrid(*this, col, row);
}

void TAzVerhaltenDurchUegR::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzVerhaltenDurchUegR::GridComboBoxChange");
    Felder().GridComboBoxChange(*this, sender, cell, col, row);
}
