#include "deviceinstance/dialogs/TDlgDefinitionAlarmzentrale.h"

#include "deviceinstance/TBeschreibungsDatei.h"
#include "deviceinstance/dialogs/DialogFarben.h"
#include "deviceinstance/dialogs/DialogKnoepfe.h"
#include "deviceinstance/dialogs/DialogTexte.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

const std::array<TDlgDefinitionAlarmzentrale::RZeile, 15> &TDlgDefinitionAlarmzentrale::Tabelle() {
    LOG_FKT("TDlgDefinitionAlarmzentrale::Tabelle");
    static const std::array<RZeile, 15> tabelle = {{
        {1, 0, 0x00000000, 8},
        {2, 0, 0x11330000, 9},
        {2, 1, 0x113344CC, 10},
        {3, 0, 0x11000000, 11},
        {3, 1, 0x11220000, 12},
        {3, 2, 0x11224400, 13},
        {3, 3, 0x11224488, 14},
        {4, 0, 0x11000098, 15},
        {4, 1, 0x112200B8, 16},
        {4, 2, 0x112244F8, 17},
        {5, 0, 0x110044CC, 18},
        {5, 1, 0x112244CC, 19},
        {6, 0, 0x11004498, 20},
        {6, 1, 0x11224498, 21},
        {7, 0, 0x112244B8, 22},
    }};
    return tabelle;
}

std::optional<TDlgDefinitionAlarmzentrale::RZeile>
TDlgDefinitionAlarmzentrale::ZeileVonWort(uint32_t wort) {
    LOG_FKT("TDlgDefinitionAlarmzentrale::ZeileVonWort");
    for (const RZeile &z : Tabelle())
        if (z.Wort == wort)
            return z;
    return std::nullopt;
}

TDlgDefinitionAlarmzentrale::TDlgDefinitionAlarmzentrale(QWidget *owner, uint32_t &variante,
                                                         const AnsiString &descriptionFile)
    : TModalDialog(owner, 2), FVariante(variante), FWort(variante), FDatei(descriptionFile) {
    LOG_FKT("TDlgDefinitionAlarmzentrale::TDlgDefinitionAlarmzentrale");
    setWindowTitle(QtText(SprText(11027)));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    auto box = [this](const char *text) {
        auto *b = new QCheckBox(QString::fromLatin1(text), this);
        connect(b, &QCheckBox::toggled, this, [this] { RbnStatusChanged(); });
        return b;
    };
    ChkVariante2Sb3Sb4 = box("SSB3/SSB4");
    ChkVariante3Sb2 = box("SSB2");
    ChkVariante3Sb3 = box("SSB3");
    ChkVariante3Sb4 = box("SSB4");
    ChkVariante4Sb2 = box("SSB2");
    ChkVariante4Sb3 = box("SSB3");
    ChkVariante5Sb2 = box("SSB2");
    ChkVariante6Sb2 = box("SSB2");
    FBoxen = {{{},
               {ChkVariante2Sb3Sb4},
               {ChkVariante3Sb2, ChkVariante3Sb3, ChkVariante3Sb4},
               {ChkVariante4Sb2, ChkVariante4Sb3},
               {ChkVariante5Sb2},
               {ChkVariante6Sb2},
               {}}};
    for (int v = 0; v < 7; ++v) {
        RbtnAzVariante[v] = new QRadioButton(QString::number(v + 1), this);
        connect(RbtnAzVariante[v], &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                RbnStatusChanged();
        });
        PanelAzVariante[v] = new QFrame(this);
        PanelAzVariante[v]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        auto *row = new QHBoxLayout(PanelAzVariante[v]);
        row->setContentsMargins(4, 4, 4, 4);
        std::vector<AnsiString> captions;
        if (v == 0) {
            captions = {SprText(11000), SprText(11005)};
        } else {
            captions = {SprText(11001), SprText(11002), SprText(11003), SprText(11004)};
            // The captions of these areas carry a trailing blank, as they always did.
            if (v == 1)
                captions[1] += " ";
            if (v != 2)
                captions[3] += " ";
        }
        for (const AnsiString &caption : captions) {
            auto *area = new QLabel(QtText(caption), PanelAzVariante[v]);
            area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            area->setAlignment(Qt::AlignCenter);
            area->setMinimumWidth(v == 0 ? 110 : 52);
            row->addWidget(area);
            Bereiche[v].push_back(area);
        }
        grid->addWidget(RbtnAzVariante[v], v, 0);
        grid->addWidget(PanelAzVariante[v], v, 1);
        auto *boxes = new QHBoxLayout;
        for (QCheckBox *b : FBoxen[v])
            boxes->addWidget(b);
        boxes->addStretch();
        grid->addLayout(boxes, v, 2);
    }
    for (QLabel *area : Bereiche[0])
        Aktiv(area, true);
    LabelHinweis = new QLabel(
        QtText(LabelText(Utf8ToAnsi("Die Bereiche Feuermelder und\n\rÜberfallmelder sind "
                                    "immer aktiviert!"))),
        this);
    RichEditFeld = new QTextEdit(this);
    RichEditFeld->setReadOnly(true);
    RichEditFeld->setMinimumSize(320, 260);
    Aktiv(RichEditFeld, true);
    auto *links = new QVBoxLayout;
    links->addLayout(grid);
    links->addWidget(LabelHinweis);
    links->addStretch();
    auto *oben = new QHBoxLayout;
    oben->addLayout(links);
    oben->addWidget(RichEditFeld, 1);
    QHBoxLayout *buttons = OkAbbrechenZeile(
        this, BtnOk, BtnAbbrechen, [this] { BtnOkClick(); }, [this] { BtnAbbrechenClick(); });
    BtnOk->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addLayout(buttons);
}

TDlgDefinitionAlarmzentrale::~TDlgDefinitionAlarmzentrale() {
    LOG_FKT("TDlgDefinitionAlarmzentrale::~TDlgDefinitionAlarmzentrale");
}

void TDlgDefinitionAlarmzentrale::FormShow() {
    LOG_FKT("TDlgDefinitionAlarmzentrale::FormShow");
    const RZeile zeile = ZeileVonWort(FVariante).value_or(Tabelle()[2]);
    FSetzen = true;
    RbtnAzVariante[zeile.Radio - 1]->setChecked(true);
    const auto &boxen = FBoxen[zeile.Radio - 1];
    for (size_t i = 0; i < boxen.size(); ++i)
        boxen[i]->setChecked(static_cast<int>(i) < zeile.Boxen);
    FSetzen = false;
    RbnStatusChanged();
}

void TDlgDefinitionAlarmzentrale::RbnStatusChanged() {
    LOG_FKT("TDlgDefinitionAlarmzentrale::RbnStatusChanged");
    if (FSetzen)
        return;
    int radio = 0;
    for (int v = 0; v < 7; ++v)
        if (RbtnAzVariante[v]->isChecked())
            radio = v + 1;
    if (radio == 0)
        return;
    // The chain: a box counts, and the next one is enabled, only while every one before it is
    // checked.
    int boxen = 0;
    for (int v = 0; v < 7; ++v) {
        bool kette = v + 1 == radio;
        for (QCheckBox *b : FBoxen[v]) {
            b->setEnabled(kette);
            kette = kette && b->isChecked();
            if (kette)
                ++boxen;
        }
    }
    for (const RZeile &z : Tabelle())
        if (z.Radio == radio && z.Boxen == boxen) {
            FWort = z.Wort;
            FAbschnitt = z.Abschnitt;
        }
    for (int v = 1; v < 7; ++v) {
        PanelAzVariante[v]->setEnabled(v + 1 == radio);
        for (size_t n = 0; n < Bereiche[v].size(); ++n)
            Aktiv(Bereiche[v][n], v + 1 == radio && ((FWort >> (24 - 8 * n)) & 0xFF) != 0);
    }
    PanelAzVariante[0]->setEnabled(radio == 1);
    ShowDescription(FAbschnitt);
}

void TDlgDefinitionAlarmzentrale::ShowDescription(int abschnitt) {
    LOG_FKT("TDlgDefinitionAlarmzentrale::ShowDescription");
    RichEditFeld->setReadOnly(false);
    const TBeschreibungsDatei datei(FDatei, TBeschreibungsDatei::Dialog);
    AnsiString text;
    AnsiString fehler;
    switch (datei.Art()) {
    case TBeschreibungsDatei::Text:
        RichEditFeld->clear();
        datei.Abschnitt(abschnitt, text, fehler);
        RichEditFeld->setPlainText(QtText(text));
        break;
    case TBeschreibungsDatei::Rtf:
        RichEditFeld->clear();
        RichEditFeld->hide();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // A file outside the reader's subset says so in the field instead of a section.
        if (!datei.Abschnitt(abschnitt, text, fehler)) {
            text = Utf8ToAnsi("Die Beschreibungsdatei ist fehlerhaft: ");
            text.append(fehler);
        }
        RichEditFeld->setPlainText(QtText(LabelText(text)));
        RichEditFeld->show();
        QApplication::restoreOverrideCursor();
        break;
    case TBeschreibungsDatei::Keine:
        break;
    }
    RichEditFeld->setReadOnly(true);
}

void TDlgDefinitionAlarmzentrale::BtnOkClick() {
    LOG_FKT("TDlgDefinitionAlarmzentrale::BtnOkClick");
    FVariante = FWort;
    SetModalResult(1);
}

void TDlgDefinitionAlarmzentrale::BtnAbbrechenClick() {
    LOG_FKT("TDlgDefinitionAlarmzentrale::BtnAbbrechenClick");
    SetModalResult(2);
}
