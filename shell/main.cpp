// pultor: the editor, started by the bus tool with the module name as its first argument.
// Without a project or an event connection it says why in a box and ends with 1.
#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"
#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"
#include "platform/win/MessageBoxQt.h"
#include "platform/win/System.h"
#include "shell/OhneBildschirm.h"
#include "shell/ProgrammDialoge.h"
#include "shell/QtUebersetzung.h"
#include "shell/TDM.h"
#include "shell/TFormMain.h"
#include "shell/TFormVerw.h"

#include <QApplication>

#include <exception>
#include <memory>

int main(int argc, char **argv) {
    LOG_FKT("main");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InstallQtUebersetzung();
    InstallQtMessageBox();
    InstallDetailMessageBox();
    InstallOhneBildschirm();
    auto dm = std::make_unique<TDM>(GetProgramFileName());
    std::unique_ptr<TFormMain> main;
    try {
        main = std::make_unique<TFormMain>(*dm, TFormMain::ModuleNameFromArgs(argc, argv));
    } catch (const std::exception &e) {
        MessageBox(nullptr, e.what(), "pultor", MB_ICONERROR);
        return 1;
    }
    if (!main->Cdi()->Events()) {
        MessageBox(main->GetHandle(),
                   AnsiString("Keine Verbindung zum Bus-Tool: ") +
                       TEts2Cdi_Extended1::kEventsVariable + " fehlt.",
                   "pultor", MB_ICONERROR);
        return 1;
    }
    InstallProgrammDialoge(main->GetHandle());
    main->NewFormVerw();
    AnsiString name;
    auto fortschritt = std::make_unique<TDlgFortschrittMelderHinzufuegen>(main.get());
    auto neuerName = std::make_unique<TDlgNewGrpAddrName>(main.get(), "", "", name);
    const int code = app.exec();
    neuerName.reset();
    fortschritt.reset();
    main.reset();
    dm.reset();
    return code;
}
