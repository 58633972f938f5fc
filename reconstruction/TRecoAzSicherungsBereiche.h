// The records under the security-area folder besides the detectors: the fire and hold-up
// areas and the security areas 1 to 4 (plain records whose handles the detectors take as
// parents) and the panel's wired tamper input (detector slot 161) with its bus object.
#pragma once

#include "reconstruction/RecoEnums.h"
#include "reconstruction/TRecoAzBasis.h"

// An area record whose handle goes to the caller: type, Name, Param1.
class TRecoAzBereich : public TRecoAzBasis {
public:
    TRecoAzBereich(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                   TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                   TRecoObjectManagement *objekte, int order, int parent, Datentyp typ,
                   int &handle);
    ~TRecoAzBereich() override;

    bool RecoParameter() override;

protected:
    // The record, its handle handed out; null when none was made.
    TDatenStruktur *MacheBereich();

private:
    Datentyp FTyp;
    int &FHandle;
};

class TRecoAzSicherungsBereichFeuer : public TRecoAzBereich {
public:
    TRecoAzSicherungsBereichFeuer(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                  TVumaDatenbank *datenbank, const AnsiString &name,
                                  TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                                  int parent, int &handle);
    ~TRecoAzSicherungsBereichFeuer() override;
};

class TRecoAzSicherungsBereichUeberfall : public TRecoAzBereich {
public:
    TRecoAzSicherungsBereichUeberfall(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                      TVumaDatenbank *datenbank, const AnsiString &name,
                                      TRecoErrors *errors, TRecoObjectManagement *objekte,
                                      int order, int parent, int &handle);
    ~TRecoAzSicherungsBereichUeberfall() override;
};

// Security area 1 to 4 (types 6127 to 6130), String4 "Sicherungs-Bereich n"; any other area
// number: false, no record.
class TRecoAzSicherungsBereich : public TRecoAzBereich {
public:
    TRecoAzSicherungsBereich(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                             TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                             TRecoObjectManagement *objekte, int order, int parent,
                             T_DB_EnumAzMelder::TEnumSicherungsBereich bereich, int &handle);
    ~TRecoAzSicherungsBereich() override;

    bool RecoParameter() override;

private:
    T_DB_EnumAzMelder::TEnumSicherungsBereich FBereich;
};

// The wired tamper input (type 6126): its word at 0xBFFB/0xBFFC, the resistor code in 0xBE17.
class TRecoAzSabotageKontakt : public TRecoAzBasis {
public:
    TRecoAzSabotageKontakt(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                           TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                           TRecoObjectManagement *objekte, int order, int parent);
    ~TRecoAzSabotageKontakt() override;

    bool RecoParameter() override;
};
