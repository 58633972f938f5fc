// The reset: the device's bus objects go from the bus tool, the configuration is replaced by a
// new panel's default tree and every project window shows it anew.
#include "platform/dialogs/DlgProgressGuard.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <string>

int TDeviceInstanzAz::Reset(bool zeigen) {
    LOG_FKT("DeviceInstanzAz::Reset");
    TDlgProgressGuard fortschritt(SprText(9200), SprText(9200), 18, MainHandle(), zeigen);
    const auto schritt = [&](const char *text) {
        fortschritt.Next(AnsiString("Importiere Daten...") + "\n" + text);
    };
    FResetFlag = true;
    TMemoryStream stream;
    TMemoryStream leer;
    TDatenManager<TDatenStruktur> store(&leer);
    const uint8_t quelle = FDataSrc;
    FDataSrc = dsStream;
    CopyStrukturDatenToDB(&store, &stream);
    FDataSrc = quelle;

    schritt("L\xF6sche Ets Objekte");
    if (TDatenManager<TDatenStruktur> *view =
            store.Filter("Typ", static_cast<int32_t>(TEtsObjekt::Typ))) {
        for (TDatenStruktur *r = view->GetFirst(); r; r = view->GetNext())
            if (!AddEtsObjectByDisplayOrder(static_cast<int16_t>(r->Param16 & 0xFFFF), 0, 0,
                                            nullptr, false))
                MessageBox(MainHandle(),
                           SprText(9043) + "\n" + "Objektname" + ": " + r->Name + "\n" +
                               "Nummer" + ": " + std::to_string(r->Param4),
                           SprText(9013), 0);
        delete view;
    }

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
