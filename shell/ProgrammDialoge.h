// The program's Qt forms behind the platform's replaceable handlers: the bus tool's meter, the
// progress dialog (its cancel sends the main window 1147 with the code it was started with),
// the detailed error box. main installs them with the message box; tests keep their recorders.
#pragma once

#include "platform/bustool/TEtsMeter.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/win/Messages.h"

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

// The bus tool's meter: caption, two text lines, a position 0 to 100, a cancel button.
class TEtsMeterForm : public QDialog, public TEtsMeterView {
public:
    explicit TEtsMeterForm(QWidget *owner);
    ~TEtsMeterForm() override;
    void SetCaption(const AnsiString &text) override;
    void SetText(int line, const AnsiString &text) override;
    void SetPosition(uint16_t position) override;
    bool AbortRequested() override;

    QLabel *Zeile1 = nullptr;
    QLabel *Zeile2 = nullptr;
    QProgressBar *Balken = nullptr;
    QPushButton *Abbrechen = nullptr;

private:
    bool FAbbruch = false;
};

// The progress dialog of _StartDlgProgress: caption, text, a bar over the record's range and
// a cancel button that tells the main window (mainWindow) by 1147 with the record's cancel
// code; a record without one (0) cancels as the main window's own progress (1).
class TDlgProgressForm : public QDialog {
public:
    TDlgProgressForm(const TDlgProgressDaten &daten, HWND mainWindow);
    ~TDlgProgressForm() override;
    void Setze(int position, const TDlgProgressDaten &daten);

    QLabel *Text = nullptr;
    QProgressBar *Balken = nullptr;
    QPushButton *Abbrechen = nullptr;

private:
    HWND FMainWindow;
    long FAbbruchCode;
};

// Installs the meter and the progress form; mainWindow receives the progress dialog's cancel.
void InstallProgrammDialoge(HWND mainWindow);
// Installs the detailed error box (before the main window exists: its start may show one).
void InstallDetailMessageBox();
// The progress form currently shown (null when none); for the program's own use and pictures.
TDlgProgressForm *AktuellerFortschritt();
