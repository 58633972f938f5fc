#include "platform/objectbase/RDeviceRequest.h"

#include "platform/objectbase/MainWindowMessages.h"

#include "platform/log/Log.h"
#include "platform/objectbase/TDataBasis.h"

RDeviceRequest::RDeviceRequest(TDataBasis &sender, uint8_t code)
    : Handle(sender.GetHandle()), Code(code), Sender(&sender) {
    LOG_FKT("RDeviceRequest::RDeviceRequest");
}

LRESULT RDeviceRequest::Send(UINT msg) {
    LOG_FKT("RDeviceRequest::Send");
    if (!Sender)
        return 0;
    const HWND window = Sender->GetWindowHandle();
    switch (msg) {
    case AzMsg::DeviceRequest::Id:
        return AzMsg::Send(window, AzMsg::DeviceRequest{this});
    case AzMsg::DeviceRequest2::Id:
        return AzMsg::Send(window, AzMsg::DeviceRequest2{this});
    default:
        return 0;
    }
}
