// Leaving the editor: the four checks, the ways back to the bus tool, and what each leaves
// behind (data block, autosave copy, the list of devices open for editing, timers, window).
#include "TTestFormMain.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/win/CursorHourGlass.h"
#include "shell/TDM.h"
#include "shell/TFDockMeld.h"
#include "shell/TFormVerw.h"
#include "shell/TTreeView.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
class FormMainVerlassen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(F.Oeffne());
        ASSERT_NE(F.Main->AktDevInst(), nullptr);
        F.Boxen.Clear();
        BlockVorher = F.Block();
    }
    std::string Id() const { return std::to_string(F.Project.PanelId()); }
    TTestFormMain F;
    std::string BlockVorher;
};
} // namespace

// The checks of a new panel ask (alarm reset, then the arming inputs); a No to either keeps the
// editor open and unchanged, and nothing is handed back.
TEST_F(FormMainVerlassen, ACheckAnsweredNoChangesNothing) {
    // How many questions to answer Yes before the No.
    for (int jaVorher = 0; jaVorher < 4; ++jaVorher) {
        SCOPED_TRACE(jaVorher);
        F.Boxen.Clear();
        for (int i = 0; i < jaVorher; ++i)
            F.Boxen.Answer(IDYES);
        F.Boxen.Answer(IDNO);
        const size_t zeilen = F.Zeilen.size();
        F.DM->Execute(TDM::ABeenden);
        if (static_cast<int>(F.Boxen.Boxes().size()) <= jaVorher)
            break; // fewer questions than Yes answers: the editor was left (checked elsewhere)
        EXPECT_EQ(static_cast<int>(F.Boxen.Boxes().size()), jaVorher + 1);
        for (const auto &b : F.Boxen.Boxes())
            EXPECT_EQ(b.style, unsigned(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2)) << b.text;
        EXPECT_EQ(F.Zeilen.size(), zeilen);
        EXPECT_NE(F.Main->AktDevInst(), nullptr);
        EXPECT_TRUE(F.Main->isVisible());
        EXPECT_EQ(F.Block(), BlockVorher);
        EXPECT_FALSE(fs::exists(F.AutoSaveDatei()));
        EXPECT_EQ(F.Ini(RegSecOptions, RegKeyNotClosed), Id());
    }
}

TEST_F(FormMainVerlassen, TheFirstQuestionIsTheAlarmReset) {
    F.DM->Execute(TDM::ABeenden); // the recorder answers OK: not Yes
    ASSERT_EQ(F.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(F.Boxen.Boxes()[0].text, SprText(11254));
    EXPECT_EQ(F.Boxen.Boxes()[0].caption, SprText(11255));
}

TEST_F(FormMainVerlassen, LeavingInOrderWritesBackAndHandsControlBack) {
    for (int i = 0; i < 4; ++i)
        F.Boxen.Answer(IDYES);
    F.DM->Modified = false;
    F.DM->Execute(TDM::ABeenden);
    ASSERT_FALSE(F.Zeilen.empty());
    EXPECT_EQ(F.Zeilen.back(), "ReturnToEts 1");
    EXPECT_FALSE(F.Block().empty());
    ASSERT_TRUE(fs::exists(F.AutoSaveDatei()));
    // The copy holds what the block holds.
    std::ifstream in(F.AutoSaveDatei(), std::ios::binary);
    const std::string kopie((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(kopie, F.Block());
    EXPECT_EQ(F.Ini(RegSecOptions, RegKeyNotClosed), "");
    EXPECT_EQ(F.Main->AktDevInst(), nullptr);
    EXPECT_TRUE(F.Main->DeviceInstanzen().empty());
    EXPECT_FALSE(F.Main->isVisible());
    EXPECT_FALSE(F.Main->Beendet());
    EXPECT_TRUE(F.Main->TimerTimeoutClose.isActive());
    EXPECT_FALSE(F.DM->TimerAutoSave.isActive());
    // The project windows let go of the device.
    for (TFormVerw *w : F.Main->FormVerwList())
        EXPECT_EQ(w->Tree->topLevelItemCount(), 0);
    // The main window's settings are written.
    EXPECT_EQ(F.Ini(RegSecOptions, RegKeyToolAccess), "0");
}

// The mend: a data block that did not reach the bus tool keeps the device on the list, so that
// the next opening offers the autosave copy, which is written all the same.
TEST_F(FormMainVerlassen, AFailedWriteBlobKeepsTheIdOnNotClosed) {
    F.Project.Database().InjectFailure("BlobWrite", 1);
    F.Main->ApplCloseOrHide(false, false);
    EXPECT_EQ(F.Ini(RegSecOptions, RegKeyNotClosed), Id());
    EXPECT_TRUE(fs::exists(F.AutoSaveDatei()));
    EXPECT_EQ(F.Block(), BlockVorher);
    const auto texte = F.BoxTexte();
    EXPECT_NE(std::find(texte.begin(), texte.end(), SprText(9125)), texte.end());
    EXPECT_EQ(F.Zeilen.back(), "ReturnToEts 1");
    EXPECT_FALSE(F.Main->isVisible());
}

TEST_F(FormMainVerlassen, DiscardHandsBackWithoutTheBlockAndEndsTheProgram) {
    F.Main->ApplCloseOrHide(true, true);
    EXPECT_EQ(F.Zeilen.back(), "ReturnToEts 0");
    EXPECT_EQ(F.Block(), BlockVorher);
    EXPECT_TRUE(fs::exists(F.AutoSaveDatei()));
    EXPECT_EQ(F.Ini(RegSecOptions, RegKeyNotClosed), "");
    EXPECT_TRUE(F.Main->Beendet());
    EXPECT_TRUE(F.Main->DeviceInstanzen().empty());
    EXPECT_EQ(F.Main->AktDevInst(), nullptr);
}

TEST_F(FormMainVerlassen, CloseInsteadOfHideEndsTheProgramAfterWritingBack) {
    F.DM->CloseInsteadOfHide = true;
    F.Main->ApplCloseOrHide(false, false);
    EXPECT_EQ(F.Zeilen.back(), "ReturnToEts 1");
    EXPECT_FALSE(F.Block().empty());
    EXPECT_TRUE(F.Main->Beendet());
}

TEST_F(FormMainVerlassen, AFailedReturnIsReportedAndTheEditorHiddenAllTheSame) {
    F.Main->ApplCloseOrHide(false, false);
    F.Boxen.Clear();
    // No event waits for an answer any more.
    F.Main->ShowMainWindow();
    F.Main->ApplCloseOrHide(false, false);
    ASSERT_EQ(F.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(F.Boxen.Boxes()[0].text, "return fehlgeschlagen");
    EXPECT_EQ(F.Boxen.Boxes()[0].caption, "Close");
    EXPECT_FALSE(F.Main->isVisible());
}

// An exception on the way out (here: the autosave copy cannot replace a folder of its name)
// reaches the guard's box; the closing steps ran all the same.
TEST_F(FormMainVerlassen, TheClosingStepsRunAfterAnException) {
    fs::create_directories(F.AutoSaveDatei());
    F.Main->TimerTimeoutClose.stop();
    F.DM->AutoSave = true;
    F.DM->StartTimerAutoSave(true);
    for (int i = 0; i < 4; ++i)
        F.Boxen.Answer(IDYES);
    F.DM->Execute(TDM::ABeenden);
    ASSERT_FALSE(F.Boxen.Boxes().empty());
    EXPECT_EQ(F.Boxen.Boxes().back().style, unsigned(MB_ICONERROR));
    EXPECT_TRUE(F.Main->TimerTimeoutClose.isActive());
    EXPECT_FALSE(F.DM->TimerAutoSave.isActive());
    EXPECT_EQ(GetScreenCursor(), crDefault);
    // The block reached the bus tool before the failure: the device left the list.
    EXPECT_FALSE(F.Block().empty());
    EXPECT_EQ(F.Ini(RegSecOptions, RegKeyNotClosed), "");
}

// An edit whose device does not open hands control back: the hidden editor's close time-out
// runs again.
TEST(FormMainBearbeiten, AFailedEditReArmsTheCloseTimeOut) {
    TTestFormMain f;
    f.Main->TimerTimeoutClose.stop();
    f.Ereignis("EditParameters 999999");
    ASSERT_FALSE(f.Zeilen.empty());
    EXPECT_EQ(f.Zeilen.back(), "Answer 1 0");
    EXPECT_TRUE(f.Main->TimerTimeoutClose.isActive());
}

// The progress of leaving: its caption, text and range, a step a stage, closed at the end.
TEST_F(FormMainVerlassen, TheProgressShowsTheStepsAndCloses) {
    for (bool close : {false, true}) {
        SCOPED_TRACE(close);
        TTestFormMain f;
        ASSERT_TRUE(f.Oeffne());
        f.DM->Modified = true;
        TDlgProgressRecorder progress;
        f.Main->ApplCloseOrHide(close, close);
        ASSERT_FALSE(progress.Aufrufe().empty());
        const auto &start = progress.Aufrufe().front();
        EXPECT_EQ(start.Aktion, TDlgProgressAktion::Start);
        EXPECT_EQ(start.Daten.Caption, SprText(9016));
        EXPECT_EQ(start.Daten.Text, SprText(9203));
        EXPECT_EQ(start.Daten.Max, 9);
        int hoechste = 0;
        for (const auto &a : progress.Aufrufe())
            if (a.Aktion == TDlgProgressAktion::Set) {
                EXPECT_LE(a.Position, a.Daten.Max);
                hoechste = std::max(hoechste, a.Position);
            }
        // Modified: the device parameters are a step of their own, one more than the range
        // holds; the bar stays at its end. Closing goes on in a range of 5.
        EXPECT_EQ(hoechste, close ? 5 : 9);
        if (close) {
            EXPECT_EQ(progress.Aufrufe()[progress.Aufrufe().size() - 2].Position, 2);
            EXPECT_EQ(progress.Aufrufe()[progress.Aufrufe().size() - 2].Daten.Max, 5);
        }
        EXPECT_EQ(progress.Aufrufe().back().Aktion, TDlgProgressAktion::Stop);
        EXPECT_EQ(progress.Offen(), 0);
    }
}

// Leaving hides every window of the editor while the bus tool has control, also the project
// window's quick-help pane floating as a window of its own; the next opening shows it again.
TEST(FormMainVerlassenFenster, LeavingLeavesNoWindowOfTheEditorOnScreen) {
    for (bool schwebend : {false, true}) {
        SCOPED_TRACE(schwebend);
        TTestFormMain f({{RegSecOptions, RegKeyShowQuickHelp, "1"}});
        ASSERT_TRUE(f.Oeffne());
        TFormVerw *w = f.Main->GetActiveFormVerw();
        ASSERT_NE(w, nullptr);
        TFDockMeld *hilfe = w->QuickHelpPanel();
        ASSERT_NE(hilfe, nullptr);
        hilfe->setFloating(schwebend);
        ASSERT_TRUE(hilfe->isVisible());
        ASSERT_EQ(hilfe->isWindow(), schwebend);
        for (int i = 0; i < 4; ++i)
            f.Boxen.Answer(IDYES);
        f.DM->Execute(TDM::ABeenden);
        ASSERT_FALSE(f.Zeilen.empty());
        ASSERT_EQ(f.Zeilen.back(), "ReturnToEts 1");
        for (const QWidget *fenster : QApplication::topLevelWidgets())
            EXPECT_FALSE(fenster->isVisible()) << fenster->metaObject()->className() << " "
                                               << fenster->windowTitle().toStdString();
        // The pane stays switched on.
        EXPECT_NE(w->QuickHelpRichEdit(), nullptr);
        ASSERT_TRUE(f.Oeffne());
        ASSERT_EQ(f.Main->GetActiveFormVerw(), w);
        // The main window's activation shows it; it comes through the event loop.
        ASSERT_TRUE(QTest::qWaitFor([&] { return hilfe->isVisible(); }, 10000));
        EXPECT_EQ(hilfe->isFloating(), schwebend);
    }
}
