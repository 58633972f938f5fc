// The help call: without a handler nothing opens and the answer is false; a recorder sees
// every call with its owner, file, command and data and puts the previous handler back.
#include "platform/win/WinHelp.h"

#include <gtest/gtest.h>

TEST(WinHelp, WithoutHandlerNothingOpens) {
    TWinHelpHandler previous = SetWinHelpHandler(nullptr);
    EXPECT_EQ(WinHelp(nullptr, "/x/az_deu.hlp", HELP_FINDER, 10), 0);
    SetWinHelpHandler(std::move(previous));
}

TEST(WinHelp, RecorderSeesEveryCallAndRestores) {
    int outer = 0;
    TWinHelpHandler previous =
        SetWinHelpHandler([&](HWND, const std::string &, UINT, std::uintptr_t) {
            ++outer;
            return 0;
        });
    {
        TWinHelpRecorder recorder;
        EXPECT_EQ(WinHelp(nullptr, "/p/az_deu.hlp", HELP_FINDER, 10), 1);
        EXPECT_EQ(WinHelp(nullptr, "/p/az_deu.hlp", HELP_CONTENTS, 0), 1);
        ASSERT_EQ(recorder.Calls().size(), 2u);
        EXPECT_EQ(recorder.Calls()[0].file, "/p/az_deu.hlp");
        EXPECT_EQ(recorder.Calls()[0].command, 11u);
        EXPECT_EQ(recorder.Calls()[0].data, 10u);
        EXPECT_EQ(recorder.Calls()[1].command, 3u);
    }
    EXPECT_EQ(outer, 0);
    EXPECT_EQ(WinHelp(nullptr, "f", HELP_FINDER, 10), 0);
    EXPECT_EQ(outer, 1);
    SetWinHelpHandler(std::move(previous));
}
