// Asks for the name of a group address that is to be created. OK copies the field into the
// caller's text (any name, the empty one too) and answers 1; Cancel answers 2.
#pragma once

#include "platform/dialogs/TModalDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TDlgNewGrpAddrName : public TModalDialog {
public:
    TDlgNewGrpAddrName(QWidget *owner, const AnsiString &caption, const AnsiString &prompt,
                       AnsiString &name);
    ~TDlgNewGrpAddrName() override;

    void SetEditText(const AnsiString &text);
    void ButtonOkClick();
    void ButtonCancelClick();

    QLabel *LabelPrompt;
    QLineEdit *EditName;
    QPushButton *ButtonOk;
    QPushButton *ButtonCancel;

protected:
    void FormShow() override;

private:
    AnsiString &FName;
};
