#include "platform/dialogs/ShowRecoErrors.h"

#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <cstdio>

namespace {
TShowRecoErrorsHandler &Handler() {
    static TShowRecoErrorsHandler h;
    return h;
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
    TShowRecoErrorsHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
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
