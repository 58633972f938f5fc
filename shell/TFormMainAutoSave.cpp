// Autosave and recovery. Placeholder bodies until that work lands.
#include "shell/TFormMain.h"

#include "platform/log/Log.h"

bool TFormMain::SaveToFile(const AnsiString &) {
    LOG_FKT("TFormMain::SaveToFile");
    return true;
}

void TFormMain::TimerAutoSaveTimer() {
    LOG_FKT("TFormMain::TimerAutoSaveTimer");
}

void TFormMain::RecoveryCheck(bool, int) {
    LOG_FKT("TFormMain::RecoveryCheck");
}

void TFormMain::RestoreSaveCopy() {
    LOG_FKT("TFormMain::RestoreSaveCopy");
}

void TFormMain::BindAutoSave() {
    LOG_FKT("TFormMain::BindAutoSave");
}
