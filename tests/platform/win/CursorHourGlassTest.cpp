#include "platform/win/CursorHourGlass.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Cursors = std::vector<TCursor>;

TEST(CursorHourGlass, ShowsTheHourGlassForItsScopeAndPutsBackTheCursorItFound) {
    TCursorRecorder recorder;
    {
        TCursorHourGlass hourGlass;
        EXPECT_EQ(GetScreenCursor(), crHourGlass);
    }
    EXPECT_EQ(GetScreenCursor(), crDefault);
    EXPECT_EQ(recorder.Cursors(), Cursors({crHourGlass, crDefault}));
}

TEST(CursorHourGlass, NestedGuardsKeepTheHourGlassUntilTheOuterEnds) {
    TCursorRecorder recorder;
    {
        TCursorHourGlass outer;
        { TCursorHourGlass inner; }
        EXPECT_EQ(GetScreenCursor(), crHourGlass);
    }
    EXPECT_EQ(recorder.Cursors(), Cursors({crHourGlass, crHourGlass, crHourGlass, crDefault}));
    EXPECT_EQ(GetScreenCursor(), crDefault);
}

TEST(CursorHourGlass, AnExceptionLeavingTheScopePutsTheCursorBack) {
    TCursorRecorder recorder;
    EXPECT_THROW(
        {
            TCursorHourGlass hourGlass;
            throw std::runtime_error("weg");
        },
        std::runtime_error);
    EXPECT_EQ(GetScreenCursor(), crDefault);
}

TEST(CursorHourGlass, ReleasedEarlyTheScopesEndSetsNothingMore) {
    TCursorRecorder recorder;
    {
        TCursorHourGlass hourGlass;
        hourGlass.Release();
        EXPECT_EQ(GetScreenCursor(), crDefault);
        hourGlass.Release();
    }
    EXPECT_EQ(recorder.Cursors(), Cursors({crHourGlass, crDefault}));
}

TEST(CursorHourGlass, TheRecorderRestoresThePreviousHandler) {
    Cursors outer;
    TCursorHandler before = SetCursorHandler([&](TCursor c) { outer.push_back(c); });
    {
        TCursorRecorder recorder;
        SetScreenCursor(crHourGlass);
        EXPECT_EQ(recorder.Cursors(), Cursors({crHourGlass}));
    }
    EXPECT_TRUE(outer.empty());
    EXPECT_EQ(GetScreenCursor(), crDefault) << "the recorder puts back the cursor it found";
    SetScreenCursor(crHourGlass);
    SetScreenCursor(crDefault);
    EXPECT_EQ(outer, Cursors({crHourGlass, crDefault}));
    SetCursorHandler(std::move(before));
}

} // namespace
