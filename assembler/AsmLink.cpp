#include "assembler/AsmLink.h"

#include "platform/log/Log.h"

TAsmLink::TAsmLink(tagLinkPoint Des, tagLinkPoint Src, AnsiString sInfo)
    : sInfo(std::move(sInfo)), Des(Des), Src(Src) {
    LOG_FKT("TAsmLink::TAsmLink");
}

TAsmLink::TAsmLink(TAsmBlock *block, uint32_t dwOffset, tagLinkPoint Src, AnsiString sInfo)
    : TAsmLink(MakeLinkPoint(block, dwOffset), Src, std::move(sInfo)) {
    LOG_FKT("TAsmLink::TAsmLink");
}

TAsmLink::~TAsmLink() {
    LOG_FKT("TAsmLink::~TAsmLink");
}
