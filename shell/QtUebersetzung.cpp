#include "QtUebersetzung.h"

#include "platform/log/Log.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtUebersetzung() {
    LOG_FKT("InstallQtUebersetzung");
    // The application keeps the translator until it ends.
    auto *uebersetzung = new QTranslator(QCoreApplication::instance());
    if (!uebersetzung->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}
