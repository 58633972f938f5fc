// pultor: the editor, started by the bus tool with the module name as its first argument.
#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"
#include "platform/log/Log.h"
#include "platform/win/System.h"
#include "shell/TDM.h"
#include "shell/TFormMain.h"
#include "shell/TFormVerw.h"

#include <QApplication>

#include <memory>

int main(int argc, char **argv) {
    LOG_FKT("main");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    auto dm = std::make_unique<TDM>(GetProgramFileName());
    auto main = std::make_unique<TFormMain>(*dm, TFormMain::ModuleNameFromArgs(argc, argv));
    const int code = app.exec();
    main.reset();
    dm.reset();
    return code;
}
