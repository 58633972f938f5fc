#include "assembler/AsmKlasse.h"

#include "assembler/AsmFehler.h"
#include "platform/log/Log.h"

#include <limits>

namespace {
constexpr const char *kUnit = "AsmKlasse";
constexpr int kKapazitaetFehler = 1000;
} // namespace

TAsmKlasse::TAsmKlasse(AnsiString sName, int nTyp, uint32_t dwAnfang, uint32_t dwEnde,
                       TEnumAsmKlasse eArt)
    : sName(std::move(sName)), nTyp(nTyp), dwAnfang(dwAnfang), dwEnde(dwEnde), eArt(eArt) {
    LOG_FKT("TAsmKlasse::TAsmKlasse");
    if (dwEnde < dwAnfang)
        throw EAssemblerLinker("Exception", "EAssemblerLinker", "dwEnde < dwAnfang", kUnit,
                               __LINE__, "TAsmKlasse::TAsmKlasse()");
    if (dwAnfang != 0 || dwEnde != 0)
        dwCapacity = dwEnde - dwAnfang + 1;
}

TAsmKlasse::~TAsmKlasse() {
    LOG_FKT("TAsmKlasse::~TAsmKlasse");
}

void TAsmKlasse::AddData(uint32_t n) {
    LOG_FKT("TAsmKlasse::AddData");
    // Summed wide: a charge that passes the 32-bit range must not wrap back below capacity.
    const uint64_t used = uint64_t{dwUsed} + n;
    dwUsed = used > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                         : static_cast<uint32_t>(used);
    if (used > dwCapacity)
        throw E_Assembler(kKapazitaetFehler);
}

uint32_t TAsmKlasse::Anfang() const {
    LOG_FKT("TAsmKlasse::Anfang");
    return dwAnfang;
}

uint32_t TAsmKlasse::Ende() const {
    LOG_FKT("TAsmKlasse::Ende");
    return dwEnde;
}

uint32_t TAsmKlasse::Frei() const {
    LOG_FKT("TAsmKlasse::Frei");
    return dwUsed >= dwCapacity ? 0 : dwCapacity - dwUsed;
}
