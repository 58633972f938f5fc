// A memory class: a range of target addresses that blocks are placed in.
#pragma once

#include "assembler/AsmKette.h"
#include "assembler/AsmLinkPoint.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>

class TAsmKlasse : public TAsmKnoten<TAsmKlasse> {
public:
    // Throws EAssemblerLinker when dwEnde lies below dwAnfang.
    TAsmKlasse(AnsiString sName, int nTyp, uint32_t dwAnfang, uint32_t dwEnde, TEnumAsmKlasse eArt);
    ~TAsmKlasse();

    // Charges n data bytes; throws E_Assembler(1000) when the class is then over its capacity
    // (the charge stays).
    void AddData(uint32_t n);
    uint32_t Anfang() const;
    uint32_t Ende() const;
    // Capacity not yet charged; 0 once the class is full or over.
    uint32_t Frei() const;

    AnsiString sName;
    // Width in bytes of every link written into blocks of this class.
    int nPointerSize = 4;
    int nTyp;
    uint32_t dwAnfang;
    uint32_t dwEnde;
    uint32_t dwUsed = 0;
    // dwEnde - dwAnfang + 1; 0 when both limits are 0.
    uint32_t dwCapacity = 0;
    TEnumAsmKlasse eArt;
};
