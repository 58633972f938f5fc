// The project window's quick-help pane: a read-only text below the right pane that shows the
// help section of the grid cell just entered, from the description file beside the program.
// Its host docks at the bottom of the right pane or floats as "Parameter Hilfe"; closing the
// host switches the quick help off.
#include "shell/TFormVerw.h"

#include "deviceinstance/TBeschreibungsDatei.h"
#include "platform/grid/TCell.h"
#include "platform/log/Log.h"
#include "shell/QtText.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TFDockMeld.h"
#include "shell/WinColor.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextEdit>

#include <filesystem>

namespace {
constexpr uint32_t kInfoBk = 0x80000018;
// The most characters the pane holds.
constexpr qsizetype kMaxZeichen = 0x80000;
constexpr int kPanelHoehe = 100;
} // namespace

void TFormVerw::CreateMeldeFenster() {
    LOG_FKT("TFormVerw::CreateMeldeFenster");
    if (FQuickHelpPanel)
        FQuickHelpPanel->show();
    else
        FQuickHelpPanel = new TFDockMeld(*this, InfoFenster); // the dock site holds the host
    if (!FQuickHelpRichEdit) {
        FQuickHelpSplitter =
            std::make_unique<TMeldeSplitter>(InfoFenster, [this] { SplitterMoved(); });
        FQuickHelpRichEdit = new QTextEdit(FQuickHelpPanel); // the host holds it
        FQuickHelpRichEdit->setObjectName("RichEditMeld");
        QPalette p = FQuickHelpRichEdit->palette();
        p.setColor(QPalette::Base, WinColorToQColor(kInfoBk));
        FQuickHelpRichEdit->setPalette(p);
        FQuickHelpRichEdit->setAcceptRichText(false);
        FQuickHelpRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        FQuickHelpRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        FQuickHelpRichEdit->setLineWrapMode(QTextEdit::NoWrap);
        FQuickHelpRichEdit->setReadOnly(true);
        DockComponents();
    }
    FQuickHelpPanel->show();
}

void TFormVerw::DockComponents() {
    LOG_FKT("TFormVerw::DockComponents");
    FQuickHelpPanel->setWidget(FQuickHelpRichEdit);
    FQuickHelpPanel->setFloating(false);
    InfoFenster->addDockWidget(Qt::BottomDockWidgetArea, FQuickHelpPanel);
    InfoFenster->resizeDocks({FQuickHelpPanel}, {kPanelHoehe}, Qt::Vertical);
}

void TFormVerw::ShowOnlineHilfe(int number) {
    LOG_FKT("TFormVerw::ShowOnlineHilfe");
    if (!FQuickHelpRichEdit)
        return;
    FQuickHelpRichEdit->setReadOnly(false);
    const TBeschreibungsDatei datei(FQuickHelpFile, TBeschreibungsDatei::Hilfe);
    const TBeschreibungsDatei::TArt art = datei.Art();
    if (art != TBeschreibungsDatei::Keine) {
        FQuickHelpRichEdit->clear();
        const bool rtf = art == TBeschreibungsDatei::Rtf;
        if (rtf) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            FQuickHelpRichEdit->hide();
        }
        AnsiString text;
        AnsiString fehler;
        QString anzeige;
        if (datei.Abschnitt(number, text, fehler))
            anzeige = ToQString(text);
        else
            // A file outside the reader's subset says so instead of a section.
            anzeige = ToQString(fehler);
        anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        FQuickHelpRichEdit->setPlainText(anzeige.left(kMaxZeichen));
        if (rtf) {
            FQuickHelpRichEdit->show();
            QApplication::restoreOverrideCursor();
        }
    }
    FQuickHelpRichEdit->setReadOnly(true);
}

void TFormVerw::GridEnterCell(TDrawGridSE *, const TCell &cell) {
    LOG_FKT("TFormVerw::GridEnterCell");
    std::error_code ec;
    if (!FQuickHelpRichEdit || !std::filesystem::exists(std::filesystem::path(FQuickHelpFile), ec))
        return;
    if (cell.HelpIndex != FLastHelpNumber) {
        ShowOnlineHilfe(cell.HelpIndex);
        FLastHelpNumber = cell.HelpIndex;
    }
    FQuickHelpPanel->raise();
}

void TFormVerw::RichEditMeldEndDock() {
    LOG_FKT("TFormVerw::RichEditMeldEndDock");
    if (FQuickHelpPanel && FQuickHelpRichEdit && FQuickHelpPanel->isFloating())
        FQuickHelpPanel->show();
}

bool TFormVerw::FormDockOver(std::array<int, 4> &rect) const {
    LOG_FKT("TFormVerw::FormDockOver");
    rect = FDockRect;
    return true;
}

void TFormVerw::SplitterMoved() {
    LOG_FKT("TFormVerw::SplitterMoved");
    if (GridView->isEnabled())
        Grid.DeleteZellenKomponente();
}

void TFormVerw::MeldeFensterEndDock(bool floating) {
    LOG_FKT("TFormVerw::MeldeFensterEndDock");
    if (!FQuickHelpPanel)
        return;
    if (floating) {
        // Where the pane sat: the window offers it as the place to dock again.
        const QRect r = FQuickHelpPanel->DockedRect();
        FDockRect = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        RichEditMeldEndDock();
    } else {
        FQuickHelpPanel->show();
    }
}

void TFormVerw::MeldeFensterSchliessen() {
    LOG_FKT("TFormVerw::MeldeFensterSchliessen");
    if (!FQuickHelpPanel)
        return;
    if (FQuickHelpRichEdit) {
        FQuickHelpPanel->setWidget(nullptr);
        delete FQuickHelpRichEdit; // a child of the host, gone with the pane
        FQuickHelpRichEdit = nullptr;
    }
    FQuickHelpSplitter.reset();
    FLastHelpNumber = 0;
    FQuickHelpPanel->hide();
}

void TFormVerw::ZeigeMeldeFenster() {
    LOG_FKT("TFormVerw::ZeigeMeldeFenster");
    if (FQuickHelpPanel && FQuickHelpRichEdit)
        FQuickHelpPanel->show();
}

void TFormVerw::VerbergeMeldeFenster() {
    LOG_FKT("TFormVerw::VerbergeMeldeFenster");
    if (FQuickHelpPanel && FQuickHelpRichEdit)
        FQuickHelpPanel->hide();
}

void TFormVerw::HebeMeldeFenster() {
    LOG_FKT("TFormVerw::HebeMeldeFenster");
    if (FQuickHelpPanel && FQuickHelpRichEdit) {
        FQuickHelpPanel->show();
        FQuickHelpPanel->raise();
    }
}
