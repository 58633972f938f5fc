#include "assembler/AsmS19.h"

#include "assembler/AsmHex.h"
#include "platform/log/Log.h"
#include "platform/vcl/Exception.h"

namespace {
// The count byte holds n + 3.
constexpr unsigned kMaxDaten = 252;
constexpr uint8_t kHeader[] = {'H', 'D', 'R'};
} // namespace

TAsmS19::TAsmS19() {
    LOG_FKT("TAsmS19::TAsmS19");
}

TAsmS19::~TAsmS19() {
    LOG_FKT("TAsmS19::~TAsmS19");
}

AnsiString TAsmS19::Hex(uint8_t value) const {
    LOG_FKT("TAsmS19::Hex");
    return AsmHex(value);
}

void TAsmS19::MakeSx(AnsiString &line, const AnsiString &type, uint16_t address,
                     const uint8_t *data, uint8_t n) const {
    LOG_FKT("TAsmS19::MakeSx");
    AnsiString record;
    AppendSx(record, type.data(), type.size(), address, data, n, false);
    line = std::move(record);
}

void TAsmS19::AppendSx(AnsiString &text, const char *type, size_t typeN, uint16_t address,
                       const uint8_t *data, uint8_t n, bool crlf) const {
    LOG_FKT("TAsmS19::AppendSx");
    if (n > kMaxDaten)
        throw Exception("TAsmS19::MakeSx: n > 252");
    if (!data && n > 0)
        throw Exception("TAsmS19::MakeSx: data == NULL");
    const uint8_t head[] = {static_cast<uint8_t>(n + 3), static_cast<uint8_t>(address >> 8),
                            static_cast<uint8_t>(address)};
    AsmRecordAnhaengen(text, type, typeN, head, sizeof head, data, n, TAsmPruefsumme::Einer, crlf);
}

void TAsmS19::MakeS0(AnsiString &line) const {
    LOG_FKT("TAsmS19::MakeS0");
    MakeSx(line, "S0", 0, kHeader, sizeof kHeader);
}

void TAsmS19::MakeS1(AnsiString &line, uint16_t address, const uint8_t *data, uint8_t n) const {
    LOG_FKT("TAsmS19::MakeS1");
    MakeSx(line, "S1", address, data, n);
}

void TAsmS19::MakeS9(AnsiString &line) const {
    LOG_FKT("TAsmS19::MakeS9");
    MakeSx(line, "S9", 0, nullptr, 0);
}
