#include "platform/dialogs/ShowDetailMessageBox.h"

#include "platform/dialogs/Handler.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <cstdio>

namespace {
TShowDetailMessageBoxHandler &Handler() {
    return DialogHandler<TShowDetailMessageBoxHandler>();
}
} // namespace

void _ShowDetailMessageBox(const AnsiString &text, const AnsiString &caption,
                           const AnsiString &detail, const AnsiString &methode, int icon) {
    LOG_FKT("ShowDetailMessageBox::_ShowDetailMessageBox");
    _ShowDetailMessageBox(text, caption, detail, "", "", methode, icon);
}

void _ShowDetailMessageBox(const AnsiString &text, const AnsiString &caption,
                           const AnsiString &detail, const AnsiString &datei,
                           const AnsiString &zeile, const AnsiString &methode, int icon) {
    LOG_FKT("ShowDetailMessageBox::_ShowDetailMessageBox");
    const TDetailMessageBox box{text, caption, detail, methode, icon, datei, zeile};
    if (Handler()) {
        Handler()(box);
        return;
    }
    std::fprintf(stderr, "[%s] %s (%s)\n%s\n", AnsiToUtf8(caption).c_str(),
                 AnsiToUtf8(text).c_str(), AnsiToUtf8(methode).c_str(), AnsiToUtf8(detail).c_str());
    if (!datei.empty())
        std::fprintf(stderr, "File: %s Line: %s\n", datei.c_str(), zeile.c_str());
}

TShowDetailMessageBoxHandler SetShowDetailMessageBoxHandler(TShowDetailMessageBoxHandler handler) {
    LOG_FKT("ShowDetailMessageBox::SetShowDetailMessageBoxHandler");
    return ReplaceDialogHandler(std::move(handler));
}

TShowDetailMessageBoxRecorder::TShowDetailMessageBoxRecorder() {
    LOG_FKT("TShowDetailMessageBoxRecorder::TShowDetailMessageBoxRecorder");
    FPrevious = SetShowDetailMessageBoxHandler(
        [this](const TDetailMessageBox &box) { FBoxes.push_back(box); });
}

TShowDetailMessageBoxRecorder::~TShowDetailMessageBoxRecorder() {
    LOG_FKT("TShowDetailMessageBoxRecorder::~TShowDetailMessageBoxRecorder");
    SetShowDetailMessageBoxHandler(std::move(FPrevious));
}
