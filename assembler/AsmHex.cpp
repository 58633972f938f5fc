#include "assembler/AsmHex.h"

#include "platform/log/Log.h"

#include <array>
#include <cstring>

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

// The two digits of every byte, so that a byte costs one copy.
constexpr std::array<std::array<char, 2>, 256> kPaare = [] {
    std::array<std::array<char, 2>, 256> paare{};
    for (int b = 0; b < 256; ++b)
        paare[b] = {kDigits[b >> 4], kDigits[b & 0x0F]};
    return paare;
}();

// Writes the bytes as digits at out; answers the end and adds the bytes to sum.
char *Ziffern(char *out, const uint8_t *bytes, size_t n, unsigned &sum) {
    for (size_t i = 0; i < n; ++i) {
        sum += bytes[i];
        std::memcpy(out, kPaare[bytes[i]].data(), 2);
        out += 2;
    }
    return out;
}
} // namespace

AnsiString AsmHex(uint8_t value) {
    LOG_FKT("AsmHex");
    return AnsiString(kPaare[value].data(), 2);
}

void AsmRecord(AnsiString &line, const char *start, const uint8_t *head, size_t headN,
               const uint8_t *data, size_t n, TAsmPruefsumme pruefsumme) {
    LOG_FKT("AsmRecord");
    // Formatted on the stack and copied once: the line keeps its memory from record to record.
    char buffer[kAsmRecordMax];
    const size_t startN = std::strlen(start);
    std::memcpy(buffer, start, startN);
    unsigned sum = 0;
    char *out = Ziffern(buffer + startN, head, headN, sum);
    out = Ziffern(out, data, n, sum);
    const uint8_t check = static_cast<uint8_t>(pruefsumme == TAsmPruefsumme::Einer
                                                   ? 0xFF - (sum & 0xFF)
                                                   : 0x100 - (sum & 0xFF));
    out = Ziffern(out, &check, 1, sum);
    line.assign(buffer, static_cast<size_t>(out - buffer));
}
