// The panel's configuration variant: seven radio buttons (which arming areas exist, how the
// security areas are grouped) with the check boxes of their optional areas, and beside them the
// matching section of the description file. OK writes the variant word and answers 1, Cancel 2.
#pragma once

#include "platform/dialogs/TModalDialog.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;

class TDlgDefinitionAlarmzentrale : public TModalDialog {
public:
    // One choice: the radio (1..7), how many of its boxes are checked from the first on (the
    // boxes form a chain), the variant word and its description section.
    struct RZeile {
        int Radio;
        int Boxen;
        uint32_t Wort;
        int Abschnitt;
    };
    static const std::array<RZeile, 15> &Tabelle();
    // The row of a word; none for a word that is not one of the fifteen.
    static std::optional<RZeile> ZeileVonWort(uint32_t wort);

    TDlgDefinitionAlarmzentrale(QWidget *owner, uint32_t &variante,
                                const AnsiString &descriptionFile);
    ~TDlgDefinitionAlarmzentrale() override;

    // Recomputes the word from the radios and boxes, enables and paints the checked variant's
    // panel and boxes and shows its description.
    void RbnStatusChanged();
    // The section "#id<n>" of the description file into RichEditFeld.
    void ShowDescription(int abschnitt);
    void BtnOkClick();
    void BtnAbbrechenClick();
    uint32_t Wort() const { return FWort; }
    // The description section of the word being edited.
    int Abschnitt() const { return FAbschnitt; }

    std::array<QRadioButton *, 7> RbtnAzVariante{};
    std::array<QFrame *, 7> PanelAzVariante{};
    // Each variant's area panels: SSB1 to SSB4 (variant 1: fire and hold-up area).
    std::array<std::vector<QLabel *>, 7> Bereiche;
    QCheckBox *ChkVariante2Sb3Sb4;
    QCheckBox *ChkVariante3Sb2;
    QCheckBox *ChkVariante3Sb3;
    QCheckBox *ChkVariante3Sb4;
    QCheckBox *ChkVariante4Sb2;
    QCheckBox *ChkVariante4Sb3;
    QCheckBox *ChkVariante5Sb2;
    QCheckBox *ChkVariante6Sb2;
    QLabel *LabelHinweis;
    QTextEdit *RichEditFeld;
    QPushButton *BtnOk;
    QPushButton *BtnAbbrechen;

protected:
    // Sets the radio and boxes from the caller's word (an unknown word: variant 2 with both
    // extra areas).
    void FormShow() override;

private:
    // The boxes of each variant in chain order.
    std::array<std::vector<QCheckBox *>, 7> FBoxen;
    uint32_t &FVariante;
    uint32_t FWort;
    int FAbschnitt = 0;
    AnsiString FDatei;
    bool FSetzen = false; // while FormShow sets the controls
};
