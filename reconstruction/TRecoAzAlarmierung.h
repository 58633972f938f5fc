// The alarm folder (type 6139): the alarm outputs of the fire and hold-up areas and of each
// existing arming area, the alarm durations of the signalling devices and the record of the
// bus objects for alarming. The folder has no bus object of its own.
#pragma once

#include "reconstruction/RecoEnums.h"
#include "reconstruction/TRecoAzBasis.h"

class TRecoAzOrdnerAlarmierung : public TRecoAzBasis {
public:
    TRecoAzOrdnerAlarmierung(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                             TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                             TRecoObjectManagement *objekte, int order, uint32_t variante);
    ~TRecoAzOrdnerAlarmierung() override;

    bool RecoParameter() override;

private:
    uint32_t FVariante;
};

// One alarm output (type 6138): which devices an alarm of its area sets off.
class TRecoAzAlarmierung : public TRecoAzBasis {
public:
    TRecoAzAlarmierung(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                       TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                       TRecoObjectManagement *objekte, int order, int parent,
                       T_DB_EnumAzAlarmierung::TEnumAlarmierungTyp typ);
    ~TRecoAzAlarmierung() override;

    bool RecoParameter() override;

private:
    T_DB_EnumAzAlarmierung::TEnumAlarmierungTyp FTyp;
};

// The alarm durations of flash, outdoor siren, indoor siren and relay (type 6140).
class TRecoAzAlarmdauerSignalgeber : public TRecoAzBasis {
public:
    TRecoAzAlarmdauerSignalgeber(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                 TVumaDatenbank *datenbank, const AnsiString &name,
                                 TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                                 int parent);
    ~TRecoAzAlarmdauerSignalgeber() override;

    bool RecoParameter() override;
};

// The record of the panel's bus objects for alarming (type 6141) and its six objects.
class TRecoAzEibObjekteZurAlarmierung : public TRecoAzBasis {
public:
    TRecoAzEibObjekteZurAlarmierung(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                    TVumaDatenbank *datenbank, const AnsiString &name,
                                    TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                                    int parent);
    ~TRecoAzEibObjekteZurAlarmierung() override;

    bool RecoParameter() override;
};
