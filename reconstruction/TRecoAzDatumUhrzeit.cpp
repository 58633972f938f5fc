#include "reconstruction/TRecoAzDatumUhrzeit.h"

#include "platform/log/Log.h"

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;

constexpr Datentyp kTyp = 6147;

// A month outside 1 to 12 gets its default without a report.
const TFeld kFelder[] = {
    {.Adresse = 0xBE17, .Art = TArt::Bits, .ErstesBit = 5, .Bool = &D::Bool3},
    {.Adresse = 0xBE19, .Art = TArt::Bits, .ErstesBit = 2, .Bool = &D::Bool4},
    {.Adresse = 0xBE16,
     .Art = TArt::Bits,
     .ErstesBit = 0,
     .Anzahl = 4,
     .Param = &D::Param3,
     .Erlaubt = {1, 12},
     .StandardWert = 10},
    {.Adresse = 0xBE16,
     .Art = TArt::Bits,
     .ErstesBit = 4,
     .Anzahl = 4,
     .Param = &D::Param4,
     .Erlaubt = {1, 12},
     .StandardWert = 3},
};
const TBusObjekt kObjekte[] = {{223, 0, -2, -1, 8000, 0, 1}, {224, 0, -1, -1, 8000, 0, 1}};
} // namespace

TRecoAzDatumUhrzeit::TRecoAzDatumUhrzeit(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                         TVumaDatenbank *datenbank, const AnsiString &name,
                                         TRecoErrors *errors, TRecoObjectManagement *objekte,
                                         int order)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, 1) {
    LOG_FKT("TRecoAzDatumUhrzeit::TRecoAzDatumUhrzeit");
}

TRecoAzDatumUhrzeit::~TRecoAzDatumUhrzeit() {
    LOG_FKT("TRecoAzDatumUhrzeit::~TRecoAzDatumUhrzeit");
}

bool TRecoAzDatumUhrzeit::RecoParameter() {
    LOG_FKT("TRecoAzDatumUhrzeit::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTyp, FParent);
    return record && LeseFelder(kFelder, 0, *record) && BusObjekte(kObjekte, 0, record->Handle);
}
