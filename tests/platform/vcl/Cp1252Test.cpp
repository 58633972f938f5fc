#include "platform/vcl/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, GermanTextBothWays) {
    EXPECT_EQ(Utf8ToAnsi("Küche Maß €"), "K\xFC" "che Ma\xDF \x80");
    EXPECT_EQ(AnsiToUtf8("K\xFC" "che Ma\xDF \x80"), "Küche Maß €");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    AnsiString all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(Cp1252, WhatCannotBeHeldBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToAnsi("a\u4E2Db"), "a?b");     // CJK
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80"), "?"); // emoji
    EXPECT_EQ(Utf8ToAnsi("x\xC3"), "x?");           // cut sequence
    EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");        // overlong
    EXPECT_EQ(Utf8ToAnsi("\u0085"), "?");           // C1 control that 1252 redefines
    EXPECT_EQ(Utf8ToAnsi("\u0081"), "\x81");        // undefined byte maps to itself
}
