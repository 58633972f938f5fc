// What the device instance asks of the main window (TFormMainDienste).
#include "shell/TFormMain.h"

#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/log/Log.h"
#include "shell/QtText.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"

#include <QApplication>
#include <QLabel>

HWND TFormMain::GetHandle() const {
    LOG_FKT("TFormMain::GetHandle");
    return FRegistration->Handle();
}

TEts2Cdi *TFormMain::GetEts2Cdi() {
    LOG_FKT("TFormMain::GetEts2Cdi");
    return FCdi.get();
}

void TFormMain::GetModuleName(AnsiString &path) {
    LOG_FKT("TFormMain::GetModuleName");
    FDM.GetModuleName(path);
}

AnsiString TFormMain::GetIniFile() {
    LOG_FKT("TFormMain::GetIniFile");
    return FDM.IniFile;
}

void TFormMain::SetStatusPanel(int panel, const AnsiString &text) {
    LOG_FKT("TFormMain::SetStatusPanel");
    if (panel >= 0 && panel < static_cast<int>(StatusPanels.size()))
        StatusPanels[static_cast<size_t>(panel)]->setText(ToQString(text));
}

void TFormMain::UpdateObjektAnzahl(const AnsiString &rootName, int objectCount) {
    LOG_FKT("TFormMain::UpdateObjektAnzahl");
    // The last panel counts the device's objects; its hint names the device's root.
    StatusPanels[4]->setText(QString::number(objectCount));
    StatusPanels[4]->setToolTip(ToQString(rootName));
}

std::vector<TFormVerwDienste *> TFormMain::GetFormVerwList() {
    LOG_FKT("TFormMain::GetFormVerwList");
    return {FFormVerwList.begin(), FFormVerwList.end()};
}

int TFormMain::GetGrpAdrLevels() {
    LOG_FKT("TFormMain::GetGrpAdrLevels");
    return FDM.GetGrpAdrLevels();
}

TDeviceDialoge *TFormMain::GetDeviceDialoge() {
    LOG_FKT("TFormMain::GetDeviceDialoge");
    return FDialoge.get();
}

void TFormMain::ProcessMessages() {
    LOG_FKT("TFormMain::ProcessMessages");
    // Asked for explicitly: what waits is delivered now, at any depth.
    DeliverPostedMessages();
    QCoreApplication::processEvents();
}

void TFormMain::SetKeepCellEditor(bool keep) {
    LOG_FKT("TFormMain::SetKeepCellEditor");
    FDM.VarianteAendern = keep;
}

bool TFormMain::GetSonderzustand() {
    LOG_FKT("TFormMain::GetSonderzustand");
    return GetStatusOnCopyDevice();
}
