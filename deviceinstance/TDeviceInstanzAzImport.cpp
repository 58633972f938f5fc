// The import of exported project data: the group-address words of the exported records taken
// apart into the levels of the project's group addresses.
#include "deviceinstance/TDeviceInstanzAz.h"
#include "platform/log/Log.h"

void TDeviceInstanzAz::GetMainMiddleAndSubGroupAddr(int wort, bool dreiStufig, uint16_t &main,
                                                    uint16_t &middle, uint16_t &sub) {
    LOG_FKT("DeviceInstanzAz::GetMainMiddleAndSubGroupAddr");
    main = middle = sub = 0;
    if (wort == 0)
        return;
    // Bit 15 is no part of the address: the main group has four bits.
    main = static_cast<uint16_t>((wort >> 11) & 0xF);
    if (dreiStufig) {
        middle = static_cast<uint16_t>((wort >> 8) & 7);
        sub = static_cast<uint16_t>(wort & 0xFF);
    } else {
        sub = static_cast<uint16_t>(wort & 0x7FF);
    }
}
