// How many detectors (inputs) to add: one spin field from 1 to the caller's bound. OK (or Enter
// in the field) writes the count and answers 1; Cancel and the close box answer 2 and leave the
// count as the caller set it. And the program's empty progress form of the adding.
#pragma once

#include "platform/dialogs/TModalDialog.h"

class QLabel;
class QPushButton;
class QSpinBox;

class TDlgMelderHinzufuegen : public TModalDialog {
public:
    // maximum: the upper bound (below 1, when every input is used, the field offers 1 and the
    // creation refuses with its own box).
    TDlgMelderHinzufuegen(QWidget *owner, int maximum, int &count);
    ~TDlgMelderHinzufuegen() override;

    // The Enter key (13) acts as OK.
    void SpinEditAnzahlMelderKeyDown(int key);
    void FormActivate();
    void BtnOkClick();
    void BtnAbbrechenClick();

    QLabel *LabelMelderHinzufuegen;
    QSpinBox *SpinEditAnzahlMelder;
    QPushButton *BtnOk;
    QPushButton *BtnAbbrechen;

protected:
    void FormShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int &FCount;
};

class TDlgFortschrittMelderHinzufuegen : public QDialog {
public:
    explicit TDlgFortschrittMelderHinzufuegen(QWidget *owner);
    ~TDlgFortschrittMelderHinzufuegen() override;
};
