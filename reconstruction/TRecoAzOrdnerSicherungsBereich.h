// The security-area folder (type 6122): the fire and hold-up areas, the tamper input, the
// security areas the variant word has, the wired detector input and detectors 1 to 160, each
// when its word is not 0.
#pragma once

#include "reconstruction/TRecoAzBasis.h"

class TRecoAzOrdnerSicherungsBereich : public TRecoAzBasis {
public:
    TRecoAzOrdnerSicherungsBereich(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                   TVumaDatenbank *datenbank, const AnsiString &name,
                                   TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                                   uint32_t variante, TRecoDataManagament *melderTexte);
    ~TRecoAzOrdnerSicherungsBereich() override;

    bool RecoParameter() override;

private:
    // The detector word is not 0; a word that cannot be read counts as not used.
    bool Benutzt(int nummer) const;

    uint32_t FVariante;
    TRecoDataManagament *FMelderTexte;
};
