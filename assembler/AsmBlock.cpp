#include "assembler/AsmBlock.h"

#include "assembler/AsmFehler.h"
#include "assembler/AsmKlasse.h"
#include "platform/log/Log.h"

#include <cstring>
#include <functional>
#include <limits>
#include <new>

namespace {
constexpr const char *kUnit = "AsmBlock";
} // namespace

TAsmBlock::TAsmBlock(AnsiString sName, TAsmKlasse *Klasse, bool bSwap, const void *data,
                     uint32_t length)
    : sName(std::move(sName)), Klasse(Klasse), bSwap(bSwap) {
    LOG_FKT("TAsmBlock::TAsmBlock");
    if (this->sName.empty())
        throw EAssemblerLinker("Exception", "EAssemblerLinker", "Block-Name is not defined!", kUnit,
                               __LINE__, "TAsmBlock::TAsmBlock()");
    if (!Klasse)
        throw EAssemblerLinker("Exception", "EAssemblerLinker",
                               "Klasse == NULL!\nBlock: \"" + this->sName + "\"", kUnit, __LINE__,
                               "TAsmBlock::TAsmBlock()");
    AddData(data, length);
}

TAsmBlock::~TAsmBlock() {
    LOG_FKT("TAsmBlock::~TAsmBlock");
}

tagLinkPoint TAsmBlock::AddData(const void *p, uint32_t n) {
    LOG_FKT("TAsmBlock::AddData");
    const tagLinkPoint point = MakeLinkPoint(this, dwSize);
    if (n == 0)
        return point;
    const AnsiString detail = AsmFormat("Block: '%s'", sName.c_str());
    // The source may lie inside this block's own bytes, which growing moves.
    const auto *source = static_cast<const uint8_t *>(p);
    const bool own = source && std::greater_equal<>()(source, FData.data()) &&
                     std::less<>()(source, FData.data() + FData.size());
    const size_t ownOffset = own ? static_cast<size_t>(source - FData.data()) : 0;
    try {
        // A block's size is 32 bits: a size beyond is as impossible as memory that is not there.
        if (uint64_t{dwSize} + n > std::numeric_limits<uint32_t>::max())
            throw std::bad_alloc();
        FData.resize(size_t{dwSize} + n);
    } catch (const std::bad_alloc &) {
        AsmFehlerBox("TAsmBlock::AddData",
                     AsmFormat("(BYTE *New = (BYTE *)new BYTE[dwNew]) Block: '%s'", sName.c_str()),
                     kUnit, __LINE__);
        throw AsmFehlerBox("TAsmBlock::AddData", detail, kUnit, __LINE__);
    }
    if (own)
        std::memmove(FData.data() + dwSize, FData.data() + ownOffset, n);
    else if (source)
        std::memcpy(FData.data() + dwSize, source, n);
    dwSize += n;
    // The charge comes last: a full class leaves the block grown.
    try {
        Klasse->AddData(n);
    } catch (const E_Assembler &) {
        throw AsmFehlerBox("TAsmBlock::AddData", detail, kUnit, __LINE__);
    }
    return point;
}

void AsmWertAblegen(uint8_t *out, uint32_t value, unsigned width, bool bigEndian) {
    LOG_FKT("AsmWertAblegen");
    for (unsigned i = 0; i < width; ++i)
        out[bigEndian ? width - 1 - i : i] = static_cast<uint8_t>(value >> (8 * i));
}

template <class T> tagLinkPoint TAsmBlock::AddValue(T value) {
    LOG_FKT("TAsmBlock::AddValue");
    uint8_t bytes[sizeof(T)];
    AsmWertAblegen(bytes, value, sizeof(T), bSwap);
    return AddData(bytes, sizeof(T));
}

tagLinkPoint TAsmBlock::AddData(uint8_t value) {
    LOG_FKT("TAsmBlock::AddData");
    return AddData(&value, 1);
}

tagLinkPoint TAsmBlock::AddData(uint16_t value) {
    LOG_FKT("TAsmBlock::AddData");
    return AddValue(value);
}

tagLinkPoint TAsmBlock::AddData(uint32_t value) {
    LOG_FKT("TAsmBlock::AddData");
    return AddValue(value);
}

tagLinkPoint TAsmBlock::AddData(const AnsiString &text) {
    LOG_FKT("TAsmBlock::AddData");
    return AddData(text.c_str(), static_cast<uint32_t>(text.size() + 1));
}

tagLinkPoint TAsmBlock::AddSpace(uint32_t n) {
    LOG_FKT("TAsmBlock::AddSpace");
    return AddData(nullptr, n);
}

template <class T>
tagLinkPoint TAsmBlock::AddPooled(TAsmKette<TAsmConst<T>> &pool, const T &value) {
    LOG_FKT("TAsmBlock::AddPooled");
    tagLinkPoint found{};
    if (pool.First() && pool.First()->Find(value, &found))
        return found;
    const tagLinkPoint point = AddData(value);
    pool.Append(std::make_unique<TAsmConst<T>>(value, point));
    return point;
}

tagLinkPoint TAsmBlock::AddConst(uint8_t value) {
    LOG_FKT("TAsmBlock::AddConst");
    return AddPooled(FConstBYTE, value);
}

tagLinkPoint TAsmBlock::AddConst(uint16_t value) {
    LOG_FKT("TAsmBlock::AddConst");
    return AddPooled(FConstWORD, value);
}

tagLinkPoint TAsmBlock::AddConst(uint32_t value) {
    LOG_FKT("TAsmBlock::AddConst");
    return AddPooled(FConstDWORD, value);
}

tagLinkPoint TAsmBlock::AddConst(const AnsiString &text) {
    LOG_FKT("TAsmBlock::AddConst");
    return AddPooled(FConstString, text);
}

tagLinkPoint TAsmBlock::SetBlockRef(tagLinkPoint Des, tagLinkPoint Src, const AnsiString &sInfo) {
    LOG_FKT("TAsmBlock::SetBlockRef");
    try {
        FLinks.Append(std::make_unique<TAsmLink>(Des, Src, sInfo));
    } catch (const std::bad_alloc &) {
        throw AsmFehlerBox(
            "TAsmBlock::SetBlockRef",
            AsmFormat("(NewLink = new TAsmLink(Des, Src, sInfo)) Block: '%s'", sName.c_str()),
            kUnit, __LINE__);
    }
    return Des;
}

tagLinkPoint TAsmBlock::AddBlockRef(tagLinkPoint Src, const AnsiString &sInfo) {
    LOG_FKT("TAsmBlock::AddBlockRef");
    // A negative width would read as a reservation of some 4 GiB.
    if (Klasse->nPointerSize < 0)
        throw Exception(
            AsmOrtText(AsmFormat("TAsmBlock::AddBlockRef()\nnPointerSize = %d Block: '%s'",
                                 Klasse->nPointerSize, sName.c_str()),
                       kUnit, __LINE__));
    const tagLinkPoint point = AddSpace(static_cast<uint32_t>(Klasse->nPointerSize));
    return SetBlockRef(point, Src, sInfo);
}

tagLinkPoint TAsmBlock::AddBlockRef(TAsmBlock *block, const AnsiString &sInfo) {
    LOG_FKT("TAsmBlock::AddBlockRef");
    return AddBlockRef(MakeLinkPoint(block, 0), sInfo);
}

bool TAsmBlock::InBlock(tagLinkPoint point, uint32_t n) const {
    LOG_FKT("TAsmBlock::InBlock");
    // Summed wide, so that a huge offset cannot wrap back into the block.
    return point.block && uint64_t{point.dwOffset} + n <= point.block->dwSize;
}

void TAsmBlock::Read(tagLinkPoint point, void *p, uint32_t n) {
    LOG_FKT("TAsmBlock::Read");
    if (!InBlock(point, n) || (!p && n > 0))
        throw AsmFehlerBox("TAsmBlock::Read", AsmFormat("Block: '%s'", sName.c_str()), kUnit,
                           __LINE__);
    if (n > 0)
        std::memcpy(p, point.block->Data() + point.dwOffset, n);
}

void TAsmBlock::Write(tagLinkPoint point, const void *p, uint32_t n) {
    LOG_FKT("TAsmBlock::Write");
    if (!InBlock(point, n) || (!p && n > 0))
        throw AsmFehlerBox("TAsmBlock::Write", AsmFormat("Block: '%s'", sName.c_str()), kUnit,
                           __LINE__);
    if (n > 0)
        std::memmove(point.block->Data() + point.dwOffset, p, n);
}

void TAsmBlock::Swap(uint16_t &value) const {
    LOG_FKT("TAsmBlock::Swap");
    value = static_cast<uint16_t>((value << 8) | (value >> 8));
}

void TAsmBlock::Swap(uint32_t &value) const {
    LOG_FKT("TAsmBlock::Swap");
    value = (value << 24) | ((value & 0xFF00u) << 8) | ((value >> 8) & 0xFF00u) | (value >> 24);
}
