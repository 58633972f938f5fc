// One pending address fix-up of a block.
#pragma once

#include "assembler/AsmKette.h"
#include "assembler/AsmLinkPoint.h"
#include "platform/vcl/AnsiString.h"

class TAsmLink : public TAsmKnoten<TAsmLink> {
public:
    // Des: where the address is written (only its offset counts: the owning block is the
    // place); Src: the position whose final address is written.
    TAsmLink(tagLinkPoint Des, tagLinkPoint Src, AnsiString sInfo);
    TAsmLink(TAsmBlock *block, uint32_t dwOffset, tagLinkPoint Src, AnsiString sInfo);
    ~TAsmLink();

    AnsiString sInfo;
    tagLinkPoint Des;
    tagLinkPoint Src;
};
