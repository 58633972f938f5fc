// The system record of the panel (type 105, the root of every top folder): configuration
// variant, event-memory depth, device version, arming pulse and acknowledgement times, and
// the behaviour on bus voltage return. The variant word goes to the caller at once, as it
// decides which areas the folders make.
#pragma once

#include "reconstruction/TRecoAzBasis.h"

class TRecoAzSystem : public TRecoAzBasis {
public:
    TRecoAzSystem(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                  TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                  uint32_t &variante);
    ~TRecoAzSystem() override;

    bool RecoParameter() override;

private:
    uint32_t &FVariante;
};
