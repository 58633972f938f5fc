// The maker's progress dialog for one long operation of the main window: opened with a caption
// and a text from the text tables and a range from 0, advanced one step at a time, closed when
// the object goes (on every way out).
#pragma once

#include "platform/dialogs/DlgProgress.h"

class TFortschrittDialog {
public:
    TFortschrittDialog(int captionId, int textId, int max, void *owner);
    ~TFortschrittDialog();
    TFortschrittDialog(const TFortschrittDialog &) = delete;
    TFortschrittDialog &operator=(const TFortschrittDialog &) = delete;

    // One step further.
    void Schritt();
    // A new range from 0 to max; the count of steps starts again.
    void SetMax(int max);

private:
    TDlgProgressDaten FDaten;
    int FPosition = 0;
};
