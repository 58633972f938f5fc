// A flag of the device instance that holds one value for the length of a call and another one
// afterwards, on every way out (the confirmation before linked objects go, a dialog that is
// open).
#pragma once

#include "platform/log/Log.h"

class TFlagFuerEinenAufruf {
public:
    TFlagFuerEinenAufruf(bool &flag, bool waehrend, bool danach) : FFlag(flag), FDanach(danach) {
        LOG_FKT("TFlagFuerEinenAufruf::TFlagFuerEinenAufruf");
        FFlag = waehrend;
    }
    ~TFlagFuerEinenAufruf() {
        LOG_FKT("TFlagFuerEinenAufruf::~TFlagFuerEinenAufruf");
        FFlag = FDanach;
    }
    TFlagFuerEinenAufruf(const TFlagFuerEinenAufruf &) = delete;
    TFlagFuerEinenAufruf &operator=(const TFlagFuerEinenAufruf &) = delete;

private:
    bool &FFlag;
    bool FDanach;
};
