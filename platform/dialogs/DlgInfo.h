// The about dialog: the caller's caption, the version line (the caller's label and the
// program's version from the build), a further text when the caller gives one, and the image
// when its file exists. Closed with its one button.
#pragma once

#include "platform/dialogs/TModalDialog.h"

class QLabel;
class QPushButton;

// The program's version as the build sets it ("1.1.0").
AnsiString ProgrammVersion();

class TDlgInfo : public TModalDialog {
public:
    TDlgInfo(QWidget *owner, const AnsiString &caption, const AnsiString &versionLabel,
             const AnsiString &text, const AnsiString &imagePath);
    ~TDlgInfo() override;

    // Whether the image file was found and shown.
    bool HatBild() const { return FHatBild; }

    QLabel *LabelBild;
    QLabel *LabelVersion;
    QLabel *LabelText;
    QPushButton *BtnOk;

private:
    bool FHatBild = false;
};

// Shows the about dialog modally (owner: none).
void _StartDlgInfo(const AnsiString &caption, const AnsiString &versionLabel,
                   const AnsiString &text, const AnsiString &imagePath);
