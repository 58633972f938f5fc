// The values a reconstruction had to replace by defaults, collected while it runs and shown in
// one list at the end.
#pragma once

#include "platform/dialogs/ShowRecoErrors.h"
#include "platform/vcl/AnsiString.h"

#include <vector>

class TRecoErrors {
public:
    TRecoErrors();
    virtual ~TRecoErrors();

    // One replaced value: the object's name, the parameter's caption, the default's text and a
    // further text (empty as a rule).
    void ErrorDefaultParam(const AnsiString &objekt, const AnsiString &parameter,
                           const AnsiString &standard, const AnsiString &zusatz);
    // Nothing when no value was replaced; else all of them in one list ("Rekonstruktion").
    void ShowErrors();

    const std::vector<TRecoErrorEintrag> &Eintraege() const { return FEintraege; }

private:
    std::vector<TRecoErrorEintrag> FEintraege;
};
