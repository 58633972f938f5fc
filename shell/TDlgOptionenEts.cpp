// The options dialog's compiler and download page: six values of the bus tool's device
// profile, read when the dialog opens, written back by OK, and the profile's defaults loaded by
// the "Default" button.
#include "shell/TDlgOptionen.h"

#include "platform/bustool/TEtsProfile.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/vcl/StrToInt.h"
#include "platform/win/MessageBox.h"
#include "shell/TDM.h"
#include "shell/TFileDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>
#include <utility>

namespace {

enum TArt { Zahl, Text, Schalter };

// One value of the page: where it lives in the profile (a file's key is its version's number),
// its default there, and where and with which default section "Default" keeps it.
struct REintrag {
    TArt Art;
    const char *Sektion;
    const char *Schluessel; // null: the number of the value Version
    TDlgOptionen::TEtsWert Version;
    int32_t ZahlVorgabe;
    const char *TextVorgabe;
    // The key in section "Default" (also the name in the error boxes).
    const char *Name;
    int32_t DefaultZahl;
    const char *DefaultText;
    // The first line of a failed write to section "Default".
    const char *DefaultSchreibFehler;
};

constexpr std::array<REintrag, TDlgOptionen::EtsAnzahl> kEintraege = {{
    {Zahl, "Compiler", "BcuFirmwareVersion", TDlgOptionen::eBcuVersion, 0, "", "BcuFirmwareVersion",
     0, "", "Can't write: BcuFirmwareVersion"},
    {Text, "BcuFirmware", nullptr, TDlgOptionen::eBcuVersion, 0, " ", "BcuFirmware", 0, "",
     "Can't write: BcuFirmware"},
    {Zahl, "Compiler", "UserFirmwareVersion", TDlgOptionen::eIdVersion, 0, "",
     "UserFirmwareVersion", 0, "", "Can't write: UserFirmwareVersion"},
    {Text, "UserFirmware", nullptr, TDlgOptionen::eIdVersion, 0, " ", "UserFirmware", 0, "",
     "Can't Write:UserFirmware"},
    {Zahl, "Download", "MaxRepeat", TDlgOptionen::eRepeat, 3, "", "MaxRepeat", 3, "",
     "Can't write: MaxRepeat"},
    {Schalter, "Download", "UserMemAlles", TDlgOptionen::eAllTransfer, 0, "", "UserMemAlles", 0, "",
     "Can't write: UserMemAlles"},
}};

constexpr char kDefault[] = "Default";

// Reads one value of its kind into the kept value.
bool Lies(TEtsProfile &profile, TArt art, const AnsiString &sektion, const AnsiString &key,
          int32_t zahl, const AnsiString &text, TDlgOptionen::RWert &wert) {
    LOG_FKT("DlgOption::Lies");
    switch (art) {
    case Zahl:
        return profile.Read(sektion, key, zahl, wert.Zahl);
    case Text:
        return profile.Read(sektion, key, text, wert.Text);
    case Schalter:
        return profile.Read(sektion, key, zahl != 0, wert.Schalter);
    }
    return false;
}

bool Schreibe(TEtsProfile &profile, TArt art, const AnsiString &sektion, const AnsiString &key,
              const TDlgOptionen::RWert &wert) {
    LOG_FKT("DlgOption::Schreibe");
    switch (art) {
    case Zahl:
        return profile.Write(sektion, key, wert.Zahl);
    case Text:
        return profile.Write(sektion, key, wert.Text);
    case Schalter:
        return profile.Write(sektion, key, wert.Schalter);
    }
    return false;
}

} // namespace

void TDlgOptionen::BaueCompDown() {
    LOG_FKT("TDlgOptionen::BaueCompDown");
    TabSheetCompDown = new QWidget(PageControl);
    PageControl->addTab(TabSheetCompDown, QStringLiteral("Compiler / Download"));

    GroupBoxCompiler = new QGroupBox(QStringLiteral("Compiler"), TabSheetCompDown);
    EditBcuFirm = new QLineEdit(GroupBoxCompiler);
    EditFileBcuFirm = new QLineEdit(GroupBoxCompiler);
    ButtonBcuFile = new QToolButton(GroupBoxCompiler);
    EditIdFirm = new QLineEdit(GroupBoxCompiler);
    EditFileIdFirm = new QLineEdit(GroupBoxCompiler);
    Button2 = new QToolButton(GroupBoxCompiler);
    for (QLineEdit *e : {EditBcuFirm, EditIdFirm})
        e->setFixedWidth(60);
    for (QLineEdit *e : {EditFileBcuFirm, EditFileIdFirm})
        e->setMinimumWidth(220);
    for (QToolButton *b : {ButtonBcuFile, Button2})
        b->setText(QStringLiteral("..."));
    auto *compiler = new QGridLayout(GroupBoxCompiler);
    compiler->addWidget(new QLabel(QStringLiteral("BCU Firmware Version"), GroupBoxCompiler), 0, 0);
    compiler->addWidget(EditBcuFirm, 0, 1);
    compiler->addWidget(new QLabel(QStringLiteral("Datei"), GroupBoxCompiler), 0, 2);
    compiler->addWidget(EditFileBcuFirm, 0, 3);
    compiler->addWidget(ButtonBcuFile, 0, 4);
    compiler->addWidget(new QLabel(QStringLiteral("User Firmware Version"), GroupBoxCompiler), 1,
                        0);
    compiler->addWidget(EditIdFirm, 1, 1);
    compiler->addWidget(new QLabel(QStringLiteral("Datei"), GroupBoxCompiler), 1, 2);
    compiler->addWidget(EditFileIdFirm, 1, 3);
    compiler->addWidget(Button2, 1, 4);
    compiler->setColumnStretch(3, 1);

    GroupBoxDownload = new QGroupBox(QStringLiteral("Download"), TabSheetCompDown);
    EditRepeat = new QLineEdit(GroupBoxDownload);
    EditRepeat->setFixedWidth(60);
    CheckBoxAllTransfer =
        new QCheckBox(QtText(Utf8ToAnsi("Gesamten User-Speicher übertragen")), GroupBoxDownload);
    auto *download = new QGridLayout(GroupBoxDownload);
    download->addWidget(new QLabel(QStringLiteral("Wiederholungen"), GroupBoxDownload), 0, 0);
    download->addWidget(EditRepeat, 0, 1);
    download->addWidget(CheckBoxAllTransfer, 1, 0, 1, 2);
    download->setColumnStretch(2, 1);

    ButtonDefault = new QPushButton(QStringLiteral("Default"), TabSheetCompDown);
    auto *seite = new QVBoxLayout(TabSheetCompDown);
    seite->addWidget(GroupBoxCompiler);
    seite->addWidget(GroupBoxDownload);
    seite->addWidget(ButtonDefault, 0, Qt::AlignRight);
    seite->addStretch();

    for (QLineEdit *e : {EditBcuFirm, EditFileBcuFirm, EditIdFirm, EditFileIdFirm, EditRepeat})
        e->installEventFilter(this);
    connect(ButtonBcuFile, &QToolButton::clicked, this, [this] { ButtonBcuFileClick(); });
    connect(Button2, &QToolButton::clicked, this, [this] { Button2Click(); });
    connect(ButtonDefault, &QPushButton::clicked, this, [this] { ButtonDefaultClick(); });
    connect(CheckBoxAllTransfer, &QCheckBox::clicked, this,
            [this] { FEts[eAllTransfer].Gueltig = true; });
}

void TDlgOptionen::FeldVerlassen(QObject *feld) {
    LOG_FKT("TDlgOptionen::FeldVerlassen");
    const std::pair<QLineEdit *, void (TDlgOptionen::*)()> exits[] = {
        {EditGridColDefSize, &TDlgOptionen::EditGridColDefSizeExit},
        {EditAutoCellRow, &TDlgOptionen::EditAutoCellRowExit},
        {EditBcuFirm, &TDlgOptionen::EditBcuFirmExit},
        {EditIdFirm, &TDlgOptionen::EditIdFirmExit},
        {EditRepeat, &TDlgOptionen::EditRepeatExit},
        {EditFileBcuFirm, &TDlgOptionen::EditFileBcuFirmExit},
        {EditFileIdFirm, &TDlgOptionen::EditFileIdFirmExit},
    };
    for (const auto &[f, exit] : exits)
        if (f == feld)
            (this->*exit)();
}

QLineEdit *TDlgOptionen::EtsFeld(TEtsWert w) const {
    LOG_FKT("TDlgOptionen::EtsFeld");
    const std::array<QLineEdit *, EtsAnzahl> felder = {EditBcuFirm,    EditFileBcuFirm, EditIdFirm,
                                                       EditFileIdFirm, EditRepeat,      nullptr};
    return felder[w];
}

void TDlgOptionen::ZeigeEts(TEtsWert w) {
    LOG_FKT("TDlgOptionen::ZeigeEts");
    switch (kEintraege[w].Art) {
    case Zahl:
        EtsFeld(w)->setText(QString::number(FEts[w].Zahl));
        break;
    case Text:
        EtsFeld(w)->setText(QString::fromStdString(FEts[w].Text));
        break;
    case Schalter:
        CheckBoxAllTransfer->setChecked(FEts[w].Schalter);
        break;
    }
}

AnsiString TDlgOptionen::FeldText(TEtsWert w) const {
    LOG_FKT("TDlgOptionen::FeldText");
    return EtsFeld(w)->text().toStdString();
}

void TDlgOptionen::EtsFehler(const char *operation, const AnsiString &ersteZeile, int line) {
    LOG_FKT("TDlgOptionen::EtsFehler");
    const AnsiString text =
        ersteZeile + "\n" + "File: " + "DlgOption" + "\n" + "Line: " + std::to_string(line) + "\n";
    MessageBox(FDM.MainWindowHandle, text, AnsiString(operation) + "-Error", MB_OK | MB_ICONERROR);
}

void TDlgOptionen::GetEtsRegData() {
    LOG_FKT("TDlgOptionen::GetEtsRegData");
    TEtsProfile profile(FCdi);
    for (int i = 0; i < EtsAnzahl; ++i) {
        const REintrag &e = kEintraege[i];
        const TEtsWert w = static_cast<TEtsWert>(i);
        const AnsiString key = e.Schluessel ? AnsiString(e.Schluessel) : FeldText(e.Version);
        if (!Lies(profile, e.Art, e.Sektion, key, e.ZahlVorgabe, e.TextVorgabe, FEts[w])) {
            EtsFehler("TDlgOptionen::GetEtsRegData", AnsiString("Can't read: ") + e.Name, __LINE__);
            return;
        }
        FEts[w].Gueltig = true;
        ZeigeEts(w);
    }
}

void TDlgOptionen::SetEtsRegData() {
    LOG_FKT("TDlgOptionen::SetEtsRegData");
    TEtsProfile profile(FCdi);
    std::array<RWert, EtsAnzahl> neu = FEts;
    for (int i = 0; i < EtsAnzahl; ++i) {
        const REintrag &e = kEintraege[i];
        const TEtsWert w = static_cast<TEtsWert>(i);
        // A value that was never read nor set keeps the profile's entry; a file goes only
        // with the version it belongs to.
        if (!FEts[w].Gueltig || (!e.Schluessel && !FEts[e.Version].Gueltig))
            continue;
        switch (e.Art) {
        case Zahl:
            neu[w].Zahl = StrToIntDef(FeldText(w), FEts[w].Zahl);
            break;
        case Text:
            neu[w].Text = FeldText(w);
            break;
        case Schalter:
            neu[w].Schalter = CheckBoxAllTransfer->isChecked();
            break;
        }
        // The file is kept under the version just written.
        const AnsiString key =
            e.Schluessel ? AnsiString(e.Schluessel) : std::to_string(neu[e.Version].Zahl);
        if (!Schreibe(profile, e.Art, e.Sektion, key, neu[w])) {
            EtsFehler("TDlgOptionen::SetEtsRegData", AnsiString("Can't write: ") + e.Name,
                      __LINE__);
            return;
        }
    }
}

void TDlgOptionen::ButtonDefaultClick() {
    LOG_FKT("TDlgOptionen::ButtonDefaultClick");
    TEtsProfile profile(FCdi);
    for (int i = 0; i < EtsAnzahl; ++i) {
        const REintrag &e = kEintraege[i];
        const TEtsWert w = static_cast<TEtsWert>(i);
        RWert wert = FEts[w];
        if (!Lies(profile, e.Art, kDefault, e.Name, e.DefaultZahl, e.DefaultText, wert)) {
            EtsFehler("TDlgOptionen::ButtonDefaultClick", AnsiString("Can't read: ") + e.Name,
                      __LINE__);
            return;
        }
        if (!Schreibe(profile, e.Art, kDefault, e.Name, wert)) {
            EtsFehler("TDlgOptionen::ButtonDefaultClick", e.DefaultSchreibFehler, __LINE__);
            return;
        }
        FEts[w] = wert;
        FEts[w].Gueltig = true;
        ZeigeEts(w);
    }
}

void TDlgOptionen::ZahlExit(TEtsWert w) {
    LOG_FKT("TDlgOptionen::ZahlExit");
    int32_t wert = 0;
    const bool zahl = TryStrToInt(FeldText(w), wert);
    EtsFeld(w)->setText(QString::number(zahl ? wert : FEts[w].Zahl));
    if (zahl)
        FEts[w].Gueltig = true;
}

void TDlgOptionen::DateiExit(TEtsWert w) {
    LOG_FKT("TDlgOptionen::DateiExit");
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::path(FeldText(w)), ec))
        FEts[w].Gueltig = true;
    else
        ZeigeEts(w);
}

void TDlgOptionen::EditBcuFirmExit() {
    LOG_FKT("TDlgOptionen::EditBcuFirmExit");
    ZahlExit(eBcuVersion);
}

void TDlgOptionen::EditIdFirmExit() {
    LOG_FKT("TDlgOptionen::EditIdFirmExit");
    ZahlExit(eIdVersion);
}

void TDlgOptionen::EditRepeatExit() {
    LOG_FKT("TDlgOptionen::EditRepeatExit");
    ZahlExit(eRepeat);
}

void TDlgOptionen::EditFileBcuFirmExit() {
    LOG_FKT("TDlgOptionen::EditFileBcuFirmExit");
    DateiExit(eBcuFile);
}

void TDlgOptionen::EditFileIdFirmExit() {
    LOG_FKT("TDlgOptionen::EditFileIdFirmExit");
    DateiExit(eIdFile);
}

void TDlgOptionen::DateiWaehlen(TEtsWert w) {
    LOG_FKT("TDlgOptionen::DateiWaehlen");
    TOpenDialog &dialog = *OpenDialog;
    dialog.Clear();
    dialog.Options = ofHideReadOnly | ofNoChangeDir | ofPathMustExist | ofCreatePrompt |
                     ofNoTestFileCreate | ofNoNetworkButton | ofEnableSizing;
    if (!dialog.Execute())
        return;
    EtsFeld(w)->setText(QString::fromStdString(dialog.FileName));
    FEts[w].Gueltig = true;
}

void TDlgOptionen::ButtonBcuFileClick() {
    LOG_FKT("TDlgOptionen::ButtonBcuFileClick");
    DateiWaehlen(eBcuFile);
}

void TDlgOptionen::Button2Click() {
    LOG_FKT("TDlgOptionen::Button2Click");
    DateiWaehlen(eIdFile);
}
