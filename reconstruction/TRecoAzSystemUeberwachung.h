// The system-monitoring folder (type 6144): the function monitoring of the alarm system's
// bus detectors, the behaviour of the transmission device's output R on hold-up and on
// burglary, then the folder's bus object.
#pragma once

#include "reconstruction/RecoEnums.h"
#include "reconstruction/TRecoAzBasis.h"

class TRecoAzOrdnerSystemUeberwachung : public TRecoAzBasis {
public:
    TRecoAzOrdnerSystemUeberwachung(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                    TVumaDatenbank *datenbank, const AnsiString &name,
                                    TRecoErrors *errors, TRecoObjectManagement *objekte, int order);
    ~TRecoAzOrdnerSystemUeberwachung() override;

    bool RecoParameter() override;
};

// The function monitoring (type 6145).
class TRecoAzEibAlarmSystemSicherheit : public TRecoAzBasis {
public:
    TRecoAzEibAlarmSystemSicherheit(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                    TVumaDatenbank *datenbank, const AnsiString &name,
                                    TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                                    int parent);
    ~TRecoAzEibAlarmSystemSicherheit() override;

    bool RecoParameter() override;
};

// The behaviour of output R in one case (type 6146); no bus object.
class TRecoAzVerhaltenUegR : public TRecoAzBasis {
public:
    TRecoAzVerhaltenUegR(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                         TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                         TRecoObjectManagement *objekte, int order, int parent,
                         T_DB_EnumAzVerhaltenDurchUeGR::TEnumUeGBereich fall);
    ~TRecoAzVerhaltenUegR() override;

    bool RecoParameter() override;

private:
    T_DB_EnumAzVerhaltenDurchUeGR::TEnumUeGBereich FFall;
};
