#include "assembler/AsmHex.h"

#include "platform/log/Log.h"

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";
} // namespace

AnsiString AsmHex(uint8_t value) {
    LOG_FKT("AsmHex");
    return AnsiString{kDigits[value >> 4], kDigits[value & 0x0F]};
}

unsigned AsmHexAppend(AnsiString &line, const uint8_t *bytes, size_t n) {
    LOG_FKT("AsmHexAppend");
    const size_t start = line.size();
    line.resize(start + 2 * n);
    char *out = line.data() + start;
    unsigned sum = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = bytes[i];
        sum += b;
        *out++ = kDigits[b >> 4];
        *out++ = kDigits[b & 0x0F];
    }
    return sum;
}
