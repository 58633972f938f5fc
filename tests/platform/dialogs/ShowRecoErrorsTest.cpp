// The replaced-values report through the replaceable handler and the recorder of the tests.
#include "platform/dialogs/ShowRecoErrors.h"

#include <gtest/gtest.h>

namespace {

TEST(ShowRecoErrors, RecorderKeepsCaptionAndListOfEachReport) {
    TShowRecoErrorsRecorder reports;
    const std::vector<TRecoErrorEintrag> list = {
        {"Alarmzentrale", "Interner Parameter: Ereignisspeichertiefe", "80", ""},
        {"SB 1", "Sicherungsbereich", "Sicherungs-Bereich 1 (SB 1)", ""}};
    _ShowRecoErrors("Rekonstruktion", list);
    ASSERT_EQ(reports.Anzeigen().size(), 1u);
    EXPECT_EQ(reports.Anzeigen()[0].Caption, "Rekonstruktion");
    EXPECT_EQ(reports.Anzeigen()[0].Liste, list);
}

TEST(ShowRecoErrors, InnerRecorderGivesTheHandlerBackWhenItEnds) {
    TShowRecoErrorsRecorder outer;
    {
        TShowRecoErrorsRecorder inner;
        _ShowRecoErrors("innen", {});
        EXPECT_EQ(inner.Anzeigen().size(), 1u);
    }
    _ShowRecoErrors("aussen", {});
    ASSERT_EQ(outer.Anzeigen().size(), 1u);
    EXPECT_EQ(outer.Anzeigen()[0].Caption, "aussen");
}

TEST(ShowRecoErrors, WithoutHandlerTheListGoesToStandardError) {
    const auto previous = SetShowRecoErrorsHandler({});
    testing::internal::CaptureStderr();
    _ShowRecoErrors("Rekonstruktion", {{"Anzeige 1", "Melder-Typ", "Kontakt", ""}});
    const std::string out = testing::internal::GetCapturedStderr();
    SetShowRecoErrorsHandler(previous);
    EXPECT_NE(out.find("Rekonstruktion"), std::string::npos);
    EXPECT_NE(out.find("Anzeige 1: Melder-Typ = Kontakt"), std::string::npos);
}

} // namespace
