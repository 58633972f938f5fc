// The window messages that panel objects send or post to the main window (decimal id in the
// comment, as the protocol lists them). Send messages answer at once; posted ones only trigger
// refreshes and run after the sender's handler has returned.
#pragma once

#include "platform/win/Messages.h"

#include <cstdint>

enum : UINT {
    // 1125 send (handle, 0): the object of a record handle, or 0.
    WM_AZ_GET_DATA_POINTER = WM_USER + 101,
    // 1126 post (column, row): every project window refreshes, the active one at that cell.
    WM_AZ_AKTUALISIERE_ANSICHT = WM_USER + 102,
    // 1127 send (system << 16 | parent, handle): the record, made when missing.
    WM_AZ_GET_DATENSATZ = WM_USER + 103,
    // 1129 send (system << 16 | handle, first chained handle): deletes that chain.
    WM_AZ_DELETE_NEXT_DATENSATZ = WM_USER + 105,
    // 1130 send (0, 0): the device's data were modified.
    WM_AZ_SET_MODIFIED = WM_USER + 106,
    // 1133 send (0, RDeviceRequest*): a request to the device instance; non-zero = done.
    WM_AZ_DEVICE_REQUEST = WM_USER + 109,
    // 1136 post (column, row): the active grid activates that cell.
    WM_AZ_ACTIVATE_CELL = WM_USER + 112,
    // 1138 post (0, 0): tree names and icons are refreshed.
    WM_AZ_UPDATE_TREE_NAMES = WM_USER + 114,
    // 1157 post (column, row): the other project windows are aligned with the active one.
    WM_AZ_ABGLEICH_FORMVERW = WM_USER + 133,
    // 1161 send (0, RDeviceRequest*): the second request channel (default names and more).
    WM_AZ_DEVICE_REQUEST_2 = WM_USER + 137,
    // 1163 post (0, 0): every project window but the active one refreshes.
    WM_AZ_REFRESH_OTHER_WINDOWS = WM_USER + 139,
    // 1164 send (system, handle): the record with that handle under any parent, made when
    // missing.
    WM_AZ_GET_DATENSATZ_SYSTEM = WM_USER + 140,
    // 1170 send (0, 0): the device's TEtsDeviceParam, or 0.
    WM_AZ_GET_DEVICE_PARAM = WM_USER + 146,
};

// wParam of 1127 and 1129: the system handle in the high 16 bits, a parent or handle in the
// low 16 bits (-1 becomes 0xFFFF, "any parent").
inline WPARAM PackSystemHandle(int system, int handle) {
    return (static_cast<WPARAM>(static_cast<uint16_t>(system)) << 16) |
           static_cast<uint16_t>(handle);
}
