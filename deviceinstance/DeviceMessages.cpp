#include "deviceinstance/DeviceMessages.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"

namespace {

// One decoder per message: the message's codec unpacks wParam and lParam, the instance
// answers, the codec packs the result.
LRESULT GetDataPointer(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDataPointer>(wParam, lParam, [&](const auto &m) {
        TDataBasis *object = nullptr;
        device.GetDataPointer(m.Handle, object);
        return object;
    });
}

LRESULT GetDatenSatz(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDatenSatz>(wParam, lParam, [&](const auto &m) {
        return device.GetDatenSatz(m.System, m.Parent, m.Handle);
    });
}

LRESULT DeleteNextDatenSatz(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::DeleteNextDatenSatz>(wParam, lParam, [&](const auto &m) {
        device.DeleteNextDatenSatz(m.System, m.Handle, m.Next);
    });
}

LRESULT GetDatenSatzSystem(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDatenSatzSystem>(
        wParam, lParam, [&](const auto &m) { return device.GetDatenSatz(m.System, -1, m.Handle); });
}

LRESULT DeviceRequest(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::DeviceRequest>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.UserDeviceMessage(0, m.Request));
    });
}

LRESULT DeviceRequest2(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::DeviceRequest2>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.UserDeviceMessage2(0, m.Request));
    });
}

LRESULT GetDeviceParam(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDeviceParam>(
        wParam, lParam, [&](const auto &) { return device.GetEtsDeviceParam(); });
}

struct TDecoder {
    UINT Msg;
    LRESULT (*Decode)(TDeviceInstanz &, WPARAM, LPARAM);
};
constexpr TDecoder kDecoder[] = {
    {AzMsg::GetDataPointer::Id, &GetDataPointer},
    {AzMsg::GetDatenSatz::Id, &GetDatenSatz},
    {AzMsg::DeleteNextDatenSatz::Id, &DeleteNextDatenSatz},
    {AzMsg::GetDatenSatzSystem::Id, &GetDatenSatzSystem},
    {AzMsg::DeviceRequest::Id, &DeviceRequest},
    {AzMsg::DeviceRequest2::Id, &DeviceRequest2},
    {AzMsg::GetDeviceParam::Id, &GetDeviceParam},
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
