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

// A label's text with "\r\n" and "\n\r" each made one line break ("\n").
inline AnsiString LabelText(AnsiString text) {
    LOG_FKT("DialogTexte::LabelText");
    for (const char *pair : {"\r\n", "\n\r"})
        for (size_t at = text.find(pair); at != AnsiString::npos; at = text.find(pair, at + 1))
            text.replace(at, 2, "\n");
    return text;
}
