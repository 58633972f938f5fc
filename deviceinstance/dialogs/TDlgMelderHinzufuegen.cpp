#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"

#include "deviceinstance/dialogs/DialogKnoepfe.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

TDlgMelderHinzufuegen::TDlgMelderHinzufuegen(QWidget *owner, int maximum, int &count)
    : TModalDialog(owner, 2), FCount(count) {
    LOG_FKT("TDlgMelderHinzufuegen::TDlgMelderHinzufuegen");
    setWindowTitle(QtText(SprText(11098)));
    LabelMelderHinzufuegen = new QLabel(QtText(Utf8ToAnsi("Anzahl anzulegender Eingänge")), this);
    SpinEditAnzahlMelder = new QSpinBox(this);
    SpinEditAnzahlMelder->setMinimum(1);
    SpinEditAnzahlMelder->setMaximum(std::max(1, maximum));
    SpinEditAnzahlMelder->setValue(1);
    SpinEditAnzahlMelder->setMinimumWidth(70);
    SpinEditAnzahlMelder->installEventFilter(this);
    SpinEditAnzahlMelder->findChild<QLineEdit *>()->installEventFilter(this);
    auto *feld = new QHBoxLayout;
    feld->addWidget(LabelMelderHinzufuegen);
    feld->addWidget(SpinEditAnzahlMelder);
    QHBoxLayout *buttons = OkAbbrechenZeile(
        this, BtnOk, BtnAbbrechen, [this] { BtnOkClick(); }, [this] { BtnAbbrechenClick(); });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(feld);
    layout->addLayout(buttons);
}

TDlgMelderHinzufuegen::~TDlgMelderHinzufuegen() {
    LOG_FKT("TDlgMelderHinzufuegen::~TDlgMelderHinzufuegen");
}

void TDlgMelderHinzufuegen::FormShow() {
    LOG_FKT("TDlgMelderHinzufuegen::FormShow");
    FormActivate();
}

void TDlgMelderHinzufuegen::FormActivate() {
    LOG_FKT("TDlgMelderHinzufuegen::FormActivate");
    SpinEditAnzahlMelder->setFocus();
}

bool TDlgMelderHinzufuegen::eventFilter(QObject *watched, QEvent *event) {
    LOG_FKT("TDlgMelderHinzufuegen::eventFilter");
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SpinEditAnzahlMelderKeyDown(13);
            return true;
        }
    }
    return TModalDialog::eventFilter(watched, event);
}

void TDlgMelderHinzufuegen::SpinEditAnzahlMelderKeyDown(int key) {
    LOG_FKT("TDlgMelderHinzufuegen::SpinEditAnzahlMelderKeyDown");
    if (key == 13)
        BtnOkClick();
}

void TDlgMelderHinzufuegen::BtnOkClick() {
    LOG_FKT("TDlgMelderHinzufuegen::BtnOkClick");
    // A typed value not yet taken over counts as shown.
    SpinEditAnzahlMelder->interpretText();
    FCount = SpinEditAnzahlMelder->value();
    SetModalResult(1);
}

void TDlgMelderHinzufuegen::BtnAbbrechenClick() {
    LOG_FKT("TDlgMelderHinzufuegen::BtnAbbrechenClick");
    SetModalResult(2);
}

TDlgFortschrittMelderHinzufuegen::TDlgFortschrittMelderHinzufuegen(QWidget *owner)
    : QDialog(owner) {
    LOG_FKT("TDlgFortschrittMelderHinzufuegen::TDlgFortschrittMelderHinzufuegen");
}

TDlgFortschrittMelderHinzufuegen::~TDlgFortschrittMelderHinzufuegen() {
    LOG_FKT("TDlgFortschrittMelderHinzufuegen::~TDlgFortschrittMelderHinzufuegen");
}
