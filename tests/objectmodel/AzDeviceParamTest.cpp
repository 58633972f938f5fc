// The device-parameter write path, into a temporary simulated project, and the
// four-parameter form of a panel text.
#include "objectmodel/AzDeviceParam.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct TextCase {
    const char *name;
    std::string text;
    uint32_t expected[4];
};
void PrintTo(const TextCase &c, std::ostream *os) {
    *os << c.name;
}

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

TEST(WriteDeviceParams, WritesEveryParameterInOrderIntoTheProject) {
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    TMessageBoxRecorder boxes;
    EXPECT_TRUE(AzWriteDeviceParams(main.Handle(), {{10070, 0x11224498}, {10110, 7}, {10010, 1}}));
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10070=287458456", "10110=7", "10010=1"}));
    EXPECT_EQ(project.Parameter(10070), 0x11224498);
    EXPECT_EQ(project.Parameter(10110), 7);
    EXPECT_EQ(project.Parameter(10010), 1);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(WriteDeviceParams, NoWriterGivesTheBoxAndWritesNothing) {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(AzWriteDeviceParams(main.Handle(), {{10070, 1}, {10110, 7}}));
    EXPECT_FALSE(AzSetStringToDeviceParamData(main.Handle(), 12631, "Start"));
    EXPECT_EQ(main.Trace(), (Trace{"1170", "1170"}));
    ASSERT_EQ(boxes.Boxes().size(), 2u) << "one box per write";
    for (const auto &box : boxes.Boxes()) {
        EXPECT_EQ(box.owner, main.Handle());
        EXPECT_EQ(box.text, "Die Parameter konnten nicht in der Ets gespeichert werden.");
        EXPECT_EQ(box.caption, "Fehler beim Zugriff auf Ets");
        EXPECT_EQ(box.style, 0u);
    }
}

TEST(WriteDeviceParams, ARefusedWriteIsNoSuccessButTheOthersAreStillWritten) {
    struct Case {
        const char *name;
        bool inject; // the bus tool fails the first write; else the second id is unknown
    };
    for (const Case c : {Case{"unknown id", false}, Case{"bus tool fails", true}}) {
        SCOPED_TRACE(c.name);
        TFakeMainWindow main;
        TTempProject &project = main.UseTemporaryProject();
        if (c.inject)
            project.Database().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
        EXPECT_FALSE(AzWriteDeviceParams(main.Handle(), {{10120, 3}, {1, 2}, {10130, 4}}));
        EXPECT_EQ(main.Trace(), (Trace{"1170", "10120=3", "1=2", "10130=4"}));
        EXPECT_EQ(project.Parameter(10120), c.inject ? 0 : 3);
        EXPECT_EQ(project.Parameter(10130), 4);
    }
}

TEST(WriteDeviceParams, ATextReachesTheProjectAsFourParameters) {
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    EXPECT_TRUE(AzSetStringToDeviceParamData(main.Handle(), 12631, "Start"));
    EXPECT_EQ(main.Trace(),
              (Trace{"1170", "12631=1400136050", "12632=1946157056", "12633=0", "12634=0"}));
    EXPECT_EQ(project.Parameter(12631), 0x53746172);
    EXPECT_EQ(project.Parameter(12632), 0x74000000);
    EXPECT_EQ(project.Parameter(12633), 0);
    EXPECT_EQ(project.Parameter(12634), 0);
}

} // namespace
