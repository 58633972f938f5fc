#include "shell/ProgrammHilfe.h"

#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <QDesktopServices>

#include <filesystem>

TWinHelpHandler ProgrammHilfe(TUrlOpener opener) {
    LOG_FKT("ProgrammHilfe");
    if (!opener)
        opener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    return [opener](HWND owner, const std::string &file, UINT command, std::uintptr_t) -> BOOL {
        if (command == HELP_QUIT)
            return 1;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            MessageBox(owner, "Hilfedatei nicht gefunden:\n" + file, "Hilfe",
                       MB_OK | MB_ICONWARNING);
            return 0;
        }
        return opener(QUrl::fromLocalFile(QString::fromStdString(file))) ? 1 : 0;
    };
}

void InstallProgrammHilfe() {
    LOG_FKT("InstallProgrammHilfe");
    SetWinHelpHandler(ProgrammHilfe());
}
