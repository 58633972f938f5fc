#include "reconstruction/TRecoAzAnzeige.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;

constexpr Datentyp kTypOrdner = 6142;
constexpr Datentyp kTypAnzeige = 6143;
constexpr int kTextAnzeige = 11298;

const TFeld kOrdner[] = {{.Adresse = 0xBE23, .Param = &D::Param3}};
// By the display index m.
const TFeld kAnzeige[] = {
    {.Adresse = 0xBE6A, .Schritt = 1, .Param = &D::Param3, .Bool = &D::Bool3}};
const TBusObjekt kAnzeigeObjekte[] = {
    {207, 3, 0, -1, 6100, 100, 1, true},
    {208, 3, 0, -1, 6100, 100, 1, true},
    {209, 3, 0, -1, 6100, 100, 1, true},
    {219, 1, 0, -1, 6100, 100, 1, true},
};
// Displays 3 and 4 follow the number of security areas.
constexpr int kMindestBereiche[4] = {0, 0, 1, 2};
} // namespace

TRecoAzOrdnerAnzeige::TRecoAzOrdnerAnzeige(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                           TVumaDatenbank *datenbank, const AnsiString &name,
                                           TRecoErrors *errors, TRecoObjectManagement *objekte,
                                           int order, uint32_t variante)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, 1),
      FVariante(variante) {
    LOG_FKT("TRecoAzOrdnerAnzeige::TRecoAzOrdnerAnzeige");
}

TRecoAzOrdnerAnzeige::~TRecoAzOrdnerAnzeige() {
    LOG_FKT("TRecoAzOrdnerAnzeige::~TRecoAzOrdnerAnzeige");
}

bool TRecoAzOrdnerAnzeige::RecoParameter() {
    LOG_FKT("TRecoAzOrdnerAnzeige::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTypOrdner, FParent);
    if (!record || !LeseFelder(kOrdner, 0, *record))
        return false;
    const int ordner = record->Handle;
    const int bereiche = RecoBereichAnzahl(FVariante);
    for (int m = 0; m < 4; ++m)
        if (bereiche >= kMindestBereiche[m] &&
            !Unterobjekt<TRecoAzAnzeige>(RecoNummerName(SprText(kTextAnzeige), m + 1), m + 1,
                                         ordner,
                                         static_cast<T_DB_EnumAzAnzeige::TEnumAnzeigeNr>(m)))
            return false;
    return true;
}

TRecoAzAnzeige::TRecoAzAnzeige(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                               TVumaDatenbank *datenbank, const AnsiString &name,
                               TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                               int parent, T_DB_EnumAzAnzeige::TEnumAnzeigeNr anzeige)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent),
      FAnzeige(anzeige) {
    LOG_FKT("TRecoAzAnzeige::TRecoAzAnzeige");
}

TRecoAzAnzeige::~TRecoAzAnzeige() {
    LOG_FKT("TRecoAzAnzeige::~TRecoAzAnzeige");
}

bool TRecoAzAnzeige::RecoParameter() {
    LOG_FKT("TRecoAzAnzeige::RecoParameter");
    if (FAnzeige < T_DB_EnumAzAnzeige::eAnzeige1 || FAnzeige > T_DB_EnumAzAnzeige::eAnzeige4)
        return false;
    TDatenStruktur *record = NeuerDatensatz(1, kTypAnzeige, FParent);
    if (!record)
        return false;
    const auto m = static_cast<uint32_t>(FAnzeige);
    record->Param4 = FAnzeige;
    record->String2 = FName;
    if (!LeseFelder(kAnzeige, m, *record))
        return false;
    return !record->Bool3 || BusObjekte(kAnzeigeObjekte, m, record->Handle);
}
