#include "reconstruction/TRecoAzSystem.h"

#include "platform/log/Log.h"

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;

constexpr Datentyp kTyp = 105;
constexpr uint32_t kVarianten[] = {0,          0x11000000, 0x11000098, 0x11004498, 0x110044CC,
                                   0x11220000, 0x112200B8, 0x11224400, 0x11224488, 0x11224498,
                                   0x112244B8, 0x112244CC, 0x112244F8, 0x11330000, 0x113344CC};
constexpr uint32_t kTiefen[] = {80, 106, 160, 255};

const TFeld kVariante[] = {
    {.Adresse = 0xBE1A,
     .Art = TArt::DWord,
     .Param = &D::Param7,
     .Erlaubt = {.Liste = kVarianten},
     .StandardWert = 0x11330000,
     .Meldungen = {{{"", 11027}, {"", 11331}}}},
};
const TFeld kFelder[] = {
    {.Adresse = 0xBE31,
     .Art = TArt::Byte,
     .Param = &D::Param12,
     .Erlaubt = {.Liste = kTiefen},
     .StandardWert = 80,
     .Meldungen = {{{"Interner Parameter: Ereignisspeichertiefe"}, {"80"}}}},
    {.Adresse = 0xBE17, .Art = TArt::Bits, .ErstesBit = 0, .Bool = &D::Bool3},
    {.Adresse = 0xBE26,
     .Art = TArt::Byte,
     .Param = &D::Param9,
     .Erlaubt = {2, 255},
     .StandardWert = 5,
     .Meldungen = {{{"", 11054}, {"5"}}}},
    {.Adresse = 0xBE2F,
     .Art = TArt::Byte,
     .Param = &D::Param10,
     .Erlaubt = {2, 255},
     .StandardWert = 5,
     .Meldungen = {{{"", 11053}, {"5"}}}},
    {.Adresse = 0xBE30,
     .Art = TArt::Byte,
     .Param = &D::Param11,
     .Erlaubt = {2, 255},
     .StandardWert = 5,
     .Meldungen = {{{"", 11065}, {"5"}}}},
    {.Adresse = 0xBE19, .Art = TArt::Bits, .ErstesBit = 1, .Bool = &D::Bool4},
};
} // namespace

TRecoAzSystem::TRecoAzSystem(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                             TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                             uint32_t &variante)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, nullptr, 0, 0), FVariante(variante) {
    LOG_FKT("TRecoAzSystem::TRecoAzSystem");
}

TRecoAzSystem::~TRecoAzSystem() {
    LOG_FKT("TRecoAzSystem::~TRecoAzSystem");
}

bool TRecoAzSystem::RecoParameter() {
    LOG_FKT("TRecoAzSystem::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(0, kTyp, 0, false);
    if (!record)
        return false;
    record->System = record->Handle;
    if (!LeseFelder(kVariante, 0, *record))
        return false;
    FVariante = static_cast<uint32_t>(record->Param7);
    return LeseFelder(kFelder, 0, *record);
}
