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

void TVumaEtsDevice::ObjektCountIncr() {
    LOG_FKT("TVumaEtsDevice::ObjektCountIncr");
    ++FObjektCount;
}

void TVumaEtsDevice::ObjektCountDecr() {
    LOG_FKT("TVumaEtsDevice::ObjektCountDecr");
    if (FObjektCount > 0)
        --FObjektCount;
}
