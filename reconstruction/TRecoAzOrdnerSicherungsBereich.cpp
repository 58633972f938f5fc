#include "reconstruction/TRecoAzOrdnerSicherungsBereich.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "reconstruction/TRecoAzMelder.h"
#include "reconstruction/TRecoAzSicherungsBereiche.h"

namespace {
constexpr Datentyp kTyp = 6122;
constexpr int kParent = 1;
constexpr int kTextFeuer = 11326;
constexpr int kTextUeberfall = 11327;
constexpr int kTextSabotage = 11315;
constexpr int kTextSb1 = 11322; // to 11325
constexpr int kOrderVerdrahtet = 3;
constexpr int kOrderSabotage = 4;
constexpr int kMelder = 160;
} // namespace

TRecoAzOrdnerSicherungsBereich::TRecoAzOrdnerSicherungsBereich(
    TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
    const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
    uint32_t variante, TRecoDataManagament *melderTexte)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, kParent),
      FVariante(variante), FMelderTexte(melderTexte) {
    LOG_FKT("TRecoAzOrdnerSicherungsBereich::TRecoAzOrdnerSicherungsBereich");
}

TRecoAzOrdnerSicherungsBereich::~TRecoAzOrdnerSicherungsBereich() {
    LOG_FKT("TRecoAzOrdnerSicherungsBereich::~TRecoAzOrdnerSicherungsBereich");
}

bool TRecoAzOrdnerSicherungsBereich::Benutzt(int nummer) const {
    LOG_FKT("TRecoAzOrdnerSicherungsBereich::Benutzt");
    unsigned short wort = 0;
    return FDaten1 && FDaten1->GetWordFromAddr(TRecoAzMelder::WortAdresse(nummer), wort) &&
           wort != 0;
}

bool TRecoAzOrdnerSicherungsBereich::RecoParameter() {
    LOG_FKT("TRecoAzOrdnerSicherungsBereich::RecoParameter");
    TDatenStruktur *record = NeuerDatensatz(1, kTyp, FParent);
    if (!record)
        return false;
    const int ordner = record->Handle;
    // Fire, hold-up, SB 1 .. SB 4; 0 for an area that is not made.
    int bereiche[6] = {};
    if (!Unterobjekt<TRecoAzSicherungsBereichFeuer>(SprText(kTextFeuer), 1, ordner, bereiche[0]) ||
        !Unterobjekt<TRecoAzSicherungsBereichUeberfall>(SprText(kTextUeberfall), 2, ordner,
                                                        bereiche[1]) ||
        !Unterobjekt<TRecoAzSabotageKontakt>(SprText(kTextSabotage), kOrderSabotage, ordner))
        return false;
    for (int n = 1; n <= 4; ++n)
        if (RecoBereichExistiert(FVariante, n) &&
            !Unterobjekt<TRecoAzSicherungsBereich>(
                SprText(kTextSb1 + n - 1), kOrderSabotage + n, ordner,
                static_cast<T_DB_EnumAzMelder::TEnumSicherungsBereich>(n), bereiche[1 + n]))
            return false;

    auto melder = [&](int nummer, int order, int parent) {
        return Unterobjekt<TRecoAzMelder>("", order, parent, FMelderTexte, nummer, bereiche[0],
                                          bereiche[1], bereiche[2], bereiche[3], bereiche[4],
                                          bereiche[5]);
    };
    if (Benutzt(TRecoAzMelder::kVerdrahtet) &&
        !melder(TRecoAzMelder::kVerdrahtet, kOrderVerdrahtet, ordner))
        return false;
    // Every detector is tried, even after one failed.
    bool ok = true;
    for (int n = 1; n <= kMelder; ++n)
        if (Benutzt(n) && !melder(n, n, 0))
            ok = false;
    return ok;
}
