// The library's line rule, shared by string lists and record files: a line ends at CR LF, a
// lone CR or a lone LF, and a zero byte ends the text.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"

#include <string_view>
#include <vector>

template <class F> void ForEachTextLine(std::string_view text, F &&onLine) {
    // find(), not memchr: an empty view may hold a null pointer.
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    size_t p = 0;
    const size_t n = text.size();
    while (p < n) {
        size_t e = p;
        while (e < n && text[e] != '\r' && text[e] != '\n')
            ++e;
        const std::string_view line = text.substr(p, e - p);
        if (e < n && text[e] == '\r')
            ++e;
        if (e < n && text[e] == '\n')
            ++e;
        p = e;
        onLine(line);
    }
}

// The pieces of a text between its delimiters, empty ones included ("" gives one empty piece).
inline std::vector<AnsiString> SplitText(const AnsiString &text, char delimiter) {
    LOG_FKT("SplitText");
    std::vector<AnsiString> pieces;
    size_t from = 0;
    for (;;) {
        const size_t end = text.find(delimiter, from);
        pieces.push_back(
            text.substr(from, end == AnsiString::npos ? AnsiString::npos : end - from));
        if (end == AnsiString::npos)
            return pieces;
        from = end + 1;
    }
}
