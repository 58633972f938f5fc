// The help engine: opens the program's help file at a command and its data (a context number,
// the finder). Through a replaceable handler, as message boxes are: the program installs the
// one that shows its help; without a handler the call does nothing and answers false.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <functional>

// Commands, with the operating system's values.
enum : unsigned { HELP_CONTEXT = 0x0001, HELP_FINDER = 0x000B };

using TWinHelpHandler =
    std::function<bool(HWND owner, const AnsiString &file, unsigned command, unsigned long data)>;

bool WinHelp(HWND owner, const AnsiString &file, unsigned command, unsigned long data);
// Installs a handler and answers the previous one.
TWinHelpHandler SetWinHelpHandler(TWinHelpHandler handler);
