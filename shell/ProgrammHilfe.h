// The program's help handler: the help file keeps its name and place ("az_deu.hlp" in the
// program's folder); an existing file is opened with the desktop's opener, a missing one is
// reported in a box.
#pragma once

#include "platform/win/WinHelp.h"

#include <QUrl>

#include <functional>

// Opens a URL; the desktop's opener by default.
using TUrlOpener = std::function<bool(const QUrl &url)>;

TWinHelpHandler ProgrammHilfe(TUrlOpener opener = nullptr);
// Installs the program's handler (the program's entry calls it once).
void InstallProgrammHilfe();
