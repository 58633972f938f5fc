// The start-to-ready baseline: the least Qt Widgets editor that shows one main window and
// answers the bus tool's create event (result 1) and its stop, on the same event connection.
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/bustool/TEtsEventConnection.h"

#include <QApplication>
#include <QMainWindow>
#include <QSocketNotifier>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Baseline");
    window.show();
    TEts2Cdi_Extended1 cdi(nullptr, argc > 1 ? argv[1] : "", false);
    TEtsEventConnection *events = cdi.Events();
    if (!events)
        return 4;
    cdi.OnCdiCreateDevice = [](bool *, int *result, TCdiSender, int, long, const AnsiString &) {
        *result = 1;
    };
    cdi.OnWmUserSvStop = [](bool *, int *, TCdiSender, WPARAM, LPARAM) {
        QCoreApplication::exit(0);
    };
    QSocketNotifier notifier(events->Fd(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        if (!events->ReadAvailable())
            notifier.setEnabled(false);
    });
    return app.exec();
}
