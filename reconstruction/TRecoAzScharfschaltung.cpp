#include "reconstruction/TRecoAzScharfschaltung.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

#include <cstdio>

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;

constexpr Datentyp kTypOrdner = 6131; // arming area n: 6131 + n
constexpr Datentyp kTypScharfschaltung = 6136;
constexpr Datentyp kTypQuittierung = 6137;
constexpr int kTextSsb1 = 11316; // to 11319
constexpr int kTextScharfschaltung = 11320;
constexpr int kTextQuittierung = 11321;
constexpr uint32_t kTexte = 0xBE32;

const TBusObjekt kOrdnerObjekte[] = {{225, 0, 5, -1, 1599, 0, 1}, {226, 0, 6, -1, 1599, 0, 1}};

// By k = n - 1.
const TFeld kScharfschaltung[] = {
    {.Adresse = 0xBEA8, .Schritt = 1, .Param = &D::Param3},
    {.Adresse = 0xBE12, .Schritt = 1, .Param = &D::Param4},
    {.Adresse = 0xBE78, .Schritt = 8, .Art = TArt::Word, .Param = &D::Param5},
    {.Adresse = 0xBE7A, .Schritt = 8, .Art = TArt::Word, .Param = &D::Param6},
    {.Adresse = 0xBE7C, .Schritt = 8, .Art = TArt::Word, .Param = &D::Param7},
    {.Adresse = 0xBE7E, .Schritt = 8, .Art = TArt::Word, .Param = &D::Param8},
    {.Adresse = 0xBE98, .Schritt = 4, .Param = &D::Param10},
    {.Adresse = 0xBE99, .Schritt = 4, .Param = &D::Param11},
    {.Adresse = 0xBE9A, .Schritt = 4, .Param = &D::Param12},
    {.Adresse = 0xBE9B, .Schritt = 4, .Param = &D::Param13},
};
const TBusObjekt kScharfschaltungObjekte[] = {{162, 1, 1, 1, 1650, 100, 1},
                                              {166, 1, 2, 1, 1650, 100, 1}};

constexpr uint32_t kQ = 0xBE28; // 2 bytes per area
const TFeld kQuittierung[] = {
    {.Adresse = kQ, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 0, .Bool = &D::Bool4},
    {.Adresse = kQ, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 1, .Bool = &D::Bool5},
    {.Adresse = kQ, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 2, .Bool = &D::Bool6},
    {.Adresse = kQ, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 3, .Bool = &D::Bool7},
    {.Adresse = kQ, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 4, .Bool = &D::Bool3},
    // 0 to 3: the panel may hold 3, which is kept.
    {.Adresse = 0xBE74,
     .Schritt = 1,
     .Param = &D::Param3,
     .Erlaubt = {0, 3},
     .StandardWert = 0,
     .Meldungen = {{{"", 11058}, {"", 11278}}}},
};
const TBusObjekt kQuittierungObjekte[] = {
    {170, 1, 0, -1, 1660, 100, 1, true}, {174, 1, 0, -1, 1660, 100, 1, true},
    {178, 1, 0, -1, 1660, 100, 1, true}, {182, 1, 0, -1, 1660, 100, 1, true},
    {186, 1, 0, -1, 1660, 100, 1, true}, {194, 1, 0, -1, 1660, 100, 1, true},
};

bool Bereich14(int n) {
    LOG_FKT("Bereich14");
    return n >= 1 && n <= 4;
}
} // namespace

TRecoAzOrdnerScharfschaltung::TRecoAzOrdnerScharfschaltung(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    uint32_t variante)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, 1),
      FVariante(variante) {
    LOG_FKT("TRecoAzOrdnerScharfschaltung::TRecoAzOrdnerScharfschaltung");
}

TRecoAzOrdnerScharfschaltung::~TRecoAzOrdnerScharfschaltung() {
    LOG_FKT("TRecoAzOrdnerScharfschaltung::~TRecoAzOrdnerScharfschaltung");
}

bool TRecoAzOrdnerScharfschaltung::RecoParameter() {
    LOG_FKT("TRecoAzOrdnerScharfschaltung::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypOrdner, FParent);
    if (!record)
        return false;
    const int ordner = record->Handle;
    for (int n = 1; n <= 4; ++n)
        if (RecoBereichExistiert(FVariante, n) &&
            !Unterobjekt<TRecoAzScharfschaltBereich>(
                SprText(kTextSsb1 + n - 1), n, ordner,
                static_cast<T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich>(n)))
            return false;
    return BusObjekte(kOrdnerObjekte, 0, ordner);
}

TRecoAzScharfschaltBereich::TRecoAzScharfschaltBereich(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent, T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich bereich)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent),
      FBereich(bereich) {
    LOG_FKT("TRecoAzScharfschaltBereich::TRecoAzScharfschaltBereich");
}

TRecoAzScharfschaltBereich::~TRecoAzScharfschaltBereich() {
    LOG_FKT("TRecoAzScharfschaltBereich::~TRecoAzScharfschaltBereich");
}

bool TRecoAzScharfschaltBereich::BinToHexText(const unsigned char *bytes, unsigned long count,
                                              AnsiString &text, bool spaced) {
    LOG_FKT("TRecoAzScharfschaltBereich::BinToHexText");
    if (!bytes || count == 0)
        return false;
    AnsiString hex;
    hex.reserve(count * 3);
    for (unsigned long i = 0; i < count; ++i) {
        char ziffern[3];
        std::snprintf(ziffern, sizeof ziffern, "%.2X", bytes[i]);
        hex += ziffern;
        if (spaced)
            hex += ' ';
    }
    text = std::move(hex);
    return true;
}

bool TRecoAzScharfschaltBereich::RecoParameter() {
    LOG_FKT("TRecoAzScharfschaltBereich::RecoParameter");
    const int n = FBereich;
    if (!Bereich14(n))
        return false;
    TDatenStruktur *record = NeuerDatensatz(1, static_cast<Datentyp>(kTypOrdner + n), FParent);
    if (!record ||
        !LeseText(FDaten1, kTexte + kTextLaenge * static_cast<uint32_t>(n - 1), record->String4))
        return false;
    const int handle = record->Handle;
    return Unterobjekt<TRecoAzScharfschaltung>(RecoNummerName(SprText(kTextScharfschaltung), n), 1,
                                               handle, FBereich) &&
           Unterobjekt<TRecoAzScharfUnscharfQuittierung>(
               RecoNummerName(SprText(kTextQuittierung), n), 2, handle,
               static_cast<T_DB_EnumScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich>(n));
}

TRecoAzScharfschaltung::TRecoAzScharfschaltung(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent, T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich bereich)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent),
      FBereich(bereich) {
    LOG_FKT("TRecoAzScharfschaltung::TRecoAzScharfschaltung");
}

TRecoAzScharfschaltung::~TRecoAzScharfschaltung() {
    LOG_FKT("TRecoAzScharfschaltung::~TRecoAzScharfschaltung");
}

AnsiString TRecoAzScharfschaltung::ConvertPhysAddressIntoString(unsigned short adresse) {
    LOG_FKT("TRecoAzScharfschaltung::ConvertPhysAddressIntoString");
    if (adresse == 0)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%03d", adresse >> 12, (adresse >> 8) & 0x0F,
                  adresse & 0xFF);
    return text;
}

bool TRecoAzScharfschaltung::RecoParameter() {
    LOG_FKT("TRecoAzScharfschaltung::RecoParameter");
    const int n = FBereich;
    if (!Bereich14(n))
        return false;
    TDatenStruktur *record = NeuerDatensatz(1, kTypScharfschaltung, FParent);
    if (!record)
        return false;
    record->Param9 = n;
    const uint32_t k = static_cast<uint32_t>(n - 1);
    if (!LeseFelder(kScharfschaltung, k, *record))
        return false;
    record->String1 = ConvertPhysAddressIntoString(static_cast<unsigned short>(record->Param5));
    record->String2 = ConvertPhysAddressIntoString(static_cast<unsigned short>(record->Param6));
    record->String3 = ConvertPhysAddressIntoString(static_cast<unsigned short>(record->Param7));
    record->String4 = ConvertPhysAddressIntoString(static_cast<unsigned short>(record->Param8));
    return BusObjekte(kScharfschaltungObjekte, k, record->Handle);
}

TRecoAzScharfUnscharfQuittierung::TRecoAzScharfUnscharfQuittierung(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    int parent, T_DB_EnumScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich bereich)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent),
      FBereich(bereich) {
    LOG_FKT("TRecoAzScharfUnscharfQuittierung::TRecoAzScharfUnscharfQuittierung");
}

TRecoAzScharfUnscharfQuittierung::~TRecoAzScharfUnscharfQuittierung() {
    LOG_FKT("TRecoAzScharfUnscharfQuittierung::~TRecoAzScharfUnscharfQuittierung");
}

bool TRecoAzScharfUnscharfQuittierung::RecoParameter() {
    LOG_FKT("TRecoAzScharfUnscharfQuittierung::RecoParameter");
    const int n = FBereich;
    if (!Bereich14(n))
        return false;
    TDatenStruktur *record = NeuerDatensatz(1, kTypQuittierung, FParent);
    if (!record)
        return false;
    record->Param4 = n;
    const uint32_t k = static_cast<uint32_t>(n - 1);
    return LeseFelder(kQuittierung, k, *record) &&
           BusObjekte(kQuittierungObjekte, k, record->Handle);
}
