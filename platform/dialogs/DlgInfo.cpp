#include "platform/dialogs/DlgInfo.h"

#include "platform/log/Log.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

AnsiString ProgrammVersion() {
    LOG_FKT("DlgInfo::ProgrammVersion");
    return PROGRAMM_VERSION;
}

TDlgInfo::TDlgInfo(QWidget *owner, const AnsiString &caption, const AnsiString &versionLabel,
                   const AnsiString &text, const AnsiString &imagePath)
    : TModalDialog(owner, 2) {
    LOG_FKT("TDlgInfo::TDlgInfo");
    setWindowTitle(QtText(caption));
    LabelBild = new QLabel(this);
    LabelVersion = new QLabel(QtText(versionLabel + " " + ProgrammVersion()), this);
    LabelText = new QLabel(QtText(text), this);
    LabelText->setWordWrap(true);
    LabelText->setVisible(!text.empty());
    BtnOk = new QPushButton(QStringLiteral("OK"), this);
    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, [this] { SetModalResult(1); });

    std::error_code error;
    if (!imagePath.empty() && std::filesystem::is_regular_file(imagePath, error)) {
        const QPixmap bild(QString::fromLocal8Bit(imagePath.c_str()));
        FHatBild = !bild.isNull();
        LabelBild->setPixmap(bild);
    }
    LabelBild->setVisible(FHatBild);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelBild, 0, Qt::AlignHCenter);
    layout->addWidget(LabelVersion);
    layout->addWidget(LabelText);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(BtnOk);
    layout->addLayout(row);
    setMinimumWidth(260);
}

TDlgInfo::~TDlgInfo() {
    LOG_FKT("TDlgInfo::~TDlgInfo");
}

void _StartDlgInfo(const AnsiString &caption, const AnsiString &versionLabel,
                   const AnsiString &text, const AnsiString &imagePath) {
    LOG_FKT("DlgInfo::_StartDlgInfo");
    TDlgInfo dialog(nullptr, caption, versionLabel, text, imagePath);
    dialog.ShowModal();
}
