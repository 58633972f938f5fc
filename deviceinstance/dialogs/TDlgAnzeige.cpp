#include "deviceinstance/dialogs/TDlgAnzeige.h"

#include "deviceinstance/dialogs/DialogFarben.h"
#include "deviceinstance/dialogs/DialogKnoepfe.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDlgAnzeige::TDlgAnzeige(QWidget *owner, int32_t &mask, uint32_t variante)
    : TModalDialog(owner, 2), FMask(mask), FVariante(variante) {
    LOG_FKT("TDlgAnzeige::TDlgAnzeige");
    static const std::array<int, kBereiche> captions = {11288, 11289, 11290, 11291, 11295, 11296};
    auto *grid = new QGridLayout;
    for (int b = 0; b < kBereiche; ++b) {
        Chk[b] = new QCheckBox(this);
        Panel[b] = new QLabel(QtText(SprText(captions[b])), this);
        Panel[b]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel[b]->setMinimumWidth(140);
        Aktiv(Panel[b], false);
        grid->addWidget(Chk[b], b, 0);
        grid->addWidget(Panel[b], b, 1);
        connect(Chk[b], &QCheckBox::clicked, this, [this, b] { ChkClick(b); });
    }
    LabelAnzeigeText = new QLabel(this);
    QHBoxLayout *buttons = OkAbbrechenZeile(
        this, BtnOk, BtnAbbrechen, [this] { BtnOkClick(); }, [this] { BtnAbbrechenClick(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelAnzeigeText);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

TDlgAnzeige::~TDlgAnzeige() {
    LOG_FKT("TDlgAnzeige::~TDlgAnzeige");
}

void TDlgAnzeige::FormShow() {
    LOG_FKT("TDlgAnzeige::FormShow");
    for (int b = 0; b < kBereiche; ++b) {
        // Arming area n exists when its byte of the variant word (area 1 highest) is set.
        const bool vorhanden = b >= 4 || ((FVariante >> (24 - 8 * b)) & 0xFF) != 0;
        Chk[b]->setEnabled(vorhanden);
        Chk[b]->setChecked(vorhanden && (FMask & (1 << b)) != 0);
        Aktiv(Panel[b], Chk[b]->isChecked());
    }
}

void TDlgAnzeige::ChkClick(int bereich) {
    LOG_FKT("TDlgAnzeige::ChkClick");
    Aktiv(Panel[bereich], Chk[bereich]->isChecked());
}

void TDlgAnzeige::BtnOkClick() {
    LOG_FKT("TDlgAnzeige::BtnOkClick");
    int32_t mask = 0;
    for (int b = 0; b < kBereiche; ++b)
        if (Chk[b]->isChecked())
            mask |= 1 << b;
    FMask = mask;
    SetModalResult(1);
}

void TDlgAnzeige::BtnAbbrechenClick() {
    LOG_FKT("TDlgAnzeige::BtnAbbrechenClick");
    SetModalResult(2);
}
