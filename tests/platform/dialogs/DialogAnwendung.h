// The one application object of a test program without one of its own, made on first use;
// never a real window, also when the tests run outside CTest.
#pragma once

#include "tests/platform/dialogs/Bildschirmfoto.h"

#include <QApplication>

inline QApplication &Anwendung() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_dialogs";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}
