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
