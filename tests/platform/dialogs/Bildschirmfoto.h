// Grabs a dialog offscreen for looking at; shared by the test programs of the dialogs.
#pragma once

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <filesystem>
#include <string>

// Shows the dialog offscreen, grabs it into <test program's folder>/screenshots/<name>.png and
// hides it again; true when the file was written.
inline bool Bildschirmfoto(QWidget &dialog, const std::string &name) {
    const std::filesystem::path folder = std::filesystem::current_path() / "screenshots";
    std::filesystem::create_directories(folder);
    dialog.show();
    QApplication::processEvents();
    const bool ok = dialog.grab().save(QString::fromStdString((folder / (name + ".png")).string()));
    dialog.hide();
    return ok;
}
