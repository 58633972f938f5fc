#include "shell/OhneBildschirm.h"

#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/dialogs/TModalDialog.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBoxQt.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <memory>

bool InstallOhneBildschirm() {
    LOG_FKT("InstallOhneBildschirm");
    if (QGuiApplication::platformName() != "offscreen")
        return false;
    SetMessageBoxHandler([](HWND, const AnsiString &text, const AnsiString &caption,
                            unsigned style) {
        std::fprintf(stderr, "[%s] %s\n", AnsiToUtf8(caption).c_str(), AnsiToUtf8(text).c_str());
        // The box is made only for its buttons: the answer is the one Enter would give.
        const std::unique_ptr<QMessageBox> box(CreateQtMessageBox(text, caption, style));
        const QPushButton *standard = box->defaultButton();
        return standard ? standard->property("WinId").toInt() : static_cast<int>(IDOK);
    });
    // Its one button is OK: written out, nothing to answer.
    SetShowDetailMessageBoxHandler([](const TDetailMessageBox &box) {
        std::fprintf(stderr, "[%s] %s\n", AnsiToUtf8(box.Caption).c_str(),
                     AnsiToUtf8(box.Text).c_str());
        for (const AnsiString *teil : {&box.Detail, &box.Methode})
            if (!teil->empty())
                std::fprintf(stderr, "%s\n", AnsiToUtf8(*teil).c_str());
    });
    SetModalDriver([](TModalDialog &dialog) {
        std::fprintf(stderr, "[%s] cancelled\n", dialog.windowTitle().toUtf8().constData());
        // Through QDialog, whose reject is public: the dialog's own gives its cancel result.
        static_cast<QDialog &>(dialog).reject();
        return dialog.ModalResult();
    });
    return true;
}
