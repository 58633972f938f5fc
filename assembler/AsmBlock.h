// A named block of bytes inside one memory class, with its pooled constants and its links.
#pragma once

#include "assembler/AsmConst.h"
#include "assembler/AsmKette.h"
#include "assembler/AsmLink.h"
#include "assembler/AsmLinkPoint.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <vector>

class TAsmKlasse;

// Lays the low width bytes of value at out: little-endian, or big-endian when bigEndian.
void AsmWertAblegen(uint8_t *out, uint32_t value, unsigned width, bool bigEndian);

class TAsmBlock : public TAsmKnoten<TAsmBlock> {
public:
    // Throws EAssemblerLinker for an empty name or a null class; then appends the given data.
    TAsmBlock(AnsiString sName, TAsmKlasse *Klasse, bool bSwap, const void *data = nullptr,
              uint32_t length = 0);
    ~TAsmBlock();

    // Each answers the position of its first byte. n bytes from p, or zeros when p is null;
    // a failure (no memory, the class full) shows a box and throws Exception, leaving the
    // block grown and the class charged.
    tagLinkPoint AddData(const void *p, uint32_t n);
    tagLinkPoint AddData(uint8_t value);
    // 16 and 32 bits: little-endian, or big-endian when bSwap.
    tagLinkPoint AddData(uint16_t value);
    tagLinkPoint AddData(uint32_t value);
    // The characters and a terminating zero byte.
    tagLinkPoint AddData(const AnsiString &text);
    tagLinkPoint AddSpace(uint32_t n);
    // An equal constant of the same width already pooled here, or the value appended as
    // AddData does and pooled.
    tagLinkPoint AddConst(uint8_t value);
    tagLinkPoint AddConst(uint16_t value);
    tagLinkPoint AddConst(uint32_t value);
    tagLinkPoint AddConst(const AnsiString &text);

    // Records a link: at Des's offset in this block goes the final address of Src. Answers Des.
    tagLinkPoint SetBlockRef(tagLinkPoint Des, tagLinkPoint Src, const AnsiString &sInfo);
    // Reserves the class's pointer width and links it to Src (or to the block's first byte).
    tagLinkPoint AddBlockRef(tagLinkPoint Src, const AnsiString &sInfo);
    tagLinkPoint AddBlockRef(TAsmBlock *block, const AnsiString &sInfo);

    // Copy n bytes out of / into the point's block; a range outside it (or no block) shows a
    // box and throws Exception, copying nothing.
    void Read(tagLinkPoint point, void *p, uint32_t n);
    void Write(tagLinkPoint point, const void *p, uint32_t n);

    void Swap(uint16_t &value) const;
    void Swap(uint32_t &value) const;

    // The block's bytes (dwSize of them).
    uint8_t *Data() { return FData.data(); }
    const uint8_t *Data() const { return FData.data(); }
    // The block's links in creation order.
    TAsmLink *FirstLink() const { return FLinks.First(); }

    AnsiString sName;
    TAsmKlasse *Klasse;
    bool bLinked = false;
    uint32_t dwSize = 0;
    uint32_t dwOrg = 0;
    bool bSwap;

private:
    template <class T> tagLinkPoint AddValue(T value);
    template <class T> tagLinkPoint AddPooled(TAsmKette<TAsmConst<T>> &pool, const T &value);
    bool InBlock(tagLinkPoint point, uint32_t n) const;

    // Holds exactly dwSize bytes; its spare capacity keeps appending linear. Declared first,
    // so that pools and links go before it.
    std::vector<uint8_t> FData;
    TAsmKette<TConstBYTE> FConstBYTE;
    TAsmKette<TConstWORD> FConstWORD;
    TAsmKette<TConstDWORD> FConstDWORD;
    TAsmKette<TConstString> FConstString;
    TAsmKette<TAsmLink> FLinks;
};
