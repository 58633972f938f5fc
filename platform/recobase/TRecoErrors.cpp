#include "platform/recobase/TRecoErrors.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

TRecoErrors::TRecoErrors() {
    LOG_FKT("TRecoErrors::TRecoErrors");
}

TRecoErrors::~TRecoErrors() {
    LOG_FKT("TRecoErrors::~TRecoErrors");
}

void TRecoErrors::ErrorDefaultParam(const AnsiString &objekt, const AnsiString &parameter,
                                    const AnsiString &standard, const AnsiString &zusatz) {
    LOG_FKT("TRecoErrors::ErrorDefaultParam");
    FEintraege.push_back({objekt, parameter, standard, zusatz});
}

void TRecoErrors::ShowErrors() {
    LOG_FKT("TRecoErrors::ShowErrors");
    if (FEintraege.empty())
        return;
    _ShowRecoErrors(SprText(24248), FEintraege);
}
