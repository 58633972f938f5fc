#include "deviceinstance/DeviceMessages.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "objectmodel/RDeviceRequest.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/TDataBasis.h"

#include <cstdint>

namespace {

// 1125 (handle, 0): the object, or 0.
LRESULT GetDataPointer(TDeviceInstanz &device, WPARAM wParam, LPARAM) {
    TDataBasis *object = nullptr;
    device.GetDataPointer(static_cast<int>(wParam), object);
    return reinterpret_cast<LRESULT>(object);
}

// 1127 (system signed in the high half, parent in the low half with 65535 = -1; handle).
LRESULT GetDatenSatz(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    const int system = static_cast<int16_t>(static_cast<uint16_t>(wParam >> 16));
    const int low = static_cast<int>(wParam & 0xFFFF);
    const int parent = low == 0xFFFF ? -1 : low;
    return reinterpret_cast<LRESULT>(device.GetDatenSatz(system, parent, static_cast<int>(lParam)));
}

// 1129 (system and owner's handle, both unsigned; the first chained handle).
LRESULT DeleteNextDatenSatz(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    device.DeleteNextDatenSatz(static_cast<int>((wParam >> 16) & 0xFFFF),
                               static_cast<int>(wParam & 0xFFFF), static_cast<int>(lParam));
    return 0;
}

// 1164 (system; handle): the record under any parent.
LRESULT GetDatenSatzSystem(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return reinterpret_cast<LRESULT>(
        device.GetDatenSatz(static_cast<int>(wParam), -1, static_cast<int>(lParam)));
}

// 1133 and 1161 (0; the request record).
LRESULT DeviceRequest(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return device.UserDeviceMessage(static_cast<int>(wParam),
                                    reinterpret_cast<RDeviceRequest *>(lParam));
}
LRESULT DeviceRequest2(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return device.UserDeviceMessage2(static_cast<int>(wParam),
                                     reinterpret_cast<RDeviceRequest *>(lParam));
}

// 1170 (0, 0): the device-parameter writer.
LRESULT GetDeviceParam(TDeviceInstanz &device, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(device.GetEtsDeviceParam());
}

struct TDecoder {
    UINT Msg;
    LRESULT (*Decode)(TDeviceInstanz &, WPARAM, LPARAM);
};
constexpr TDecoder kDecoder[] = {
    {WM_AZ_GET_DATA_POINTER, &GetDataPointer},
    {WM_AZ_GET_DATENSATZ, &GetDatenSatz},
    {WM_AZ_DELETE_NEXT_DATENSATZ, &DeleteNextDatenSatz},
    {WM_AZ_GET_DATENSATZ_SYSTEM, &GetDatenSatzSystem},
    {WM_AZ_DEVICE_REQUEST, &DeviceRequest},
    {WM_AZ_DEVICE_REQUEST_2, &DeviceRequest2},
    {WM_AZ_GET_DEVICE_PARAM, &GetDeviceParam},
};

} // namespace

bool DeviceMessages::Dispatch(TDeviceInstanz *device, UINT msg, WPARAM wParam, LPARAM lParam,
                              LRESULT &result) {
    LOG_FKT("DeviceMessages::Dispatch");
    for (const TDecoder &d : kDecoder)
        if (d.Msg == msg) {
            result = device ? d.Decode(*device, wParam, lParam) : 0;
            return true;
        }
    return false;
}
