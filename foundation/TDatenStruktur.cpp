#include "foundation/TDatenStruktur.h"

#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <vector>

namespace {

using D = TDatenStruktur;

struct TIntField {
    const char *name;
    int32_t D::*member; // null: Typ, which is 16 bit
};
// In the order the int32 overload tries them.
constexpr TIntField kIntFields[] = {
    {"Handle", &D::Handle},   {"Parent", &D::Parent},   {"Typ", nullptr},
    {"System", &D::System},   {"Next", &D::Next},       {"Param1", &D::Param1},
    {"Param2", &D::Param2},   {"Param3", &D::Param3},   {"Param4", &D::Param4},
    {"Param5", &D::Param5},   {"Param6", &D::Param6},   {"Param7", &D::Param7},
    {"Param8", &D::Param8},   {"Param9", &D::Param9},   {"Param10", &D::Param10},
    {"Param11", &D::Param11}, {"Param12", &D::Param12}, {"Param13", &D::Param13},
    {"Param14", &D::Param14}, {"Param15", &D::Param15}, {"Param16", &D::Param16},
    {"Param17", &D::Param17}, {"Param18", &D::Param18}, {"Param19", &D::Param19}};

struct TTextField {
    const char *name;
    AnsiString D::*member;
};
constexpr TTextField kTextFields[] = {{"Name", &D::Name},
                                      {"String1", &D::String1},
                                      {"String2", &D::String2},
                                      {"String3", &D::String3},
                                      {"String4", &D::String4}};

struct TBoolField {
    const char *name;
    bool D::*member;
};
constexpr TBoolField kBoolFields[] = {
    {"Bool1", &D::Bool1}, {"Bool2", &D::Bool2}, {"Bool3", &D::Bool3}, {"Bool4", &D::Bool4},
    {"Bool5", &D::Bool5}, {"Bool6", &D::Bool6}, {"Bool7", &D::Bool7}, {"Bool8", &D::Bool8},
    {"Bool9", &D::Bool9}, {"Bool10", &D::Bool10}};

// Line order of the 19 parameters, the 10 bools and the 5 texts.
constexpr int32_t D::*kParams[19] = {
    &D::Param1,  &D::Param2,  &D::Param3,  &D::Param4,  &D::Param5,  &D::Param6,  &D::Param7,
    &D::Param8,  &D::Param9,  &D::Param10, &D::Param11, &D::Param12, &D::Param13, &D::Param14,
    &D::Param15, &D::Param16, &D::Param17, &D::Param18, &D::Param19};
constexpr bool D::*kBools[10] = {&D::Bool1, &D::Bool2, &D::Bool3, &D::Bool4, &D::Bool5,
                                 &D::Bool6, &D::Bool7, &D::Bool8, &D::Bool9, &D::Bool10};
constexpr AnsiString D::*kStrings[5] = {&D::String1, &D::String2, &D::String3, &D::String4,
                                        &D::String5};

[[noreturn]] void ThrowNoField(const AnsiString &feld) {
    throw E_DatenStruktur("Feld nicht vorhanden: " + feld);
}

const TIntField *FindInt(const AnsiString &feld) {
    for (const auto &f : kIntFields)
        if (feld == f.name)
            return &f;
    return nullptr;
}

const TTextField *FindText(const AnsiString &feld) {
    for (const auto &f : kTextFields)
        if (feld == f.name)
            return &f;
    return nullptr;
}

int32_t IntOf(const D &d, const TIntField &f) { return f.member ? d.*f.member : d.Typ; }

// Signed 32-bit decimal with one optional sign; anything else (empty, letters, out of range, a
// second sign) gives 0.
int32_t ToInt(std::string_view s) {
    if (s.size() > 1 && s.front() == '+' && s[1] != '-')
        s.remove_prefix(1);
    int32_t v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || s.empty())
        return 0;
    return v;
}

// A text as the record line holds it: the line must stay one line and read back as written, so
// the text ends at its first zero byte (the loader ends the whole file there) and CR and LF
// become blanks (the loader ends the record there).
void AppendText(AnsiString &out, std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.find_first_of("\r\n") == std::string_view::npos) {
        TStringList::AppendCommaItem(out, text);
        return;
    }
    AnsiString oneLine(text);
    std::replace_if(oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n'; },
                    ' ');
    TStringList::AppendCommaItem(out, oneLine);
}

void AppendInt(AnsiString &out, int32_t v) {
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

} // namespace

bool TDatenStruktur::IsEqual(const AnsiString &feld, const AnsiString &wert) const {
    LOG_FKT("TDatenStruktur::IsEqual");
    if (const TTextField *f = FindText(feld))
        return this->*f->member == wert;
    ThrowNoField(feld);
}

bool TDatenStruktur::IsEqual(const AnsiString &feld, int32_t wert) const {
    LOG_FKT("TDatenStruktur::IsEqual");
    if (const TIntField *f = FindInt(feld))
        return IntOf(*this, *f) == wert;
    ThrowNoField(feld);
}

bool TDatenStruktur::IsEqual(const AnsiString &feld, int16_t wert) const {
    LOG_FKT("TDatenStruktur::IsEqual");
    if (feld == "Typ")
        return Typ == wert;
    ThrowNoField(feld);
}

bool TDatenStruktur::IsEqual(const AnsiString &feld, bool wert) const {
    LOG_FKT("TDatenStruktur::IsEqual");
    for (const auto &f : kBoolFields)
        if (feld == f.name)
            return this->*f.member == wert;
    ThrowNoField(feld);
}

bool TDatenStruktur::IsLess(const AnsiString &feld, const TDatenStruktur &other) const {
    LOG_FKT("TDatenStruktur::IsLess");
    if (const TIntField *f = FindInt(feld))
        return IntOf(*this, *f) < IntOf(other, *f);
    if (const TTextField *f = FindText(feld))
        return this->*f->member < other.*f->member; // char_traits<char> compares unsigned
    ThrowNoField(feld);
}

void TDatenStruktur::Fill(std::string_view Datensatz) {
    LOG_FKT("TDatenStruktur::Fill");
    thread_local std::vector<AnsiString> items;
    TStringList::SplitCommaText(Datensatz, items);
    if (items.size() < 40) {
        AnsiString msg;
        if (!items.empty())
            msg = "TDatenStruktur::Fill(String Datensatz)\nHandle: " + items[0];
        if (items.size() >= 2)
            msg += "\nName  : " + items[1];
        throw E_DatenStruktur(msg);
    }
    Handle = ToInt(items[0]);
    Name = std::move(items[1]);
    Typ = static_cast<int16_t>(static_cast<uint16_t>(ToInt(items[2]) & 0xFFFF));
    Parent = ToInt(items[3]);
    System = ToInt(items[4]);
    Next = ToInt(items[5]);
    for (int i = 0; i < 19; ++i)
        this->*kParams[i] = ToInt(items[6 + i]);
    for (int i = 0; i < 10; ++i) {
        const AnsiString &b = items[25 + i];
        this->*kBools[i] = b == "true" || b == "TRUE";
    }
    for (int i = 0; i < 5; ++i)
        this->*kStrings[i] = std::move(items[35 + i]);
}

AnsiString TDatenStruktur::GetDatensatzZeile() const {
    LOG_FKT("TDatenStruktur::GetDatensatzZeile");
    AnsiString out;
    out.reserve(160);
    AppendInt(out, Handle);
    out += ',';
    // An empty name is stored as two quote characters, which quoting makes six.
    const std::string_view name = std::string_view(Name).substr(0, Name.find('\0'));
    AppendText(out, name.empty() ? std::string_view("\"\"") : name);
    for (const int32_t v : {static_cast<int32_t>(Typ), Parent, System, Next}) {
        out += ',';
        AppendInt(out, v);
    }
    for (const auto p : kParams) {
        out += ',';
        AppendInt(out, this->*p);
    }
    for (const auto b : kBools)
        out += this->*b ? ",true" : ",false";
    for (const auto s : kStrings) {
        out += ',';
        AppendText(out, this->*s);
    }
    out += ",Ende";
    return out;
}

AnsiString TDatenStruktur::GetKopfZeile() const {
    LOG_FKT("TDatenStruktur::GetKopfZeile");
    return "#Handle,Name,Typ,Parent,System,Next,Param1,Param2,Param3,Param4,Param5,Param6,"
           "Param7,Param8,Param9,Param10,Param11,Param12,Param13,Param14,Param15,Param16,"
           "Param17,Param18,Param19,Bool1,Bool2,Bool3,Bool4,Bool5,Bool6,Bool7,Bool8,Bool9,"
           "Bool10,String1,String2,String3,String4,String5,Endekennung";
}

AnsiString TDatenStruktur::GetKommentarZeile() const {
    LOG_FKT("TDatenStruktur::GetKommentarZeile");
    return "#Brix Vorezudiru GmbH";
}
