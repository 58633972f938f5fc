// Motorola S-record lines with 16-bit addresses. Holds no state.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>

class TAsmS19 {
public:
    TAsmS19();
    ~TAsmS19();

    AnsiString Hex(uint8_t value) const;
    // A record of the given type: count (n + 3), address high byte first, the data, and the
    // one's complement of the sum. Throws Exception when n is above 252 or data is missing.
    void MakeSx(AnsiString &line, const AnsiString &type, uint16_t address, const uint8_t *data,
                uint8_t n) const;
    // The same record appended to text, followed by CR LF when crlf.
    void AppendSx(AnsiString &text, const char *type, size_t typeN, uint16_t address,
                  const uint8_t *data, uint8_t n, bool crlf) const;
    // The header "S00600004844521B".
    void MakeS0(AnsiString &line) const;
    void MakeS1(AnsiString &line, uint16_t address, const uint8_t *data, uint8_t n) const;
    // The end record "S9030000FC".
    void MakeS9(AnsiString &line) const;
};
