// The reset: the device's bus objects go from the bus tool, the configuration is replaced by a
// new panel's default tree and every project window shows it anew.
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "platform/dialogs/DlgProgressGuard.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <vector>

int TDeviceInstanzAz::Reset(bool zeigen) {
    LOG_FKT("DeviceInstanzAz::Reset");
    TDlgProgressGuard fortschritt(SprText(9200), SprText(9200), 18, MainHandle(), zeigen);
    const auto schritt = [&](const AnsiString &text) {
        fortschritt.Next(AnsiString("Importiere Daten...") + "\n" + text);
    };
    FResetFlag = true;
    const std::vector<TDatenStruktur> busObjekte = BusObjektDatensaetze();

    schritt(Utf8ToAnsi("Lösche Ets Objekte"));
    EtsObjekteEntfernen(busObjekte, "Objektname", "Nummer", 0);

    schritt("Lade Daten");
    ClearDbDataExistingMelder();
    const bool ergebnis = CreateNewDevice(0) != 0; // the tree takes the main window itself
    RootPhysAdrSchreiben();

    schritt("Aktualisiere Ansicht");
    AnsichtenNeuAufbauen();
    // The lists of the old tree go with it; the question before removing a linked bus object
    // is asked again once the reset is over.
    for (auto &list : FSaboMelder)
        list.clear();
    for (auto &list : FPhysAdrUsed)
        list.clear();
    FResetFlag = false;
    return ergebnis ? 1 : 0;
}
