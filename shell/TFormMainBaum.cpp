// The tree and window services of the commands. Placeholder bodies until that work lands.
#include "shell/TFormMain.h"

#include "platform/log/Log.h"

void TFormMain::DeactivateActiveGridCell() {
    LOG_FKT("TFormMain::DeactivateActiveGridCell");
}

void TFormMain::TimerTimeoutCloseStart() {
    LOG_FKT("TFormMain::TimerTimeoutCloseStart");
}

void TFormMain::TimerTimeoutCloseTimer() {
    LOG_FKT("TFormMain::TimerTimeoutCloseTimer");
}

void TFormMain::AbgleichFormVerw(TFormVerw *) {
    LOG_FKT("TFormMain::AbgleichFormVerw");
}

TFormVerwDienste *TFormMain::GetActiveFormVerv() {
    LOG_FKT("TFormMain::GetActiveFormVerv");
    return nullptr;
}

TDataBasis *TFormMain::GetSelTreeData() {
    LOG_FKT("TFormMain::GetSelTreeData");
    return nullptr;
}

TTreeNode *TFormMain::GetGrpAdrOrdner() {
    LOG_FKT("TFormMain::GetGrpAdrOrdner");
    return nullptr;
}

bool TFormMain::MakeNode(TDataBasis *, TDataBasis *) {
    LOG_FKT("TFormMain::MakeNode");
    return false;
}

bool TFormMain::CheckGrpAdrOrdner() {
    LOG_FKT("TFormMain::CheckGrpAdrOrdner");
    return false;
}

void TFormMain::SetStatusOnCopyDevice(bool) {
    LOG_FKT("TFormMain::SetStatusOnCopyDevice");
}

bool TFormMain::GetStatusOnCopyDevice() {
    LOG_FKT("TFormMain::GetStatusOnCopyDevice");
    return false;
}
