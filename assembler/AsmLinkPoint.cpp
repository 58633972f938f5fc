#include "assembler/AsmLinkPoint.h"

#include "platform/log/Log.h"

extern "C" {

tagLinkPoint MakeLinkPoint(TAsmBlock *block, uint32_t dwOffset) {
    LOG_FKT("MakeLinkPoint");
    return tagLinkPoint{block, dwOffset};
}

bool CompLinkPoint(tagLinkPoint a, tagLinkPoint b) {
    LOG_FKT("CompLinkPoint");
    return a.block == b.block && a.dwOffset == b.dwOffset;
}
}
