#include "deviceinstance/dialogs/TDeviceDialogeQt.h"

#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"
#include "deviceinstance/dialogs/TFDlgGaCheck.h"
#include "platform/log/Log.h"

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

int TDeviceDialogeQt::SelPhysAdrSe(AnsiString &, int32_t &, const std::list<int> &,
                                   const std::list<int> &) {
    LOG_FKT("TDeviceDialogeQt::SelPhysAdrSe");
    return 2; // the physical-address dialog comes with the device's second set of dialogs
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

bool TDeviceDialogeQt::InfoEreignisspeicher(bool) {
    LOG_FKT("TDeviceDialogeQt::InfoEreignisspeicher");
    return false; // the event-memory dialogs come with the device's second set of dialogs
}

int TDeviceDialogeQt::Ereignisspeicher(const TStringList &, const AnsiString &, const AnsiString &,
                                       const AnsiString &, const AnsiString &) {
    LOG_FKT("TDeviceDialogeQt::Ereignisspeicher");
    return 2; // the event-memory dialogs come with the device's second set of dialogs
}
