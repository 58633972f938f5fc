// Comma-text and line-text rules of the string list.
#include "platform/vcl/TStringList.h"

#include <gtest/gtest.h>

namespace {

std::vector<AnsiString> Split(std::string_view s) {
    std::vector<AnsiString> items;
    TStringList::SplitCommaText(s, items);
    return items;
}

struct TSplitCase {
    const char *name;
    std::string_view line;
    std::vector<AnsiString> items;
};

class CommaTextRead : public testing::TestWithParam<TSplitCase> {};

TEST_P(CommaTextRead, SplitsAsTheLibraryDid) { EXPECT_EQ(Split(GetParam().line), GetParam().items); }

using namespace std::string_view_literals;
INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextRead,
    testing::Values(
        TSplitCase{"plain", "a,b,c", {"a", "b", "c"}},
        TSplitCase{"blanksAroundItems", "  a , b\t,c  ", {"a", "b", "c"}},
        TSplitCase{"blankInsideUnquotedSplits", "a b,c", {"a", "b", "c"}},
        TSplitCase{"emptyBetweenCommas", "a,,b", {"a", "", "b"}},
        TSplitCase{"trailingComma", "a,", {"a", ""}},
        TSplitCase{"trailingCommaThenBlank", "a, ", {"a"}},
        TSplitCase{"leadingComma", ",a", {"", "a"}},
        TSplitCase{"quoted", "\"a, b\",c", {"a, b", "c"}},
        TSplitCase{"doubledQuote", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
        TSplitCase{"unclosedQuoteRunsToEnd", "\"abc,def", {"abc,def"}},
        TSplitCase{"textAfterClosingQuoteIsNextItem", "\"ab\"cd,e", {"ab", "cd", "e"}},
        TSplitCase{"sixQuotes", "\"\"\"\"\"\"", {"\"\""}},
        TSplitCase{"emptyQuoted", "\"\",x", {"", "x"}},
        TSplitCase{"onlyBlanks", " \t \r", {}},
        TSplitCase{"empty", "", {}},
        TSplitCase{"nulEndsText", "a,b\0,c"sv, {"a", "b"}},
        TSplitCase{"highBytesStayInItem", "K\xFC" "che,x", {"K\xFC" "che", "x"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CommaTextWrite, QuotesOnlyWhatNeedsIt) {
    TStringList l;
    for (const char *s : {"plain", "", "a,b", "q\"q", "sp ace", "tab\t", "\x01", "K\xFC" "che"})
        l.Add(s);
    EXPECT_EQ(l.CommaText(),
              "plain,,\"a,b\",\"q\"\"q\",\"sp ace\",\"tab\t\",\"\x01\",K\xFC" "che");
}

TEST(CommaTextWrite, OneEmptyItemIsTwoQuotesAndReadsBack) {
    TStringList l;
    l.Add("");
    EXPECT_EQ(l.CommaText(), "\"\"");
    TStringList back;
    back.SetCommaText(l.CommaText());
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back[0], "");
    EXPECT_EQ(TStringList().CommaText(), "") << "no items: no text";
    l.Add("");
    EXPECT_EQ(l.CommaText(), ",");
}

TEST(CommaTextWrite, RoundTripsEveryByteButNul) {
    TStringList l;
    AnsiString all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    l.Add(all);
    l.Add("");
    l.Add("\"");
    TStringList back;
    back.SetCommaText(l.CommaText());
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back[0], all);
    EXPECT_EQ(back[1], "");
    EXPECT_EQ(back[2], "\"");
}

TEST(LineText, SplitsAtEveryLineEnd) {
    TStringList l;
    l.SetText(std::string_view("a\r\nb\rc\nd\r\n\r\ne\0f", 15));
    const std::vector<AnsiString> expected{"a", "b", "c", "d", "", "e"};
    ASSERT_EQ(l.Count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(l[i], expected[static_cast<size_t>(i)]);
    EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

TEST(NameValue, CaseInsensitiveNamesAndRemoval) {
    TStringList l;
    l.Add("Key=1");
    l.Add("noequals");
    l.SetValue("other", "x");
    EXPECT_EQ(l.Values("KEY"), "1");
    EXPECT_EQ(l.Values("Other"), "x");
    EXPECT_EQ(l.Names(1), "");
    EXPECT_EQ(l.IndexOfName("noequals"), -1);
    l.SetValue("key", "2");
    EXPECT_EQ(l[0], "key=2");
    l.SetValue("KEY", "");
    EXPECT_EQ(l.IndexOfName("key"), -1);
    EXPECT_EQ(l.Count(), 2);
}

TEST(NameValue, CaseInsensitiveBeyondAscii) {
    TStringList l;
    l.Add("\xC4=1");         // Ä
    l.Add("\x8A\xDE\xC0=2"); // Š Þ À
    l.Add("\xD7=3");         // ×, no letter
    l.Add("\xDF=4");         // ß, no capital
    l.Add("\x9F=5");         // Ÿ
    EXPECT_EQ(l.Values("\xE4"), "1");
    EXPECT_EQ(l.Values("\x9A\xFE\xE0"), "2");
    EXPECT_EQ(l.IndexOfName("\xF7"), -1) << "the division sign is not the lower multiplication sign";
    EXPECT_EQ(l.Values("\xDF"), "4");
    EXPECT_EQ(l.Values("\xFF"), "5");
    EXPECT_EQ(l.IndexOfName("\xC5"), -1);
}

} // namespace
