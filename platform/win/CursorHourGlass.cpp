#include "platform/win/CursorHourGlass.h"

namespace {
struct TScreen {
    TCursorHandler Handler;
    TCursor Cursor = crDefault;
};
TScreen &Screen() {
    static TScreen s;
    return s;
}
} // namespace

TCursorHandler SetCursorHandler(TCursorHandler handler) {
    TCursorHandler previous = std::move(Screen().Handler);
    Screen().Handler = std::move(handler);
    return previous;
}

TCursor GetScreenCursor() {
    return Screen().Cursor;
}

void SetScreenCursor(TCursor cursor) {
    Screen().Cursor = cursor;
    if (Screen().Handler)
        Screen().Handler(cursor);
}

TCursorHourGlass::TCursorHourGlass() : FPrevious(GetScreenCursor()) {
    SetScreenCursor(crHourGlass);
}

TCursorHourGlass::~TCursorHourGlass() {
    Release();
}

void TCursorHourGlass::Release() {
    if (!FActive)
        return;
    FActive = false;
    SetScreenCursor(FPrevious);
}

TCursorRecorder::TCursorRecorder() : FFound(GetScreenCursor()) {
    FPrevious = SetCursorHandler([this](TCursor cursor) { FCursors.push_back(cursor); });
}

TCursorRecorder::~TCursorRecorder() {
    SetCursorHandler(std::move(FPrevious));
    Screen().Cursor = FFound;
}
