#include "reconstruction/TRecoAzAlarmierung.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;
namespace E = T_DB_EnumAzAlarmierung;

constexpr Datentyp kTypOrdner = 6139;
constexpr Datentyp kTypAlarmierung = 6138;
constexpr Datentyp kTypAlarmdauer = 6140;
constexpr Datentyp kTypEibObjekte = 6141;

// An alarm output type: its index k (byte A = 0xBEAD + 2k), name, order and bus objects.
struct TAusgang {
    E::TEnumAlarmierungTyp Typ;
    uint32_t K;
    int NameId;
    bool NameNummer; // "SSB" and the area's number
    int Order;
    std::span<const TBusObjekt> Objekte;
};
const TBusObjekt kFeuerObjekte[] = {{201, 0, 0, 1, 5100, 0, 1}, {230, 0, 0, 1, 5100, 0, 1}};
const TBusObjekt kUeberfallObjekte[] = {{202, 0, 0, 1, 5200, 0, 1}};
const TBusObjekt kSsbObjekte[] = {{190, 1, 0, 1, 5300, 100, 1}};
const TAusgang kAusgaenge[] = {
    {E::eFeuer, 4, 11295, false, 1, kFeuerObjekte},
    {E::eUeberfall, 5, 11296, false, 2, kUeberfallObjekte},
    {E::eSsb1, 0, 11297, true, 4, kSsbObjekte},
    {E::eSsb2, 1, 11297, true, 5, kSsbObjekte},
    {E::eSsb3, 2, 11297, true, 6, kSsbObjekte},
    {E::eSsb4, 3, 11297, true, 7, kSsbObjekte},
};
const TAusgang *Ausgang(E::TEnumAlarmierungTyp typ) {
    LOG_FKT("Ausgang");
    for (const TAusgang &a : kAusgaenge)
        if (a.Typ == typ)
            return &a;
    return nullptr;
}

constexpr uint32_t kA = 0xBEAD;
const TFeld kSignalgeber[] = {
    {.Adresse = kA, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 0, .Bool = &D::Bool3},
    {.Adresse = kA, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 1, .Bool = &D::Bool4},
    {.Adresse = kA, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 2, .Bool = &D::Bool5},
    {.Adresse = kA, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 3, .Bool = &D::Bool6},
};
// Read for the arming areas only.
const TFeld kUegEinbruch[] = {
    {.Adresse = kA, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 6, .Bool = &D::Bool8},
};

// 2 to 254 a time, 255 always on; 0 and 1 are no value of the panel.
const TFeld kAlarmdauer[] = {
    {.Adresse = 0xBE6E,
     .Param = &D::Param3,
     .Bool = &D::Bool3,
     .Schalter = TSchalter::Nicht255,
     .Erlaubt = {2, 255},
     .StandardWert = 255,
     .StandardBool = false,
     .Meldungen = {{{"", 11047}, {"", 11273}}}},
    {.Adresse = 0xBE6F,
     .Param = &D::Param4,
     .Bool = &D::Bool4,
     .Schalter = TSchalter::Nicht255,
     .Erlaubt = {2, 255},
     .StandardWert = 180,
     .StandardBool = true,
     .Meldungen = {{{"", 11045}, {"", 11274}}, {{"", 11046}, {"180"}}}},
    {.Adresse = 0xBE70,
     .Param = &D::Param5,
     .Bool = &D::Bool5,
     .Schalter = TSchalter::Nicht255,
     .Erlaubt = {2, 255},
     .StandardWert = 180,
     .StandardBool = true,
     .Meldungen = {{{"", 11049}, {"", 11274}}, {{"", 11050}, {"180"}}}},
    {.Adresse = 0xBE71,
     .Param = &D::Param6,
     .Bool = &D::Bool6,
     .Schalter = TSchalter::Nicht255,
     .Erlaubt = {2, 255},
     .StandardWert = 255,
     .StandardBool = false,
     .Meldungen = {{{"", 11051}, {"", 11273}}}},
};

const TBusObjekt kEibObjekte[] = {
    {198, 0, -6, -1, 5700, 0, 1}, {199, 0, -5, -1, 5700, 0, 1}, {200, 0, -4, -1, 5700, 0, 1},
    {204, 0, -3, -1, 5700, 0, 1}, {205, 0, -2, -1, 5700, 0, 1}, {206, 0, -1, -1, 5700, 0, 1},
};
} // namespace

TRecoAzOrdnerAlarmierung::TRecoAzOrdnerAlarmierung(TRecoDataManagament *daten1,
                                                   TRecoDataManagament *daten2,
                                                   TVumaDatenbank *datenbank,
                                                   const AnsiString &name, TRecoErrors *errors,
                                                   TRecoObjectManagement *objekte, int order,
                                                   uint32_t variante)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, 1),
      FVariante(variante) {
    LOG_FKT("TRecoAzOrdnerAlarmierung::TRecoAzOrdnerAlarmierung");
}

TRecoAzOrdnerAlarmierung::~TRecoAzOrdnerAlarmierung() {
    LOG_FKT("TRecoAzOrdnerAlarmierung::~TRecoAzOrdnerAlarmierung");
}

bool TRecoAzOrdnerAlarmierung::RecoParameter() {
    LOG_FKT("TRecoAzOrdnerAlarmierung::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypOrdner, FParent);
    if (!record)
        return false;
    const int ordner = record->Handle;
    for (const TAusgang &a : kAusgaenge) {
        const int bereich = a.NameNummer ? static_cast<int>(a.K) + 1 : 0;
        if (a.NameNummer && !RecoBereichExistiert(FVariante, bereich))
            continue;
        const AnsiString name =
            a.NameNummer ? RecoNummerName(SprText(a.NameId), bereich) : SprText(a.NameId);
        if (!Unterobjekt<TRecoAzAlarmierung>(name, a.Order, ordner, a.Typ))
            return false;
    }
    return Unterobjekt<TRecoAzAlarmdauerSignalgeber>(SprText(11293), 8, ordner) &&
           Unterobjekt<TRecoAzEibObjekteZurAlarmierung>(SprText(11302), 9, ordner);
}

TRecoAzAlarmierung::TRecoAzAlarmierung(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                       TVumaDatenbank *datenbank, const AnsiString &name,
                                       TRecoErrors *errors, TRecoObjectManagement *objekte,
                                       int order, int parent,
                                       T_DB_EnumAzAlarmierung::TEnumAlarmierungTyp typ)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent), FTyp(typ) {
    LOG_FKT("TRecoAzAlarmierung::TRecoAzAlarmierung");
}

TRecoAzAlarmierung::~TRecoAzAlarmierung() {
    LOG_FKT("TRecoAzAlarmierung::~TRecoAzAlarmierung");
}

bool TRecoAzAlarmierung::RecoParameter() {
    LOG_FKT("TRecoAzAlarmierung::RecoParameter");
    // Type 2 and anything outside 0 to 6 have no output.
    const TAusgang *a = Ausgang(FTyp);
    if (!a)
        return false;
    TDatenStruktur *record = NeuerDatensatz(1, kTypAlarmierung, FParent);
    if (!record)
        return false;
    record->Param3 = FTyp;
    if (!LeseFelder(kSignalgeber, a->K, *record) ||
        (a->NameNummer && !LeseFelder(kUegEinbruch, a->K, *record)))
        return false;
    record->Bool9 = FTyp == E::eFeuer;
    record->Bool10 = FTyp == E::eUeberfall;
    return BusObjekte(a->Objekte, a->K, record->Handle);
}

TRecoAzAlarmdauerSignalgeber::TRecoAzAlarmdauerSignalgeber(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent) {
    LOG_FKT("TRecoAzAlarmdauerSignalgeber::TRecoAzAlarmdauerSignalgeber");
}

TRecoAzAlarmdauerSignalgeber::~TRecoAzAlarmdauerSignalgeber() {
    LOG_FKT("TRecoAzAlarmdauerSignalgeber::~TRecoAzAlarmdauerSignalgeber");
}

bool TRecoAzAlarmdauerSignalgeber::RecoParameter() {
    LOG_FKT("TRecoAzAlarmdauerSignalgeber::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypAlarmdauer, FParent);
    return record && LeseFelder(kAlarmdauer, 0, *record);
}

TRecoAzEibObjekteZurAlarmierung::TRecoAzEibObjekteZurAlarmierung(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent) {
    LOG_FKT("TRecoAzEibObjekteZurAlarmierung::TRecoAzEibObjekteZurAlarmierung");
}

TRecoAzEibObjekteZurAlarmierung::~TRecoAzEibObjekteZurAlarmierung() {
    LOG_FKT("TRecoAzEibObjekteZurAlarmierung::~TRecoAzEibObjekteZurAlarmierung");
}

bool TRecoAzEibObjekteZurAlarmierung::RecoParameter() {
    LOG_FKT("TRecoAzEibObjekteZurAlarmierung::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypEibObjekte, FParent);
    return record && BusObjekte(kEibObjekte, 0, record->Handle);
}
