// A memory block of the panel as a reader: the stream's bytes stand for the panel addresses
// first..last. Reads go by offset from first or by panel address; words and double words are
// taken high byte first, as the panel keeps them; bit 0 is a byte's lowest. A read that would
// touch a byte outside first..last (or beyond the stream) answers false and leaves its out
// value alone.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/Streams.h"

#include <cstdint>

class TRecoDataManagament {
public:
    // The stream is borrowed and must outlive the reader. The last two values are taken as the
    // callers pass them (0, the read-only flag) and not used.
    TRecoDataManagament(TMemoryStream *stream, uint32_t first, uint32_t last, uint32_t,
                        bool readOnly);
    virtual ~TRecoDataManagament();

    bool GetByte(uint32_t offset, unsigned char &value) const;
    bool GetWord(uint32_t offset, unsigned short &value) const;

    bool GetByteFromAddr(uint32_t address, unsigned char &value) const;
    bool GetWordFromAddr(uint32_t address, unsigned short &value) const;
    bool GetDWordFromAddr(uint32_t address, uint32_t &value) const;
    // count bits from firstBit up, right-aligned; false when they reach past bit 7 or count is 0.
    bool GetBitsFromAddr(uint32_t address, unsigned char firstBit, unsigned char count,
                         unsigned char &value) const;
    // Replaces the stream's content by length bytes from the address (position 0); false,
    // stream untouched, for a null stream, length 0 or bytes outside the block.
    bool GetMemoryBlock(uint32_t address, uint32_t length, TMemoryStream *stream) const;

    uint32_t First() const { return FFirst; }
    uint32_t Last() const { return FLast; }

private:
    // The bytes at offset..offset+count-1, when all lie in the block; else null.
    const uint8_t *Bytes(uint32_t offset, uint32_t count) const;
    const uint8_t *BytesAt(uint32_t address, uint32_t count) const;

    TMemoryStream *FStream;
    uint32_t FFirst;
    uint32_t FLast;
    bool FReadOnly;
};

// Inline: every read of the reconstruction passes here.
inline const uint8_t *TRecoDataManagament::Bytes(uint32_t offset, uint32_t count) const {
    LOG_FKT("TRecoDataManagament::Bytes");
    if (!FStream || count == 0 || FLast < FFirst)
        return nullptr;
    // 64-bit sums: an offset near the top of the range must not wrap into it.
    const uint64_t end = static_cast<uint64_t>(offset) + count; // one past the last byte
    const uint64_t size = static_cast<uint64_t>(FLast - FFirst) + 1;
    if (end > size || end > static_cast<uint64_t>(FStream->Size()))
        return nullptr;
    return FStream->Memory() + offset;
}

inline const uint8_t *TRecoDataManagament::BytesAt(uint32_t address, uint32_t count) const {
    LOG_FKT("TRecoDataManagament::BytesAt");
    if (address < FFirst)
        return nullptr;
    return Bytes(address - FFirst, count);
}
