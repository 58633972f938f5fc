// The bracket around a command that rebuilds the trees (restore, reset, import, paste, the
// reconstruction, the reload of the open device): while a project window is active, every
// project window drops its grid's in-place editor (the value being typed goes into its record
// first), or clears its grid, and begins an update of its tree with the sorting held back; then
// the active window's tree is emptied, unless the command keeps it (an import that may be
// refused, a paste); when the device replaces every object (reset, reload) the other windows
// let go of theirs too. The end of the bracket, on every way out, ends each of those updates and
// sorts each tree again. A window that left the main window's list meanwhile is not touched.
#pragma once

#include <vector>

class TFormMain;
class TFormVerw;

class TBaumNeuaufbau {
public:
    enum TGitter {
        EditorAbbrechen, // the grid's in-place editor goes
        GitterLeeren     // the grid is cleared as well
    };
    enum TBaum {
        BaumLeeren,   // the active window's tree is emptied
        BaumBehalten, // it keeps its nodes
        AlleLeeren    // the active window's tree is emptied, every other window lets go of all
    };

    TBaumNeuaufbau(TFormMain &main, TGitter gitter, TBaum baum = BaumLeeren);
    ~TBaumNeuaufbau();
    TBaumNeuaufbau(const TBaumNeuaufbau &) = delete;
    TBaumNeuaufbau &operator=(const TBaumNeuaufbau &) = delete;

    // Whether the bracket began updates (there was an active project window).
    bool Aktiv() const { return !FFenster.empty(); }
    // The device refused the command and keeps its objects: the window whose tree the bracket
    // emptied shows the current device again as it is.
    void Abgelehnt();

private:
    TFormMain &FMain;
    // The active window whose tree was emptied, or null.
    TFormVerw *FGeleert = nullptr;
    // The windows whose update began here.
    std::vector<TFormVerw *> FFenster;
};
