// Records to objects and back for the panel: the factory, the device-parameter writes of every
// object, the detectors' parameter clearing and the objects' standard names.
#include "deviceinstance/AzFabrik.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"
#include "platform/objectbase/TEibHandle.h"
#include "platform/win/MessageBox.h"

#include <string>
#include <vector>

namespace {
// Fixed standard names by type.
struct TNamensText {
    int Typ;
    int TextId;
};
// clang-format off
constexpr TNamensText kNamen[] = {
    {6121, 11300}, {6122, 11314}, {6123, 11326}, {6125, 11327}, {6126, 11315},
    {6127, 11322}, {6128, 11323}, {6129, 11324}, {6130, 11325}, {6131, 11312},
    {6132, 11316}, {6133, 11317}, {6134, 11318}, {6135, 11319}, {6139, 11310},
    {6140, 11293}, {6141, 11302}, {6142, 11311}, {6144, 11313}, {6145, 11301},
    {6147, 11299},
};
// clang-format on

// "text n" for an arming area 1 to 4; any other area leaves the name as it is.
void MitBereich(int textId, int bereich, AnsiString &name) {
    if (bereich >= 1 && bereich <= 4)
        name = SprText(textId) + " " + std::to_string(bereich);
}
} // namespace

void TDeviceInstanzAz::InitDataMainStruktur() {
    LOG_FKT("DeviceInstanzAz::InitDataMainStruktur");
    for (const auto &[typ, record] : FDatenByTyp) {
        if (AzFabrik::IstNurDatensatz(typ))
            continue;
        const TAzFabrikEintrag *eintrag = AzFabrik::VonTyp(typ);
        if (!eintrag) {
            MessageBox(MainHandle(), "Unbekannter Typ: " + std::to_string(typ),
                       "TDeviceInstanz::InitData", MB_OK);
            continue;
        }
        TDatenStruktur copy = record;
        std::unique_ptr<TDataBasis> object = eintrag->Erzeuge(MainHandle(), copy);
        // Every object has the handle table before it reaches for a record.
        object->KonvertHandle(FHandleTable.get());
        object->InitFromDB(copy);
        TDataBasis *raw = object.get();
        if (!SetPointer2List(object))
            continue; // a second object of one handle: deleted here
        if (typ == 105)
            SetDevice(raw);
        else if (typ == 6121)
            SetPointerEdtitierbareTexte(raw);
    }
    FDatenByHandle.clear();
    FDatenByTyp.clear();
    FDatenByParent.clear();
}

bool TDeviceInstanzAz::WriteDataToDb() {
    LOG_FKT("DeviceInstanzAz::WriteDataToDb");
    return ParameterSchreiben(nullptr);
}

bool TDeviceInstanzAz::ParameterSchreiben(std::vector<AnsiString> *fehlend) {
    LOG_FKT("DeviceInstanzAz::ParameterSchreiben");
    bool ok = true;
    for (const auto &[handle, object] : FObjekte) {
        const int typ = object->GetTyp();
        const TAzFabrikEintrag *eintrag = AzFabrik::VonTyp(typ);
        if (!eintrag) {
            MessageBox(MainHandle(), "Unbekannter Typ: " + std::to_string(typ),
                       "TDeviceInstanzAz::WriteDataToDb", MB_OK);
            return false;
        }
        if (eintrag->WriteDataToDb && !eintrag->WriteDataToDb(*object)) {
            ok = false; // the others still write
            if (fehlend)
                fehlend->push_back(object->GetName(true));
        }
    }
    return ok;
}

bool TDeviceInstanzAz::ClearDbDataExistingMelder() {
    LOG_FKT("DeviceInstanzAz::ClearDbDataExistingMelder");
    bool ok = true;
    for (const auto &[handle, object] : FObjekte)
        if (auto *melder = dynamic_cast<TAzMelder *>(object.get()))
            ok = melder->ClearDbParameter() && ok;
    return ok;
}

bool TDeviceInstanzAz::GetDefaultName(TDataBasis *object, AnsiString *name) {
    LOG_FKT("DeviceInstanzAz::GetDefaultName");
    if (!object || !name)
        return false;
    const int typ = object->GetTyp();
    for (const TNamensText &n : kNamen)
        if (n.Typ == typ) {
            *name = SprText(n.TextId);
            return true;
        }
    // From here on every type the table knows answers true; a selector outside its range (or a
    // communication object the bus tool does not know) keeps the name, and the object still
    // takes part in the alignment.
    switch (typ) {
    case TEtsObjekt::Typ: {
        auto *bus = dynamic_cast<TEtsObjekt *>(object);
        TEts2Cdi *cdi = Cdi();
        if (!bus || !cdi)
            return true;
        DAL_COMM_OBJECT record{};
        record.size = sizeof(record);
        if (cdi->DalGetCommunicationObjectData(DAL_BY_ID, bus->GetCommObjectId(), -1, -1,
                                               &record) != DAL_OK)
            return true;
        *name = GetRecordText(record.name);
        const AnsiString function = GetRecordText(record.function);
        if (!function.empty())
            *name += " [" + function + "]";
        return true;
    }
    case 6124: {
        auto *melder = dynamic_cast<TAzMelder *>(object);
        if (!melder)
            return true;
        const int bereich = melder->GetMelderBereich();
        static constexpr int kTexte[] = {11307, 11308, 11309, 11303, 11304, 11305, 11306};
        if (bereich >= 0 && bereich <= 6)
            *name = SprText(kTexte[bereich]);
        return true;
    }
    case 6136: {
        if (auto *ssb = dynamic_cast<TAzScharfschaltungSsb *>(object))
            MitBereich(11320, ssb->GetScharfschaltBereich(), *name);
        return true;
    }
    case 6137: {
        if (auto *quittierung = dynamic_cast<TAzScharfUnscharfQuittierungSsb *>(object))
            MitBereich(11321, quittierung->GetScharfschaltBereich(), *name);
        return true;
    }
    case 6138: {
        auto *alarm = dynamic_cast<TAzAlarmierung *>(object);
        if (!alarm)
            return true;
        TAzAlarmierung::TEnumAlarmierungTyp art{};
        const int t = alarm->GetAlarmierungTyp(art);
        static constexpr int kTexte[] = {11295, 11296, 11294};
        if (t >= 0 && t <= 2)
            *name = SprText(kTexte[t]);
        else
            MitBereich(11297, t - 2, *name);
        return true;
    }
    case 6146: {
        auto *ueg = dynamic_cast<TAzVerhaltenDurchUegR *>(object);
        const int art = ueg ? ueg->GetUeGRBereich() : -1;
        if (art == 0 || art == 1)
            *name = SprText(art == 0 ? 11329 : 11328);
        return true;
    }
    default:
        return false;
    }
}
