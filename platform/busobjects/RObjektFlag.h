// The flag request of a communication object (message 1152, its address in lParam): which
// flag of which device object to set or to compare, filled by the object.
#pragma once

#include <cstdint>

struct RObjektFlag {
    // The flag kinds.
    enum : int32_t {
        Kommunikation = 0,
        Lesen = 1,
        Schreiben = 2,
        Uebertragen = 3,
        Aktualisieren = 4,
        Keins = 5
    };

    int32_t DeviceObjectId = 0;
    int32_t Kind = 0;
    int32_t Value = 0; // non-zero: set
};
