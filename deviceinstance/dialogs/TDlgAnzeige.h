// The areas a display unit shows: the four arming areas (those the configuration variant has),
// the fire and the hold-up area. OK writes the mask of the checked boxes and answers 1, Cancel 2.
#pragma once

#include "platform/dialogs/TModalDialog.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;

class TDlgAnzeige : public TModalDialog {
public:
    // Mask bits: 1 SSB1, 2 SSB2, 4 SSB3, 8 SSB4, 0x10 fire area, 0x20 hold-up area.
    static constexpr int kBereiche = 6;

    TDlgAnzeige(QWidget *owner, int32_t &mask, uint32_t variante);
    ~TDlgAnzeige() override;

    // Sets the boxes from the mask under the variant word.
    void FormShow() override;
    // A box was clicked: its panel shows whether it is chosen.
    void ChkClick(int bereich);
    void BtnOkClick();
    void BtnAbbrechenClick();

    // SSB1..SSB4, fire, hold-up in mask-bit order (ChkSsb1..4, ChkFeuer, ChkUeberfall).
    std::array<QCheckBox *, kBereiche> Chk{};
    std::array<QLabel *, kBereiche> Panel{};
    QLabel *LabelAnzeigeText;
    QPushButton *BtnOk;
    QPushButton *BtnAbbrechen;

private:
    int32_t &FMask;
    uint32_t FVariante;
};
