// Base of every folder reconstructor: what each is made with first (two readers of the panel
// memory, the record database, its name, the error collector), none of it owned, and the one
// operation that rebuilds the folder's records.
#pragma once

#include "platform/recobase/TRecoDataManagament.h"
#include "platform/recobase/TRecoErrors.h"
#include "platform/recobase/TVumaDatenbank.h"
#include "platform/vcl/AnsiString.h"

class TRecoBasisClass {
public:
    TRecoBasisClass(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                    TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors);
    virtual ~TRecoBasisClass();
    TRecoBasisClass(const TRecoBasisClass &) = delete;
    TRecoBasisClass &operator=(const TRecoBasisClass &) = delete;

    // True when every record of the folder and of its sub-objects was made.
    virtual bool RecoParameter() = 0;

protected:
    TRecoDataManagament *FDaten1;
    TRecoDataManagament *FDaten2;
    TVumaDatenbank *FDatenbank;
    AnsiString FName;
    TRecoErrors *FErrors;
};
