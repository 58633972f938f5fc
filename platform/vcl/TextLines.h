// The library's line rule, shared by string lists and record files: a line ends at CR LF, a
// lone CR or a lone LF, and a zero byte ends the text.
#pragma once

#include <string_view>

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
