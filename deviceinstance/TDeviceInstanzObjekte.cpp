// The communication objects of the device: the bus tool switches them on and off through the
// device parameters that own them (the panel objects call the parameter id the display
// order); the instance mirrors them as TEtsObjekt objects under the panel object that owns
// the parameter, and reads the bus tool's lists of device objects and parameters.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/DalAufzaehlen.h"
#include "deviceinstance/TFlagFuerEinenAufruf.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/dialogs/DlgProgressGuard.h"
#include "platform/log/Log.h"
#include "platform/objectbase/E_Basis.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {
// The bus tool's object types run from 0 (1 bit) to 15 (variable data).
constexpr int kHoechsterObjektTyp = 15;

// The tree name of a communication object: its name, and its function in brackets.
AnsiString TreeName(const tagDAL_OBJECT_INFO &entry) {
    const AnsiString name = GetRecordText(entry.name);
    const AnsiString function = GetRecordText(entry.function);
    return function.empty() ? name : name + " [" + function + "]";
}
} // namespace

bool TDeviceInstanz::AddEtsObjectByDisplayOrder(int16_t parameterId, int32_t value, int32_t base,
                                                TDataBasis *parent, bool confirm) {
    LOG_FKT("DeviceInstanz::AddEtsObjectByDisplayOrder");
    TCursorHourGlass hourGlass;
    TEtsDeviceParam *param = GetEtsDeviceParam();
    if (!param)
        return false;
    int32_t current = 0;
    std::vector<tagDAL_OBJECT_INFO> list;
    if (!CheckObjectParamResult(param->GetDeviceParamData(parameterId, current, list), parameterId,
                                current))
        return false;
    const bool hadObjects = !list.empty();
    if (hadObjects) {
        if (current > 0 && current == value)
            return true;
        // The caller's confirmation for this call; true again afterwards.
        TFlagFuerEinenAufruf bestaetigung(FBestaetigung, confirm, true);
        if (DeleteObjektInstanzen(list) == 0)
            return false;
    }
    if (!hadObjects && value == 0)
        return true;
    list.clear();
    if (!CheckObjectParamResult(param->SetDeviceParamData(parameterId, value, list), parameterId,
                                value))
        return false;
    return CreateObjects(list, base, parent, parameterId) == 1;
}

bool TDeviceInstanz::GetEtsObjectByDisplayOrder(int16_t parameterId, int32_t *value,
                                                std::list<TEtsObjekt *> &out) {
    LOG_FKT("DeviceInstanz::GetEtsObjectByDisplayOrder");
    TCursorHourGlass hourGlass;
    TEtsDeviceParam *param = GetEtsDeviceParam();
    if (!param || !value)
        return false;
    std::vector<tagDAL_OBJECT_INFO> list;
    if (!CheckObjectParamResult(param->SetDeviceParamData(parameterId, *value, list), parameterId,
                                *value))
        return false;
    for (const tagDAL_OBJECT_INFO &entry : list)
        if (TEtsObjekt *object = GetObjectFromDeviceObjectId(entry.deviceObjectId))
            out.push_back(object);
    return true;
}

int TDeviceInstanz::CreateObjects(const std::vector<tagDAL_OBJECT_INFO> &list, int32_t base,
                                  TDataBasis *parent, int16_t parameterId) {
    LOG_FKT("DeviceInstanz::CreateObjects");
    for (const tagDAL_OBJECT_INFO &entry : list) {
        const AnsiString name = TreeName(entry);
        if (!parent)
            return 0;
        auto object = std::make_unique<TEtsObjekt>(
            MainHandle(), FRoot ? FRoot->GetSystem() : parent->GetSystem(), parent->GetHandle(),
            name, entry.commObjectId, entry.deviceObjectId, entry.number, entry.reference,
            parameterId, entry.flags, 0, entry.type + 1, 2, 0, 0);
        object->SetParameterWert(entry.value);
        object->SetEtsDeviceId(entry.deviceId);
        try {
            object->KonvertHandle(FHandleTable.get());
        } catch (const E_Basis &e) {
            e.WriteMessage(MainHandle());
            return 0;
        }
        if (object->GetHandle() == 0) {
            MessageBox(MainHandle(), "No handle table for \"" + name + "\"",
                       "Error: TDeviceInstanz::CreateObjects", MB_OK);
            return 0;
        }
        object->SetPosId(entry.number + base);
        TEtsObjekt *neu = object.get();
        std::unique_ptr<TDataBasis> owner = std::move(object);
        if (!SetPointer2List(owner))
            return 0;
        if (FVerw)
            FVerw->AddChildNode2Data(parent, neu, false);
        neu->DatenAbgleich(true, false);
        SchreibeDatensatz(neu);
    }
    return 1;
}

int TDeviceInstanz::DeleteObjektInstanzen(const std::vector<tagDAL_OBJECT_INFO> &list) {
    LOG_FKT("DeviceInstanz::DeleteObjektInstanzen");
    std::vector<TEtsObjekt *> objects;
    bool gefragt = false;
    for (const tagDAL_OBJECT_INFO &entry : list) {
        TEtsObjekt *object = GetObjectFromDeviceObjectId(entry.deviceObjectId);
        if (!object)
            continue;
        if (!gefragt && CheckObjectVerbunden(object) && FBestaetigung && !FResetFlag) {
            gefragt = true;
            if (MessageBox(MainHandle(), SprText(9036), SprText(9035),
                           MB_YESNO | MB_ICONQUESTION) != IDYES)
                return 0;
        }
        objects.push_back(object);
    }
    for (TEtsObjekt *object : objects) {
        UnLinkAllSubGroups(object);
        if (FVerw)
            FVerw->DeleteNode(nullptr, object);
        // The object's record goes with the records chained behind it (its further links).
        const int system = object->GetSystem();
        const int parent = object->GetParent();
        const int handle = object->GetHandle();
        DeletePointerFromList(object);
        DeleteDatenSatzAndNext(system, parent, handle);
    }
    return 1;
}

std::vector<TDatenStruktur> TDeviceInstanz::BusObjektDatensaetze() {
    LOG_FKT("DeviceInstanz::BusObjektDatensaetze");
    TMemoryStream leer;
    TDatenManager<TDatenStruktur> store(&leer);
    KonfigurationInStore(store);
    std::vector<TDatenStruktur> out;
    const std::unique_ptr<TDatenManager<TDatenStruktur>> view(
        store.Filter("Typ", static_cast<int32_t>(TEtsObjekt::Typ)));
    if (view)
        for (TDatenStruktur *r = view->GetFirst(); r; r = view->GetNext())
            out.push_back(*r);
    return out;
}

void TDeviceInstanz::EtsObjekteEntfernen(const std::vector<TDatenStruktur> &records,
                                         const AnsiString &name, const AnsiString &nummer,
                                         unsigned style) {
    LOG_FKT("DeviceInstanz::EtsObjekteEntfernen");
    for (const TDatenStruktur &r : records)
        if (!AddEtsObjectByDisplayOrder(static_cast<int16_t>(r.Param16 & 0xFFFF), 0, 0, nullptr,
                                        false))
            MessageBox(MainHandle(),
                       SprText(9043) + "\n" + name + ": " + r.Name + "\n" + nummer + ": " +
                           std::to_string(r.Param4),
                       SprText(9013), style);
}

bool TDeviceInstanz::CheckObjectParamResult(int code, int16_t, int32_t) {
    LOG_FKT("DeviceInstanz::CheckObjectParamResult");
    return code == TEtsDeviceParam::kDone;
}

void TDeviceInstanz::CreateEtsDBList(std::vector<DAL_DEVICE_PARAM> &params,
                                     std::vector<DAL_DEVICE_OBJECT> &objects) {
    LOG_FKT("DeviceInstanz::CreateEtsDBList");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return;
    DalAufzaehlen(objects, [&](int mode, DAL_DEVICE_OBJECT &r) {
        return cdi->DalGetDeviceObjectData(mode, -1, FDeviceId, &r);
    });
    DalAufzaehlen(params, [&](int mode, DAL_DEVICE_PARAM &r) {
        return cdi->DalGetDeviceParamData(mode, -1, FDeviceId, &r);
    });
}

bool TDeviceInstanz::GetEtsIdFromObjNr(const std::vector<DAL_DEVICE_PARAM> &params,
                                       const std::vector<DAL_DEVICE_OBJECT> &objects, int number,
                                       int type, long &commObjectId, long &deviceObjectId,
                                       long &parameterId) {
    LOG_FKT("DeviceInstanz::GetEtsIdFromObjNr");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    for (const DAL_DEVICE_OBJECT &object : objects) {
        if (object.number != number || object.active <= 0 || object.type != type)
            continue;
        DAL_COMM_OBJECT comm{};
        comm.size = sizeof(comm);
        if (cdi->DalGetCommunicationObjectData(DAL_BY_ID, object.commObjectId, -1, -1, &comm) !=
            DAL_OK)
            continue;
        for (const DAL_DEVICE_PARAM &param : params)
            if (param.reference == comm.reference) {
                commObjectId = object.commObjectId;
                deviceObjectId = object.deviceObjectId;
                parameterId = param.parameterId;
                return true;
            }
    }
    return false;
}

bool TDeviceInstanz::GetObjectNrFromParameterId(long reference, long,
                                                const std::vector<DAL_DEVICE_OBJECT> &objects,
                                                int &number) {
    LOG_FKT("DeviceInstanz::GetObjectNrFromParameterId");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    DAL_COMM_OBJECT comm{};
    comm.size = sizeof(comm);
    for (int mode = DAL_FIRST;
         cdi->DalGetCommunicationObjectData(mode, -1, reference, -1, &comm) == DAL_OK;
         mode = DAL_NEXT)
        for (const DAL_DEVICE_OBJECT &object : objects)
            if (object.commObjectId == comm.commObjectId) {
                number = object.number;
                return true;
            }
    return false;
}

int TDeviceInstanz::EtsObjektCheck() {
    LOG_FKT("DeviceInstanz::EtsObjektCheck");
    TDlgProgressGuard fortschritt(SprText(9045), SprText(9153), 3, MainHandle());
    fortschritt.Set(1, SprText(9155));

    std::vector<int> nummern;
    for (const TDatenStruktur &r : BusObjektDatensaetze())
        nummern.push_back(r.Param4);
    std::sort(nummern.begin(), nummern.end());
    nummern.erase(std::unique(nummern.begin(), nummern.end()), nummern.end());

    std::vector<DAL_DEVICE_PARAM> params;
    std::vector<DAL_DEVICE_OBJECT> objects;
    CreateEtsDBList(params, objects);
    fortschritt.SetMax(3 + static_cast<int>(nummern.size()));
    fortschritt.Set(2, SprText(9015));

    // A failure stays a failure: a correction found after it does not make the check succeed.
    enum class TErgebnis { Keins, Korrigiert, Fehler } ergebnis = TErgebnis::Keins;
    auto wert = [&params](long parameterId) {
        for (const DAL_DEVICE_PARAM &p : params)
            if (p.parameterId == parameterId)
                return static_cast<int32_t>(p.value);
        return int32_t{0};
    };
    for (const int nummer : nummern) {
        bool vorhanden = false;
        for (int typ = 0; typ <= kHoechsterObjektTyp && !vorhanden; ++typ) {
            long commObjectId = 0, deviceObjectId = 0, parameterId = 0;
            vorhanden = GetEtsIdFromObjNr(params, objects, nummer, typ, commObjectId,
                                          deviceObjectId, parameterId) &&
                        wert(parameterId) > 0;
        }
        if (!vorhanden) {
            MessageBox(MainHandle(),
                       SprText(9104) + std::to_string(nummer) + "\n\n" + SprText(9098),
                       SprText(9041), MB_ICONERROR);
            ergebnis = TErgebnis::Fehler;
        }
    }

    fortschritt.Set(3, SprText(9015));
    TEts2Cdi *cdi = Cdi();
    for (const DAL_DEVICE_PARAM &p : params) {
        int nummer = 0;
        if (p.value <= 0 || !GetObjectNrFromParameterId(p.reference, p.value, objects, nummer) ||
            GetObjectFromObjectNr(nummer))
            continue;
        AnsiString text = SprText(9103) + std::to_string(nummer);
        const int antwort =
            cdi ? cdi->CoSetDeviceParameterValueLong(p.parameterId, 0, false, false) : 0;
        if (antwort == 1 || antwort == 2) {
            MessageBox(MainHandle(), text + "\n\n" + SprText(9023), SprText(9045), MB_ICONWARNING);
            if (ergebnis == TErgebnis::Keins)
                ergebnis = TErgebnis::Korrigiert;
        } else {
            MessageBox(MainHandle(), text + "\n\n" + SprText(9098), SprText(9041), MB_ICONERROR);
            ergebnis = TErgebnis::Fehler;
        }
    }

    fortschritt.Stop();
    switch (ergebnis) {
    case TErgebnis::Keins:
        MessageBox(MainHandle(), SprText(9021), SprText(9045), MB_OK);
        break;
    case TErgebnis::Korrigiert:
        MessageBox(MainHandle(), SprText(9022), SprText(9045), MB_ICONWARNING);
        break;
    case TErgebnis::Fehler:
        MessageBox(MainHandle(), SprText(9098), SprText(9045), MB_ICONERROR);
        break;
    }
    return 1;
}
