// Asks for the group address (prefilled with a proposal) and the name to link a communication
// object to. OK reads the address by the device's one reader; an empty or invalid text keeps
// the dialog open and leaves the caller's values as they were.
#pragma once

#include "platform/dialogs/TModalDialog.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

class TDlgLinkToGrpAdr : public TModalDialog {
public:
    TDlgLinkToGrpAdr(QWidget *owner, const AnsiString &proposal, AnsiString &name, uint16_t &sub,
                     uint16_t &middle, uint16_t &main, bool threeLevels);
    ~TDlgLinkToGrpAdr() override;

    bool StringToGrpAdr(const AnsiString &text, int &main, int &middle, int &sub) const;
    void BtnOkClick();
    void BtnAbbrechenClick();

    QLabel *LabelInfoText;
    QLabel *LabelGrpAdr;
    QLabel *LabelGrpAdrName;
    QLineEdit *EditGrpAdr;
    QLineEdit *EditGrpAdrName;
    QPushButton *BtnOk;
    QPushButton *BtnAbbrechen;

protected:
    void FormShow() override;

private:
    AnsiString &FName;
    uint16_t &FSub;
    uint16_t &FMiddle;
    uint16_t &FMain;
    bool FThreeLevels;
};
