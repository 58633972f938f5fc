#include "deviceinstance/dialogs/TDeviceDialogeQt.h"

#include "deviceinstance/dialogs/TDlgAnzeige.h"
#include "deviceinstance/dialogs/TDlgDefinitionAlarmzentrale.h"
#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"
#include "deviceinstance/dialogs/TDlgEreignisspeicher.h"
#include "deviceinstance/dialogs/TDlgInfoEreignisspeicher.h"
#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"
#include "deviceinstance/dialogs/TDlgSelPhysAdrSe.h"
#include "deviceinstance/dialogs/TFDlgGaCheck.h"
#include "platform/log/Log.h"

#include <QLabel>
#include <QApplication>

TDeviceDialogeQt::TDeviceDialogeQt(QWidget *owner) : FOwner(owner) {
    LOG_FKT("TDeviceDialogeQt::TDeviceDialogeQt");
}

TDeviceDialogeQt::~TDeviceDialogeQt() {
    LOG_FKT("TDeviceDialogeQt::~TDeviceDialogeQt");
}

int TDeviceDialogeQt::SelGrpAddr(TDeviceInstanz *device, int levels, TObjektBasis *object,
                                 std::vector<TObjektBasis::RecGrpAdrId> &links,
                                 const std::map<long, TVumaGrpAdrSub *> &offered,
                                 TEtsGruppenAdressen *reader) {
    LOG_FKT("TDeviceDialogeQt::SelGrpAddr");
    TDlgSelGrpAddr dialog(FOwner, levels, object, links, offered, reader, device);
    return dialog.ShowModal();
}

int TDeviceDialogeQt::DefinitionAlarmzentrale(uint32_t &variante,
                                              const AnsiString &descriptionFile) {
    LOG_FKT("TDeviceDialogeQt::DefinitionAlarmzentrale");
    TDlgDefinitionAlarmzentrale dialog(FOwner, variante, descriptionFile);
    return dialog.ShowModal();
}

int TDeviceDialogeQt::SelPhysAdrSe(RPhysAdr &current, const std::vector<RPhysAdr> &candidates,
                                   const std::list<int> &used) {
    LOG_FKT("TDeviceDialogeQt::SelPhysAdrSe");
    TDlgSelPhysAdrSe dialog(FOwner, current, candidates, used);
    return dialog.ShowModal();
}

int TDeviceDialogeQt::Anzeige(int32_t &mask, uint32_t variante, const AnsiString &caption,
                              const AnsiString &label) {
    LOG_FKT("TDeviceDialogeQt::Anzeige");
    TDlgAnzeige dialog(FOwner, mask, variante);
    dialog.setWindowTitle(QtText(caption));
    dialog.LabelAnzeigeText->setText(QtText(label));
    return dialog.ShowModal();
}

int TDeviceDialogeQt::MelderHinzufuegen(int &count, int maximum, const AnsiString &caption) {
    LOG_FKT("TDeviceDialogeQt::MelderHinzufuegen");
    TDlgMelderHinzufuegen dialog(FOwner, maximum, count);
    dialog.setWindowTitle(QtText(caption));
    return dialog.ShowModal();
}

int TDeviceDialogeQt::GaCheck(TDatenManager<TDatenStruktur> *store,
                              std::vector<RecNewGroupAddr> &newAddresses,
                              std::map<int, TRecGroupAddrInfo> &wordMap, bool threeLevels,
                              const TObjektMap &mainGroups, const TObjektMap &midSubGroups) {
    LOG_FKT("TDeviceDialogeQt::GaCheck");
    TFDlgGaCheck dialog(FOwner, newAddresses, wordMap, threeLevels, mainGroups, midSubGroups);
    return dialog.CheckGaConsistence(store);
}

bool TDeviceDialogeQt::InfoEreignisspeicher(bool zeigen) {
    LOG_FKT("TDeviceDialogeQt::InfoEreignisspeicher");
    // The notice must paint before the bus access blocks, and vanish before the result shows.
    QApplication::processEvents();
    FInfo.reset();
    if (zeigen) {
        FInfo = std::make_unique<TDlgInfoEreignisspeicher>(FOwner);
        FInfo->show();
        QApplication::processEvents();
    }
    return !zeigen || FInfo != nullptr;
}

int TDeviceDialogeQt::Ereignisspeicher(const TStringList &lines, const AnsiString &title,
                                       const AnsiString &label, const AnsiString &pcTime,
                                       const AnsiString &panelTime) {
    LOG_FKT("TDeviceDialogeQt::Ereignisspeicher");
    TDlgEreignisspeicher dialog(FOwner, lines, title, label, pcTime, panelTime);
    return dialog.ShowModal();
}
