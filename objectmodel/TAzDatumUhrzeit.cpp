#include "objectmodel/TAzDatumUhrzeit.h"

#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

using T = TAzDatumUhrzeit;

TAzDatumUhrzeit::TAzDatumUhrzeit(HWND window, int system, int parent, AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzDatumUhrzeit::TAzDatumUhrzeit");
}

TAzDatumUhrzeit::~TAzDatumUhrzeit() {
    LOG_FKT("TAzDatumUhrzeit::~TAzDatumUhrzeit");
}

const TAzFelder<T> &TAzDatumUhrzeit::Felder() {
    LOG_FKT("TAzDatumUhrzeit::Felder");
    // A change of the system-clock choice rebuilds the view.
    static const TAzFelder<T> felder{
        {&T::FSystemUhr,
         &TDatenStruktur::Bool3,
         10050,
         {RowSystemUhr, 11059, /*Anfrage*/ 0, /*Post1126*/ true}},
        {&T::FAutoUmschaltung, &TDatenStruktur::Bool4, 10020},
        {&T::FSommerWinter, &TDatenStruktur::Param3, 10030},
        {&T::FWinterSommer, &TDatenStruktur::Param4, 10040},
    };
    return felder;
}

void TAzDatumUhrzeit::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzDatumUhrzeit::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzDatumUhrzeit::Write(TDatenStruktur &record) {
    LOG_FKT("TAzDatumUhrzeit::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzDatumUhrzeit::WriteDataToDb() {
    LOG_FKT("TAzDatumUhrzeit::WriteDataToDb");
    return AzWriteDeviceParams(GetWindowHandle(), Felder().DeviceParams(*this));
}

bool TAzDatumUhrzeit::GetStatusSystemUhrVorhanden() const {
    LOG_FKT("TAzDatumUhrzeit::GetStatusSystemUhrVorhanden");
    return FSystemUhr;
}

void TAzDatumUhrzeit::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzDatumUhrzeit::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    Felder().AddJaNeinZeile(*this, grid, RowSystemUhr, false);
    AzFinishGrid(*this, col, row);
}

void TAzDatumUhrzeit::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzDatumUhrzeit::GridComboBoxChange");
    Felder().GridComboBoxChange(*this, sender, cell, col, row);
}
