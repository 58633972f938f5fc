// The arming folder (type 6131): one arming area per existing security area, each with its
// arming settings and its arming/disarming acknowledgement, then the folder's two bus objects.
#pragma once

#include "reconstruction/RecoEnums.h"
#include "reconstruction/TRecoAzBasis.h"

class TRecoAzOrdnerScharfschaltung : public TRecoAzBasis {
public:
    TRecoAzOrdnerScharfschaltung(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                 TVumaDatenbank *datenbank, const AnsiString &name,
                                 TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                                 uint32_t variante);
    ~TRecoAzOrdnerScharfschaltung() override;

    bool RecoParameter() override;

private:
    uint32_t FVariante;
};

// Arming area n (types 6132 to 6135): its text, then its settings and acknowledgement.
class TRecoAzScharfschaltBereich : public TRecoAzBasis {
public:
    TRecoAzScharfschaltBereich(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                               TVumaDatenbank *datenbank, const AnsiString &name,
                               TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
                               int parent,
                               T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich bereich);
    ~TRecoAzScharfschaltBereich() override;

    bool RecoParameter() override;

    using TRecoAzBasis::BinToText;
    // Each byte as two upper-case hex digits, a blank after each when spaced; false (text
    // untouched) for no bytes or count 0.
    static bool BinToHexText(const unsigned char *bytes, unsigned long count, AnsiString &text,
                             bool spaced);

private:
    T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich FBereich;
};

// The arming settings of area n (type 6136): times and the switching devices' addresses,
// taken as the panel holds them.
class TRecoAzScharfschaltung : public TRecoAzBasis {
public:
    TRecoAzScharfschaltung(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                           TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                           TRecoObjectManagement *objekte, int order, int parent,
                           T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich bereich);
    ~TRecoAzScharfschaltung() override;

    bool RecoParameter() override;

    // "aa.ll.ddd" of a physical address word (area bits 12-15, line 8-11, device 0-7); empty
    // for 0.
    static AnsiString ConvertPhysAddressIntoString(unsigned short adresse);

private:
    T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich FBereich;
};

// The arming and disarming acknowledgement of area n (type 6137).
class TRecoAzScharfUnscharfQuittierung : public TRecoAzBasis {
public:
    TRecoAzScharfUnscharfQuittierung(
        TRecoDataManagament *daten1, TRecoDataManagament *daten2, TVumaDatenbank *datenbank,
        const AnsiString &name, TRecoErrors *errors, TRecoObjectManagement *objekte, int order,
        int parent, T_DB_EnumScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich bereich);
    ~TRecoAzScharfUnscharfQuittierung() override;

    bool RecoParameter() override;

private:
    T_DB_EnumScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich FBereich;
};
