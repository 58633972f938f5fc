#include "assembler/AsmIntelHex.h"

#include "assembler/AsmFehler.h"
#include "assembler/AsmHex.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

namespace {
constexpr const char *kUnit = "AsmIntelHex";
enum : uint8_t { kDaten = 0x00, kEnde = 0x01, kSegment = 0x02 };
constexpr uint32_t kMaxAdresse = 0xFFFFF;
constexpr uint32_t kMaxOffset = 0xFFFF;
} // namespace

TAsmIntelHex::TAsmIntelHex() {
    LOG_FKT("TAsmIntelHex::TAsmIntelHex");
}

TAsmIntelHex::~TAsmIntelHex() {
    LOG_FKT("TAsmIntelHex::~TAsmIntelHex");
}

AnsiString TAsmIntelHex::Hex(uint8_t value) const {
    LOG_FKT("TAsmIntelHex::Hex");
    return AsmHex(value);
}

void TAsmIntelHex::MakeRecord(AnsiString &line, uint8_t type, uint32_t offset, const uint8_t *data,
                              uint8_t n) const {
    LOG_FKT("TAsmIntelHex::MakeRecord");
    AnsiString record;
    AppendRecord(record, type, offset, data, n, false);
    line = std::move(record);
}

void TAsmIntelHex::AppendRecord(AnsiString &text, uint8_t type, uint32_t offset,
                                const uint8_t *data, uint8_t n, bool crlf) const {
    LOG_FKT("TAsmIntelHex::AppendRecord");
    if (!data && n > 0)
        throw Exception("TAsmIntelHex::MakeRecord: data == NULL");
    const uint8_t head[] = {n, static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset),
                            type};
    AsmRecordAnhaengen(text, ":", 1, head, sizeof head, data, n, TAsmPruefsumme::Zweier, crlf);
}

void TAsmIntelHex::Make16ByteOffset(AnsiString &line, uint32_t address) {
    LOG_FKT("TAsmIntelHex::Make16ByteOffset");
    if (address > kMaxAdresse)
        throw Exception(
            AsmOrtText("TAsmIntelHex::Make16ByteOffset()\ndwAddr > 0x000FFFFF", kUnit, __LINE__));
    dwBase = address & 0xFFFF0000u;
    const uint32_t segment = dwBase / 16;
    const uint8_t data[] = {static_cast<uint8_t>(segment >> 8), static_cast<uint8_t>(segment)};
    MakeRecord(line, kSegment, 0, data, sizeof data);
}

void TAsmIntelHex::MakeDataRecord(AnsiString &line, uint32_t address, const uint8_t *data,
                                  uint8_t n) const {
    LOG_FKT("TAsmIntelHex::MakeDataRecord");
    AnsiString record;
    AppendDataRecord(record, address, data, n, false);
    line = std::move(record);
}

void TAsmIntelHex::AppendDataRecord(AnsiString &text, uint32_t address, const uint8_t *data,
                                    uint8_t n, bool crlf) const {
    LOG_FKT("TAsmIntelHex::AppendDataRecord");
    const uint32_t offset = address - dwBase;
    if (offset > kMaxOffset)
        throw Exception(AsmOrtText(
            "TAsmIntelHex::MakeDataRecord()\n" +
                AsmFormat(Utf8ToAnsi("Adresse liegt mehr als 0xFFFF über der Segmentbasis 0x%08X")
                              .c_str(),
                          dwBase),
            kUnit, __LINE__));
    AppendRecord(text, kDaten, offset, data, n, crlf);
}

void TAsmIntelHex::MakeEndRecord(AnsiString &line) const {
    LOG_FKT("TAsmIntelHex::MakeEndRecord");
    MakeRecord(line, kEnde, 0, nullptr, 0);
}
