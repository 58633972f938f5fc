#include "platform/win/Help.h"

#include <utility>

namespace {
TWinHelpHandler &Handler() {
    static TWinHelpHandler h;
    return h;
}
} // namespace

bool WinHelp(HWND owner, const AnsiString &file, unsigned command, unsigned long data) {
    return Handler() ? Handler()(owner, file, command, data) : false;
}

TWinHelpHandler SetWinHelpHandler(TWinHelpHandler handler) {
    TWinHelpHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
