#include "objectmodel/RDeviceRequest.h"

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
    return SendMessage(Sender->GetWindowHandle(), msg, 0, reinterpret_cast<LPARAM>(this));
}
