// The date-and-time folder (type 6147): the clock switch, automatic summer time and the two
// switch-over months, and its two bus objects.
#pragma once

#include "reconstruction/TRecoAzBasis.h"

class TRecoAzDatumUhrzeit : public TRecoAzBasis {
public:
    TRecoAzDatumUhrzeit(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                        TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                        TRecoObjectManagement *objekte, int order);
    ~TRecoAzDatumUhrzeit() override;

    bool RecoParameter() override;
};
