// Hexadecimal record text shared by the S-record and Intel-hex writers.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstddef>
#include <cstdint>

// The byte as two upper-case hexadecimal digits.
AnsiString AsmHex(uint8_t value);
// Appends the n bytes as hexadecimal digits and answers their sum.
unsigned AsmHexAppend(AnsiString &line, const uint8_t *bytes, size_t n);
