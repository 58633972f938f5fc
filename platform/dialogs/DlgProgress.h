// The maker's modeless progress dialog: opened with a caption, a text and a range, advanced
// with a position and a new text, closed again. Callers go through the three functions; what
// shows the dialog is a replaceable handler, as for message boxes: the program installs one
// that shows a window, tests install the recorder below. Without a handler nothing is shown.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <functional>
#include <vector>

// The record a caller fills for the dialog. The fields after the range are passed through as
// the callers give them (0, false, the owner, the cancel code, false); this layer does not use
// them. The program's dialog hands the cancel code (Art) back when the user cancels.
struct TDlgProgressDaten {
    AnsiString Caption;
    AnsiString Text;
    int Min = 0;
    int Max = 0;
    int Wert = 0;
    bool Schalter1 = false;
    void *Owner = nullptr; // the main window or the owner object of the caller
    int Art = 0;
    bool Schalter2 = false;
};

// What the handler is told: the dialog opens, moves to a position with the record's current
// text, or closes.
enum class TDlgProgressAktion { Start, Set, Stop };

using TDlgProgressHandler =
    std::function<void(TDlgProgressAktion action, int position, const TDlgProgressDaten *daten)>;

void _StartDlgProgress(const TDlgProgressDaten &daten);
void _SetDlgProgress(int position, const TDlgProgressDaten &daten);
void _StopDlgProgress();

// Installs a handler and answers the previous one.
TDlgProgressHandler SetDlgProgressHandler(TDlgProgressHandler handler);

// For tests: records every call in order. Installs itself for its lifetime and restores the
// previous handler afterwards.
class TDlgProgressRecorder {
public:
    struct TAufruf {
        TDlgProgressAktion Aktion;
        int Position;            // Set: the position; else 0
        TDlgProgressDaten Daten; // Start and Set: a copy of the record; Stop: empty
    };

    TDlgProgressRecorder();
    ~TDlgProgressRecorder();
    TDlgProgressRecorder(const TDlgProgressRecorder &) = delete;
    TDlgProgressRecorder &operator=(const TDlgProgressRecorder &) = delete;

    const std::vector<TAufruf> &Aufrufe() const { return FAufrufe; }
    // How many dialogs are open now (starts minus stops, never below 0).
    int Offen() const { return FOffen; }
    void Clear() { FAufrufe.clear(); }

private:
    std::vector<TAufruf> FAufrufe;
    int FOffen = 0;
    TDlgProgressHandler FPrevious;
};
