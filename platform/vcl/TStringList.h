// A list of texts with the component library's comma-text, line-text and name=value rules.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <string_view>
#include <vector>

class TStream;

class TStringList {
public:
    TStringList() = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    const AnsiString &operator[](int i) const { return FItems.at(static_cast<size_t>(i)); }
    AnsiString &operator[](int i) { return FItems.at(static_cast<size_t>(i)); }
    const AnsiString &Strings(int i) const { return (*this)[i]; }

    int Add(AnsiString s);
    void Insert(int index, AnsiString s);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    int IndexOf(std::string_view s) const;

    // Comma text: items joined by single commas; an item holding a comma, a double quote or a
    // byte 0x01..0x20 is written in double quotes with inner quotes doubled, any other item
    // (the empty one included) as it is. A list of one empty item is written "\"\"".
    AnsiString CommaText() const;
    // Reads comma text: blanks (0x01..0x20) around items are skipped; a quoted item runs to
    // its closing quote (or the end); an unquoted one to the next comma or blank; a comma as
    // the very last byte gives one more, empty, item; a zero byte ends the text.
    void SetCommaText(std::string_view text);
    // Splits text into items by the comma-text rules without building a list.
    static void SplitCommaText(std::string_view text, std::vector<AnsiString> &items);
    static void AppendCommaItem(AnsiString &out, std::string_view item);

    // Line text: every item followed by CR LF.
    AnsiString Text() const;
    // Splits at CR LF, a lone CR or a lone LF; a zero byte ends the text.
    void SetText(std::string_view text);

    // name=value access. Names compare case-insensitively, Windows-1252 letters beyond ASCII
    // included, as the library's did.
    AnsiString Names(int index) const;
    int IndexOfName(std::string_view name) const;
    AnsiString Values(std::string_view name) const;
    // An empty value removes the entry; otherwise the entry is replaced or appended.
    void SetValue(std::string_view name, std::string_view value);

    void LoadFromStream(TStream &stream);
    void SaveToStream(TStream &stream) const;
    void LoadFromFile(const std::string &path);
    void SaveToFile(const std::string &path) const;

    std::vector<AnsiString>::const_iterator begin() const { return FItems.begin(); }
    std::vector<AnsiString>::const_iterator end() const { return FItems.end(); }

private:
    std::vector<AnsiString> FItems;
};
