// The editable-texts folder (type 6121) and its 50 text records (type 2), chained through
// their Next fields in a fixed order (not the order of their cells).
#pragma once

#include "reconstruction/TRecoAzBasis.h"

class TRecoAzEditierbareTexte : public TRecoAzBasis {
public:
    static constexpr int kTexte = 50;
    // The texts' first cells in chain order.
    static const uint16_t kAdressen[kTexte];

    TRecoAzEditierbareTexte(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                            TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                            int order);
    ~TRecoAzEditierbareTexte() override;

    // False when a text record cannot be made: the chain needs each record's handle. A text
    // that cannot be read stays in the chain with an empty String1.
    bool RecoParameter() override;

    // A text record under the parent, handed out, with the 14-byte text at the address; false
    // when its bytes cannot be read (String1 stays empty) or no record was made (null).
    bool CreateDsText(uint32_t adresse, int parent, TDatenStruktur *&record);

    using TRecoAzBasis::BinToText;
};
