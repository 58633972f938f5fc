// The progress dialog of one operation of the device instance: opened with caption, text and
// range when the guard is made (unless told not to), advanced step by step, closed when the
// guard goes, on every way out.
#pragma once

#include "platform/dialogs/DlgProgress.h"
#include "platform/log/Log.h"

class TAzFortschritt {
public:
    TAzFortschritt(bool zeigen, const AnsiString &caption, const AnsiString &text, int max,
                   void *owner)
        : FOffen(zeigen) {
        LOG_FKT("TAzFortschritt::TAzFortschritt");
        FDaten.Caption = caption;
        FDaten.Text = text;
        FDaten.Max = max;
        FDaten.Owner = owner;
        if (FOffen)
            _StartDlgProgress(FDaten);
    }
    ~TAzFortschritt() {
        LOG_FKT("TAzFortschritt::~TAzFortschritt");
        Stop();
    }
    TAzFortschritt(const TAzFortschritt &) = delete;
    TAzFortschritt &operator=(const TAzFortschritt &) = delete;

    // One step further.
    void Schritt() {
        LOG_FKT("TAzFortschritt::Schritt");
        if (FOffen)
            _SetDlgProgress(++FPosition, FDaten);
    }
    // One step further, the dialog's text now that one.
    void Schritt(const AnsiString &text) {
        LOG_FKT("TAzFortschritt::Schritt");
        FDaten.Text = text;
        Schritt();
    }
    void Stop() {
        LOG_FKT("TAzFortschritt::Stop");
        if (FOffen)
            _StopDlgProgress();
        FOffen = false;
    }

private:
    TDlgProgressDaten FDaten;
    int FPosition = 0;
    bool FOffen;
};
