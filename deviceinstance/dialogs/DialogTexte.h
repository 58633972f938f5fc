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

// A label's text with "\n\r" and "\r\n" each as one line break.
inline AnsiString EinUmbruch(AnsiString text) {
    LOG_FKT("DialogTexte::EinUmbruch");
    for (const char *paar : {"\r\n", "\n\r"})
        for (size_t at = text.find(paar); at != AnsiString::npos; at = text.find(paar, at + 1))
            text.replace(at, 2, "\n");
    return text;
}
