#include "tools/bustool/THostArguments.h"

#include "platform/log/Log.h"

#include <charconv>

TCommandLine::TCommandLine(const std::vector<std::string> &words,
                           const std::map<std::string, bool> &options) {
    LOG_FKT("TCommandLine::TCommandLine");
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words[i];
        if (optionsEnded || word.rfind("--", 0) != 0) {
            FPositional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const auto known = options.find(word);
        if (known == options.end())
            throw EUsage("unknown option " + word);
        if (FOptions.count(word))
            throw EUsage(word + " is given twice");
        if (!known->second) {
            FOptions[word] = "";
            continue;
        }
        if (i + 1 >= words.size())
            throw EUsage(word + " needs a value");
        FOptions[word] = words[++i];
    }
}

const std::vector<std::string> &TCommandLine::Positional() const {
    LOG_FKT("TCommandLine::Positional");
    return FPositional;
}

bool TCommandLine::Has(const std::string &option) const {
    LOG_FKT("TCommandLine::Has");
    return FOptions.count(option) != 0;
}

std::optional<std::string> TCommandLine::Value(const std::string &option) const {
    LOG_FKT("TCommandLine::Value");
    const auto it = FOptions.find(option);
    if (it == FOptions.end())
        return std::nullopt;
    return it->second;
}

void TCommandLine::ExpectPositional(size_t min, size_t max) const {
    LOG_FKT("TCommandLine::ExpectPositional");
    if (FPositional.size() < min)
        throw EUsage("too few arguments");
    if (FPositional.size() > max)
        throw EUsage("unexpected argument \"" + FPositional[max] + "\"");
}

int64_t ParseNumber(const std::string &text, int64_t min, int64_t max, const std::string &what) {
    LOG_FKT("ParseNumber");
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < min ||
        value > max)
        throw EUsage(what + " \"" + text + "\" is not a number from " + std::to_string(min) +
                     " to " + std::to_string(max));
    return value;
}

namespace {
// The parts of a text between separators.
std::vector<std::string> Parts(const std::string &text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text)
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    return parts;
}
} // namespace

uint16_t ParsePhysicalAddress(const std::string &text) {
    LOG_FKT("ParsePhysicalAddress");
    const auto parts = Parts(text, '.');
    if (parts.size() != 3)
        throw EUsage("\"" + text + "\" is not a physical address (area.line.device, as 1.1.5)");
    const auto area = ParseNumber(parts[0], 0, 15, "the area of " + text);
    const auto line = ParseNumber(parts[1], 0, 15, "the line of " + text);
    const auto device = ParseNumber(parts[2], 0, 255, "the device of " + text);
    return static_cast<uint16_t>(area << 12 | line << 8 | device);
}

TGroupNumbers ParseGroupAddress(const std::string &text) {
    LOG_FKT("ParseGroupAddress");
    const auto parts = Parts(text, '/');
    if (parts.size() != 3)
        throw EUsage("\"" + text + "\" is not a group address (main/middle/sub, as 1/0/1)");
    TGroupNumbers g;
    g.main = static_cast<int>(ParseNumber(parts[0], 0, 15, "the main group of " + text));
    g.middle = static_cast<int>(ParseNumber(parts[1], 0, 7, "the middle group of " + text));
    g.sub = static_cast<int>(ParseNumber(parts[2], 0, 255, "the sub group of " + text));
    if (g.main + g.middle + g.sub == 0)
        throw EUsage("group address 0/0/0 means none");
    return g;
}

uint16_t ParseMemoryAddress(const std::string &text) {
    LOG_FKT("ParseMemoryAddress");
    const bool hex = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0;
    const std::string digits = hex ? text.substr(2) : text;
    unsigned value = 0;
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
        value > 0xFFFF)
        throw EUsage("\"" + text + "\" is not a memory address (0 to 0xFFFF)");
    return static_cast<uint16_t>(value);
}

std::vector<std::string> SplitWords(const std::string &line) {
    LOG_FKT("SplitWords");
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < line.size() &&
                       (line[i + 1] == '"' || line[i + 1] == '\\')) {
                word += line[++i];
            } else {
                word += c;
            }
        } else if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else if (c == '"') {
            quoted = inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        throw EUsage("a quote is not closed");
    if (inWord)
        words.push_back(word);
    return words;
}
