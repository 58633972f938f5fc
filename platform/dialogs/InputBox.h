// The component library's input box: a caption, a prompt, one text field, OK and Cancel. On
// the modal base, so that a test's driver (and the program's headless answer) takes it like
// any other dialog.
#pragma once

#include "platform/dialogs/TModalDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TInputBox : public TModalDialog {
public:
    TInputBox(QWidget *owner, const AnsiString &caption, const AnsiString &prompt,
              const AnsiString &text);
    ~TInputBox() override;

    // The text as the field holds it.
    AnsiString Text() const;

    QLabel *LabelPrompt;
    QLineEdit *EditText;
    QPushButton *BtnOk;
    QPushButton *BtnAbbrechen;
};

// Asks for a text: the entered one after OK, the default after Cancel.
AnsiString InputBox(const AnsiString &caption, const AnsiString &prompt, const AnsiString &vorgabe);
