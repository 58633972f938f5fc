#include "platform/bustool/TEtsEventProtocol.h"

#include "platform/log/Log.h"

#include <charconv>
#include <limits>
#include <optional>

namespace {

using F = TEtsField;

struct TRange {
    int64_t min, max;
};

TRange RangeOf(TEtsField field) {
    switch (field) {
    case F::Int16:
        return {std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()};
    case F::UInt16:
        return {0, std::numeric_limits<uint16_t>::max()};
    case F::UInt8:
        return {0, std::numeric_limits<uint8_t>::max()};
    default:
        return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    }
}

// A decimal number of the whole text within the range; none otherwise.
std::optional<int64_t> Number(std::string_view text, TRange range) {
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        value < range.min || value > range.max)
        return std::nullopt;
    return value;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The first field of a line and the rest after its blank (none when there is no blank).
std::pair<std::string_view, std::optional<std::string_view>> Split(std::string_view line) {
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return {line, std::nullopt};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

} // namespace

const std::vector<TEtsEventLayout> &EtsEventLayouts() {
    LOG_FKT("EtsEventLayouts");
    static const std::vector<TEtsEventLayout> layouts = {
        {TEtsEventKind::EditParameters, "EditParameters", {{"deviceId", F::Int32}}},
        {TEtsEventKind::CreateDevice,
         "CreateDevice",
         {{"mode", F::Int32}, {"deviceId", F::Int32}, {"text", F::Text}}},
        {TEtsEventKind::DeleteDevice, "DeleteDevice", {{"deviceId", F::Int32}}},
        {TEtsEventKind::Stop, "Stop", {}},
        {TEtsEventKind::DoDownload2,
         "DoDownload2",
         {{"a", F::Int32},
          {"deviceId", F::Int32},
          {"b", F::Int16},
          {"c", F::Int16},
          {"d", F::Int32},
          {"e", F::Int32},
          {"f", F::Int32},
          {"flags", F::UInt16}}},
        {TEtsEventKind::LinkObjToSubGroup,
         "LinkObjToSubGroup",
         {{"deviceId", F::Int32}, {"objectNumber", F::Int16}, {"subGroupId", F::Int32}}},
        {TEtsEventKind::UnlinkObjFromSubGroup,
         "UnlinkObjFromSubGroup",
         {{"deviceId", F::Int32}, {"objectNumber", F::Int16}, {"subGroupId", F::Int32}}},
        {TEtsEventKind::EditObject, "EditObject", {{"deviceObjectId", F::Int32}}},
        {TEtsEventKind::ExportDevice, "ExportDevice", {{"deviceId", F::Int32}}},
        {TEtsEventKind::ImportDevice, "ImportDevice", {{"deviceId", F::Int32}}},
        {TEtsEventKind::CopyDevice,
         "CopyDevice",
         {{"targetDeviceId", F::Int32}, {"sourceDeviceId", F::Int32}, {"flag", F::UInt8}}},
        {TEtsEventKind::DoReconstruct,
         "DoReconstruct",
         {{"deviceId", F::Int32}, {"x", F::Int32}, {"mode", F::Int32}, {"fileName", F::Text}}},
    };
    return layouts;
}

const TEtsEventLayout &EtsEventLayoutOf(TEtsEventKind kind) {
    LOG_FKT("EtsEventLayoutOf");
    for (const auto &layout : EtsEventLayouts())
        if (layout.kind == kind)
            return layout;
    throw EEtsProtocol("unknown event kind");
}

std::string EncodeEvent(const TEtsEvent &event) {
    LOG_FKT("EncodeEvent");
    const TEtsEventLayout &layout = EtsEventLayoutOf(event.kind);
    std::string line = layout.name;
    size_t next = 0;
    for (const auto &[name, field] : layout.fields) {
        if (field == F::Text) {
            if (HasLineBreak(event.text))
                throw EEtsProtocol(std::string(layout.name) + ": the " + name +
                                   " holds a line break");
            if (!event.text.empty())
                line += " " + event.text;
            continue;
        }
        if (next >= event.values.size())
            throw EEtsProtocol(std::string(layout.name) + ": no value for " + name);
        const int64_t value = event.values[next++];
        const TRange range = RangeOf(field);
        if (value < range.min || value > range.max)
            throw EEtsProtocol(std::string(layout.name) + ": " + name + " " +
                               std::to_string(value) + " is out of range");
        line += " " + std::to_string(value);
    }
    if (next != event.values.size())
        throw EEtsProtocol(std::string(layout.name) + ": too many values");
    return line;
}

TEtsEvent DecodeEvent(std::string_view line) {
    LOG_FKT("DecodeEvent");
    auto [name, rest] = Split(line);
    const TEtsEventLayout *layout = nullptr;
    for (const auto &s : EtsEventLayouts())
        if (name == s.name)
            layout = &s;
    if (!layout)
        throw EEtsProtocol("unknown event \"" + std::string(name) + "\"");
    TEtsEvent event;
    event.kind = layout->kind;
    for (const auto &[fieldName, field] : layout->fields) {
        if (field == F::Text) {
            event.text = std::string(rest.value_or(""));
            if (HasLineBreak(event.text))
                throw EEtsProtocol(std::string(layout->name) + ": the " + fieldName +
                                   " holds a line break");
            rest.reset();
            break;
        }
        if (!rest)
            throw EEtsProtocol(std::string(layout->name) + ": " + fieldName + " is missing");
        const auto [text, after] = Split(*rest);
        const auto value = Number(text, RangeOf(field));
        if (!value)
            throw EEtsProtocol(std::string(layout->name) + ": " + fieldName + " \"" +
                               std::string(text) + "\" is not a number of its range");
        event.values.push_back(*value);
        rest = after;
    }
    if (rest)
        throw EEtsProtocol(std::string(layout->name) + ": more fields than it has");
    return event;
}

std::string EncodeReply(const TEtsReply &reply) {
    LOG_FKT("EncodeReply");
    switch (reply.kind) {
    case TEtsReply::Answer: {
        if (HasLineBreak(reply.text))
            throw EEtsProtocol("Answer: the file name holds a line break");
        std::string line =
            "Answer " + std::string(reply.done ? "1" : "0") + " " + std::to_string(reply.result);
        if (!reply.text.empty())
            line += " " + reply.text;
        return line;
    }
    case TEtsReply::ReturnToEts:
        return "ReturnToEts " + std::to_string(reply.keep);
    case TEtsReply::Error: {
        std::string message = reply.text;
        for (char &c : message)
            if (c == '\n' || c == '\r')
                c = ' ';
        return "Error " + message;
    }
    }
    throw EEtsProtocol("unknown reply");
}

TEtsReply DecodeReply(std::string_view line) {
    LOG_FKT("DecodeReply");
    const auto [name, rest] = Split(line);
    const TRange int32 = RangeOf(F::Int32);
    TEtsReply reply;
    if (name == "Answer" && rest) {
        const auto [done, afterDone] = Split(*rest);
        const auto [result, fileName] =
            afterDone ? Split(*afterDone)
                      : std::pair{std::string_view(), std::optional<std::string_view>()};
        const auto value = Number(result, int32);
        // A file name with a line break is refused here as it is when encoded.
        if ((done == "0" || done == "1") && value && !(fileName && HasLineBreak(*fileName))) {
            reply.kind = TEtsReply::Answer;
            reply.done = done == "1";
            reply.result = static_cast<int>(*value);
            reply.text = std::string(fileName.value_or(""));
            return reply;
        }
    } else if (name == "ReturnToEts" && rest) {
        if (const auto value = Number(*rest, int32)) {
            reply.kind = TEtsReply::ReturnToEts;
            reply.keep = static_cast<int>(*value);
            return reply;
        }
    } else if (name == "Error") {
        reply.kind = TEtsReply::Error;
        reply.text = std::string(rest.value_or(""));
        return reply;
    }
    throw EEtsProtocol("not a reply: \"" + std::string(line) + "\"");
}
