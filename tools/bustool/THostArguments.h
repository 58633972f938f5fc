// Reading the host program's command line and event scripts: options and positional words,
// physical and group addresses, numbers, and the words of a script line. Every mistake throws
// EUsage with a message that names the word and what was expected.
#pragma once

#include "platform/vcl/Exception.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Bad arguments or a bad script line: the program exits with kExitUsage.
class EUsage : public Exception {
    using Exception::Exception;
};

// A three-level group address as numbers.
struct TGroupNumbers {
    int main = 0, middle = 0, sub = 0;
};

// The words of one command: options ("--name value" or "--flag") and positional words, in
// the order given. "--" ends the options.
class TCommandLine {
public:
    // options: each known option and whether it takes a value.
    TCommandLine(const std::vector<std::string> &words, const std::map<std::string, bool> &options);

    const std::vector<std::string> &Positional() const;
    bool Has(const std::string &option) const;
    std::optional<std::string> Value(const std::string &option) const;
    // Throws EUsage unless min..max positional words were given.
    void ExpectPositional(size_t min, size_t max) const;

private:
    std::vector<std::string> FPositional;
    std::map<std::string, std::string> FOptions;
};

// "area.line.device" (0..15, 0..15, 0..255), as "1.1.1" or "01.01.001".
uint16_t ParsePhysicalAddress(const std::string &text);
// "main/middle/sub" (0..15, 0..7, 0..255; not 0/0/0).
TGroupNumbers ParseGroupAddress(const std::string &text);
// A decimal number within min..max; `what` names it in the message.
int64_t ParseNumber(const std::string &text, int64_t min, int64_t max, const std::string &what);
// A memory address: "0x4000" (hexadecimal) or decimal, 0..0xFFFF.
uint16_t ParseMemoryAddress(const std::string &text);
// The words of a script line: separated by blanks or tabs; "double quotes" hold blanks, and
// inside them \" and \\ stand for " and \. An unclosed quote throws EUsage.
std::vector<std::string> SplitWords(const std::string &line);
