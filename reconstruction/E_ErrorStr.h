// The read-out's failure as it leaves the reconstruction library: one message text and nothing
// else (no base class), thrown by value.
#pragma once

#include "platform/vcl/AnsiString.h"

class E_ErrorStr {
public:
    explicit E_ErrorStr(AnsiString message);
    AnsiString Message;
};
