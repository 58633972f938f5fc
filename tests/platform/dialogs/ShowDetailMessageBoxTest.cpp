// The detailed error box through the replaceable handler and the recorder of the tests.
#include "platform/dialogs/ShowDetailMessageBox.h"

#include <gtest/gtest.h>

namespace {

TEST(ShowDetailMessageBox, RecorderKeepsEveryPartOfEachBox) {
    TShowDetailMessageBoxRecorder boxes;
    _ShowDetailMessageBox("Fehler beim Laden", "Az", "\nSubGroupId not found: 7", "T::Methode", 16);
    _ShowDetailMessageBox("zweite", "Az", "", "T::Andere", 48);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0],
              (TDetailMessageBox{"Fehler beim Laden", "Az", "\nSubGroupId not found: 7",
                                 "T::Methode", 16, "", ""}));
    EXPECT_EQ(boxes.Boxes()[1].Icon, 48);
    boxes.Clear();
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(ShowDetailMessageBox, SourceFileAndLineTravelWithTheBox) {
    TShowDetailMessageBoxRecorder boxes;
    _ShowDetailMessageBox("Fehler", "Az", "", "TRecoAz.cpp", "120", "TRecoAz::Methode", 16);
    _ShowDetailMessageBox("ohne", "Az", "", "T::Methode", 16);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0], (TDetailMessageBox{"Fehler", "Az", "", "TRecoAz::Methode", 16,
                                                   "TRecoAz.cpp", "120"}));
    EXPECT_EQ(boxes.Boxes()[1].Datei, "");
    EXPECT_EQ(boxes.Boxes()[1].Zeile, "");
}

TEST(ShowDetailMessageBox, InnerRecorderGivesTheHandlerBackWhenItEnds) {
    TShowDetailMessageBoxRecorder outer;
    {
        TShowDetailMessageBoxRecorder inner;
        _ShowDetailMessageBox("innen", "", "", "", 0);
        EXPECT_EQ(inner.Boxes().size(), 1u);
    }
    _ShowDetailMessageBox("aussen", "", "", "", 0);
    ASSERT_EQ(outer.Boxes().size(), 1u);
    EXPECT_EQ(outer.Boxes()[0].Text, "aussen");
}

TEST(ShowDetailMessageBox, WithoutHandlerTheBoxGoesToStandardError) {
    const auto previous = SetShowDetailMessageBoxHandler({});
    testing::internal::CaptureStderr();
    _ShowDetailMessageBox("Beim Laden", "Az", "\n Object No. 3", "TDeviceInstanz::X", 16);
    const std::string out = testing::internal::GetCapturedStderr();
    SetShowDetailMessageBoxHandler(previous);
    EXPECT_NE(out.find("Beim Laden"), std::string::npos);
    EXPECT_NE(out.find("TDeviceInstanz::X"), std::string::npos);
    EXPECT_NE(out.find("Object No. 3"), std::string::npos);
}

} // namespace
