// Life of the panel's device instance and the operations that answer a neutral value until
// their features are built.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

#include <string>

namespace {
constexpr int kMaxMelder = 160;
} // namespace

TDeviceInstanzAz::TDeviceInstanzAz(TFormMainDienste *main, const DAL_DEVICE *device,
                                   TFormVerwDienste *verw)
    : TDeviceInstanz(main, device, verw), FVersionTyp("VUMA/Alarmzentrale"),
      FVersionFormat("SX Version:%2d.%2d Typ:%s") {
    LOG_FKT("DeviceInstanzAz::TDeviceInstanzAz");
    if (FMain) {
        FMain->SetStatusPanel(0, SprText(11286));
        FMain->SetStatusPanel(1, std::to_string(kMaxMelder));
        FMain->SetStatusPanel(2, std::to_string(FAnzahlMelder));
        FMain->SetStatusPanel(3, std::to_string(kMaxMelder - FAnzahlMelder));
    }
}

TDeviceInstanzAz::~TDeviceInstanzAz() {
    LOG_FKT("DeviceInstanzAz::~TDeviceInstanzAz");
    LeereListenUndFlaggen();
}

void TDeviceInstanzAz::LeereListenUndFlaggen() {
    LOG_FKT("DeviceInstanzAz::LeereListenUndFlaggen");
    FMelderNrUsed.clear();
    FGrpAdrUsedFromMelder.clear();
    for (auto &list : FSaboMelder)
        list.clear();
    for (auto &list : FPhysAdrUsed)
        list.clear();
    FQuittierungUeg.fill(false);
    FAlarmierungUeg.fill(false);
}

