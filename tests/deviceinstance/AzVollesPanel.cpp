#include "AzVollesPanel.h"

#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFormMainDienste.h"
#include "objectmodel/TAzAlarmdauer.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzDatumUhrzeit.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzEibAlarmSystemSicherheit.h"
#include "objectmodel/TAzEibObjekteZurAlarmierung.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdner.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzSabotageKontakt.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSicherungsBereich.h"
#include "objectmodel/TAzSicherungsBereichFeuerUeberfall.h"
#include "objectmodel/TAzSystem.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/objectbase/TEibHandle.h"

#include <list>
#include <memory>

namespace {

class TAufbau {
public:
    TAufbau(TDeviceInstanzAz &device, HWND window)
        : FDevice(device), FWindow(window), FTable(FLeer) {
        FTable.BuildNewTable();
    }

    // Gives the object its handle, writes it into its record and hands it to the device.
    template <class T> T *Eintragen(std::unique_ptr<T> object) {
        object->KonvertHandle(&FTable);
        T *raw = object.get();
        object->Write(*FDevice.GetDatenSatz(raw));
        std::unique_ptr<TDataBasis> base = std::move(object);
        FDevice.SetPointer2List(base);
        return raw;
    }
    template <class T> T *Neu(TDataBasis *parent, const char *name) {
        return Eintragen(
            std::make_unique<T>(FWindow, FRoot->GetHandle(), parent->GetHandle(), name, 0));
    }

    TAzSystem *Root() {
        FRoot = Eintragen(std::make_unique<TAzSystem>(FWindow, 0, 0, "Alarmzentrale",
                                                      FDevice.GetDeviceId(), -1, 0));
        FDevice.SetDevice(FRoot);
        return FRoot;
    }

    void BusObjekt(TDataBasis *parent, int number, int links) {
        auto object = std::make_unique<TEtsObjekt>(
            FWindow, FRoot->GetHandle(), parent->GetHandle(), "Melder " + std::to_string(number),
            1000 + number, 2000 + number, number, 3000 + number, 4000 + number, 7, 0, 1, 2, 0, 0);
        for (int i = 0; i < links; ++i)
            object->AddSubGroupLink(100 + number + i, static_cast<unsigned short>(0x0801 + i),
                                    false);
        object->SetPosId(number);
        Eintragen(std::move(object));
    }

private:
    TDeviceInstanzAz &FDevice;
    HWND FWindow;
    std::list<int> FLeer;
    TEibHandle FTable;
    TAzSystem *FRoot = nullptr;
};

} // namespace

AnsiString VollesPanelBlock(TFormMainDienste &main, TFormVerwDienste *verw,
                            const DAL_DEVICE &record,
                            const std::function<void(TDeviceInstanz *)> &setDevice) {
    TDeviceInstanzAz device(&main, &record, verw);
    setDevice(&device);
    TAufbau a(device, main.GetHandle());

    TAzSystem *root = a.Root();
    a.Neu<TAzEditierbareTexte>(root, "Texte");
    auto *sb = a.Neu<TAzOrdnerSicherungsBereich>(root, "Sicherungsbereiche");
    a.Neu<TAzSicherungsBereichFeuer>(sb, "Feuer");
    a.Neu<TAzSicherungsBereichUeberfall>(sb, "Ueberfall");
    a.Neu<TAzSabotageKontakt>(sb, "Sabotage");
    TDataBasis *bereiche[] = {
        a.Neu<TAzSicherungsBereich1>(sb, "SB1"), a.Neu<TAzSicherungsBereich2>(sb, "SB2"),
        a.Neu<TAzSicherungsBereich3>(sb, "SB3"), a.Neu<TAzSicherungsBereich4>(sb, "SB4")};
    for (int n = 1; n <= 160; ++n) {
        auto *melder = a.Neu<TAzMelder>(bereiche[(n - 1) / 40], "Melder");
        melder->SetMelderBereich(static_cast<TAzMelder::TEnumMelder>(3 + (n - 1) / 40));
        melder->SetMelderNr(n);
        a.BusObjekt(melder, n, n == 1 ? 2 : 1);
    }

    auto *ssb = a.Neu<TAzOrdnerScharfschaltung>(root, "Scharfschaltung");
    a.Neu<TAzScharfschaltBereich1>(ssb, "SSB1");
    a.Neu<TAzScharfschaltBereich2>(ssb, "SSB2");
    a.Neu<TAzScharfschaltBereich3>(ssb, "SSB3");
    a.Neu<TAzScharfschaltBereich4>(ssb, "SSB4");
    for (int n = 1; n <= 4; ++n) {
        const auto bereich = static_cast<TAzScharfschaltungSsb::TEnumScharfschaltBereich>(n);
        a.Neu<TAzScharfschaltungSsb>(ssb, "Ssb")->SetScharfschaltBereich(bereich);
        a.Neu<TAzScharfUnscharfQuittierungSsb>(ssb, "Quittierung")
            ->SetScharfschaltBereich(
                static_cast<TAzScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich>(n));
    }

    auto *alarm = a.Neu<TAzOrdnerAlarmierung>(root, "Alarmierung");
    for (int t = 0; t <= 6; ++t)
        a.Neu<TAzAlarmierung>(alarm, "Alarm")
            ->SetAlarmierungTyp(static_cast<TAzAlarmierung::TEnumAlarmierungTyp>(t));
    a.Neu<TAzAlarmdauer>(alarm, "Dauer");
    a.Neu<TAzEibObjekteZurAlarmierung>(alarm, "EibObjekte");

    auto *anzeige = a.Neu<TAzOrdnerAnzeige>(root, "Anzeige");
    for (int n = 0; n < 4; ++n)
        a.Neu<TAzAnzeige>(anzeige, "Anzeige")
            ->SetAnzeigeNr(static_cast<TAzAnzeige::TEnumAnzeigeNr>(n));

    auto *stoerung = a.Neu<TAzOrdnerSicherheitStoerung>(root, "Ueberwachung");
    a.Neu<TAzEibAlarmSystemSicherheit>(stoerung, "Sicherheit");
    a.Neu<TAzVerhaltenDurchUegR>(stoerung, "UegR");
    a.Neu<TAzDatumUhrzeit>(root, "Uhr");

    // The setters above changed members: every object writes its record once more.
    for (const auto &[handle, object] : device.GetObjekte())
        object->Write(*device.GetDatenSatz(object.get()));

    TMemoryStream block;
    device.CopyStrukturDatenToDB(nullptr, &block);
    setDevice(nullptr);
    return AnsiString(reinterpret_cast<const char *>(block.Memory()),
                      static_cast<size_t>(block.Size()));
}
