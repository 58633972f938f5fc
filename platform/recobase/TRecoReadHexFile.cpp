#include "platform/recobase/TRecoReadHexFile.h"

#include "platform/log/Log.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace {
std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return std::nullopt;
}

// One S-record line decoded: its kind digit and the bytes after the count (address, data,
// checksum), checked against the count and the checksum.
struct TRecord {
    char kind = 0;
    std::vector<uint8_t> bytes; // address, data; the checksum removed
};

std::optional<TRecord> DecodeRecord(std::string_view line) {
    if (line.size() < 4 || line[0] != 'S' || line.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint8_t> raw;
    raw.reserve(line.size() / 2);
    for (size_t i = 2; i < line.size(); i += 2) {
        const auto hi = HexDigit(line[i]);
        const auto lo = HexDigit(line[i + 1]);
        if (!hi || !lo)
            return std::nullopt;
        raw.push_back(static_cast<uint8_t>(*hi << 4 | *lo));
    }
    // raw[0] is the count of the bytes behind it: address, data, checksum.
    if (raw.size() < 2 || raw[0] != raw.size() - 1)
        return std::nullopt;
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < raw.size(); ++i)
        sum += raw[i];
    if (static_cast<uint8_t>(~sum & 0xFF) != raw.back())
        return std::nullopt;
    TRecord record;
    record.kind = line[1];
    record.bytes.assign(raw.begin() + 1, raw.end() - 1);
    return record;
}

bool ReadLines(const AnsiString &file, TStringList &lines) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return false;
    // Lines end with CR LF or LF; a CR elsewhere stays in its line and makes it bad.
    lines.Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.Add(text.substr(start, stop - start));
        start = end + 1;
    }
    return true;
}

// The bytes first..last from the lines between the section's tags; none when anything is off.
std::optional<std::vector<uint8_t>> Section(const TStringList &lines, const AnsiString &name,
                                            uint32_t first, uint32_t last) {
    const AnsiString open = "<" + name + ">";
    const AnsiString close = "</" + name + ">";
    const int begin = lines.IndexOf(open);
    if (begin < 0)
        return std::nullopt;
    int i = begin + 1;
    if (i >= lines.Count() || lines[i] != "SX ")
        return std::nullopt;
    ++i;
    const auto header = i < lines.Count() ? DecodeRecord(lines[i]) : std::nullopt;
    if (!header || header->kind != '0' || header->bytes.size() < 2)
        return std::nullopt;
    ++i;

    const size_t size = static_cast<size_t>(last - first) + 1;
    std::vector<uint8_t> bytes(size, 0);
    std::vector<bool> seen(size, false);
    for (;; ++i) {
        if (i >= lines.Count())
            return std::nullopt;
        const auto record = DecodeRecord(lines[i]);
        if (!record)
            return std::nullopt;
        if (record->kind == '9') {
            if (record->bytes.size() != 2)
                return std::nullopt;
            break;
        }
        if (record->kind != '1' || record->bytes.size() < 2)
            return std::nullopt;
        const uint32_t address = static_cast<uint32_t>(record->bytes[0]) << 8 | record->bytes[1];
        for (size_t k = 2; k < record->bytes.size(); ++k) {
            const uint32_t at = address + static_cast<uint32_t>(k - 2);
            if (at < first || at > last || seen[at - first])
                return std::nullopt;
            seen[at - first] = true;
            bytes[at - first] = record->bytes[k];
        }
    }
    if (i + 1 >= lines.Count() || lines[i + 1] != close)
        return std::nullopt;
    for (const bool b : seen)
        if (!b)
            return std::nullopt;
    return bytes;
}
} // namespace

TRecoReadHexFile::TRecoReadHexFile() {
    LOG_FKT("TRecoReadHexFile::TRecoReadHexFile");
}

TRecoReadHexFile::~TRecoReadHexFile() {
    LOG_FKT("TRecoReadHexFile::~TRecoReadHexFile");
}

bool TRecoReadHexFile::ReadHexFile(TMemoryStream *out, TStringList *&work, const AnsiString &file,
                                   const AnsiString &section, uint32_t first, uint32_t last,
                                   uint32_t) {
    LOG_FKT("TRecoReadHexFile::ReadHexFile");
    // A block larger than the 16-bit address space cannot come from S1 lines.
    if (!out || last < first || last > 0xFFFF)
        return false;
    TStringList own;
    TStringList &lines = work ? *work : own;
    if (!ReadLines(file, lines))
        return false;
    const auto bytes = Section(lines, section, first, last);
    if (!bytes)
        return false;
    out->Clear();
    out->WriteBuffer(bytes->data(), static_cast<long long>(bytes->size()));
    out->SetPosition(0);
    return true;
}
