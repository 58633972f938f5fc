// The messages that the main window hands to the current device instance, decoded into calls
// of the instance: 1125 the object of a handle, 1127 and 1164 a record, 1129 a chain of
// chained records deleted, 1133 and 1161 an object's request, 1170 the device-parameter
// writer. The shell's dispatch (and the tests' fake main window) call Dispatch first.
#pragma once

#include "platform/win/Messages.h"

class TDeviceInstanz;

namespace DeviceMessages {
// True when msg is one of the instance's messages; result is then its answer (0 without an
// instance). False, result untouched, for any other message.
bool Dispatch(TDeviceInstanz *device, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result);
} // namespace DeviceMessages
