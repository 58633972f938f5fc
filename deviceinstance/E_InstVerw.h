// The device instance's error: a handle that is not in its tables, a missing object pointer,
// memory running out while the device is built. Codes: 2 memory, 4 unknown system handle,
// 5 no object given, 6 no object to enter. Thrown by value; the main window's event handlers
// catch and show it (E_Basis::WriteMessage).
#pragma once

#include "platform/objectbase/E_Basis.h"

class E_InstVerw : public E_Basis {
public:
    E_InstVerw(int code, AnsiString message, AnsiString info, AnsiString file, int line);
    ~E_InstVerw() override;
    E_InstVerw(const E_InstVerw &) = default;
    E_InstVerw &operator=(const E_InstVerw &) = default;
};
