// Number fields read as integers: what counts as a number and what falls back to the default.
#include "platform/vcl/StrToInt.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char *text;
    int32_t soll;
};

TEST(StrToIntDef, NumbersAndTheDefault) {
    const Fall faelle[] = {
        {"12", 12},
        {"-3", -3},
        {"+7", 7},
        {"  42", 42},
        {"0", 0},
        {"", -99},
        {"   ", -99},
        {"abc", -99},
        {"12 ", -99},
        {"1x", -99},
        {"+-5", -99},
        {"--5", -99},
        {"+", -99},
        {"-", -99},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", -99},
        {"0x10", -99},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(StrToIntDef(f.text, -99), f.soll);
        int32_t value = 4711;
        const bool zahl = TryStrToInt(f.text, value);
        EXPECT_EQ(zahl, f.soll != -99);
        EXPECT_EQ(value, zahl ? f.soll : 4711);
    }
}

} // namespace
