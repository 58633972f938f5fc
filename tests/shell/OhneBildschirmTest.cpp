// Where nobody sees the editor, nothing waits for a click: boxes answer their default button,
// modal dialogs are cancelled.
#include "shell/OhneBildschirm.h"
#include "platform/dialogs/TModalDialog.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

namespace {
// Puts back the tests' handlers after the program's were installed.
struct TVorherigeHandler {
    TVorherigeHandler() : Box(SetMessageBoxHandler(nullptr)), Driver(SetModalDriver(nullptr)) {}
    ~TVorherigeHandler() {
        SetMessageBoxHandler(std::move(Box));
        SetModalDriver(std::move(Driver));
    }
    TMessageBoxHandler Box;
    TModalDriver Driver;
};
} // namespace

TEST(OhneBildschirm, BoxesAnswerTheirDefaultButtonAndDialogsAreCancelled) {
    TVorherigeHandler vorher;
    ASSERT_TRUE(InstallOhneBildschirm()); // the tests run on the offscreen platform
    struct TFall {
        unsigned Style;
        int Antwort;
    };
    const TFall faelle[] = {
        {MB_OK | MB_ICONERROR, IDOK},     {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO}, {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_RETRYCANCEL, IDRETRY},
    };
    for (const TFall &f : faelle)
        EXPECT_EQ(MessageBox(nullptr, "Text", "Titel", f.Style), f.Antwort) << f.Style;
    for (int abbruch : {2, 7}) {
        TModalDialog dialog(nullptr, abbruch);
        EXPECT_EQ(dialog.ShowModal(), abbruch);
        EXPECT_FALSE(dialog.isVisible());
    }
}
