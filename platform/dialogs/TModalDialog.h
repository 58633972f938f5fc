// The base of the program's modal dialogs: a QDialog whose ShowModal answers the modal result
// the dialog's buttons set (1 for OK; its cancel result for Cancel, Escape and the close box).
//
// A test installs a modal driver (TModalDriverScope): while one is installed, ShowModal opens
// no window but runs FormShow and hands the dialog to the driver, which sets its controls,
// presses its buttons and answers the result. A dialog that a driven dialog opens goes to the
// same driver, so a driver tells dialogs apart by their class.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <QDialog>
#include <QString>

#include <functional>

class TModalDialog : public QDialog {
public:
    // cancelResult: the modal result of Escape and the close box.
    TModalDialog(QWidget *owner, int cancelResult);
    ~TModalDialog() override;

    int ShowModal();
    // Ends the modal loop with that result (the buttons' action).
    void SetModalResult(int result);
    int ModalResult() const { return result(); }

protected:
    // Runs once each time the dialog is shown (by the window system or for the driver).
    virtual void FormShow();
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    int FCancelResult;
};

using TModalDriver = std::function<int(TModalDialog &dialog)>;

// Installs a driver and answers the previous one (none: dialogs show as windows).
TModalDriver SetModalDriver(TModalDriver driver);

// For tests: installs the driver for its lifetime and restores the previous one afterwards;
// counts the dialogs it was handed.
class TModalDriverScope {
public:
    explicit TModalDriverScope(TModalDriver driver);
    ~TModalDriverScope();
    TModalDriverScope(const TModalDriverScope &) = delete;
    TModalDriverScope &operator=(const TModalDriverScope &) = delete;
    int Count() const { return FCount; }

private:
    TModalDriver FPrevious;
    int FCount = 0;
};

// The Qt boundary: the system's Windows-1252 texts to Qt's and back.
QString QtText(const AnsiString &text);
AnsiString AnsiText(const QString &text);
