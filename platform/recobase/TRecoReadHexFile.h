// Reads one memory block out of a device image file: the file's section "<name>" ... "</name>"
// holds the line "SX ", one S0 header line, S1 data lines and one S9 end line (Motorola
// S-records, lines ended by CR LF or LF). The reader is strict, since a wrong byte here becomes
// a wrong configuration: every line's count and checksum must hold, and the data lines must
// give every byte of first..last exactly once and none outside.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/vcl/Streams.h"
#include "platform/vcl/TStringList.h"

#include <cstdint>

class TRecoReadHexFile {
public:
    TRecoReadHexFile();
    virtual ~TRecoReadHexFile();

    // Fills out with the bytes first..last of the section (position 0) and answers true. The
    // work list, when given, then holds the section's lines, its tags included.
    // False, out untouched: no stream, a file that cannot be read, a missing or malformed
    // section, a bad line, a byte missing, twice or outside first..last.
    bool ReadHexFile(TMemoryStream *out, TStringList *&work, const AnsiString &file,
                     const AnsiString &section, uint32_t first, uint32_t last, uint32_t);
};
