#include "platform/win/MessageBox.h"

#include "platform/vcl/Cp1252.h"

#include <cstdio>

namespace {
TMessageBoxHandler &Handler() {
    static TMessageBoxHandler h;
    return h;
}

int FirstButton(unsigned style) {
    switch (style & 0x0F) {
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return IDYES;
    case MB_RETRYCANCEL:
        return IDRETRY;
    default:
        return IDOK;
    }
}
} // namespace

int MessageBox(HWND owner, const AnsiString &text, const AnsiString &caption, unsigned style) {
    if (Handler())
        return Handler()(owner, text, caption, style);
    std::fprintf(stderr, "[%s] %s\n", AnsiToUtf8(caption).c_str(), AnsiToUtf8(text).c_str());
    return FirstButton(style);
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
    TMessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

TMessageBoxRecorder::TMessageBoxRecorder() {
    FPrevious = SetMessageBoxHandler(
        [this](HWND owner, const AnsiString &text, const AnsiString &caption, unsigned style) {
            FBoxes.push_back({owner, text, caption, style});
            if (FAnswers.empty())
                return static_cast<int>(IDOK);
            const int a = FAnswers.front();
            FAnswers.pop_front();
            return a;
        });
}

TMessageBoxRecorder::~TMessageBoxRecorder() { SetMessageBoxHandler(std::move(FPrevious)); }
