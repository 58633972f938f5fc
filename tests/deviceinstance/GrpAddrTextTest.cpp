// The rules by which the device's dialogs read a typed group address and write one as text.
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TGrpAddrText.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

namespace {

struct TLeseFall {
    const char *text;
    bool three;
    bool valid;
    bool box; // an invalid text shows the box; an empty one does not
    int main = 0, middle = 0, sub = 0;
    const char *search = ""; // the text searched for a valid one
};

class StringToGrpAddr : public ::testing::TestWithParam<TLeseFall> {};

TEST_P(StringToGrpAddr, ReadsOrRefusesWithOneBox) {
    const TLeseFall &c = GetParam();
    TMessageBoxRecorder boxes;
    int main = -1, middle = -1, sub = -1;
    EXPECT_EQ(TGrpAddrText::StringToGrpAddr(c.text, c.three, main, middle, sub), c.valid);
    ASSERT_EQ(boxes.Boxes().size(), c.box ? 1u : 0u);
    if (c.box) {
        EXPECT_EQ(boxes.Boxes()[0].text, Utf8ToAnsi("Ungültige Gruppenadresse"));
        EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
        EXPECT_EQ(boxes.Boxes()[0].style, MB_OK);
    }
    if (!c.valid) {
        EXPECT_EQ(main, -1) << "nothing is given back";
        return;
    }
    EXPECT_EQ(main, c.main);
    EXPECT_EQ(middle, c.middle);
    EXPECT_EQ(sub, c.sub);
    EXPECT_EQ(TGrpAddrText::SearchText(main, middle, sub, c.three), c.search);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, StringToGrpAddr,
    ::testing::Values(
        TLeseFall{"1/2/3", true, true, false, 1, 2, 3, "1/2/3"},
        TLeseFall{"1.2.3", true, true, false, 1, 2, 3, "1/2/3"},
        TLeseFall{"1 2 3", true, true, false, 1, 2, 3, "1/2/3"},
        TLeseFall{"1-2-3", true, true, false, 1, 2, 3, "1/2/3"},
        TLeseFall{"1,2,3", true, true, false, 1, 2, 3, "1/2/3"},
        TLeseFall{"  1/2/3 ", true, true, false, 1, 2, 3, "1/2/3"},
        TLeseFall{"01/2/003", true, true, false, 1, 2, 3, "1/2/3"},
        TLeseFall{"15/7/255", true, true, false, 15, 7, 255, "15/7/255"},
        TLeseFall{"0/0/1", true, true, false, 0, 0, 1, "0/0/1"},
        TLeseFall{"16/0/0", true, false, true}, TLeseFall{"1/8/0", true, false, true},
        TLeseFall{"1/0/256", true, false, true}, TLeseFall{"1 /2/3", true, false, true},
        TLeseFall{"/1/2", true, false, true}, TLeseFall{"123", true, false, true},
        TLeseFall{"-1/2/3", true, false, true}, TLeseFall{"0/0/0", true, false, true},
        TLeseFall{"1/2/3/", true, false, true}, TLeseFall{"1/x/3", true, false, true},
        TLeseFall{"1/2/9999999999", true, false, true}, TLeseFall{"", true, false, false},
        TLeseFall{"  ", true, false, false}, TLeseFall{"", false, false, false},
        // Two levels: the sub number comes back split as the word holds it.
        TLeseFall{"15/2047", false, true, false, 15, 7, 255, "15/2047"},
        TLeseFall{"2/1000", false, true, false, 2, 3, 232, "2/1000"},
        TLeseFall{"02/05", false, true, false, 2, 0, 5, "2/5"},
        TLeseFall{"15/2048", false, false, true}, TLeseFall{"0/0", false, false, true},
        TLeseFall{"1/2/3", false, false, true}));

struct TWortFall {
    int word;
    bool three;
    uint16_t main, middle, sub;
    const char *text;
};

class SplitAndJoin : public ::testing::TestWithParam<TWortFall> {};

TEST_P(SplitAndJoin, GoBothWays) {
    const TWortFall &c = GetParam();
    uint16_t main = 99, middle = 99, sub = 99;
    TDeviceInstanzAz::GetMainMiddleAndSubGroupAddr(c.word, c.three, main, middle, sub);
    EXPECT_EQ(main, c.main);
    EXPECT_EQ(middle, c.middle);
    EXPECT_EQ(sub, c.sub);
    EXPECT_EQ(TGrpAddrText::GetCompleteGroupAddress(main, middle, c.three, sub), c.word);
    EXPECT_EQ(TGrpAddrText::GrpAddrString(c.word, c.three), c.text);
}

INSTANTIATE_TEST_SUITE_P(Woerter, SplitAndJoin,
                         ::testing::Values(TWortFall{0, true, 0, 0, 0, ""},
                                           TWortFall{0, false, 0, 0, 0, ""},
                                           TWortFall{0x0A05, true, 1, 2, 5, "1/2/5"},
                                           TWortFall{0x0A05, false, 1, 0, 517, "1/517"},
                                           TWortFall{0x0FFF, false, 1, 0, 2047, "1/2047"},
                                           TWortFall{0x7FFF, true, 15, 7, 255, "15/7/255"}));

TEST(GetCompleteGroupAddress, TwoLevelsTakeTheSplitElevenBits) {
    // What the reader hands back for 2/1000 in two levels is 2, 3, 232.
    EXPECT_EQ(TGrpAddrText::GetCompleteGroupAddress(2, 3, false, 232), 0x13E8);
    EXPECT_EQ(TGrpAddrText::GetCompleteGroupAddress(2, 3, true, 232), 0x13E8);
}

TEST(GetObjTypText, NamesEveryTypeNumber) {
    const std::vector<std::pair<int, AnsiString>> faelle = {{0, "unsichtbar"},
                                                            {1, "1 Bit"},
                                                            {7, "7 Bit"},
                                                            {8, "1 Byte"},
                                                            {9, "2 Byte"},
                                                            {10, "3 Byte"},
                                                            {11, "4 Byte"},
                                                            {12, "6 Byte"},
                                                            {13, "8 Byte"},
                                                            {14, "10 Byte"},
                                                            {15, "14 Byte"},
                                                            {16, "VARDATA"},
                                                            {17, "unbekannter Objekttyp 17"},
                                                            {-1, "unbekannter Objekttyp -1"}};
    for (const auto &[type, text] : faelle)
        EXPECT_EQ(TGrpAddrText::GetObjTypText(type), text) << type;
}

} // namespace

namespace {

TEST(StringToGrpAdr, IsTheSameReader) {
    TMessageBoxRecorder boxes;
    for (const char *text : {"1/2/3", "0/0/0", "15/2047", "1 /2/3", ""})
        for (const bool three : {true, false}) {
            int a[3] = {-1, -1, -1}, b[3] = {-1, -1, -1};
            EXPECT_EQ(TGrpAddrText::StringToGrpAdr(text, three, a[0], a[1], a[2]),
                      TGrpAddrText::StringToGrpAddr(text, three, b[0], b[1], b[2]))
                << text;
            EXPECT_EQ(std::vector<int>(a, a + 3), std::vector<int>(b, b + 3)) << text;
        }
}

} // namespace
