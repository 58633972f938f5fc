// The messages that the main window hands to the current device instance, decoded into calls
// of the instance: 1125 the object of a handle, 1127 and 1164 a record, 1129 a chain of
// chained records deleted, 1133 and 1161 an object's request, 1170 the device-parameter
// writer; the communication objects' 1144 to 1153 (links, group-address texts, flags, the
// group-address dialog; 1147 only with code 3, adding detectors stops), 1158 the physical
// address, 1159 an object's flag operation, 1160 the database check, 1211 a sub group by
// word. The shell's dispatch (and the tests' fake main window) call Dispatch first; the
// refresh of every project window after 1145 is the shell's own.
#pragma once

#include "platform/win/Messages.h"

class TDeviceInstanz;

namespace DeviceMessages {
// True when msg is one of the instance's messages; result is then its answer (0 without an
// instance). False, result untouched, for any other message.
bool Dispatch(TDeviceInstanz *device, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result);
} // namespace DeviceMessages
