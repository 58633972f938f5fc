#include "deviceinstance/dialogs/TDeviceDialogeQt.h"

#include "deviceinstance/dialogs/TDlgEreignisspeicher.h"
#include "deviceinstance/dialogs/TDlgInfoEreignisspeicher.h"
#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"
#include "deviceinstance/dialogs/TDlgSelPhysAdrSe.h"
#include "deviceinstance/dialogs/TFDlgGaCheck.h"
#include "platform/log/Log.h"

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

int TDeviceDialogeQt::DefinitionAlarmzentrale(uint32_t &, const AnsiString &) {
    LOG_FKT("TDeviceDialogeQt::DefinitionAlarmzentrale");
    return 2; // the panel definition dialog comes with the device's second set of dialogs
}

int TDeviceDialogeQt::SelPhysAdrSe(RPhysAdr &current, const std::vector<RPhysAdr> &candidates,
                                   const std::list<int> &used) {
    LOG_FKT("TDeviceDialogeQt::SelPhysAdrSe");
    TDlgSelPhysAdrSe dialog(FOwner, current, candidates, used);
    return dialog.ShowModal();
}

int TDeviceDialogeQt::Anzeige(int32_t &, uint32_t, const AnsiString &, const AnsiString &) {
    LOG_FKT("TDeviceDialogeQt::Anzeige");
    return 2; // the display-areas dialog comes with the device's second set of dialogs
}

int TDeviceDialogeQt::MelderHinzufuegen(int &, int, const AnsiString &) {
    LOG_FKT("TDeviceDialogeQt::MelderHinzufuegen");
    return 2; // the detector-count dialog comes with the device's second set of dialogs
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
