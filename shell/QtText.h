// The Qt boundary of the system's texts: Windows-1252 bytes to Qt's strings and back.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <QString>

QString ToQString(const AnsiString &text);
AnsiString FromQString(const QString &text);
