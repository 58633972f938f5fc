#include "platform/recobase/TRecoBasisClass.h"

#include "platform/log/Log.h"

TRecoBasisClass::TRecoBasisClass(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                                 TVumaDatenbank *datenbank, const AnsiString &name,
                                 TRecoErrors *errors)
    : FDaten1(daten1), FDaten2(daten2), FDatenbank(datenbank), FName(name), FErrors(errors) {
    LOG_FKT("TRecoBasisClass::TRecoBasisClass");
}

TRecoBasisClass::~TRecoBasisClass() {
    LOG_FKT("TRecoBasisClass::~TRecoBasisClass");
}
