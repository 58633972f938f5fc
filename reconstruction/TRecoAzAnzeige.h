// The display folder (type 6142) and its display units (type 6143): displays 1 and 2 always,
// display 3 with at least one security area, display 4 with at least two.
#pragma once

#include "reconstruction/RecoEnums.h"
#include "reconstruction/TRecoAzBasis.h"

class TRecoAzOrdnerAnzeige : public TRecoAzBasis {
public:
    TRecoAzOrdnerAnzeige(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                         TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                         TRecoObjectManagement *objekte, int order, uint32_t variante);
    ~TRecoAzOrdnerAnzeige() override;

    bool RecoParameter() override;

private:
    uint32_t FVariante;
};

// Display unit m + 1: its byte (0: not in use, no bus objects) and its four bus objects.
class TRecoAzAnzeige : public TRecoAzBasis {
public:
    TRecoAzAnzeige(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                   TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                   TRecoObjectManagement *objekte, int order, int parent,
                   T_DB_EnumAzAnzeige::TEnumAnzeigeNr anzeige);
    ~TRecoAzAnzeige() override;

    bool RecoParameter() override;

private:
    T_DB_EnumAzAnzeige::TEnumAnzeigeNr FAnzeige;
};
