#include "platform/win/Profile.h"

#include "platform/vcl/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Blanks around names and values; vertical tab and form feed are blanks as well.
constexpr std::string_view kBlanks = " \t\v\f";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string_view TrimRight(std::string_view s) {
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// A value in a matching pair of quotes is read without them.
std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// One line of the file and the line end it had (CR LF, CR, LF, or none for a last line without
// one), so that lines that are not touched are written back byte for byte.
struct TLine {
    std::string text;
    std::string end;
};
using TLines = std::vector<TLine>;

constexpr char kLineEnd[] = "\r\n"; // of every line this writes

enum class TLoad { Read, Missing, Failed };

TLoad Load(const char *file, TLines &lines) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return ec ? TLoad::Failed : TLoad::Missing;
    std::string content;
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in)
            return TLoad::Failed;
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception &) { // a folder or an unreadable device
        return TLoad::Failed;
    }
    std::string_view rest = content;
    while (!rest.empty()) {
        const auto at = rest.find_first_of("\r\n");
        if (at == std::string_view::npos) {
            lines.push_back({std::string(rest), {}});
            break;
        }
        const size_t endSize = rest.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({std::string(rest.substr(0, at)), std::string(rest.substr(at, endSize))});
        rest.remove_prefix(at + endSize);
    }
    return TLoad::Read;
}

// A line that had no line end gets one when a line follows it now.
bool Save(const char *file, const TLines &lines) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (size_t i = 0; i < lines.size(); ++i) {
        out << lines[i].text;
        out << (lines[i].end.empty() && i + 1 < lines.size() ? kLineEnd : lines[i].end);
    }
    out.close();
    return static_cast<bool>(out);
}

std::optional<std::string_view> Heading(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    return Trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
}

struct TEntry {
    std::string_view key;
    std::string_view value;
    bool hasValue; // false: a line without '=', which the section read lists but is no key
};

// "Key=Value", or a line without '='; blank lines, ";" comments and headings are no entries.
std::optional<TEntry> Entry(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '[')
        return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return TEntry{line, {}, false};
    return TEntry{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), true};
}

// The lines of the first section of that name: from the line after its heading up to the next
// heading.
struct TRange {
    size_t first;
    size_t last;
};

std::optional<TRange> FindSection(const TLines &lines, std::string_view name) {
    name = Trim(name);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto heading = Heading(lines[i].text);
        if (!heading || !SameTextCp1252(*heading, name))
            continue;
        size_t last = i + 1;
        while (last < lines.size() && !Heading(lines[last].text))
            ++last;
        return TRange{i + 1, last};
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const TLines &lines, TRange range, std::string_view key) {
    key = Trim(key);
    for (size_t i = range.first; i < range.last; ++i) {
        const auto entry = Entry(lines[i].text);
        if (entry && entry->hasValue && SameTextCp1252(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ReadValue(const char *section, const char *key, const char *file) {
    TLines lines;
    if (!section || !key || !file || Load(file, lines) != TLoad::Read)
        return std::nullopt;
    const auto range = FindSection(lines, section);
    if (!range)
        return std::nullopt;
    const auto at = FindKey(lines, *range, key);
    if (!at)
        return std::nullopt;
    return std::string(Unquoted(Entry(lines[*at].text)->value));
}

int DigitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// Wraps to 32 bits like the operating system does; no digits gives nothing.
std::optional<int> ParseInt(std::string_view s) {
    s = Trim(s);
    size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+'))
        ++i;
    int base = 10;
    if (i + 2 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') &&
        DigitValue(s[i + 2], 16) >= 0) {
        base = 16;
        i += 2;
    }
    std::uint32_t value = 0;
    size_t digits = 0;
    for (; i < s.size(); ++i, ++digits) {
        const int d = DigitValue(s[i], base);
        if (d < 0)
            break;
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(d);
    }
    if (digits == 0)
        return std::nullopt;
    return static_cast<int>(negative ? 0u - value : value);
}

} // namespace

DWORD GetPrivateProfileString(const char *section, const char *key, const char *defaultValue,
                              char *buffer, DWORD size, const char *file) {
    if (!buffer || size == 0)
        return 0;
    const auto value = ReadValue(section, key, file);
    const std::string_view text =
        value ? std::string_view(*value) : TrimRight(defaultValue ? defaultValue : "");
    const size_t n = std::min<size_t>(text.size(), size - 1);
    text.copy(buffer, n); // an empty text may have no bytes at all to copy from
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

int GetPrivateProfileInt(const char *section, const char *key, int defaultValue, const char *file) {
    const auto value = ReadValue(section, key, file);
    if (!value)
        return defaultValue;
    return ParseInt(*value).value_or(defaultValue);
}

BOOL WritePrivateProfileString(const char *section, const char *key, const char *value,
                               const char *file) {
    if (!section || !key || !value || !file)
        return 0;
    TLines lines;
    if (Load(file, lines) == TLoad::Failed)
        return 0; // never overwrite a file that could not be read; a missing one is created
    const auto lineOf = [value](std::string_view k) {
        return TLine{std::string(k) + "=" + value, kLineEnd};
    };
    if (const auto range = FindSection(lines, section)) {
        if (const auto at = FindKey(lines, *range, key)) {
            lines[*at] = lineOf(Entry(lines[*at].text)->key); // the key keeps its spelling
        } else {
            size_t pos = range->first; // after the section's last entry, before its blank lines
            for (size_t i = range->first; i < range->last; ++i)
                if (Entry(lines[i].text))
                    pos = i + 1;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pos), lineOf(Trim(key)));
        }
    } else {
        lines.push_back({"[" + std::string(Trim(section)) + "]", kLineEnd});
        lines.push_back(lineOf(Trim(key)));
    }
    return Save(file, lines) ? 1 : 0;
}

DWORD GetPrivateProfileSection(const char *section, char *buffer, DWORD size, const char *file) {
    if (!buffer || size == 0)
        return 0;
    std::string list; // entries, each ended by a zero byte
    TLines lines;
    if (section && file && Load(file, lines) == TLoad::Read) {
        if (const auto range = FindSection(lines, section)) {
            for (size_t i = range->first; i < range->last; ++i) {
                const auto entry = Entry(lines[i].text);
                if (!entry)
                    continue;
                list += entry->key;
                if (entry->hasValue)
                    list.append("=").append(entry->value);
                list += '\0';
            }
        }
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    if (list.size() + 1 <= size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        if (list.empty())
            buffer[1] = '\0';
        return static_cast<DWORD>(list.size());
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}
