// The collector of replaced values and its one report.
#include "platform/recobase/TRecoErrors.h"
#include "platform/dialogs/ShowRecoErrors.h"

#include <gtest/gtest.h>

namespace {

TEST(RecoErrors, NothingIsShownWhenNoValueWasReplaced) {
    TShowRecoErrorsRecorder reports;
    TRecoErrors errors;
    errors.ShowErrors();
    EXPECT_TRUE(reports.Anzeigen().empty());
}

TEST(RecoErrors, AllReplacedValuesGoIntoOneListInTheirOrder) {
    TShowRecoErrorsRecorder reports;
    TRecoErrors errors;
    errors.ErrorDefaultParam("Alarmzentrale", "Interner Parameter: Ereignisspeichertiefe", "80",
                             "");
    errors.ErrorDefaultParam("SB 1", "Sicherungsbereich", "Sicherungs-Bereich 1 (SB 1)", "x");
    errors.ShowErrors();
    ASSERT_EQ(reports.Anzeigen().size(), 1u);
    EXPECT_EQ(reports.Anzeigen()[0].Caption, "Rekonstruktion");
    const std::vector<TRecoErrorEintrag> expected = {
        {"Alarmzentrale", "Interner Parameter: Ereignisspeichertiefe", "80", ""},
        {"SB 1", "Sicherungsbereich", "Sicherungs-Bereich 1 (SB 1)", "x"}};
    EXPECT_EQ(reports.Anzeigen()[0].Liste, expected);
    EXPECT_EQ(errors.Eintraege(), expected);
}

} // namespace
