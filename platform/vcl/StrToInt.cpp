#include "platform/vcl/StrToInt.h"

#include "platform/log/Log.h"

#include <charconv>

int32_t StrToIntDef(const AnsiString &text, int32_t defaultValue) {
    LOG_FKT("StrToIntDef");
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

bool TryStrToInt(const AnsiString &text, int32_t &value) {
    LOG_FKT("TryStrToInt");
    size_t at = text.find_first_not_of(" \t");
    if (at == AnsiString::npos)
        return false;
    if (text[at] == '+' && at + 1 < text.size() && text[at + 1] != '-')
        ++at;
    int32_t v = 0;
    const char *end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data() + at, end, v);
    if (ec != std::errc() || p != end)
        return false;
    value = v;
    return true;
}
