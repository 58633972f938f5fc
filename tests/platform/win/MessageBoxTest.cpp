// Message boxes through the replaceable handler and the recorder of the tests.
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBox, RecorderRecordsEachBoxAndAnswersFromItsScript) {
    TMessageBoxRecorder boxes;
    boxes.Answer(IDNO);
    const HWND owner = reinterpret_cast<HWND>(0x104);
    EXPECT_EQ(MessageBox(owner, "Fortfahren?", "Best\xE4tigen", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Fehler beim Einf\xFCgen", "Fehler", MB_ICONWARNING), IDOK)
        << "an exhausted script answers OK";
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].owner, owner);
    EXPECT_EQ(boxes.Boxes()[0].text, "Fortfahren?");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Best\xE4tigen");
    EXPECT_EQ(boxes.Boxes()[0].style, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(boxes.Boxes()[1].style, static_cast<unsigned>(MB_ICONWARNING));
}

TEST(MessageBox, InnerRecorderGivesTheHandlerBackWhenItEnds) {
    TMessageBoxRecorder outer;
    {
        TMessageBoxRecorder inner;
        MessageBox(nullptr, "innen", "", MB_OK);
        EXPECT_EQ(inner.Boxes().size(), 1u);
    }
    MessageBox(nullptr, "aussen", "", MB_OK);
    ASSERT_EQ(outer.Boxes().size(), 1u);
    EXPECT_EQ(outer.Boxes()[0].text, "aussen");
}

TEST(MessageBox, InstalledHandlerDecidesAndThePreviousComesBack) {
    const auto previous =
        SetMessageBoxHandler([](HWND, const AnsiString &text, const AnsiString &, unsigned) -> int {
            return text == "ja?" ? IDYES : IDCANCEL;
        });
    EXPECT_EQ(MessageBox(nullptr, "ja?", "", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(MessageBox(nullptr, "nein?", "", MB_YESNOCANCEL), IDCANCEL);
    const auto mine = SetMessageBoxHandler(previous);
    EXPECT_TRUE(static_cast<bool>(mine));
}

TEST(MessageBox, WithoutHandlerItIsWrittenOutAndAnsweredWithTheFirstButton) {
    const auto previous = SetMessageBoxHandler({});
    const std::pair<unsigned, int> cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDYES},
        {MB_RETRYCANCEL, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR, IDABORT},
    };
    for (const auto &[style, answer] : cases) {
        SCOPED_TRACE(style);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(MessageBox(nullptr,
                             "Gr\xF6\xDF"
                             "e",
                             "Best\xE4tigen", style),
                  answer);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "[Best\xC3\xA4tigen] Gr\xC3\xB6\xC3\x9F"
                                                            "e\n");
    }
    SetMessageBoxHandler(previous);
}

} // namespace
