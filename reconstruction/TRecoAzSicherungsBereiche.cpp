#include "reconstruction/TRecoAzSicherungsBereiche.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;

constexpr Datentyp kTypFeuer = 6123;
constexpr Datentyp kTypUeberfall = 6125;
constexpr Datentyp kTypSabotage = 6126; // also the base of the security areas' types
constexpr int kTextSicherungsBereich = 11082;

// The tamper input's word: first byte 0xBFFB, second 0xBFFC.
const TFeld kSabotage[] = {
    {.Adresse = 0xBE17,
     .Art = TArt::Bits,
     .ErstesBit = 6,
     .Anzahl = 2,
     .Param = &D::Param3,
     .Erlaubt = {0, 2},
     .StandardWert = 0,
     .Meldungen = {{{"", 11044}, {"", 11279}}}},
    {.Adresse = 0xBFFC,
     .Art = TArt::Bits,
     .ErstesBit = 0,
     .Anzahl = 3,
     .Param = &D::Param4,
     .Erlaubt = {0, 5},
     .StandardWert = 1,
     .Meldungen = {{{"", 11034}, {"", 11217}}}},
    {.Adresse = 0xBFFC, .Art = TArt::Bits, .ErstesBit = 3, .Anzahl = 3, .Param = &D::Param5},
    // The text index the panel keeps in the word: kept, not thrown away.
    {.Adresse = 0xBFFB, .Art = TArt::TextIndex, .Param = &D::Param6},
    {.Adresse = 0xBFFB,
     .Art = TArt::Bits,
     .ErstesBit = 5,
     .Anzahl = 2,
     .Param = &D::Param7,
     .Erlaubt = {0, 2},
     .StandardWert = 0,
     .Meldungen = {{{"Interne Parameter: ", 11037}, {"", 11227}}}},
    {.Adresse = 0xBFFB, .Art = TArt::Bits, .ErstesBit = 7, .Bool = &D::Bool3},
};
const TBusObjekt kSabotageObjekte[] = {{160, 0, 0, 1, 1592, 0, 1}};
} // namespace

TRecoAzBereich::TRecoAzBereich(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                               TVumaDatenbank *datenbank, const AnsiString &name,
                               TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                               int parent, Datentyp typ, int &handle)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent), FTyp(typ),
      FHandle(handle) {
    LOG_FKT("TRecoAzBereich::TRecoAzBereich");
}

TRecoAzBereich::~TRecoAzBereich() {
    LOG_FKT("TRecoAzBereich::~TRecoAzBereich");
}

TDatenStruktur *TRecoAzBereich::MacheBereich() {
    LOG_FKT("TRecoAzBereich::MacheBereich");
    TDatenStruktur *record = NeuerDatensatz(1, FTyp, FParent);
    if (record)
        FHandle = record->Handle;
    return record;
}

bool TRecoAzBereich::RecoParameter() {
    LOG_FKT("TRecoAzBereich::RecoParameter");
    return MacheBereich() != nullptr;
}

TRecoAzSicherungsBereichFeuer::TRecoAzSicherungsBereichFeuer(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent, int &handle)
    : TRecoAzBereich(daten1, daten2, datenbank, name, errors, objekte, order, parent, kTypFeuer,
                     handle) {
    LOG_FKT("TRecoAzSicherungsBereichFeuer::TRecoAzSicherungsBereichFeuer");
}

TRecoAzSicherungsBereichFeuer::~TRecoAzSicherungsBereichFeuer() {
    LOG_FKT("TRecoAzSicherungsBereichFeuer::~TRecoAzSicherungsBereichFeuer");
}

TRecoAzSicherungsBereichUeberfall::TRecoAzSicherungsBereichUeberfall(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent, int &handle)
    : TRecoAzBereich(daten1, daten2, datenbank, name, errors, objekte, order, parent, kTypUeberfall,
                     handle) {
    LOG_FKT("TRecoAzSicherungsBereichUeberfall::TRecoAzSicherungsBereichUeberfall");
}

TRecoAzSicherungsBereichUeberfall::~TRecoAzSicherungsBereichUeberfall() {
    LOG_FKT("TRecoAzSicherungsBereichUeberfall::~TRecoAzSicherungsBereichUeberfall");
}

TRecoAzSicherungsBereich::TRecoAzSicherungsBereich(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent, T_DB_EnumAzMelder::TEnumSicherungsBereich bereich, int &handle)
    : TRecoAzBereich(daten1, daten2, datenbank, name, errors, objekte, order, parent,
                     static_cast<Datentyp>(kTypSabotage + bereich), handle),
      FBereich(bereich) {
    LOG_FKT("TRecoAzSicherungsBereich::TRecoAzSicherungsBereich");
}

TRecoAzSicherungsBereich::~TRecoAzSicherungsBereich() {
    LOG_FKT("TRecoAzSicherungsBereich::~TRecoAzSicherungsBereich");
}

bool TRecoAzSicherungsBereich::RecoParameter() {
    LOG_FKT("TRecoAzSicherungsBereich::RecoParameter");
    if (FBereich < T_DB_EnumAzMelder::eSb1 || FBereich > T_DB_EnumAzMelder::eSb4)
        return false;
    TDatenStruktur *record = MacheBereich();
    if (!record)
        return false;
    record->String4 = RecoNummerName(SprText(kTextSicherungsBereich), FBereich);
    return true;
}

TRecoAzSabotageKontakt::TRecoAzSabotageKontakt(TRecoDataManagament *daten1,
                                               TRecoDataManagament *daten2,
                                               TVumaDatenbank *datenbank, const AnsiString &name,
                                               TRecoErrors *errors, TRecoObjectManagement *objekte,
                                               int order, int parent)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent) {
    LOG_FKT("TRecoAzSabotageKontakt::TRecoAzSabotageKontakt");
}

TRecoAzSabotageKontakt::~TRecoAzSabotageKontakt() {
    LOG_FKT("TRecoAzSabotageKontakt::~TRecoAzSabotageKontakt");
}

bool TRecoAzSabotageKontakt::RecoParameter() {
    LOG_FKT("TRecoAzSabotageKontakt::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypSabotage, FParent);
    return record && LeseFelder(kSabotage, 0, *record) &&
           BusObjekte(kSabotageObjekte, 0, record->Handle);
}
