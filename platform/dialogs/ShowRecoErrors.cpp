#include "platform/dialogs/ShowRecoErrors.h"

#include "platform/dialogs/Handler.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <cstdio>

namespace {
TShowRecoErrorsHandler &Handler() {
    return DialogHandler<TShowRecoErrorsHandler>();
}
} // namespace

void _ShowRecoErrors(const AnsiString &caption, const std::vector<TRecoErrorEintrag> &list) {
    LOG_FKT("ShowRecoErrors::_ShowRecoErrors");
    if (Handler()) {
        Handler()(caption, list);
        return;
    }
    std::fprintf(stderr, "[%s]\n", AnsiToUtf8(caption).c_str());
    for (const TRecoErrorEintrag &e : list)
        std::fprintf(stderr, "%s: %s = %s %s\n", AnsiToUtf8(e.Objekt).c_str(),
                     AnsiToUtf8(e.Parameter).c_str(), AnsiToUtf8(e.Standard).c_str(),
                     AnsiToUtf8(e.Zusatz).c_str());
}

TShowRecoErrorsHandler SetShowRecoErrorsHandler(TShowRecoErrorsHandler handler) {
    LOG_FKT("ShowRecoErrors::SetShowRecoErrorsHandler");
    return ReplaceDialogHandler(std::move(handler));
}

TShowRecoErrorsRecorder::TShowRecoErrorsRecorder() {
    LOG_FKT("TShowRecoErrorsRecorder::TShowRecoErrorsRecorder");
    FPrevious = SetShowRecoErrorsHandler(
        [this](const AnsiString &caption, const std::vector<TRecoErrorEintrag> &list) {
            FAnzeigen.push_back({caption, list});
        });
}

TShowRecoErrorsRecorder::~TShowRecoErrorsRecorder() {
    LOG_FKT("TShowRecoErrorsRecorder::~TShowRecoErrorsRecorder");
    SetShowRecoErrorsHandler(std::move(FPrevious));
}
