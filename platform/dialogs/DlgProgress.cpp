#include "platform/dialogs/DlgProgress.h"

#include "platform/dialogs/Handler.h"
#include "platform/log/Log.h"

namespace {
TDlgProgressHandler &Handler() {
    return DialogHandler<TDlgProgressHandler>();
}

void Tell(TDlgProgressAktion action, int position, const TDlgProgressDaten *daten) {
    if (Handler())
        Handler()(action, position, daten);
}
} // namespace

void _StartDlgProgress(const TDlgProgressDaten &daten) {
    LOG_FKT("DlgProgress::_StartDlgProgress");
    Tell(TDlgProgressAktion::Start, daten.Min, &daten);
}

void _SetDlgProgress(int position, const TDlgProgressDaten &daten) {
    LOG_FKT("DlgProgress::_SetDlgProgress");
    Tell(TDlgProgressAktion::Set, position, &daten);
}

void _StopDlgProgress() {
    LOG_FKT("DlgProgress::_StopDlgProgress");
    Tell(TDlgProgressAktion::Stop, 0, nullptr);
}

TDlgProgressHandler SetDlgProgressHandler(TDlgProgressHandler handler) {
    LOG_FKT("DlgProgress::SetDlgProgressHandler");
    return ReplaceDialogHandler(std::move(handler));
}

TDlgProgressRecorder::TDlgProgressRecorder() {
    LOG_FKT("TDlgProgressRecorder::TDlgProgressRecorder");
    FPrevious = SetDlgProgressHandler(
        [this](TDlgProgressAktion action, int position, const TDlgProgressDaten *daten) {
            FAufrufe.push_back({action, action == TDlgProgressAktion::Set ? position : 0,
                                daten ? *daten : TDlgProgressDaten{}});
            if (action == TDlgProgressAktion::Start)
                ++FOffen;
            else if (action == TDlgProgressAktion::Stop && FOffen > 0)
                --FOffen;
        });
}

TDlgProgressRecorder::~TDlgProgressRecorder() {
    LOG_FKT("TDlgProgressRecorder::~TDlgProgressRecorder");
    SetDlgProgressHandler(std::move(FPrevious));
}
