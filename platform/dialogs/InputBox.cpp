#include "platform/dialogs/InputBox.h"

#include "platform/log/Log.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TInputBox::TInputBox(QWidget *owner, const AnsiString &caption, const AnsiString &prompt,
                     const AnsiString &text)
    : TModalDialog(owner, 2) {
    LOG_FKT("TInputBox::TInputBox");
    setWindowTitle(QtText(caption));
    LabelPrompt = new QLabel(QtText(prompt), this);
    EditText = new QLineEdit(QtText(text), this);
    BtnOk = new QPushButton("OK", this);
    BtnAbbrechen = new QPushButton("&Abbrechen", this);
    BtnOk->setDefault(true);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAbbrechen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelPrompt);
    layout->addWidget(EditText);
    layout->addLayout(knoepfe);
    connect(BtnOk, &QPushButton::clicked, this, [this] { SetModalResult(1); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] { SetModalResult(2); });
    setMinimumWidth(300);
}

TInputBox::~TInputBox() {
    LOG_FKT("TInputBox::~TInputBox");
}

AnsiString TInputBox::Text() const {
    LOG_FKT("TInputBox::Text");
    return AnsiText(EditText->text());
}

AnsiString InputBox(const AnsiString &caption, const AnsiString &prompt,
                    const AnsiString &vorgabe) {
    LOG_FKT("InputBox");
    TInputBox box(nullptr, caption, prompt, vorgabe);
    return box.ShowModal() == 1 ? box.Text() : vorgabe;
}
