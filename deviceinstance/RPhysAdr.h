// A bus device by its physical address: the 16-bit address (held as a 32-bit number; 0 means
// none), its text "AA.LL.DDD" and the device's name in the project. The device instance finds
// the switching devices of an arming area as these; the physical-address dialog offers them.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>

struct RPhysAdr {
    int32_t PhysAdr = 0;
    AnsiString Text;
    AnsiString Name;
    bool operator==(const RPhysAdr &) const = default;
};
