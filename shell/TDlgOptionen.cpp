// The options dialog: its pages, the settings of section "Options" and the handlers of the
// "Tabelle" and "Optionen" pages. The compiler and download page is TDlgOptionenEts.cpp.
#include "shell/TDlgOptionen.h"

#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TRegIni.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/StrToInt.h"
#include "platform/win/WinHelp.h"
#include "shell/TDM.h"
#include "shell/TFileDialog.h"
#include "shell/TUpDown.h"
#include "shell/WinColor.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstdio>
#include <utility>

namespace {

// The swatches in the order of the table: caption, settings key, the data module's value.
struct RFarbFeld {
    int TextId;
    const char *Schluessel;
    uint32_t TDM::*Wert;
};
constexpr std::array<RFarbFeld, TDlgOptionen::FarbAnzahl> kFarbFelder = {{
    {9076, RegKeyColorGridCommmon, &TDM::ColorGridCommon},
    {9074, RegKeyColorGridCell, &TDM::ColorGridCell},
    {9077, RegKeyColorGridTitle, &TDM::ColorGridTitle},
    {9075, RegKeyColorGridCellReadOnly, &TDM::ColorGridCellReadOnly},
}};
// The order in which OK writes them.
constexpr TDlgOptionen::TFarbe kSchreibFolge[] = {TDlgOptionen::fCommon, TDlgOptionen::fTitle,
                                                  TDlgOptionen::fCell, TDlgOptionen::fCellReadOnly};

// The custom colour "ColorA" of the colour dialog, and the system colour of tooltips.
constexpr uint32_t kColorA = 0xE1FFFF;
constexpr uint32_t kInfoBk = 0x80000018;

AnsiString Hex(uint32_t value) {
    LOG_FKT("DlgOptionen::Hex");
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%03X", static_cast<unsigned>(value));
    return buffer;
}

// A group with a switch above a labelled number field.
void SchalterGruppe(QWidget *page, QGroupBox *&group, QCheckBox *&box, QLabel *&label,
                    QLineEdit *&field) {
    LOG_FKT("DlgOptionen::SchalterGruppe");
    group = new QGroupBox(page); // the page holds the group, the group its controls
    box = new QCheckBox(group);
    label = new QLabel(group);
    field = new QLineEdit(group);
    field->setFixedWidth(60);
    auto *layout = new QGridLayout(group);
    layout->addWidget(box, 0, 0, 1, 2);
    layout->addWidget(label, 1, 0);
    layout->addWidget(field, 1, 1);
    layout->setColumnStretch(0, 1);
}

} // namespace

TDlgOptionen::TDlgOptionen(TDM &owner, TEts2Cdi *cdi, QWidget *parent)
    : TModalDialog(parent, mrCancel), FDM(owner), FCdi(cdi),
      FOwnOpenDialog(std::make_unique<TOpenDialog>(this)) {
    LOG_FKT("TDlgOptionen::TDlgOptionen");
    OpenDialog = FOwnOpenDialog.get();
    setObjectName("DlgOptionen");
    PageControl = new QTabWidget(this); // the widgets belong to the dialog
    BaueTabelle();
    BaueOptionen();
    BaueCompDown();
    // The compiler and download page is kept but never offered.
    PageControl->setTabVisible(PageControl->indexOf(TabSheetCompDown), false);
    PageControl->setCurrentWidget(TabSheetTabelle);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(this);
    BitBtnHelp = new QPushButton(this);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(BitBtn2);
    knoepfe->addWidget(BitBtnHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(knoepfe);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtnHelp, &QPushButton::clicked, this, [this] { BitBtnHelpClick(); });

    FrageFarbe = [this](uint32_t &color) {
        QColorDialog dialog(WinColorToQColor(color), this);
        dialog.setOption(QColorDialog::DontUseNativeDialog, true);
        QColorDialog::setCustomColor(0, WinColorToQColor(kColorA));
        QColorDialog::setCustomColor(1, WinColorToQColor(kInfoBk));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        color = QColorToWinColor(dialog.selectedColor());
        return true;
    };
    FormCreate();
    // The captions are in: the dialog takes the size its pages need, and keeps it.
    setFixedSize(sizeHint());
}

TDlgOptionen::~TDlgOptionen() {
    LOG_FKT("TDlgOptionen::~TDlgOptionen");
}

void TDlgOptionen::BaueTabelle() {
    LOG_FKT("TDlgOptionen::BaueTabelle");
    TabSheetTabelle = new QWidget(PageControl);
    PageControl->addTab(TabSheetTabelle, QString());

    SchalterGruppe(TabSheetTabelle, GroupBoxSpalten, CBGridAutoSize, LabelGridColDefSize,
                   EditGridColDefSize);
    connect(CBGridAutoSize, &QCheckBox::clicked, this, [this] { CBGridAutoSizeClick(); });
    SchalterGruppe(TabSheetTabelle, GroupBoxAutoCell, CheckBoxAutoCell, LabelAutoCellRow,
                   EditAutoCellRow);
    connect(CheckBoxAutoCell, &QCheckBox::clicked, this, [this] { CheckBoxAutoCellClick(); });

    GroupBoxFarben = new QGroupBox(TabSheetTabelle);
    auto *farben = new QGridLayout(GroupBoxFarben);
    for (int i = 0; i < FarbAnzahl; ++i) {
        SwatchLabel[i] = new QLabel(GroupBoxFarben);
        Swatch[i] = new QFrame(GroupBoxFarben);
        Swatch[i]->setFrameShape(QFrame::Box);
        Swatch[i]->setFixedSize(60, 20);
        Swatch[i]->setAutoFillBackground(true);
        Swatch[i]->installEventFilter(this);
        SwatchLabel[i]->installEventFilter(this);
        farben->addWidget(SwatchLabel[i], i, 0);
        farben->addWidget(Swatch[i], i, 1);
    }
    CBGridLine = new QCheckBox(GroupBoxFarben);
    ButtonColorPreview = new QPushButton(GroupBoxFarben);
    farben->addWidget(CBGridLine, FarbAnzahl, 0);
    farben->addWidget(ButtonColorPreview, FarbAnzahl, 1);
    farben->setColumnStretch(0, 1);
    connect(CBGridLine, &QCheckBox::clicked, this, [this] { CBGridLineClick(); });
    connect(ButtonColorPreview, &QPushButton::clicked, this, [this] { ButtonColorPreviewClick(); });

    auto *seite = new QGridLayout(TabSheetTabelle);
    seite->addWidget(GroupBoxSpalten, 0, 0);
    seite->addWidget(GroupBoxAutoCell, 1, 0);
    seite->addWidget(GroupBoxFarben, 0, 1, 2, 1);
    seite->setRowStretch(2, 1);
    EditGridColDefSize->installEventFilter(this);
    EditAutoCellRow->installEventFilter(this);
}

void TDlgOptionen::BaueOptionen() {
    LOG_FKT("TDlgOptionen::BaueOptionen");
    TabSheetOptionen = new QWidget(PageControl);
    PageControl->addTab(TabSheetOptionen, QString());
    CBAutoSave = new QCheckBox(TabSheetOptionen);
    EditAutoSave = new QLineEdit(TabSheetOptionen);
    EditAutoSave->setFixedWidth(50);
    UpDownAutoSave = new TUpDown(TabSheetOptionen, EditAutoSave, TDM::kAutoSaveMinutenMin,
                                 TDM::kAutoSaveMinutenMax);
    LabelMinuten = new QLabel(TabSheetOptionen);
    LabelDBCheck = new QLabel(TabSheetOptionen);
    ButtonDBCheck = new QPushButton(TabSheetOptionen);
    // Kept only so that their settings go back unchanged.
    CBShowDlgAbfrName = new QCheckBox(TabSheetOptionen);
    CBNoSystemFiles = new QCheckBox(TabSheetOptionen);
    CBAskOverwrite = new QCheckBox(TabSheetOptionen);
    for (QCheckBox *b : {CBShowDlgAbfrName, CBNoSystemFiles, CBAskOverwrite})
        b->setVisible(false);

    auto *seite = new QGridLayout(TabSheetOptionen);
    auto *minuten = new QHBoxLayout;
    minuten->setSpacing(2);
    minuten->addWidget(EditAutoSave);
    minuten->addWidget(UpDownAutoSave);
    minuten->addSpacing(6);
    minuten->addWidget(LabelMinuten);
    minuten->addStretch();
    seite->addWidget(CBAutoSave, 0, 0);
    seite->addLayout(minuten, 0, 1);
    seite->addWidget(LabelDBCheck, 1, 0);
    seite->addWidget(ButtonDBCheck, 1, 1, Qt::AlignLeft);
    seite->setRowStretch(2, 1);
    seite->setColumnStretch(1, 1);
    connect(CBAutoSave, &QCheckBox::clicked, this, [this] { CBAutoSaveClick(); });
    connect(EditAutoSave, &QLineEdit::textEdited, this, [this] { EditAutoSaveChange(); });
    UpDownAutoSave->OnChanged = [this] { UpDownAutoSaveChanged(); };
    connect(ButtonDBCheck, &QPushButton::clicked, this, [this] { ButtonDBCheckClick(); });
}

void TDlgOptionen::FormCreate() {
    LOG_FKT("TDlgOptionen::FormCreate");
    GetRegData();
    GetEtsRegData();
    LadeTexte();
    for (int i = 0; i < FarbAnzahl; ++i) {
        const TFarbe f = static_cast<TFarbe>(i);
        FSwatchWert[i] = DmFarbe(f);
        ZeigeSwatch(f);
        FGespeichert[i] = DmFarbe(f);
    }
    CBGridLine->setChecked(FDM.Gitternetzlinien > 0);
    FGespeichertLinien = FDM.Gitternetzlinien;
    FCustomColors[0] = "ColorA=" + Hex(kColorA);
    FCustomColors[1] = "ColorB=" + Hex(QColorToWinColor(WinColorToQColor(kInfoBk)));
}

void TDlgOptionen::GetRegData() {
    LOG_FKT("TDlgOptionen::GetRegData");
    const TRegIni ini;
    const AnsiString &file = FDM.IniFile;
    bool b = false;
    ini.ReadBool(file, RegSecOptions, RegKeyAskOverwrite, b, true);
    CBAskOverwrite->setChecked(b);
    ini.ReadBool(file, RegSecOptions, RegKeyNoSysFile, b, true);
    CBNoSystemFiles->setChecked(b);
    ini.ReadBool(file, RegSecOptions, RegKeyAutoSave, b, true);
    CBAutoSave->setChecked(b);
    ini.ReadBool(file, RegSecOptions, RegKeyShowDlgAbfrName, b, true);
    CBShowDlgAbfrName->setChecked(b);
    ini.ReadBool(file, RegSecOptions, RegKeyGridAutoSize, FDM.GridAutoSize, true);
    CBGridAutoSize->setChecked(FDM.GridAutoSize);
    int32_t n = 0;
    ini.ReadInteger(file, RegSecOptions, RegKeyGridColDefSize, n, 150);
    FDM.GridColDefSize = n;
    EditGridColDefSize->setText(QString::number(n));
    SetzeBreiteAktiv();
    ini.ReadBool(file, RegSecOptions, RegKeyAutoSave, FAutoSave, true);
    CBAutoSave->setChecked(FAutoSave);
    ini.ReadInteger(file, RegSecOptions, RegKeyAutoSaveMinuten, n, 50000);
    UpDownAutoSave->SetPosition(n);
    FAutoSaveMinuten = static_cast<int16_t>(UpDownAutoSave->Position());
    ini.ReadBool(file, RegSecOptions, RegKeyTableAutoCellActivate, FDM.TableAutoCellActivate, true);
    CheckBoxAutoCell->setChecked(FDM.TableAutoCellActivate);
    SetzeZeileAktiv();
    ini.ReadInteger(file, RegSecOptions, RegKeyTabelAutoCellActivateRowNumber, n, 0);
    FDM.TabelAutoCellActivateRowNumber = n;
    EditAutoCellRow->setText(QString::number(static_cast<int64_t>(n) + 1));
}

void TDlgOptionen::SetRegData() {
    LOG_FKT("TDlgOptionen::SetRegData");
    const TRegIni ini;
    const AnsiString &file = FDM.IniFile;
    ini.WriteBool(file, RegSecOptions, RegKeyAskOverwrite, CBAskOverwrite->isChecked());
    ini.WriteBool(file, RegSecOptions, RegKeyNoSysFile, CBNoSystemFiles->isChecked());
    ini.WriteBool(file, RegSecOptions, RegKeyAutoSave, CBAutoSave->isChecked());
    ini.WriteBool(file, RegSecOptions, RegKeyShowDlgAbfrName, CBShowDlgAbfrName->isChecked());
    ini.WriteBool(file, RegSecOptions, RegKeyGridAutoSize, FDM.GridAutoSize);
    ini.WriteInteger(file, RegSecOptions, RegKeyGridColDefSize, FDM.GridColDefSize);
    FDM.TableAutoCellActivate = CheckBoxAutoCell->isChecked();
    ini.WriteBool(file, RegSecOptions, RegKeyTableAutoCellActivate, FDM.TableAutoCellActivate);
    FDM.TabelAutoCellActivateRowNumber = StrToIntDef(AnsiText(EditAutoCellRow->text()), 1) - 1;
    ini.WriteInteger(file, RegSecOptions, RegKeyTabelAutoCellActivateRowNumber,
                     FDM.TabelAutoCellActivateRowNumber);
    for (TFarbe f : kSchreibFolge)
        ini.WriteInteger(file, RegSecOptions, kFarbFelder[f].Schluessel,
                         static_cast<int32_t>(DmFarbe(f)));
    ini.WriteBool(file, RegSecOptions, RegKeyGitternetzlinien, FDM.Gitternetzlinien > 0);
    ini.WriteBool(file, RegSecOptions, RegKeyAutoSave, FAutoSave);
    ini.WriteInteger(file, RegSecOptions, RegKeyAutoSaveMinuten, FAutoSaveMinuten);
}

void TDlgOptionen::LadeTexte() {
    LOG_FKT("TDlgOptionen::LadeTexte");
    setWindowTitle(QtText(SprText(9070)));
    PageControl->setTabText(PageControl->indexOf(TabSheetTabelle), QtText(SprText(9083)));
    PageControl->setTabText(PageControl->indexOf(TabSheetOptionen), QtText(SprText(9084)));
    const std::pair<QWidget *, int> texte[] = {
        {GroupBoxSpalten, 9081},
        {CBGridAutoSize, 9080},
        {LabelGridColDefSize, 9079},
        {GroupBoxAutoCell, 9003},
        {CheckBoxAutoCell, 9004},
        {LabelAutoCellRow, 9005},
        {GroupBoxFarben, 9073},
        {SwatchLabel[fCommon], kFarbFelder[fCommon].TextId},
        {SwatchLabel[fCell], kFarbFelder[fCell].TextId},
        {SwatchLabel[fTitle], kFarbFelder[fTitle].TextId},
        {SwatchLabel[fCellReadOnly], kFarbFelder[fCellReadOnly].TextId},
        {CBGridLine, 9082},
        {ButtonColorPreview, 9078},
        {CBAutoSave, 9072},
        {LabelMinuten, 9069},
        {LabelDBCheck, 9071},
        {ButtonDBCheck, 9204},
        {BitBtn2, 9007},
        {BitBtnHelp, 9008},
    };
    for (const auto &[w, id] : texte) {
        const QString text = QtText(SprText(id));
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setText(text);
        else if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(text);
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            g->setTitle(text);
    }
}

uint32_t &TDlgOptionen::DmFarbe(TFarbe farbe) const {
    LOG_FKT("TDlgOptionen::DmFarbe");
    return FDM.*kFarbFelder[farbe].Wert;
}

void TDlgOptionen::ZeigeSwatch(TFarbe farbe) {
    LOG_FKT("TDlgOptionen::ZeigeSwatch");
    QPalette p = Swatch[farbe]->palette();
    p.setColor(QPalette::Window, WinColorToQColor(FSwatchWert[farbe]));
    Swatch[farbe]->setPalette(p);
}

uint32_t TDlgOptionen::SwatchColor(TFarbe farbe) const {
    LOG_FKT("TDlgOptionen::SwatchColor");
    return FSwatchWert[farbe];
}

void TDlgOptionen::SetzeBreiteAktiv() {
    LOG_FKT("TDlgOptionen::SetzeBreiteAktiv");
    EditGridColDefSize->setEnabled(!FDM.GridAutoSize);
    LabelGridColDefSize->setEnabled(!FDM.GridAutoSize);
}

void TDlgOptionen::SetzeZeileAktiv() {
    LOG_FKT("TDlgOptionen::SetzeZeileAktiv");
    EditAutoCellRow->setEnabled(CheckBoxAutoCell->isChecked());
    LabelAutoCellRow->setEnabled(CheckBoxAutoCell->isChecked());
}

void TDlgOptionen::FarbeWaehlen(TFarbe farbe) {
    LOG_FKT("TDlgOptionen::FarbeWaehlen");
    uint32_t color = DmFarbe(farbe);
    if (!FrageFarbe || !FrageFarbe(color))
        return;
    DmFarbe(farbe) = color;
    FSwatchWert[farbe] = color;
    ZeigeSwatch(farbe);
}

void TDlgOptionen::ButtonColorPreviewClick() {
    LOG_FKT("TDlgOptionen::ButtonColorPreviewClick");
    AzMsg::Send(FDM.MainWindowHandle, AzMsg::LoadColor{});
    raise();
}

void TDlgOptionen::CBGridLineClick() {
    LOG_FKT("TDlgOptionen::CBGridLineClick");
    FDM.Gitternetzlinien = CBGridLine->isChecked() ? 1 : 0;
}

void TDlgOptionen::CBGridAutoSizeClick() {
    LOG_FKT("TDlgOptionen::CBGridAutoSizeClick");
    FDM.GridAutoSize = CBGridAutoSize->isChecked();
    SetzeBreiteAktiv();
}

void TDlgOptionen::EditGridColDefSizeEnter() {
    LOG_FKT("TDlgOptionen::EditGridColDefSizeEnter");
    FBreiteBeiEintritt = FDM.GridColDefSize;
}

void TDlgOptionen::EditGridColDefSizeExit() {
    LOG_FKT("TDlgOptionen::EditGridColDefSizeExit");
    int32_t width = StrToIntDef(AnsiText(EditGridColDefSize->text()), 0);
    if (width <= 0)
        width = FBreiteBeiEintritt;
    FDM.GridColDefSize = width;
}

void TDlgOptionen::CheckBoxAutoCellClick() {
    LOG_FKT("TDlgOptionen::CheckBoxAutoCellClick");
    SetzeZeileAktiv();
}

void TDlgOptionen::EditAutoCellRowExit() {
    LOG_FKT("TDlgOptionen::EditAutoCellRowExit");
    int32_t row = StrToIntDef(AnsiText(EditAutoCellRow->text()), 1);
    if (row <= 0)
        row = 1;
    EditAutoCellRow->setText(QString::number(row));
}

void TDlgOptionen::CBAutoSaveClick() {
    LOG_FKT("TDlgOptionen::CBAutoSaveClick");
    FAutoSave = CBAutoSave->isChecked();
}

void TDlgOptionen::EditAutoSaveChange() {
    LOG_FKT("TDlgOptionen::EditAutoSaveChange");
    const int32_t minutes = StrToIntDef(AnsiText(EditAutoSave->text()), -1);
    if (minutes >= 0)
        UpDownAutoSave->SetPosition(minutes);
    else
        EditAutoSave->setText(QString::number(UpDownAutoSave->Position()));
}

void TDlgOptionen::UpDownAutoSaveChanged() {
    LOG_FKT("TDlgOptionen::UpDownAutoSaveChanged");
    FAutoSaveMinuten = static_cast<int16_t>(UpDownAutoSave->Position());
}

void TDlgOptionen::ButtonDBCheckClick() {
    LOG_FKT("TDlgOptionen::ButtonDBCheckClick");
    AzMsg::Send(FDM.MainWindowHandle, AzMsg::EtsObjektCheck{});
}

void TDlgOptionen::BitBtnHelpClick() {
    LOG_FKT("TDlgOptionen::BitBtnHelpClick");
    WinHelp(FDM.MainWindowHandle, FDM.HelpFile, HELP_CONTEXT, 5000);
}

void TDlgOptionen::BitBtn1Click() {
    LOG_FKT("TDlgOptionen::BitBtn1Click");
    SetModalResult(mrOk);
    for (int i = 0; i < FarbAnzahl; ++i)
        DmFarbe(static_cast<TFarbe>(i)) = FSwatchWert[i];
    FDM.Gitternetzlinien = CBGridLine->isChecked() ? 1 : 0;
    AzMsg::Send(FDM.MainWindowHandle, AzMsg::LoadColor{});
    AzMsg::Send(FDM.MainWindowHandle, AzMsg::LoadSize{});
    raise();
    SetRegData();
    SetEtsRegData();
    FDM.AutoSave = FAutoSave;
    FDM.AutoSaveMinutes = FAutoSaveMinuten;
    FDM.StartTimerAutoSave(FAutoSave);
}

void TDlgOptionen::BitBtn2Click() {
    LOG_FKT("TDlgOptionen::BitBtn2Click");
    for (int i = 0; i < FarbAnzahl; ++i)
        DmFarbe(static_cast<TFarbe>(i)) = FGespeichert[i];
    FDM.Gitternetzlinien = FGespeichertLinien;
    AzMsg::Send(FDM.MainWindowHandle, AzMsg::LoadColor{});
    SetModalResult(mrCancel);
}

void TDlgOptionen::reject() {
    LOG_FKT("TDlgOptionen::reject");
    // Leaving by the close box must not keep a colour the user only tried.
    BitBtn2Click();
}

void TDlgOptionen::FormShow() {
    LOG_FKT("TDlgOptionen::FormShow");
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TDlgOptionen::eventFilter(QObject *watched, QEvent *event) {
    LOG_FKT("TDlgOptionen::eventFilter");
    for (int i = 0; i < FarbAnzahl; ++i) {
        if ((watched == Swatch[i] && event->type() == QEvent::MouseButtonDblClick) ||
            (watched == SwatchLabel[i] && event->type() == QEvent::MouseButtonRelease)) {
            FarbeWaehlen(static_cast<TFarbe>(i));
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && watched == EditGridColDefSize)
        EditGridColDefSizeEnter();
    if (event->type() == QEvent::FocusOut) {
        // A window or menu that opens on top is no exit from the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            FeldVerlassen(watched);
    }
    return TModalDialog::eventFilter(watched, event);
}
