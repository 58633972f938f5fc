// The four-parameter form of a panel text.
#include "objectmodel/AzDeviceParam.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct TextCase {
    const char *name;
    std::string text;
    uint32_t expected[4];
};

class TextEncodingTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextEncodingTest, FourWordsFirstCharacterInTheTopByteAtMost14Characters) {
    const TextCase &c = GetParam();
    const auto params = AzTextParameter(12631, c.text);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(params[static_cast<size_t>(i)].Id, 12631 + i);
        EXPECT_EQ(static_cast<uint32_t>(params[static_cast<size_t>(i)].Wert), c.expected[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextEncodingTest,
    ::testing::Values(
        TextCase{"Empty", "", {0, 0, 0, 0}}, TextCase{"Abc", "abc", {0x61626300, 0, 0, 0}},
        TextCase{"Start", "Start", {0x53746172, 0x74000000, 0, 0}},
        TextCase{"Fourteen", "ABCDEFGHIJKLMN", {0x41424344, 0x45464748, 0x494A4B4C, 0x4D4E}},
        TextCase{"Sixteen", "ABCDEFGHIJKLMNOP", {0x41424344, 0x45464748, 0x494A4B4C, 0x4D4E}},
        TextCase{"Seventeen", "ABCDEFGHIJKLMNOPQ", {0x41424344, 0x45464748, 0x494A4B4C, 0x4D4E}},
        TextCase{"HighBytes",
                 "\xC4rger\xFC"
                 "berABCDE\xDC\xDF",
                 {0xC4726765, 0x72FC6265, 0x72414243, 0x4445}},
        TextCase{"HighBytesAtTheEnd",
                 "ABCDEFGHIJKL\xDC\xDF",
                 {0x41424344, 0x45464748, 0x494A4B4C, 0xDCDF}},
        TextCase{"ZeroByteEndsTheText", std::string("ab\0cd", 5), {0x61620000, 0, 0, 0}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TextEncoding, IdsWrapAt16Bits) {
    const auto params = AzTextParameter(32766, "x");
    EXPECT_EQ(params[0].Id, 32766);
    EXPECT_EQ(params[1].Id, 32767);
    EXPECT_EQ(params[2].Id, -32768);
    EXPECT_EQ(params[3].Id, -32767);
}

TEST(TextEncoding, SwapDwordReversesTheBytes) {
    EXPECT_EQ(AzSwapDword(0x11223344u), 0x44332211u);
    EXPECT_EQ(AzSwapDword(0x800000FFu), 0xFF000080u);
}

} // namespace
