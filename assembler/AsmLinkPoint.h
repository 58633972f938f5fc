// A position inside an assembler block, and the kind of a memory class.
#pragma once

#include <cstdint>

class TAsmBlock;

// Passed and returned by value; the block is borrowed.
struct tagLinkPoint {
    TAsmBlock *block;
    uint32_t dwOffset;
};

extern "C" {
tagLinkPoint MakeLinkPoint(TAsmBlock *block, uint32_t dwOffset);
// True when both the block and the offset are equal.
bool CompLinkPoint(tagLinkPoint a, tagLinkPoint b);
}

// One byte. The output writers emit only the blocks of classes marked asmAusgeben; the others
// are placed and linked but never written.
enum TEnumAsmKlasse : uint8_t { asmNichtAusgeben = 0, asmAusgeben = 1 };
