// The one application object of the dialogs' test program, made on first use.
#pragma once

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <filesystem>
#include <string>

inline QApplication &Anwendung() {
    static int argc = 1;
    static char name[] = "test_dialogs";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

// Grabs the widget, shown offscreen, into screenshots/<name>.png for looking at.
inline bool Bildschirmfoto(QWidget &widget, const std::string &name) {
    const std::filesystem::path folder = std::filesystem::current_path() / "screenshots";
    std::filesystem::create_directories(folder);
    widget.show();
    QApplication::processEvents();
    const bool ok = widget.grab().save(QString::fromStdString((folder / (name + ".png")).string()));
    widget.hide();
    return ok;
}
