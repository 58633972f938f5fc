#include "deviceinstance/dialogs/TDlgLinkToGrpAdr.h"

#include "deviceinstance/TGrpAddrText.h"
#include "deviceinstance/dialogs/TGrpAddrKeyFilter.h"
#include "platform/log/Log.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDlgLinkToGrpAdr::TDlgLinkToGrpAdr(QWidget *owner, const AnsiString &proposal, AnsiString &name,
                                   uint16_t &sub, uint16_t &middle, uint16_t &main,
                                   bool threeLevels)
    : TModalDialog(owner, 2), FName(name), FSub(sub), FMiddle(middle), FMain(main),
      FThreeLevels(threeLevels) {
    LOG_FKT("TDlgLinkToGrpAdr::TDlgLinkToGrpAdr");
    setWindowTitle(QStringLiteral("Mit Gruppenadresse verbinden"));
    LabelInfoText =
        new QLabel(QStringLiteral("Bitte neue oder existierende Gruppenadresse eingeben:"), this);
    LabelGrpAdr = new QLabel(QStringLiteral("Adresse"), this);
    LabelGrpAdrName = new QLabel(QStringLiteral("Name"), this);
    EditGrpAdr = new QLineEdit(QtText(proposal), this);
    EditGrpAdrName = new QLineEdit(this);
    EditGrpAdrName->setMinimumWidth(260);
    BtnOk = new QPushButton(QStringLiteral("Ok"), this);
    BtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    // Enter is the fields' own (OK); no button takes it as well.
    for (QPushButton *button : {BtnOk, BtnAbbrechen}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto *fields = new QGridLayout;
    fields->addWidget(LabelGrpAdr, 0, 0);
    fields->addWidget(EditGrpAdr, 0, 1);
    fields->addWidget(LabelGrpAdrName, 1, 0);
    fields->addWidget(EditGrpAdrName, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->setSpacing(10);
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnAbbrechen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelInfoText);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    new TGrpAddrKeyFilter(EditGrpAdr, [this] { BtnOkClick(); });
    connect(EditGrpAdrName, &QLineEdit::returnPressed, this, [this] { BtnOkClick(); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] { BtnAbbrechenClick(); });
}

TDlgLinkToGrpAdr::~TDlgLinkToGrpAdr() {
    LOG_FKT("TDlgLinkToGrpAdr::~TDlgLinkToGrpAdr");
}

void TDlgLinkToGrpAdr::FormShow() {
    LOG_FKT("TDlgLinkToGrpAdr::FormShow");
    EditGrpAdr->setFocus();
}

bool TDlgLinkToGrpAdr::StringToGrpAdr(const AnsiString &text, int &main, int &middle,
                                      int &sub) const {
    LOG_FKT("TDlgLinkToGrpAdr::StringToGrpAdr");
    return TGrpAddrText::StringToGrpAdr(text, FThreeLevels, main, middle, sub);
}

void TDlgLinkToGrpAdr::BtnOkClick() {
    LOG_FKT("TDlgLinkToGrpAdr::BtnOkClick");
    int main = 0, middle = 0, sub = 0;
    if (!StringToGrpAdr(AnsiText(EditGrpAdr->text()), main, middle, sub))
        return;
    FMain = static_cast<uint16_t>(main);
    FMiddle = static_cast<uint16_t>(middle);
    FSub = static_cast<uint16_t>(sub);
    FName = AnsiText(EditGrpAdrName->text());
    SetModalResult(1);
}

void TDlgLinkToGrpAdr::BtnAbbrechenClick() {
    LOG_FKT("TDlgLinkToGrpAdr::BtnAbbrechenClick");
    SetModalResult(2);
}
