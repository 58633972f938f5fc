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

namespace {
// The value of sizeof(T) bytes, high byte first; false (value untouched) without bytes.
template <class T> bool Take(const uint8_t *p, T &value) {
    if (!p)
        return false;
    uint32_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v = v << 8 | p[i];
    value = static_cast<T>(v);
    return true;
}
} // namespace

bool TRecoDataManagament::GetByte(uint32_t offset, unsigned char &value) const {
    LOG_FKT("TRecoDataManagament::GetByte");
    return Take(Bytes(offset, sizeof value), value);
}

bool TRecoDataManagament::GetWord(uint32_t offset, unsigned short &value) const {
    LOG_FKT("TRecoDataManagament::GetWord");
    return Take(Bytes(offset, sizeof value), value);
}

bool TRecoDataManagament::GetByteFromAddr(uint32_t address, unsigned char &value) const {
    LOG_FKT("TRecoDataManagament::GetByteFromAddr");
    return Take(BytesAt(address, sizeof value), value);
}

bool TRecoDataManagament::GetWordFromAddr(uint32_t address, unsigned short &value) const {
    LOG_FKT("TRecoDataManagament::GetWordFromAddr");
    return Take(BytesAt(address, sizeof value), value);
}

bool TRecoDataManagament::GetDWordFromAddr(uint32_t address, uint32_t &value) const {
    LOG_FKT("TRecoDataManagament::GetDWordFromAddr");
    return Take(BytesAt(address, sizeof value), value);
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
