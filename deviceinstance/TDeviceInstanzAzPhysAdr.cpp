// The project's devices by physical address: which devices share a group address with one of
// the panel's objects (the switching devices of an arming area), a device's address as text
// and value, the check of an arming area's switching devices against the project, and the
// objects written back into their records after an import.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "deviceinstance/DalAufzaehlen.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <string>

namespace {
constexpr char kSucheCaption[] = "TDeviceInstanzAz::GetDevicePhysAdrLinkedWithGrpAdr";
constexpr int kSchalteinrichtungen = 4;
constexpr int kScharfschaltEingang = 161; // + k: the arming input of arming area k
} // namespace

bool TDeviceInstanzAz::GetPhysAdr(long deviceId, AnsiString &text, uint16_t &value) {
    LOG_FKT("DeviceInstanzAz::GetPhysAdr");
    int bereich = 0;
    long linie = 0, teilnehmer = 0;
    if (!LiesPhysAdr(deviceId, bereich, linie, teilnehmer))
        return false;
    text = PhysAdrText(bereich, linie, teilnehmer);
    PhysAdrMergeToInt(value, bereich, static_cast<int>(teilnehmer), static_cast<int>(linie));
    return true;
}

void TDeviceInstanzAz::PhysAdrMergeToInt(uint16_t &value, int area, int device, int line) {
    LOG_FKT("DeviceInstanzAz::PhysAdrMergeToInt");
    value = static_cast<uint16_t>((area & 0x0F) << 12 | (line & 0x0F) << 8 | (device & 0xFF));
}

bool TDeviceInstanzAz::GetDeviceObjectIds(long subGroupId, std::list<long> &objectIds) {
    LOG_FKT("DeviceInstanzAz::GetDeviceObjectIds");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    std::vector<DAL_SUB_TO_OBJECT> links;
    const int result = DalAufzaehlen(links, [&](int mode, DAL_SUB_TO_OBJECT &link) {
        return cdi->DalGetSubgroupToObjectData(mode, -1, subGroupId, -1, &link);
    });
    for (const DAL_SUB_TO_OBJECT &link : links)
        objectIds.push_back(link.deviceObjectId);
    if (result == DAL_ERR)
        return false;
    if (result != DAL_END)
        MessageBox(MainHandle(),
                   "DalGetSubgroupToObjectData: unknown DAL_ReturnValue = " +
                       std::to_string(result),
                   kSucheCaption, MB_OK);
    return true;
}

bool TDeviceInstanzAz::GetDeviceIds(std::list<long> &deviceIds, const std::list<long> &objectIds) {
    LOG_FKT("DeviceInstanzAz::GetDeviceIds");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    for (const long id : objectIds) {
        DAL_DEVICE_OBJECT object{};
        object.size = sizeof(object);
        const int result = cdi->DalGetDeviceObjectData(DAL_BY_ID, id, -1, &object);
        if (result == DAL_OK)
            deviceIds.push_back(object.deviceId);
        else if (result == DAL_ERR)
            return false;
        else if (result != DAL_END) {
            MessageBox(MainHandle(),
                       "DalGetDeviceObjectData: unknown DAL_ReturnValue = " +
                           std::to_string(result),
                       kSucheCaption, MB_OK);
            return false;
        }
    }
    return true;
}

bool TDeviceInstanzAz::GetDevicesPhysAdr(std::vector<RPhysAdr> &devices,
                                         const std::list<long> &deviceIds) {
    LOG_FKT("DeviceInstanzAz::GetDevicesPhysAdr");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    for (const long id : deviceIds) {
        DAL_DEVICE device{};
        device.size = sizeof(device);
        const int result = cdi->DalGetDeviceData(DAL_BY_ID, id, -1, -1, -1, -1, &device);
        if (result == DAL_END)
            continue;
        RPhysAdr eintrag;
        uint16_t wert = 0;
        // A device whose address cannot be read is a failed read, never a device at 0.
        if (result != DAL_OK || !GetPhysAdr(id, eintrag.Text, wert))
            return false;
        eintrag.PhysAdr = wert;
        eintrag.Name = GetRecordText(device.name);
        devices.push_back(std::move(eintrag));
    }
    return true;
}

std::vector<TDeviceInstanzAz::RPhysAdr> TDeviceInstanzAz::GetDevicePhysAdrLinkedWithGrpAdr(
    const std::vector<TObjektBasis::RecGrpAdrId> &links) {
    LOG_FKT("DeviceInstanzAz::GetDevicePhysAdrLinkedWithGrpAdr");
    std::vector<RPhysAdr> gefunden;
    std::list<long> objectIds;
    for (const TObjektBasis::RecGrpAdrId &link : links)
        if (!GetDeviceObjectIds(link.SubGroupId, objectIds))
            return gefunden;
    std::list<long> deviceIds;
    if (!GetDeviceIds(deviceIds, objectIds))
        return gefunden;
    deviceIds.sort();
    deviceIds.unique();
    std::vector<RPhysAdr> devices;
    GetDevicesPhysAdr(devices, deviceIds);
    TDeviceEtsInfo panel;
    GetDeviceEtsInfo(panel);
    for (RPhysAdr &device : devices)
        if (device.Text != panel.PhysAdr && device.Name != panel.DeviceName)
            gefunden.push_back(std::move(device));
    return gefunden;
}

void TDeviceInstanzAz::CheckPhysAdrSeExist(int bereich, TAzScharfschaltungSsb *ssb) {
    LOG_FKT("DeviceInstanzAz::CheckPhysAdrSeExist");
    if (!ssb || bereich < 1 || bereich > 4 || (FMain && FMain->GetSonderzustand()))
        return;
    const AnsiString caption =
        SprText(11312) + " " + SprText(11297) + " " + std::to_string(bereich);
    bool parametriert = false;
    for (int i = 1; i <= kSchalteinrichtungen; ++i)
        parametriert = parametriert || ssb->GetPhysAdrSe(i) != 0;
    auto alleLoeschen = [&](int text) {
        if (parametriert &&
            MessageBox(MainHandle(), SprText(text), caption, MB_YESNO | MB_ICONQUESTION) == IDYES)
            for (int i = 1; i <= kSchalteinrichtungen; ++i)
                ssb->ClearPhysAdrSeAndMelderNrSe(i);
    };

    TEtsObjekt *eingang = GetObjectFromObjectNr(kScharfschaltEingang + bereich);
    const std::vector<TObjektBasis::RecGrpAdrId> links =
        eingang ? eingang->GetSubGroupLinks() : std::vector<TObjektBasis::RecGrpAdrId>{};
    if (links.empty()) {
        alleLoeschen(11258);
        return;
    }
    const std::vector<RPhysAdr> devices = GetDevicePhysAdrLinkedWithGrpAdr(links);
    if (devices.empty()) {
        alleLoeschen(11249);
        return;
    }
    std::list<int> &used = FPhysAdrUsed[static_cast<size_t>(bereich - 1)];
    for (int i = 1; i <= kSchalteinrichtungen; ++i) {
        const int adresse = ssb->GetPhysAdrSe(i);
        if (adresse == 0)
            continue;
        const bool da = std::any_of(devices.begin(), devices.end(),
                                    [&](const RPhysAdr &d) { return d.PhysAdr == adresse; });
        if (da) {
            // The list stays ascending and free of repeats.
            const auto it = std::lower_bound(used.begin(), used.end(), adresse);
            if (it == used.end() || *it != adresse)
                used.insert(it, adresse);
            continue;
        }
        const AnsiString frage =
            SprText(11151) + " " + ssb->GetStringPhysAdrSe(i) + " " + SprText(11264);
        if (MessageBox(MainHandle(), frage, caption, MB_YESNO | MB_ICONQUESTION) == IDYES)
            ssb->ClearPhysAdrSeAndMelderNrSe(i);
    }
}

int TDeviceInstanzAz::ImportAbgleichDB() {
    LOG_FKT("DeviceInstanzAz::ImportAbgleichDB");
    for (const auto &[handle, object] : FObjekte)
        SchreibeDatensatz(object.get());
    return 1;
}
