// Small text helpers of the device's dialogs.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"

#include <utility>

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
    for (const char *pair : {"\r\n", "\n\r"}) {
        AnsiString out;
        out.reserve(text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            const bool paar = i + 1 < text.size() && text[i] == pair[0] && text[i + 1] == pair[1];
            out += paar ? '\n' : text[i];
            i += paar ? 1 : 0;
        }
        text = std::move(out);
    }
    return text;
}
