// The maker's detailed error box: a message, a caption, a longer detail text that the user
// may unfold, where the failure was raised (source file and line, as texts; empty when the
// caller names none), the name of the method that failed and an icon (16 stop, 48
// exclamation, 64 information). Shown through a replaceable handler, as message boxes are: the
// program installs one that shows a window, tests install the recorder below. Without a handler the
// box is written to standard error.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <functional>
#include <vector>

// What one box shows (texts Windows-1252).
struct TDetailMessageBox {
    AnsiString Text;
    AnsiString Caption;
    AnsiString Detail;
    AnsiString Methode;
    int Icon = 0;
    AnsiString Datei;
    AnsiString Zeile;
    bool operator==(const TDetailMessageBox &) const = default;
};

using TShowDetailMessageBoxHandler = std::function<void(const TDetailMessageBox &box)>;

void _ShowDetailMessageBox(const AnsiString &text, const AnsiString &caption,
                           const AnsiString &detail, const AnsiString &methode, int icon);
void _ShowDetailMessageBox(const AnsiString &text, const AnsiString &caption,
                           const AnsiString &detail, const AnsiString &datei,
                           const AnsiString &zeile, const AnsiString &methode, int icon);
// Installs a handler and answers the previous one.
TShowDetailMessageBoxHandler SetShowDetailMessageBoxHandler(TShowDetailMessageBoxHandler handler);

// For tests: records every box shown. Installs itself for its lifetime and restores the
// previous handler afterwards.
class TShowDetailMessageBoxRecorder {
public:
    TShowDetailMessageBoxRecorder();
    ~TShowDetailMessageBoxRecorder();
    TShowDetailMessageBoxRecorder(const TShowDetailMessageBoxRecorder &) = delete;
    TShowDetailMessageBoxRecorder &operator=(const TShowDetailMessageBoxRecorder &) = delete;

    const std::vector<TDetailMessageBox> &Boxes() const { return FBoxes; }
    void Clear() { FBoxes.clear(); }

private:
    std::vector<TDetailMessageBox> FBoxes;
    TShowDetailMessageBoxHandler FPrevious;
};
