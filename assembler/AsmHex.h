// Hexadecimal record text shared by the S-record and Intel-hex writers.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"
#include "platform/vcl/Exception.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The byte as two upper-case hexadecimal digits.
AnsiString AsmHex(uint8_t value);

// The two digits of every byte, so that a byte costs one copy.
inline constexpr std::array<std::array<char, 2>, 256> kAsmHexPaare = [] {
    constexpr char digits[] = "0123456789ABCDEF";
    std::array<std::array<char, 2>, 256> paare{};
    for (int b = 0; b < 256; ++b)
        paare[b] = {digits[b >> 4], digits[b & 0x0F]};
    return paare;
}();

// Writes the bytes as digits at out; answers the end and adds the bytes to sum.
inline char *AsmHexZiffern(char *out, const uint8_t *bytes, size_t n, unsigned &sum) {
    for (size_t i = 0; i < n; ++i) {
        sum += bytes[i];
        std::memcpy(out, kAsmHexPaare[bytes[i]].data(), 2);
        out += 2;
    }
    return out;
}

enum class TAsmPruefsumme { Einer, Zweier };

// Appends to text the start (at most two characters), the head bytes and the n data bytes
// (at most 255) as digits, then the checksum of their sum: its one's complement (S-records)
// or its two's complement (Intel hex), and CR LF when crlf. Throws Exception for a longer
// start or data. Inline: it runs once a record. (Scalars only: a small record passed in
// memory would cost more to hand over than to format.)
inline void AsmRecordAnhaengen(AnsiString &text, const char *start, size_t startN,
                               const uint8_t *head, size_t headN, const uint8_t *data, size_t n,
                               TAsmPruefsumme pruefsumme, bool crlf) {
    LOG_FKT("AsmRecordAnhaengen");
    if (startN > 2 || headN + n + 1 > 255 + 4 + 1)
        throw Exception("AsmRecordAnhaengen: record too long");
    const size_t endeN = crlf ? 2 : 0;
    // Formatted in place: copying a record built elsewhere costs more than the digits.
    const size_t old = text.size();
    text.resize(old + startN + 2 * (headN + n + 1) + endeN);
    char *out = text.data() + old;
    std::memcpy(out, start, startN);
    unsigned sum = 0;
    out = AsmHexZiffern(out + startN, head, headN, sum);
    out = AsmHexZiffern(out, data, n, sum);
    const uint8_t check = static_cast<uint8_t>(
        pruefsumme == TAsmPruefsumme::Einer ? 0xFF - (sum & 0xFF) : 0x100 - (sum & 0xFF));
    out = AsmHexZiffern(out, &check, 1, sum);
    std::memcpy(out, "\r\n", endeN);
}
