#include "assembler/AsmHex.h"

#include "platform/log/Log.h"

AnsiString AsmHex(uint8_t value) {
    LOG_FKT("AsmHex");
    return AnsiString(kAsmHexPaare[value].data(), 2);
}
