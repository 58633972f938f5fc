// The configuration record and its line.
#include "foundation/TDatenStruktur.h"
#include "platform/vcl/TStringList.h"

#include <gtest/gtest.h>

namespace {

const AnsiString kDefaultLine = "0,\"\"\"\"\"\",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                                "false,false,false,false,false,false,false,false,false,false,"
                                ",,,,,Ende";

AnsiString Line(const std::vector<AnsiString> &items) {
    AnsiString s;
    for (size_t i = 0; i < items.size(); ++i)
        s += (i ? "," : "") + items[i];
    return s;
}

// A line of n items: numbers for the numeric fields, "true" for the bools.
std::vector<AnsiString> Items(int n) {
    std::vector<AnsiString> v;
    for (int i = 0; i < n; ++i)
        v.push_back(i >= 25 && i < 35 ? "true" : std::to_string(i + 1));
    return v;
}

// A record filled from a full line whose item at index is the given text.
TDatenStruktur FilledWith(size_t index, const AnsiString &item) {
    auto items = Items(41);
    items[index] = item;
    TDatenStruktur d;
    d.Fill(Line(items));
    return d;
}

TEST(RecordLine, DefaultRecordGivesTheFixedLine) {
    const TDatenStruktur d;
    EXPECT_EQ(d.GetDatensatzZeile(), kDefaultLine);
    std::vector<AnsiString> items;
    TStringList::SplitCommaText(kDefaultLine, items);
    EXPECT_EQ(items.size(), 41u);
}

TEST(RecordLine, EmptyNameBecomesTwoQuotesAndThenStaysStable) {
    TDatenStruktur d;
    d.Fill(kDefaultLine);
    EXPECT_EQ(d.Name, "\"\"");
    EXPECT_FALSE(d.IsEqual("Name", ""));
    EXPECT_EQ(d.GetDatensatzZeile(), kDefaultLine);
}

TEST(RecordLine, EveryFieldRoundTrips) {
    TDatenStruktur d;
    d.Handle = -7;
    d.Name = "A, \"B\" K\xFC"
             "che";
    d.Typ = -1;
    d.Parent = 2147483647;
    d.System = -2147483647 - 1;
    d.Next = 5;
    d.Param1 = 1;
    d.Param19 = 19;
    d.Bool1 = true;
    d.Bool10 = true;
    d.String1 = "x y";
    d.String4 = "\x01\x1F";
    d.String5 = "last";
    TDatenStruktur back;
    back.Fill(d.GetDatensatzZeile());
    EXPECT_EQ(back.GetDatensatzZeile(), d.GetDatensatzZeile());
    EXPECT_EQ(back.Name, d.Name);
    EXPECT_EQ(back.System, d.System);
    EXPECT_EQ(back.String4, d.String4);
    EXPECT_TRUE(back.Bool10);
    EXPECT_FALSE(back.Bool2);
}

TEST(RecordLine, QuotingOfNames) {
    struct {
        AnsiString name, item;
    } cases[] = {{"A, B", "\"A, B\""},
                 {"say \"hi\"", "\"say \"\"hi\"\"\""},
                 {"two words", "\"two words\""},
                 {"tab\there", "\"tab\there\""},
                 {"K\xFC"
                  "che",
                  "K\xFC"
                  "che"}};
    for (const auto &c : cases) {
        TDatenStruktur d;
        d.Name = c.name;
        const AnsiString line = d.GetDatensatzZeile();
        EXPECT_EQ(line.substr(2, c.item.size() + 1), c.item + ",") << c.name;
        TDatenStruktur back;
        back.Fill(line);
        EXPECT_EQ(back.Name, c.name);
    }
}

TEST(RecordLine, ReadingRules) {
    // Blanks around items are skipped; the 40 items fill every field without "Ende".
    auto items = Items(40);
    AnsiString line = "  " + Line(items) + "  ";
    TDatenStruktur d;
    d.Fill(line);
    EXPECT_EQ(d.Handle, 1);
    EXPECT_EQ(d.Name, "2");
    EXPECT_EQ(d.Typ, 3);
    EXPECT_EQ(d.Param19, 25);
    EXPECT_TRUE(d.Bool1);
    EXPECT_EQ(d.String5, "40");

    // A blank inside an unquoted name splits it and shifts every later field.
    items = Items(41);
    items[1] = "Two Words";
    d.Fill(Line(items));
    EXPECT_EQ(d.Name, "Two");
    EXPECT_EQ(d.Typ, 0); // "3" moved on; "Words" is not a number
    EXPECT_EQ(d.Parent, 3);
}

TEST(RecordLine, NumbersAndBools) {
    struct {
        AnsiString item;
        int32_t param1;
    } numbers[] = {{"123", 123},      {"-5", -5},         {"", 0},
                   {"abc", 0},        {"12x", 0},         {"2147483647", 2147483647},
                   {"2147483648", 0}, {"-2147483649", 0}, {"0012", 12},
                   {"+7", 7},         {"+-5", 0},         {"--5", 0},
                   {"0x10", 0}};
    for (const auto &c : numbers)
        EXPECT_EQ(FilledWith(6, c.item).Param1, c.param1) << c.item;
    struct {
        AnsiString item;
        int16_t typ;
    } types[] = {{"70000", 4464}, {"40000", -25536}, {"-1", -1}, {"65535", -1}};
    for (const auto &c : types)
        EXPECT_EQ(FilledWith(2, c.item).Typ, c.typ) << c.item;
    struct {
        AnsiString item;
        bool value;
    } bools[] = {{"true", true}, {"TRUE", true}, {"True", false}, {"1", false}, {"", false}};
    for (const auto &c : bools)
        EXPECT_EQ(FilledWith(25, c.item).Bool1, c.value) << c.item;
}

TEST(RecordLine, ShortLinesThrowAndLeaveTheRecordAlone) {
    struct {
        AnsiString line;
        AnsiString message;
    } cases[] = {
        {Line(Items(39)), "TDatenStruktur::Fill(String Datensatz)\nHandle: 1\nName  : 2"},
        {"17", "TDatenStruktur::Fill(String Datensatz)\nHandle: 17"},
        {"   ", ""},
        {"", ""},
    };
    for (const auto &c : cases) {
        TDatenStruktur d;
        d.Handle = 99;
        d.Name = "keep";
        try {
            d.Fill(c.line);
            ADD_FAILURE() << "no exception for " << c.line;
        } catch (const E_DatenStruktur &e) {
            EXPECT_EQ(e.Message, c.message);
        }
        EXPECT_EQ(d.Handle, 99);
        EXPECT_EQ(d.Name, "keep");
    }
}

TEST(RecordFields, IsEqualAcceptsItsNamesOnly) {
    TDatenStruktur d;
    d.Typ = -1;
    d.Name = "n";
    d.String4 = "s4";
    d.String5 = "s5";
    d.Param19 = 19;
    d.Bool10 = true;
    EXPECT_TRUE(d.IsEqual("Typ", int32_t(-1)));
    EXPECT_TRUE(d.IsEqual("Typ", int16_t(-1)));
    EXPECT_TRUE(d.IsEqual("Param19", 19));
    EXPECT_TRUE(d.IsEqual("Name", "n"));
    EXPECT_TRUE(d.IsEqual("String4", AnsiString("s4")));
    EXPECT_TRUE(d.IsEqual("Bool10", true));
    EXPECT_FALSE(d.IsEqual("Bool9", true));

    const auto message = [&](auto call) {
        try {
            call();
        } catch (const E_DatenStruktur &e) {
            return e.Message;
        }
        return AnsiString("no exception");
    };
    EXPECT_EQ(message([&] { d.IsEqual("String5", "s5"); }), "Feld nicht vorhanden: String5");
    EXPECT_EQ(message([&] { d.IsEqual("Name", 5); }), "Feld nicht vorhanden: Name");
    EXPECT_EQ(message([&] { d.IsEqual("Handle", int16_t(0)); }), "Feld nicht vorhanden: Handle");
    EXPECT_EQ(message([&] { d.IsEqual("Param1", false); }), "Feld nicht vorhanden: Param1");
    EXPECT_EQ(message([&] { d.IsEqual("typ", 0); }), "Feld nicht vorhanden: typ");
}

TEST(RecordFields, IsLessOrder) {
    TDatenStruktur a, b;
    a.Name = "B";
    b.Name = "a";
    EXPECT_TRUE(a.IsLess("Name", b)); // byte order: upper case first
    a.Name = "ab";
    b.Name = "abc";
    EXPECT_TRUE(a.IsLess("Name", b)); // a proper prefix is less
    a.String1 = "\xFC";
    b.String1 = "z";
    EXPECT_FALSE(a.IsLess("String1", b)); // bytes compare unsigned
    a.Typ = -2;
    b.Typ = 1;
    EXPECT_TRUE(a.IsLess("Typ", b));
    a.Param7 = -1;
    EXPECT_TRUE(a.IsLess("Param7", b));
    for (const char *bad : {"Bool1", "String5", "Nix"})
        EXPECT_THROW(a.IsLess(bad, b), E_DatenStruktur) << bad;
}

TEST(RecordLine, HeadingAndCommentLines) {
    const TDatenStruktur d;
    EXPECT_EQ(d.GetKommentarZeile(), "#Brix Vorezudiru GmbH");
    EXPECT_EQ(d.GetKopfZeile(),
              "#Handle,Name,Typ,Parent,System,Next,Param1,Param2,Param3,Param4,Param5,Param6,"
              "Param7,Param8,Param9,Param10,Param11,Param12,Param13,Param14,Param15,Param16,"
              "Param17,Param18,Param19,Bool1,Bool2,Bool3,Bool4,Bool5,Bool6,Bool7,Bool8,Bool9,"
              "Bool10,String1,String2,String3,String4,String5,Endekennung");
}

} // namespace
