// Hexadecimal record text shared by the S-record and Intel-hex writers.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstddef>
#include <cstdint>

// The byte as two upper-case hexadecimal digits.
AnsiString AsmHex(uint8_t value);

// Room for the longest record: a two-character start, 255 data and 4 further bytes as digits.
constexpr size_t kAsmRecordMax = 2 + 2 * (255 + 4 + 1);

// Sets line to start, the head bytes and the n data bytes as digits, then the checksum of
// their sum: its one's complement (S-records) or its two's complement (Intel hex).
enum class TAsmPruefsumme { Einer, Zweier };
void AsmRecord(AnsiString &line, const char *start, const uint8_t *head, size_t headN,
               const uint8_t *data, size_t n, TAsmPruefsumme pruefsumme);
