// What the device instance reads of the bus tool about its device: the physical address, the
// device's and project's texts, and the device-parameter writer.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/TFormMainDienste.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/log/Log.h"

#include <cstdio>
#include <cstring>

TEts2Cdi *TDeviceInstanz::Cdi() const {
    LOG_FKT("DeviceInstanz::Cdi");
    return FMain ? FMain->GetEts2Cdi() : nullptr;
}

bool TDeviceInstanz::LiesPhysAdr(long deviceId, int &bereich, long &linie, long &teilnehmer) {
    LOG_FKT("DeviceInstanz::LiesPhysAdr");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    DAL_DEVICE device{};
    device.size = sizeof(device);
    if (cdi->DalGetDeviceData(DAL_BY_ID, deviceId, -1, -1, -1, -1, &device) != DAL_OK)
        return false;
    DAL_LINE line{};
    line.size = sizeof(line);
    if (cdi->DalGetLineData(DAL_BY_ID, device.lineId, -1L, &line) != DAL_OK)
        return false;
    DAL_AREA area{};
    area.size = sizeof(area);
    if (cdi->DalGetAreaData(DAL_BY_ID, line.areaId, -1L, &area) != DAL_OK)
        return false;
    // The packed fields are copied out before they are used.
    bereich = area.address;
    linie = line.number;
    teilnehmer = device.address;
    return true;
}

AnsiString TDeviceInstanz::PhysAdrText(int bereich, long linie, long teilnehmer) {
    LOG_FKT("DeviceInstanz::PhysAdrText");
    char text[32];
    std::snprintf(text, sizeof(text), "%02d.%02ld.%03ld", bereich, linie, teilnehmer);
    return text;
}

AnsiString TDeviceInstanz::GetPhysAdr(long deviceId) {
    LOG_FKT("DeviceInstanz::GetPhysAdr");
    int bereich = 0;
    long linie = 0, teilnehmer = 0;
    if (!LiesPhysAdr(deviceId, bereich, linie, teilnehmer))
        return {};
    return PhysAdrText(bereich, linie, teilnehmer);
}

TDeviceInstanz::TDeviceEtsInfo &TDeviceInstanz::GetDeviceEtsInfo(TDeviceEtsInfo &out) {
    LOG_FKT("DeviceInstanz::GetDeviceEtsInfo");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return out;
    DAL_DEVICE device{};
    device.size = sizeof(device);
    if (cdi->DalGetDeviceData(DAL_BY_ID, FDeviceId, -1, -1, -1, -1, &device) == DAL_OK) {
        out.ProductText = GetRecordText(device.productText);
        out.DeviceName = GetRecordText(device.name);
        DAL_PROJECT project{};
        project.size = sizeof(project);
        if (cdi->DalGetProjectData(DAL_BY_ID, device.projectId, &project) == DAL_OK)
            out.ProjectName = GetRecordText(project.name);
    }
    out.PhysAdr = GetPhysAdr(FDeviceId);
    return out;
}

TEtsDeviceParam *TDeviceInstanz::GetEtsDeviceParam() {
    LOG_FKT("DeviceInstanz::GetEtsDeviceParam");
    if (!FEtsDeviceParam) {
        TEts2Cdi *cdi = Cdi();
        if (!cdi)
            return nullptr;
        FEtsDeviceParam = std::make_unique<TEtsDeviceParam>(cdi, FDeviceId);
    }
    return FEtsDeviceParam.get();
}
