#include "objectmodel/TAzOrdnerAnzeige.h"

#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

TAzOrdnerAnzeige::TAzOrdnerAnzeige(HWND window, int system, int parent, AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzOrdnerAnzeige::TAzOrdnerAnzeige");
}

TAzOrdnerAnzeige::~TAzOrdnerAnzeige() {
    LOG_FKT("TAzOrdnerAnzeige::~TAzOrdnerAnzeige");
}

const TAzFelder<TAzOrdnerAnzeige> &TAzOrdnerAnzeige::Felder() {
    LOG_FKT("TAzOrdnerAnzeige::Felder");
    static const TAzFelder<TAzOrdnerAnzeige> felder{
        {&TAzOrdnerAnzeige::FGesamt, &TDatenStruktur::Param3, 10100},
    };
    return felder;
}

void TAzOrdnerAnzeige::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzOrdnerAnzeige::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzOrdnerAnzeige::Write(TDatenStruktur &record) {
    LOG_FKT("TAzOrdnerAnzeige::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzOrdnerAnzeige::WriteDataToDb() {
    LOG_FKT("TAzOrdnerAnzeige::WriteDataToDb");
    return AzWriteDeviceParams(GetWindowHandle(), Felder().DeviceParams(*this));
}

void TAzOrdnerAnzeige::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzOrdnerAnzeige::BuildInfoWindow");
    if (grid)
        AzBuildGridOhneZeilen(*grid, *this, col, row);
}

void TAzOrdnerAnzeige::ModifyQuittierungMelder(int mask, T_DB_EnumAzAnzeige::TEnumAnzeigeNr nr) {
    LOG_FKT("TAzOrdnerAnzeige::ModifyQuittierungMelder");
    if (nr < AnzahlAnzeigen)
        FMasken[nr] = mask;
    FGesamt = 0;
    for (int32_t m : FMasken)
        FGesamt |= m;
    WriteDatensatz();
}
