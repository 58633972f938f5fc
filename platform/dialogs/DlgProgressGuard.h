// The progress dialog of one operation: opened with caption, text and range when the guard is
// made (unless told not to show it), moved by Set and Next, closed when the guard goes, on
// every way out of the scope that opened it. The cancel code goes into the record's Art: the
// dialog's cancel hands it back to the owner window.
#pragma once

#include "platform/dialogs/DlgProgress.h"
#include "platform/log/Log.h"

class TDlgProgressGuard {
public:
    TDlgProgressGuard(const AnsiString &caption, const AnsiString &text, int max, void *owner,
                      bool show = true, int abbruchCode = 0)
        : FOffen(show) {
        LOG_FKT("TDlgProgressGuard::TDlgProgressGuard");
        FDaten.Caption = caption;
        FDaten.Text = text;
        FDaten.Max = max;
        FDaten.Owner = owner;
        FDaten.Art = abbruchCode;
        if (FOffen)
            _StartDlgProgress(FDaten);
    }
    ~TDlgProgressGuard() {
        LOG_FKT("TDlgProgressGuard::~TDlgProgressGuard");
        Stop();
    }
    TDlgProgressGuard(const TDlgProgressGuard &) = delete;
    TDlgProgressGuard &operator=(const TDlgProgressGuard &) = delete;

    // To a position, with a new text.
    void Set(int position, const AnsiString &text) {
        LOG_FKT("TDlgProgressGuard::Set");
        FPosition = position;
        FDaten.Text = text;
        if (FOffen)
            _SetDlgProgress(position, FDaten);
    }
    // A new end of the range (shown with the next position).
    void SetMax(int max) {
        LOG_FKT("TDlgProgressGuard::SetMax");
        FDaten.Max = max;
    }
    // One step further, with the text as it is.
    void Next() {
        LOG_FKT("TDlgProgressGuard::Next");
        Set(FPosition + 1, FDaten.Text);
    }
    // One step further, with a new text.
    void Next(const AnsiString &text) {
        LOG_FKT("TDlgProgressGuard::Next");
        Set(FPosition + 1, text);
    }
    // Closed now (before the scope ends); the end of the scope then does nothing.
    void Stop() {
        LOG_FKT("TDlgProgressGuard::Stop");
        if (FOffen)
            _StopDlgProgress();
        FOffen = false;
    }

private:
    TDlgProgressDaten FDaten;
    int FPosition = 0;
    bool FOffen;
};
