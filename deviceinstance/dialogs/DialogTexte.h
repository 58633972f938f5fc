// Small text helpers of the device's dialogs.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"

// The pattern with its first "%s" replaced by the value.
inline AnsiString Einsetzen(AnsiString pattern, const AnsiString &value) {
    LOG_FKT("DialogTexte::Einsetzen");
    const size_t at = pattern.find("%s");
    if (at != AnsiString::npos)
        pattern.replace(at, 2, value);
    return pattern;
}
