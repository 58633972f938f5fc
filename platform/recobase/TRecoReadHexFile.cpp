#include "platform/recobase/TRecoReadHexFile.h"

#include "platform/log/Log.h"

#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// One S-record line decoded into bytes (count, address, data, checksum), checked against its
// count and checksum; false for anything else.
bool DecodeRecord(std::string_view line, std::vector<uint8_t> &raw) {
    raw.clear();
    if (line.size() < 6 || line[0] != 'S' || line.size() % 2 != 0)
        return false;
    unsigned sum = 0;
    for (size_t i = 2; i < line.size(); i += 2) {
        const int hi = HexDigit(line[i]);
        const int lo = HexDigit(line[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        raw.push_back(static_cast<uint8_t>(hi << 4 | lo));
        sum += raw.back();
    }
    // raw[0] counts the bytes behind it; all bytes but the checksum sum to its complement,
    // so the sum of all of them ends in 0xFF.
    return raw[0] == raw.size() - 1 && (sum & 0xFF) == 0xFF;
}

bool ReadText(const AnsiString &file, std::string &text) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return false;
    text.resize(static_cast<size_t>(size));
    in.seekg(0);
    return static_cast<bool>(in.read(text.data(), size)) || size == 0;
}

// The file's lines: ended by CR LF or LF; a CR elsewhere stays in its line and makes it bad.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

// The bytes first..last from the lines between the section's tags, and the number of the
// section's last line; none when anything is off.
bool Section(const std::vector<std::string_view> &lines, const AnsiString &name, uint32_t first,
             uint32_t last, std::vector<uint8_t> &bytes, size_t &begin, size_t &end) {
    const AnsiString open = "<" + name + ">";
    const AnsiString close = "</" + name + ">";
    begin = 0;
    while (begin < lines.size() && lines[begin] != open)
        ++begin;
    size_t i = begin + 1;
    if (i >= lines.size() || lines[i] != "SX ")
        return false;
    std::vector<uint8_t> raw;
    if (++i >= lines.size() || !DecodeRecord(lines[i], raw) || lines[i][1] != '0')
        return false;

    const size_t size = static_cast<size_t>(last - first) + 1;
    bytes.assign(size, 0);
    std::vector<uint8_t> seen(size, 0);
    size_t filled = 0;
    for (++i;; ++i) {
        if (i >= lines.size() || !DecodeRecord(lines[i], raw))
            return false;
        const char kind = lines[i][1];
        if (kind == '9') {
            if (raw.size() != 4)
                return false;
            break;
        }
        if (kind != '1' || raw.size() < 4)
            return false;
        const uint32_t address = static_cast<uint32_t>(raw[1]) << 8 | raw[2];
        for (size_t k = 3; k + 1 < raw.size(); ++k) {
            const uint32_t at = address + static_cast<uint32_t>(k - 3);
            if (at < first || at > last || seen[at - first])
                return false;
            seen[at - first] = 1;
            bytes[at - first] = raw[k];
            ++filled;
        }
    }
    end = i + 1;
    return end < lines.size() && lines[end] == close && filled == size;
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
    std::string text;
    if (!ReadText(file, text))
        return false;
    const std::vector<std::string_view> lines = Lines(text);
    std::vector<uint8_t> bytes;
    size_t begin = 0;
    size_t end = 0;
    if (!Section(lines, section, first, last, bytes, begin, end))
        return false;
    if (work) {
        work->Clear();
        for (size_t i = begin; i <= end; ++i)
            work->Add(AnsiString(lines[i]));
    }
    out->Clear();
    out->WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
    out->SetPosition(0);
    return true;
}
