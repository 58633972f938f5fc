// Intel-hex lines with 16-bit offsets and extended segment addresses.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>

class TAsmIntelHex {
public:
    TAsmIntelHex();
    ~TAsmIntelHex();

    AnsiString Hex(uint8_t value) const;
    // ":", length, the offset's low 16 bits high byte first, type, the data, and the two's
    // complement of the sum. Throws Exception when data is missing.
    void MakeRecord(AnsiString &line, uint8_t type, uint32_t offset, const uint8_t *data,
                    uint8_t n) const;
    // A type-02 record for the segment of address, which becomes dwBase; an address above
    // 0xFFFFF throws Exception.
    void Make16ByteOffset(AnsiString &line, uint32_t address);
    // A type-00 record at address - dwBase; an offset above 0xFFFF throws Exception.
    void MakeDataRecord(AnsiString &line, uint32_t address, const uint8_t *data, uint8_t n) const;
    // The same records appended to text, followed by CR LF when crlf.
    void AppendRecord(AnsiString &text, uint8_t type, uint32_t offset, const uint8_t *data,
                      uint8_t n, bool crlf) const;
    void AppendDataRecord(AnsiString &text, uint32_t address, const uint8_t *data, uint8_t n,
                          bool crlf) const;
    // ":00000001FF".
    void MakeEndRecord(AnsiString &line) const;

    // The segment base in force, a multiple of 0x10000.
    uint32_t dwBase = 0;
};
