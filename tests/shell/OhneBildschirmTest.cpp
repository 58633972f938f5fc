// Where nobody sees the editor, nothing waits for a click: boxes answer their default button,
// modal dialogs are cancelled.
#include "shell/OhneBildschirm.h"
#include "platform/dialogs/InputBox.h"
#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/dialogs/TModalDialog.h"
#include "platform/win/MessageBox.h"
#include "shell/ProgrammDialoge.h"

#include <gtest/gtest.h>

namespace {
// Puts back the tests' handlers after the program's were installed.
struct TVorherigeHandler {
    TVorherigeHandler()
        : Box(SetMessageBoxHandler(nullptr)), Driver(SetModalDriver(nullptr)),
          Detail(SetShowDetailMessageBoxHandler(nullptr)) {}
    ~TVorherigeHandler() {
        SetMessageBoxHandler(std::move(Box));
        SetModalDriver(std::move(Driver));
        SetShowDetailMessageBoxHandler(std::move(Detail));
    }
    TMessageBoxHandler Box;
    TModalDriver Driver;
    TShowDetailMessageBoxHandler Detail;
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

// In the program's order: its own detailed error box first, then the headless answers, which
// replace it. The box and the start's question are written out and do not wait.
TEST(OhneBildschirm, TheDetailBoxAndTheInputBoxDoNotWait) {
    TVorherigeHandler vorher;
    InstallDetailMessageBox();
    ASSERT_TRUE(InstallOhneBildschirm());
    testing::internal::CaptureStderr();
    _ShowDetailMessageBox("Beim Laden ist ein Fehler aufgetreten.", "Az", "Id not found: 12",
                          "TDeviceInstanz::Laden", 16);
    EXPECT_EQ(InputBox("Devicetype", "Devicetype", ""), "") << "cancelled: the default";
    EXPECT_EQ(InputBox("Devicetype", "Devicetype", "083AZ160"), "083AZ160");
    const std::string ausgabe = testing::internal::GetCapturedStderr();
    EXPECT_NE(ausgabe.find("[Az] Beim Laden ist ein Fehler aufgetreten.\nId not found: 12\n"
                           "TDeviceInstanz::Laden\n"),
              std::string::npos)
        << ausgabe;
    EXPECT_NE(ausgabe.find("[Devicetype] cancelled"), std::string::npos) << ausgabe;
}
