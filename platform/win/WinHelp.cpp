#include "platform/win/WinHelp.h"

namespace {
TWinHelpHandler &Handler() {
    static TWinHelpHandler h;
    return h;
}
} // namespace

BOOL WinHelp(HWND owner, const std::string &file, UINT command, std::uintptr_t data) {
    if (!Handler())
        return 0;
    return Handler()(owner, file, command, data);
}

TWinHelpHandler SetWinHelpHandler(TWinHelpHandler handler) {
    TWinHelpHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

TWinHelpRecorder::TWinHelpRecorder() {
    FPrevious = SetWinHelpHandler(
        [this](HWND owner, const std::string &file, UINT command, std::uintptr_t data) {
            FCalls.push_back({owner, file, command, data});
            return 1;
        });
}

TWinHelpRecorder::~TWinHelpRecorder() {
    SetWinHelpHandler(std::move(FPrevious));
}
