#include "reconstruction/TRecoAzSystemUeberwachung.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;
namespace E = T_DB_EnumAzVerhaltenDurchUeGR;

constexpr Datentyp kTypOrdner = 6144;
constexpr Datentyp kTypSicherheit = 6145;
constexpr Datentyp kTypVerhalten = 6146;

const TBusObjekt kOrdnerObjekte[] = {{203, 0, 4, -1, 7200, 0, 1}};

const TFeld kSicherheit[] = {
    {.Adresse = 0xBE22,
     .Param = &D::Param3,
     .Erlaubt = {2, 255},
     .StandardWert = 10,
     .Meldungen = {{{"", 11032}, {"10"}}}},
    {.Adresse = 0xBE21, .Param = &D::Param4, .Bool = &D::Bool4},
    {.Adresse = 0xBE19, .Art = TArt::Bits, .ErstesBit = 0, .Bool = &D::Bool3},
};
// Only while the monitoring interval (0xBE21) is not 0.
const TBusObjekt kUeberwachungObjekte[] = {{227, 0, -3, -1, 7150, 0, 1},
                                           {228, 0, -2, -1, 7150, 0, 1}};
const TBusObjekt kSicherheitObjekte[] = {{229, 0, -1, -1, 7100, 0, 1}};

// The behaviour byte U of each case, given to the rows as k.
constexpr uint32_t kU[2] = {0xBE73, 0xBE25};
const TFeld kVerhalten[] = {
    {.Adresse = 0, .Schritt = 1, .Art = TArt::Bits, .ErstesBit = 0, .Bool = &D::Bool3},
    {.Adresse = 0, .Schritt = 1, .Art = TArt::Bits, .ErstesBit = 1, .Bool = &D::Bool4},
    {.Adresse = 0, .Schritt = 1, .Art = TArt::Bits, .ErstesBit = 2, .Bool = &D::Bool5},
    {.Adresse = 0, .Schritt = 1, .Art = TArt::Bits, .ErstesBit = 3, .Bool = &D::Bool6},
};
} // namespace

TRecoAzOrdnerSystemUeberwachung::TRecoAzOrdnerSystemUeberwachung(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, 1) {
    LOG_FKT("TRecoAzOrdnerSystemUeberwachung::TRecoAzOrdnerSystemUeberwachung");
}

TRecoAzOrdnerSystemUeberwachung::~TRecoAzOrdnerSystemUeberwachung() {
    LOG_FKT("TRecoAzOrdnerSystemUeberwachung::~TRecoAzOrdnerSystemUeberwachung");
}

bool TRecoAzOrdnerSystemUeberwachung::RecoParameter() {
    LOG_FKT("TRecoAzOrdnerSystemUeberwachung::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypOrdner, FParent);
    if (!record)
        return false;
    const int ordner = record->Handle;
    return Unterobjekt<TRecoAzEibAlarmSystemSicherheit>(SprText(11301), 1, ordner) &&
           Unterobjekt<TRecoAzVerhaltenUegR>(SprText(11329), 2, ordner, E::eUeberfall) &&
           Unterobjekt<TRecoAzVerhaltenUegR>(SprText(11328), 3, ordner, E::eEinbruch) &&
           BusObjekte(kOrdnerObjekte, 0, ordner);
}

TRecoAzEibAlarmSystemSicherheit::TRecoAzEibAlarmSystemSicherheit(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent) {
    LOG_FKT("TRecoAzEibAlarmSystemSicherheit::TRecoAzEibAlarmSystemSicherheit");
}

TRecoAzEibAlarmSystemSicherheit::~TRecoAzEibAlarmSystemSicherheit() {
    LOG_FKT("TRecoAzEibAlarmSystemSicherheit::~TRecoAzEibAlarmSystemSicherheit");
}

bool TRecoAzEibAlarmSystemSicherheit::RecoParameter() {
    LOG_FKT("TRecoAzEibAlarmSystemSicherheit::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypSicherheit, FParent);
    if (!record || !LeseFelder(kSicherheit, 0, *record))
        return false;
    return (!record->Bool4 || BusObjekte(kUeberwachungObjekte, 0, record->Handle)) &&
           BusObjekte(kSicherheitObjekte, 0, record->Handle);
}

TRecoAzVerhaltenUegR::TRecoAzVerhaltenUegR(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                           TVumaDatenbank *datenbank, const AnsiString &name,
                                           TRecoErrors *errors, TRecoObjectManagement *objekte,
                                           int order, int parent,
                                           T_DB_EnumAzVerhaltenDurchUeGR::TEnumUeGBereich fall)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent), FFall(fall) {
    LOG_FKT("TRecoAzVerhaltenUegR::TRecoAzVerhaltenUegR");
}

TRecoAzVerhaltenUegR::~TRecoAzVerhaltenUegR() {
    LOG_FKT("TRecoAzVerhaltenUegR::~TRecoAzVerhaltenUegR");
}

bool TRecoAzVerhaltenUegR::RecoParameter() {
    LOG_FKT("TRecoAzVerhaltenUegR::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypVerhalten, FParent);
    if (!record)
        return false;
    record->Param3 = FFall;
    if (FFall != E::eUeberfall && FFall != E::eEinbruch)
        return false;
    return LeseFelder(kVerhalten, kU[FFall], *record);
}
