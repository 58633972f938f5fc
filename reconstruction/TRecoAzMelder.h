// One detector (type 6124) from its detector word: 1 to 160, and 162 the panel's wired
// detector input. The word's area code picks the record it hangs under from the handles the
// folder passes (0 for an area that does not exist: the record is kept with parent 0); its
// text comes from the detector-text block.
#pragma once

#include "reconstruction/TRecoAzBasis.h"

class TRecoAzMelder : public TRecoAzBasis {
public:
    // The wired input's number.
    static constexpr int kVerdrahtet = 162;

    TRecoAzMelder(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                  TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                  TRecoObjectManagement *objekte, int order, int parent,
                  TRecoDataManagament *melderTexte, int nummer, int feuer, int ueberfall, int sb1,
                  int sb2, int sb3, int sb4);
    ~TRecoAzMelder() override;

    bool RecoParameter() override;

    using TRecoAzBasis::BinToText;

    // The cell of a detector's word (first byte) and of its text; slot 161 is the tamper
    // input's word, the wired input's text is the 161st.
    static uint32_t WortAdresse(int nummer);
    static uint32_t TextAdresse(int nummer);

private:
    TRecoDataManagament *FMelderTexte;
    int FNummer;
    // Fire area, hold-up area, SB 1 to SB 4.
    int FBereiche[6];
};
