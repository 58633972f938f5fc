#include "tools/bustool/THostEvent.h"

#include "platform/log/Log.h"

#include <functional>

namespace {

// What a word of an event line is.
enum class TWord {
    Device,
    NewAddress,
    Source,
    Object,
    Group,
    Name,
    Mode,
    Flags,
    Flag,
    File,
    OldId,
    X
};

struct TGrammar {
    THostEventKind kind;
    const char *word;
    std::vector<TWord> required;
    std::vector<TWord> optional;
};

const std::vector<TGrammar> &Grammar() {
    using W = TWord;
    using K = THostEventKind;
    static const std::vector<TGrammar> grammar = {
        {K::Edit, "edit", {W::Device}, {}},
        {K::EditObject, "edit-object", {W::Device, W::Object}, {}},
        {K::Create, "create", {W::NewAddress}, {W::Name, W::Mode}},
        {K::Delete, "delete", {W::Device}, {}},
        {K::Download, "download", {W::Device}, {W::Flags}},
        {K::Stop, "stop", {}, {}},
        {K::Link, "link", {W::Device, W::Object, W::Group}, {}},
        {K::Unlink, "unlink", {W::Device, W::Object, W::Group}, {}},
        {K::Export, "export", {W::Device}, {}},
        {K::Import, "import", {W::NewAddress, W::File}, {W::OldId}},
        {K::Copy, "copy", {W::NewAddress, W::Source}, {W::Flag}},
        {K::Reconstruct, "reconstruct", {W::Device, W::Mode, W::File}, {W::X}},
    };
    return grammar;
}

TDeviceRef DeviceRef(const std::string &text) {
    TDeviceRef ref;
    ref.text = text;
    if (!text.empty() && text[0] == '@')
        ref.id = static_cast<int32_t>(
            ParseNumber(text.substr(1), INT32_MIN, INT32_MAX, "the device id of " + text));
    else
        ref.address = ParsePhysicalAddress(text);
    return ref;
}

void Take(TWord kind, const std::string &word, THostEvent &event) {
    if (word.find_first_of("\r\n") != std::string::npos)
        throw EUsage("a value holds a line break");
    switch (kind) {
    case TWord::Device:
        event.device = DeviceRef(word);
        break;
    case TWord::NewAddress:
        event.newAddress = ParsePhysicalAddress(word);
        break;
    case TWord::Source:
        event.source = DeviceRef(word);
        break;
    case TWord::Object:
        event.objectNumber = static_cast<int>(ParseNumber(word, 0, 32767, "the object number"));
        break;
    case TWord::Group:
        event.group = ParseGroupAddress(word);
        break;
    case TWord::Name:
        event.name = word;
        break;
    case TWord::Mode:
        event.number = ParseNumber(word, INT32_MIN, INT32_MAX, "the mode");
        break;
    case TWord::Flags:
        event.number = ParseNumber(word, 0, 65535, "the flags");
        break;
    case TWord::Flag:
        event.number = ParseNumber(word, 0, 255, "the flag");
        break;
    case TWord::File:
        if (word.empty())
            throw EUsage("the file name is empty");
        event.file = word;
        break;
    case TWord::OldId:
        event.oldId = static_cast<int32_t>(ParseNumber(word, 0, INT32_MAX, "the old device id"));
        break;
    case TWord::X:
        event.x = ParseNumber(word, INT32_MIN, INT32_MAX, "the value x");
        break;
    }
}

} // namespace

THostEvent ParseHostEvent(const std::string &line) {
    LOG_FKT("ParseHostEvent");
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty())
        throw EUsage("an empty event");
    for (const TGrammar &g : Grammar()) {
        if (words[0] != g.word)
            continue;
        const size_t given = words.size() - 1;
        if (given < g.required.size() || given > g.required.size() + g.optional.size())
            throw EUsage("\"" + line + "\": " + g.word + " takes " +
                         std::to_string(g.required.size()) +
                         (g.optional.empty()
                              ? ""
                              : " to " + std::to_string(g.required.size() + g.optional.size())) +
                         " values");
        THostEvent event;
        event.kind = g.kind;
        event.text = line;
        for (size_t i = 0; i < given; ++i) {
            const TWord kind =
                i < g.required.size() ? g.required[i] : g.optional[i - g.required.size()];
            try {
                Take(kind, words[i + 1], event);
            } catch (const EUsage &e) {
                throw EUsage("\"" + line + "\": " + e.Message);
            }
        }
        return event;
    }
    throw EUsage("\"" + line + "\": unknown event \"" + words[0] + "\"");
}

std::vector<THostEvent> ParseHostEvents(const std::vector<std::string> &lines,
                                        const std::string &origin) {
    LOG_FKT("ParseHostEvents");
    std::vector<THostEvent> events;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        const std::string where = origin + ", line " + std::to_string(i + 1) + ": ";
        if (!events.empty() && events.back().kind == THostEventKind::Stop)
            throw EUsage(where + "no event can follow stop");
        try {
            events.push_back(ParseHostEvent(line.substr(first)));
        } catch (const EUsage &e) {
            throw EUsage(where + e.Message);
        }
    }
    return events;
}

const char *HostEventUsage() {
    LOG_FKT("HostEventUsage");
    return "  edit DEVICE                        edit-object DEVICE OBJECT\n"
           "  create ADDRESS [NAME [MODE]]       delete DEVICE\n"
           "  download DEVICE [FLAGS]            stop\n"
           "  link DEVICE OBJECT GROUP           unlink DEVICE OBJECT GROUP\n"
           "  export DEVICE                      import ADDRESS FILE [OLD-ID]\n"
           "  copy ADDRESS SOURCE-DEVICE [FLAG]  reconstruct DEVICE MODE FILE [X]\n"
           "DEVICE: physical address (1.1.1) or @id; ADDRESS: a new device's physical address;\n"
           "OBJECT: object number; GROUP: group address (1/0/1).\n";
}
