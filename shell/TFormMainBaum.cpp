// The tree and window services of the commands: they work on the active project window and
// do nothing, or answer null or false, without one.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "platform/log/Log.h"
#include "shell/TCtrlGrid.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"

void TFormMain::DeactivateActiveGridCell() {
    LOG_FKT("TFormMain::DeactivateActiveGridCell");
    if (!FFormVerwList.empty() && FAktivFormVerw)
        FAktivFormVerw->CtrlGrid()->DeactivateActiveGridCell();
}

void TFormMain::TimerTimeoutCloseStart() {
    LOG_FKT("TFormMain::TimerTimeoutCloseStart");
    TimerTimeoutClose.setInterval(FCloseTimeOut);
    TimerTimeoutClose.start();
}

void TFormMain::TimerTimeoutCloseTimer() {
    LOG_FKT("TFormMain::TimerTimeoutCloseTimer");
    // An open editor is left alone; the timer goes on.
    if (!isVisible())
        CloseProgram();
}

void TFormMain::AbgleichFormVerw(TFormVerw *source) {
    LOG_FKT("TFormMain::AbgleichFormVerw");
    if (!source)
        return;
    // A window may close while another aligns: walk a copy of the list.
    const std::vector<TFormVerw *> fenster = FFormVerwList;
    for (TFormVerw *w : fenster)
        w->Abgleich(source);
}

TFormVerwDienste *TFormMain::GetActiveFormVerv() {
    LOG_FKT("TFormMain::GetActiveFormVerv");
    return FAktivFormVerw;
}

TDataBasis *TFormMain::GetSelTreeData() {
    LOG_FKT("TFormMain::GetSelTreeData");
    return FAktivFormVerw ? FAktivFormVerw->GetSelData() : nullptr;
}

TTreeNode *TFormMain::GetGrpAdrOrdner() {
    LOG_FKT("TFormMain::GetGrpAdrOrdner");
    return FAktivFormVerw ? FAktivFormVerw->CtrlTree()->GrpAdrFolderNode() : nullptr;
}

bool TFormMain::MakeNode(TDataBasis *object, TDataBasis *parent) {
    LOG_FKT("TFormMain::MakeNode");
    if (!FAktivFormVerw)
        return false;
    if (FAktivFormVerw->AddChildNode2Data(parent, object, true))
        return true;
    // The groups below a main group get their nodes when it is first unfolded: a parent that
    // has no node yet takes its new child then, so the new group is not lost.
    return parent && !FAktivFormVerw->GetNodeFromData(parent);
}

bool TFormMain::CheckGrpAdrOrdner() {
    LOG_FKT("TFormMain::CheckGrpAdrOrdner");
    return FAktDevInst && FAktDevInst->GetGrpAdrOrdner() != nullptr;
}

void TFormMain::SetStatusOnCopyDevice(bool status) {
    LOG_FKT("TFormMain::SetStatusOnCopyDevice");
    FDM.CopyDevice = status;
}

bool TFormMain::GetStatusOnCopyDevice() {
    LOG_FKT("TFormMain::GetStatusOnCopyDevice");
    return FDM.CopyDevice;
}
