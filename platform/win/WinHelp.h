// The help call through a replaceable handler, like the message boxes: the program installs
// one that opens the help file, tests install a recorder.
#pragma once

#include "platform/win/Messages.h"

#include <functional>
#include <string>
#include <vector>

// The help commands that the program uses, with the operating system's values.
enum : UINT {
    HELP_CONTEXT = 0x0001,
    HELP_QUIT = 0x0002,
    HELP_CONTENTS = 0x0003,
    HELP_FINDER = 0x000B
};

// (owner, help file's path, command, data) -> true when the help was opened.
using TWinHelpHandler =
    std::function<BOOL(HWND owner, const std::string &file, UINT command, std::uintptr_t data)>;

// Opens the help through the installed handler; without one nothing opens and the answer is
// false.
BOOL WinHelp(HWND owner, const std::string &file, UINT command, std::uintptr_t data);
// Installs a handler and answers the previous one.
TWinHelpHandler SetWinHelpHandler(TWinHelpHandler handler);

// For tests: records every call and answers true; restores the previous handler afterwards.
class TWinHelpRecorder {
public:
    struct TCall {
        HWND owner;
        std::string file;
        UINT command;
        std::uintptr_t data;
    };
    TWinHelpRecorder();
    ~TWinHelpRecorder();
    TWinHelpRecorder(const TWinHelpRecorder &) = delete;
    TWinHelpRecorder &operator=(const TWinHelpRecorder &) = delete;

    const std::vector<TCall> &Calls() const { return FCalls; }

private:
    std::vector<TCall> FCalls;
    TWinHelpHandler FPrevious;
};
