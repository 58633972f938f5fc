// Leaving the editor and the main window's settings. Placeholder bodies until that work lands.
#include "shell/TFormMain.h"

#include "platform/log/Log.h"

bool TFormMain::AzCheckObjAlarmResetLinkToGrpAdr() {
    LOG_FKT("TFormMain::AzCheckObjAlarmResetLinkToGrpAdr");
    return true;
}

bool TFormMain::AzCheckObjekteMelder() {
    LOG_FKT("TFormMain::AzCheckObjekteMelder");
    return true;
}

bool TFormMain::AzCheckObjektMeldertest() {
    LOG_FKT("TFormMain::AzCheckObjektMeldertest");
    return true;
}

bool TFormMain::AzCheckObjekteScharfschaltEingang() {
    LOG_FKT("TFormMain::AzCheckObjekteScharfschaltEingang");
    return true;
}

bool TFormMain::AzChecksVerlassen() {
    LOG_FKT("TFormMain::AzChecksVerlassen");
    return AzCheckObjAlarmResetLinkToGrpAdr() && AzCheckObjektMeldertest() &&
           AzCheckObjekteMelder() && AzCheckObjekteScharfschaltEingang();
}

void TFormMain::ApplCloseOrHide(bool, bool) {
    LOG_FKT("TFormMain::ApplCloseOrHide");
}

void TFormMain::GetEtsRegData() {
    LOG_FKT("TFormMain::GetEtsRegData");
}

void TFormMain::GetRegData() {
    LOG_FKT("TFormMain::GetRegData");
}

void TFormMain::SetRegData() {
    LOG_FKT("TFormMain::SetRegData");
}

void TFormMain::ClickMenuTool(QAction *) {
    LOG_FKT("TFormMain::ClickMenuTool");
}

void TFormMain::BindVerlassen() {
    LOG_FKT("TFormMain::BindVerlassen");
}
