#include "platform/busobjects/TVumaEtsDevice.h"

#include "platform/log/Log.h"

TVumaEtsDevice::TVumaEtsDevice(HWND window, int system, int parent, AnsiString name, long deviceId,
                               long spareId, int handle)
    : TDataBasis(window, system, parent, std::move(name), handle), FDeviceId(deviceId),
      FSpareId(spareId) {
    LOG_FKT("TVumaEtsDevice::TVumaEtsDevice");
}

TVumaEtsDevice::~TVumaEtsDevice() {
    LOG_FKT("TVumaEtsDevice::~TVumaEtsDevice");
}

void TVumaEtsDevice::KonvertHandle(TEibHandle *table) {
    LOG_FKT("TVumaEtsDevice::KonvertHandle");
    const bool neu = FHandle == 0;
    TDataBasis::KonvertHandle(table);
    if (neu && FSystem == 0)
        FSystem = FHandle;
}

void TVumaEtsDevice::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TVumaEtsDevice::InitFromDB");
    TDataBasis::InitFromDB(record);
    FDeviceId = record.Param4;
    FPhysAdrText = record.String1;
}

void TVumaEtsDevice::Write(TDatenStruktur &record) {
    LOG_FKT("TVumaEtsDevice::Write");
    TDataBasis::Write(record);
    record.Param4 = static_cast<int32_t>(FDeviceId);
    record.String1 = FPhysAdrText;
}

void TVumaEtsDevice::SetDeviceId(long deviceId) {
    LOG_FKT("TVumaEtsDevice::SetDeviceId");
    FDeviceId = deviceId;
}

void TVumaEtsDevice::SetPhysAdrText(const AnsiString &text) {
    LOG_FKT("TVumaEtsDevice::SetPhysAdrText");
    FPhysAdrText = text;
}

void TVumaEtsDevice::ObjektCountIncr() {
    LOG_FKT("TVumaEtsDevice::ObjektCountIncr");
    ++FObjektCount;
}

void TVumaEtsDevice::ObjektCountDecr() {
    LOG_FKT("TVumaEtsDevice::ObjektCountDecr");
    if (FObjektCount > 0)
        --FObjektCount;
}
