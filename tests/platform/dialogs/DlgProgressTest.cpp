// The progress dialog's calls through the replaceable handler and the recorder of the tests.
#include "platform/dialogs/DlgProgress.h"
#include "platform/dialogs/DlgProgressGuard.h"

#include <gtest/gtest.h>

namespace {

TEST(DlgProgress, RecorderKeepsEachCallWithItsRecordAndCountsTheOpenDialogs) {
    TDlgProgressRecorder progress;
    int owner = 0;
    TDlgProgressDaten daten;
    daten.Caption = "Import";
    daten.Max = 6;
    daten.Owner = &owner;
    daten.Art = 2;
    _StartDlgProgress(daten);
    EXPECT_EQ(progress.Offen(), 1);
    daten.Text = "Importiere Daten...\nL\xF6sche";
    _SetDlgProgress(3, daten);
    _StopDlgProgress();
    EXPECT_EQ(progress.Offen(), 0);
    _StopDlgProgress();
    EXPECT_EQ(progress.Offen(), 0) << "a second stop closes nothing";

    const auto &calls = progress.Aufrufe();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].Aktion, TDlgProgressAktion::Start);
    EXPECT_EQ(calls[0].Daten.Caption, "Import");
    EXPECT_EQ(calls[0].Daten.Text, "");
    EXPECT_EQ(calls[0].Daten.Max, 6);
    EXPECT_EQ(calls[0].Daten.Owner, &owner);
    EXPECT_EQ(calls[0].Daten.Art, 2);
    EXPECT_EQ(calls[1].Aktion, TDlgProgressAktion::Set);
    EXPECT_EQ(calls[1].Position, 3);
    EXPECT_EQ(calls[1].Daten.Text, "Importiere Daten...\nL\xF6sche");
    EXPECT_EQ(calls[2].Aktion, TDlgProgressAktion::Stop);
}

TEST(DlgProgress, InnerRecorderGivesTheHandlerBackWhenItEnds) {
    TDlgProgressRecorder outer;
    {
        TDlgProgressRecorder inner;
        _StartDlgProgress({});
        EXPECT_EQ(inner.Aufrufe().size(), 1u);
    }
    _StopDlgProgress();
    ASSERT_EQ(outer.Aufrufe().size(), 1u);
    EXPECT_EQ(outer.Aufrufe()[0].Aktion, TDlgProgressAktion::Stop);
}

TEST(DlgProgress, WithoutHandlerTheCallsDoNothing) {
    const auto previous = SetDlgProgressHandler({});
    _StartDlgProgress({});
    _SetDlgProgress(1, {});
    _StopDlgProgress();
    int seen = 0;
    SetDlgProgressHandler([&](TDlgProgressAktion, int, const TDlgProgressDaten *) { ++seen; });
    _StopDlgProgress();
    EXPECT_EQ(seen, 1);
    SetDlgProgressHandler(previous);
}

// The cancel code travels in the record from the start on; a guard given none starts with 0.
TEST(DlgProgress, TheGuardStartsWithTheCancelCodeItIsGiven) {
    TDlgProgressRecorder progress;
    {
        TDlgProgressGuard mit("Mit", "", 4, nullptr, true, 3);
        mit.Next("Schritt");
    }
    { TDlgProgressGuard ohne("Ohne", "", 4, nullptr); }
    { TDlgProgressGuard verborgen("Verborgen", "", 4, nullptr, false, 3); }
    const auto &calls = progress.Aufrufe();
    ASSERT_EQ(calls.size(), 5u) << "the hidden one shows nothing";
    EXPECT_EQ(calls[0].Daten.Caption, "Mit");
    EXPECT_EQ(calls[0].Daten.Art, 3);
    EXPECT_EQ(calls[1].Aktion, TDlgProgressAktion::Set);
    EXPECT_EQ(calls[1].Daten.Art, 3);
    EXPECT_EQ(calls[3].Daten.Caption, "Ohne");
    EXPECT_EQ(calls[3].Daten.Art, 0);
}

} // namespace
