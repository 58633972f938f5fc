#include "platform/recobase/TRecoDataManagament.h"

#include "platform/log/Log.h"

TRecoDataManagament::TRecoDataManagament(TMemoryStream *stream, uint32_t first, uint32_t last,
                                         uint32_t, bool readOnly)
    : FStream(stream), FFirst(first), FLast(last), FReadOnly(readOnly) {
    LOG_FKT("TRecoDataManagament::TRecoDataManagament");
}

TRecoDataManagament::~TRecoDataManagament() {
    LOG_FKT("TRecoDataManagament::~TRecoDataManagament");
}

const uint8_t *TRecoDataManagament::Bytes(uint32_t offset, uint32_t count) const {
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

const uint8_t *TRecoDataManagament::BytesAt(uint32_t address, uint32_t count) const {
    LOG_FKT("TRecoDataManagament::BytesAt");
    if (address < FFirst)
        return nullptr;
    return Bytes(address - FFirst, count);
}

bool TRecoDataManagament::GetByte(uint32_t offset, unsigned char &value) const {
    LOG_FKT("TRecoDataManagament::GetByte");
    const uint8_t *p = Bytes(offset, 1);
    if (!p)
        return false;
    value = p[0];
    return true;
}

bool TRecoDataManagament::GetWord(uint32_t offset, unsigned short &value) const {
    LOG_FKT("TRecoDataManagament::GetWord");
    const uint8_t *p = Bytes(offset, 2);
    if (!p)
        return false;
    value = static_cast<unsigned short>(p[0] << 8 | p[1]);
    return true;
}

bool TRecoDataManagament::GetByteFromAddr(uint32_t address, unsigned char &value) const {
    LOG_FKT("TRecoDataManagament::GetByteFromAddr");
    const uint8_t *p = BytesAt(address, 1);
    if (!p)
        return false;
    value = p[0];
    return true;
}

bool TRecoDataManagament::GetWordFromAddr(uint32_t address, unsigned short &value) const {
    LOG_FKT("TRecoDataManagament::GetWordFromAddr");
    const uint8_t *p = BytesAt(address, 2);
    if (!p)
        return false;
    value = static_cast<unsigned short>(p[0] << 8 | p[1]);
    return true;
}

bool TRecoDataManagament::GetDWordFromAddr(uint32_t address, uint32_t &value) const {
    LOG_FKT("TRecoDataManagament::GetDWordFromAddr");
    const uint8_t *p = BytesAt(address, 4);
    if (!p)
        return false;
    value = static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
            static_cast<uint32_t>(p[2]) << 8 | p[3];
    return true;
}

bool TRecoDataManagament::GetBitsFromAddr(uint32_t address, unsigned char firstBit,
                                          unsigned char count, unsigned char &value) const {
    LOG_FKT("TRecoDataManagament::GetBitsFromAddr");
    if (count == 0 || firstBit > 7 || firstBit + count > 8)
        return false;
    const uint8_t *p = BytesAt(address, 1);
    if (!p)
        return false;
    value = static_cast<unsigned char>((p[0] >> firstBit) & ((1u << count) - 1));
    return true;
}

bool TRecoDataManagament::GetMemoryBlock(uint32_t address, uint32_t length,
                                         TMemoryStream *stream) const {
    LOG_FKT("TRecoDataManagament::GetMemoryBlock");
    if (!stream || stream == FStream)
        return false;
    const uint8_t *p = BytesAt(address, length);
    if (!p)
        return false;
    stream->Clear();
    stream->WriteBuffer(p, length);
    stream->SetPosition(0);
    return true;
}
