// The maker's report of the values a reconstruction had to replace by defaults: one list,
// one line per value. Shown through a replaceable handler, as message boxes are: the program
// installs one that shows a window, tests install the recorder below. Without a handler the
// list is written to standard error.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <functional>
#include <vector>

// One replaced value: the object, the parameter's caption, the default it got, and a further
// text the caller may give (empty as a rule). Texts are Windows-1252.
struct TRecoErrorEintrag {
    AnsiString Objekt;
    AnsiString Parameter;
    AnsiString Standard;
    AnsiString Zusatz;
    bool operator==(const TRecoErrorEintrag &) const = default;
};

using TShowRecoErrorsHandler =
    std::function<void(const AnsiString &caption, const std::vector<TRecoErrorEintrag> &list)>;

// Shows the list under the caption.
void _ShowRecoErrors(const AnsiString &caption, const std::vector<TRecoErrorEintrag> &list);
// Installs a handler and answers the previous one.
TShowRecoErrorsHandler SetShowRecoErrorsHandler(TShowRecoErrorsHandler handler);

// For tests: records every list shown. Installs itself for its lifetime and restores the
// previous handler afterwards.
class TShowRecoErrorsRecorder {
public:
    struct TAnzeige {
        AnsiString Caption;
        std::vector<TRecoErrorEintrag> Liste;
    };

    TShowRecoErrorsRecorder();
    ~TShowRecoErrorsRecorder();
    TShowRecoErrorsRecorder(const TShowRecoErrorsRecorder &) = delete;
    TShowRecoErrorsRecorder &operator=(const TShowRecoErrorsRecorder &) = delete;

    const std::vector<TAnzeige> &Anzeigen() const { return FAnzeigen; }

private:
    std::vector<TAnzeige> FAnzeigen;
    TShowRecoErrorsHandler FPrevious;
};
