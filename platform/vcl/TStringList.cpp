#include "platform/vcl/TStringList.h"

#include "platform/vcl/Cp1252.h"
#include "platform/vcl/Streams.h"
#include "platform/vcl/TextLines.h"

#include <algorithm>
#include <stdexcept>
#include <strings.h>

namespace {

inline bool IsBlank(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x01 && b <= 0x20;
}

} // namespace

int TStringList::Add(AnsiString s) {
    FItems.push_back(std::move(s));
    return Count() - 1;
}

void TStringList::Insert(int index, AnsiString s) {
    if (index < 0 || index > Count())
        throw std::out_of_range("TStringList::Insert");
    FItems.insert(FItems.begin() + index, std::move(s));
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("TStringList::Delete");
    FItems.erase(FItems.begin() + index);
}

int TStringList::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)] == s)
            return i;
    return -1;
}

void TStringList::AppendCommaItem(AnsiString &out, std::string_view item) {
    bool quote = false;
    for (const char c : item)
        if (c == ',' || c == '"' || IsBlank(c)) {
            quote = true;
            break;
        }
    if (!quote) {
        out.append(item);
        return;
    }
    out += '"';
    for (const char c : item) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

AnsiString TStringList::CommaText() const {
    // A lone empty item written as nothing would read back as no item at all.
    if (FItems.size() == 1 && FItems.front().empty())
        return "\"\"";
    AnsiString out;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i)
            out += ',';
        AppendCommaItem(out, FItems[i]);
    }
    return out;
}

void TStringList::SplitCommaText(std::string_view text, std::vector<AnsiString> &items) {
    items.clear();
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    const size_t n = text.size();
    size_t p = 0;
    while (p < n && IsBlank(text[p]))
        ++p;
    while (p < n) {
        AnsiString item;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p; // closing quote
                    break;
                }
                item += text[p++];
            }
        } else {
            const size_t start = p;
            while (p < n && text[p] != ',' && !IsBlank(text[p]))
                ++p;
            item.assign(text.substr(start, p - start));
        }
        items.push_back(std::move(item));
        while (p < n && IsBlank(text[p]))
            ++p;
        if (p < n && text[p] == ',') {
            if (p + 1 == n)
                items.emplace_back();
            ++p;
            while (p < n && IsBlank(text[p]))
                ++p;
        }
    }
}

void TStringList::SetCommaText(std::string_view text) {
    SplitCommaText(text, FItems);
}

AnsiString TStringList::Text() const {
    AnsiString out;
    for (const auto &s : FItems) {
        out += s;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(std::string_view text) {
    FItems.clear();
    ForEachTextLine(text, [this](std::string_view line) { FItems.emplace_back(line); });
}

AnsiString TStringList::Names(int index) const {
    const AnsiString &s = (*this)[index];
    const size_t eq = s.find('=');
    return eq == AnsiString::npos ? AnsiString() : s.substr(0, eq);
}

int TStringList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const AnsiString &s = FItems[static_cast<size_t>(i)];
        const size_t eq = s.find('=');
        if (eq != AnsiString::npos && SameTextCp1252(std::string_view(s).substr(0, eq), name))
            return i;
    }
    return -1;
}

AnsiString TStringList::Values(std::string_view name) const {
    const int i = IndexOfName(name);
    if (i < 0)
        return {};
    const AnsiString &s = FItems[static_cast<size_t>(i)];
    return s.substr(s.find('=') + 1);
}

void TStringList::SetValue(std::string_view name, std::string_view value) {
    const int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    AnsiString entry(name);
    entry += '=';
    entry += value;
    if (i >= 0)
        FItems[static_cast<size_t>(i)] = std::move(entry);
    else
        Add(std::move(entry));
}

void TStringList::LoadFromStream(TStream &stream) {
    // A position beyond the end leaves nothing to read.
    const long long left = std::max<long long>(stream.Size() - stream.Position(), 0);
    AnsiString text(static_cast<size_t>(left), '\0');
    const long long got = stream.Read(text.data(), static_cast<long long>(text.size()));
    text.resize(static_cast<size_t>(got));
    SetText(text);
}

void TStringList::SaveToStream(TStream &stream) const {
    const AnsiString text = Text();
    stream.WriteBuffer(text.data(), static_cast<long long>(text.size()));
}

void TStringList::LoadFromFile(const std::string &path) {
    TFileStream f(path, fmOpenRead);
    LoadFromStream(f);
}

void TStringList::SaveToFile(const std::string &path) const {
    TFileStream f(path, fmCreate);
    SaveToStream(f);
}
