// The main window's message service: what the panel objects, the device instance and the
// project windows send and post to the main window.
#include "shell/TFormMain.h"

#include "deviceinstance/DeviceMessages.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "shell/TDM.h"

LRESULT TFormMain::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LOG_FKT("TFormMain::WndProc");
    return Dispatch(msg, wParam, lParam);
}

LRESULT TFormMain::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LOG_FKT("TFormMain::Dispatch");
    LRESULT result = 0;
    if (DeviceMessages::Dispatch(FAktDevInst, msg, wParam, lParam, result))
        return result;
    switch (msg) {
    case AzMsg::SetModified::Id:
        FDM.Modified = true;
        return 0;
    default:
        return 0;
    }
}
