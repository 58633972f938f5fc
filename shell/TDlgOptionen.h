// The options dialog "Optionen": the parameter grid's look (four colours, grid lines, column
// widths, automatic field activation) and the autosave interval, kept in section "Options" of
// the settings file; colour and grid-line changes reach the grids at once through the main
// window (messages 1135 and 1137), Cancel and the close box take them back. A hidden page holds
// the compiler and download settings of the bus tool's device profile (TDlgOptionenEts.cpp).
// OK answers 7, Cancel 2.
#pragma once

#include "platform/dialogs/TModalDialog.h"
#include "platform/vcl/AnsiString.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class TDM;
class TEts2Cdi;
class TOpenDialog;
class TUpDown;

class TDlgOptionen : public TModalDialog {
public:
    // The dialog's modal results.
    enum : int { mrOk = 7, mrCancel = 2 };

    // owner: the data module; cdi: the bus tool's interface object (borrowed) for the profile.
    TDlgOptionen(TDM &owner, TEts2Cdi *cdi, QWidget *parent = nullptr);
    ~TDlgOptionen() override;

    void FormCreate();
    void GetRegData();
    void SetRegData();
    void LadeTexte();

    // The four colour swatches, in the order of the table: the data module's value each shows.
    enum TFarbe { fCommon, fCell, fTitle, fCellReadOnly, FarbAnzahl };
    // Double-click on a swatch or click on its label: the colour dialog with the current
    // colour; a chosen colour reaches the data module and the swatch at once.
    void FarbeWaehlen(TFarbe farbe);
    void ButtonColorPreviewClick();
    void CBGridLineClick();
    void CBGridAutoSizeClick();
    void EditGridColDefSizeEnter();
    void EditGridColDefSizeExit();
    void CheckBoxAutoCellClick();
    void EditAutoCellRowExit();
    void CBAutoSaveClick();
    void EditAutoSaveChange();
    void UpDownAutoSaveChanged();
    void ButtonDBCheckClick();
    void BitBtnHelpClick();
    void BitBtn1Click();
    void BitBtn2Click();

    // The compiler and download page.
    void GetEtsRegData();
    void SetEtsRegData();
    void ButtonDefaultClick();
    void EditBcuFirmExit();
    void EditIdFirmExit();
    void EditRepeatExit();
    void EditFileBcuFirmExit();
    void EditFileIdFirmExit();
    void ButtonBcuFileClick();
    void Button2Click();

    // The colour a swatch shows (the Windows value of its background).
    uint32_t SwatchColor(TFarbe farbe) const;
    // The colour dialog: the current value in, true and the chosen value out; the custom
    // colours "ColorA=..." and "ColorB=..." set by FormCreate. Tests replace it.
    std::function<bool(uint32_t &color)> FrageFarbe;
    const std::array<AnsiString, 2> &CustomColors() const { return FCustomColors; }
    bool AutoSaveSchalter() const { return FAutoSave; }
    int AutoSaveMinuten() const { return FAutoSaveMinuten; }

    // Components.
    QTabWidget *PageControl = nullptr;
    QWidget *TabSheetTabelle = nullptr;
    QWidget *TabSheetOptionen = nullptr;
    QWidget *TabSheetCompDown = nullptr;
    QGroupBox *GroupBoxSpalten = nullptr;
    QCheckBox *CBGridAutoSize = nullptr;
    QLineEdit *EditGridColDefSize = nullptr;
    QLabel *LabelGridColDefSize = nullptr;
    QGroupBox *GroupBoxAutoCell = nullptr;
    QCheckBox *CheckBoxAutoCell = nullptr;
    QLineEdit *EditAutoCellRow = nullptr;
    QLabel *LabelAutoCellRow = nullptr;
    QGroupBox *GroupBoxFarben = nullptr;
    std::array<QFrame *, FarbAnzahl> Swatch{};
    std::array<QLabel *, FarbAnzahl> SwatchLabel{};
    QCheckBox *CBGridLine = nullptr;
    QPushButton *ButtonColorPreview = nullptr;
    QCheckBox *CBAutoSave = nullptr;
    QLineEdit *EditAutoSave = nullptr;
    TUpDown *UpDownAutoSave = nullptr;
    QLabel *LabelMinuten = nullptr;
    QLabel *LabelDBCheck = nullptr;
    QPushButton *ButtonDBCheck = nullptr;
    QCheckBox *CBShowDlgAbfrName = nullptr;
    QCheckBox *CBNoSystemFiles = nullptr;
    QCheckBox *CBAskOverwrite = nullptr;
    QGroupBox *GroupBoxCompiler = nullptr;
    QLineEdit *EditBcuFirm = nullptr;
    QLineEdit *EditFileBcuFirm = nullptr;
    QToolButton *ButtonBcuFile = nullptr;
    QLineEdit *EditIdFirm = nullptr;
    QLineEdit *EditFileIdFirm = nullptr;
    QToolButton *Button2 = nullptr;
    QGroupBox *GroupBoxDownload = nullptr;
    QLineEdit *EditRepeat = nullptr;
    QCheckBox *CheckBoxAllTransfer = nullptr;
    QPushButton *ButtonDefault = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtnHelp = nullptr;

    // The profile's six values as the page keeps them, in the order of its table.
    enum TEtsWert { eBcuVersion, eBcuFile, eIdVersion, eIdFile, eRepeat, eAllTransfer, EtsAnzahl };
    struct RWert {
        int32_t Zahl = 0;
        AnsiString Text;
        bool Schalter = false;
        // Read at opening or set since (by the user or the Default button): only such a value
        // is written back by OK.
        bool Gueltig = false;
    };
    const RWert &EtsWert(TEtsWert w) const { return FEts[w]; }

    // The open dialog of the "..." buttons: the main window's (borrowed) once it sets it, until
    // then the dialog's own.
    TOpenDialog *OpenDialog = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The close box and Escape: the same as Cancel.
    void reject() override;
    // Centred on the screen.
    void FormShow() override;

private:
    // The exit handler of a field that lost the focus.
    void FeldVerlassen(QObject *feld);
    void BaueTabelle();
    void BaueOptionen();
    void BaueCompDown();
    void ZeigeSwatch(TFarbe farbe);
    uint32_t &DmFarbe(TFarbe farbe) const;
    void SetzeBreiteAktiv();
    void SetzeZeileAktiv();
    QLineEdit *EtsFeld(TEtsWert w) const;
    AnsiString FeldText(TEtsWert w) const;
    // The value's control shows the kept value.
    void ZeigeEts(TEtsWert w);
    // A version field's exit: a number becomes the kept (user-set) value, else the kept value
    // is shown again.
    void ZahlExit(TEtsWert w);
    void DateiExit(TEtsWert w);
    void DateiWaehlen(TEtsWert w);
    // The box of a failed profile access; line: the source line of the call.
    void EtsFehler(const char *operation, const AnsiString &ersteZeile, int line);

    TDM &FDM;
    TEts2Cdi *FCdi;
    std::unique_ptr<TOpenDialog> FOwnOpenDialog;
    // What the swatches show; OK copies it into the data module.
    std::array<uint32_t, FarbAnzahl> FSwatchWert{};
    std::array<uint32_t, FarbAnzahl> FGespeichert{};
    int FGespeichertLinien = 0;
    bool FAutoSave = false;
    int16_t FAutoSaveMinuten = 1;
    int32_t FBreiteBeiEintritt = 0;
    std::array<AnsiString, 2> FCustomColors;
    std::array<RWert, EtsAnzahl> FEts;
};
