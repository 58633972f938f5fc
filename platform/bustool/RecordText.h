// Texts of the database (UTF-8) into the records' text fields (Windows-1252, zero-terminated,
// cut to fit): the one conversion at the interface's boundary.
#pragma once

#include "platform/vcl/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <string>

template <size_t N> void PutRecordText(char (&target)[N], const std::string &utf8) {
    const AnsiString text = Utf8ToAnsi(utf8);
    const size_t n = std::min(text.size(), N - 1);
    std::memcpy(target, text.data(), n);
    target[n] = 0;
}

// A record's text field as text: up to its terminating zero, never beyond the field.
template <size_t N> AnsiString GetRecordText(const char (&field)[N]) {
    return AnsiString(field, strnlen(field, N));
}
