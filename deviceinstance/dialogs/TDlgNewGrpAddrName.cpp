#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"

#include "deviceinstance/dialogs/DialogKnoepfe.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDlgNewGrpAddrName::TDlgNewGrpAddrName(QWidget *owner, const AnsiString &caption,
                                       const AnsiString &prompt, AnsiString &name)
    : TModalDialog(owner, 2), FName(name) {
    LOG_FKT("TDlgNewGrpAddrName::TDlgNewGrpAddrName");
    setWindowTitle(QtText(caption));
    LabelPrompt = new QLabel(QtText(prompt), this);
    EditName = new QLineEdit(this);
    EditName->setMinimumWidth(300);
    QHBoxLayout *buttons = OkAbbrechenZeile(this, ButtonOk, ButtonCancel,
                                            [this] { ButtonOkClick(); },
                                            [this] { ButtonCancelClick(); });
    ButtonOk->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelPrompt);
    layout->addWidget(EditName);
    layout->addLayout(buttons);
}

TDlgNewGrpAddrName::~TDlgNewGrpAddrName() {
    LOG_FKT("TDlgNewGrpAddrName::~TDlgNewGrpAddrName");
}

void TDlgNewGrpAddrName::FormShow() {
    LOG_FKT("TDlgNewGrpAddrName::FormShow");
    EditName->setFocus();
}

void TDlgNewGrpAddrName::SetEditText(const AnsiString &text) {
    LOG_FKT("TDlgNewGrpAddrName::SetEditText");
    EditName->setText(QtText(text));
}

void TDlgNewGrpAddrName::ButtonOkClick() {
    LOG_FKT("TDlgNewGrpAddrName::ButtonOkClick");
    FName = AnsiText(EditName->text());
    SetModalResult(1);
}

void TDlgNewGrpAddrName::ButtonCancelClick() {
    LOG_FKT("TDlgNewGrpAddrName::ButtonCancelClick");
    SetModalResult(2);
}
