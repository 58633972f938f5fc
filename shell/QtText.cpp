#include "shell/QtText.h"

#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

QString ToQString(const AnsiString &text) {
    LOG_FKT("ToQString");
    return QString::fromStdString(AnsiToUtf8(text));
}

AnsiString FromQString(const QString &text) {
    LOG_FKT("FromQString");
    return Utf8ToAnsi(text.toStdString());
}
