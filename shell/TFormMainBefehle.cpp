// The commands behind the actions and menus: printing, options, language and about, the tree,
// quick-help and window commands, the reset to defaults, a further project window, the detector
// and link commands, the help key and the two menus that fill themselves as they open.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/dialogs/TDlgLinkToGrpAdr.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TObjektBasis.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/log/Log.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "platform/win/WinHelp.h"
#include "shell/FensterAnordnung.h"
#include "shell/TBaumNeuaufbau.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TDlgOptionen.h"
#include "shell/TDrucken.h"
#include "shell/TFormVerw.h"
#include "shell/TMelderMenue.h"
#include "shell/TSprachwahl.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace {
// The type of a communication object: the only one that can be linked to a new address.
constexpr int kTypKommunikationsobjekt = 806;

// The keys the main window's key preview takes before its controls and short cuts.
bool IstHilfeTaste(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_F1 && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The key preview of the main window: keys for the main window's own controls (the project
// windows in its area take theirs themselves) reach the short cuts, then FormKeyDown. A key it takes is
// claimed against the short cuts, so that it arrives as a key press.
class TTastenVorschau : public QObject {
public:
    explicit TTastenVorschau(TFormMain &main) : QObject(&main), FMain(main) {
        LOG_FKT("TTastenVorschau::TTastenVorschau");
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        LOG_FKT_DETAIL("TTastenVorschau::eventFilter");
        const QEvent::Type typ = event->type();
        if (typ != QEvent::KeyPress && typ != QEvent::ShortcutOverride)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &FMain)
            return false;
        for (QWidget *w = widget; w; w = w->parentWidget())
            if (qobject_cast<QMdiSubWindow *>(w))
                return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (typ == QEvent::ShortcutOverride) {
            if (!IstHilfeTaste(key->key(), key->modifiers()))
                return false;
            event->accept();
            return true;
        }
        bool handled = false;
        FMain.Bewacht("TFormMain::FormShortCut",
                      [&] { FMain.FormShortCut(key->keyCombination(), handled); });
        if (!handled)
            FMain.Bewacht("TFormMain::FormKeyDown",
                          [&] { FMain.FormKeyDown(key->key(), key->modifiers(), handled); });
        return handled;
    }

private:
    TFormMain &FMain;
};

} // namespace

// ---- Printing

void TFormMain::SeitenVorschau() {
    LOG_FKT("TFormMain::SeitenVorschau");
    MakeDrucken(TDrucken::ReportInfo(true));
}

void TFormMain::Drucken() {
    LOG_FKT("TFormMain::Drucken");
    MakeDrucken(TDrucken::ReportInfo(false));
}

bool TFormMain::MakeDrucken(TRecReportInfo info) {
    LOG_FKT("TFormMain::MakeDrucken");
    if (!FDrucken)
        SetDrucken(std::make_unique<TDrucken>());
    return FDrucken->MakeDrucken(std::move(info), FAktDevInst, FAktivFormVerw, GetHandle(),
                                 FDM.ImageList1);
}

void TFormMain::SetDrucken(std::unique_ptr<TDrucken> drucken) {
    LOG_FKT("TFormMain::SetDrucken");
    FDrucken = std::move(drucken);
}

// ---- Options, quick help, tree commands

void TFormMain::Optionen() {
    LOG_FKT("TFormMain::Optionen");
    auto dialog = std::make_unique<TDlgOptionen>(FDM, FCdi.get(), this);
    dialog->ShowModal();
}

void TFormMain::StartQuickHelp() {
    LOG_FKT("TFormMain::StartQuickHelp");
    // A pane that exists stays as it is; a closed one (its host alone) comes back.
    if (FAktivFormVerw && !FAktivFormVerw->QuickHelpRichEdit())
        FAktivFormVerw->CreateMeldeFenster();
}

void TFormMain::TreeCollapseAll() {
    LOG_FKT("TFormMain::TreeCollapseAll");
    if (FAktivFormVerw)
        FAktivFormVerw->TreeCollapseAll();
}

void TFormMain::TreeExpandAll() {
    LOG_FKT("TFormMain::TreeExpandAll");
    if (FAktivFormVerw)
        FAktivFormVerw->TreeExpandAll();
}

void TFormMain::TreeExpand() {
    LOG_FKT("TFormMain::TreeExpand");
    if (FAktivFormVerw)
        FAktivFormVerw->TreeExpand();
}

void TFormMain::TreeCollapse() {
    LOG_FKT("TFormMain::TreeCollapse");
    if (FAktivFormVerw)
        FAktivFormVerw->TreeCollapse();
}

// ---- Reset, a further window, the device's commands

void TFormMain::ResetAktDevInst() {
    LOG_FKT("TFormMain::ResetAktDevInst");
    if (ShowMessageBox(SprText(9038), SprText(9035), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ProcessMessages();
    if (!FAktDevInst)
        return;
    TCursorHourGlass hourGlass;
    FDM.StartTimerAutoSave(false);
    bool ok = false;
    {
        // The device replaces every object: every window lets go of its nodes; the others are
        // aligned with the active one afterwards.
        TBaumNeuaufbau neuaufbau(*this, TBaumNeuaufbau::EditorAbbrechen,
                                 TBaumNeuaufbau::AlleLeeren);
        ok = FAktDevInst->Reset(true) != 0;
    }
    // A failed reset keeps the autosave off: the last copy is not overwritten by what is left.
    if (!ok)
        return;
    // The bracket's end has sorted the trees again.
    AbgleichFormVerw(FAktivFormVerw);
    if (FAktivFormVerw)
        FAktivFormVerw->AktualisiereAnsicht(nullptr, 1, 0);
    FDM.StartTimerAutoSave(true);
}

TFormVerw *TFormMain::CreateFormVerw() {
    LOG_FKT("TFormMain::CreateFormVerw");
    TFormVerw *quelle = FAktivFormVerw;
    if (!quelle)
        return nullptr;
    TFormVerw *window = NewFormVerw();
    window->Assign(quelle);
    // A new window is the active one, for the device too (as when the user activates it).
    window->FormActivate();
    return window;
}

int TFormMain::MelderHinzufuegen() {
    LOG_FKT("TFormMain::MelderHinzufuegen");
    return FAktDevInst ? FAktDevInst->MelderHinzufuegen() : 0;
}

bool TFormMain::MelderLoeschen() {
    LOG_FKT("TFormMain::MelderLoeschen");
    return FAktDevInst && FAktDevInst->MelderLoeschen();
}

int TFormMain::EreignisspeicherAuslesen() {
    LOG_FKT("TFormMain::EreignisspeicherAuslesen");
    return FAktDevInst ? FAktDevInst->EreignisspeicherAuslesen() : 0;
}

int TFormMain::DownloadAzHwDateTime() {
    LOG_FKT("TFormMain::DownloadAzHwDateTime");
    return FAktDevInst ? FAktDevInst->DownloadAzHwDateTime() : 0;
}

void TFormMain::LinkToGrpAdr() {
    LOG_FKT("TFormMain::LinkToGrpAdr");
    TDataBasis *selected = GetSelTreeData();
    if (!FAktDevInst || !selected || selected->GetTyp() != kTypKommunikationsobjekt)
        return;
    auto *object = dynamic_cast<TObjektBasis *>(selected);
    if (!object)
        return;
    bool threeLevels = false;
    const AnsiString proposal = FAktDevInst->GetNextHighestAndFreeGrpAdr(threeLevels);
    AnsiString name;
    uint16_t sub = 0, middle = 0, main = 0;
    const auto dialog =
        std::make_unique<TDlgLinkToGrpAdr>(this, proposal, name, sub, middle, main, threeLevels);
    if (dialog->ShowModal() == 1)
        FAktDevInst->CreateGrpAdr(object, static_cast<short>(main), static_cast<short>(middle),
                                  static_cast<short>(sub), name);
}

// ---- The menus that fill themselves, the help key

void TFormMain::MProjektierungClick() {
    LOG_FKT("TFormMain::MProjektierungClick");
    SetzeMelderMenue(MelderMenueZustand(GetSelTreeData()), MMelderItems[0], MMelderItems[1],
                     MMelderItems[2], MMelderItems[3]);
}

void TFormMain::MFensterClick() {
    LOG_FKT("TFormMain::MFensterClick");
    for (QAction *eintrag : FFensterEintraege) {
        MFenster->removeAction(eintrag);
        delete eintrag;
    }
    FFensterEintraege.clear();
    const QList<QMdiSubWindow *> fenster = MdiArea->subWindowList(QMdiArea::CreationOrder);
    if (fenster.isEmpty())
        return;
    FFensterEintraege.push_back(MFenster->addSeparator());
    int nummer = 0;
    for (QMdiSubWindow *sub : fenster) {
        QAction *eintrag =
            MFenster->addAction(QString("&%1 %2").arg(++nummer).arg(sub->windowTitle()));
        eintrag->setCheckable(true);
        eintrag->setChecked(sub == MdiArea->activeSubWindow());
        QObject::connect(eintrag, &QAction::triggered, this, [this, sub = QPointer(sub)] {
            // The area's activation makes the window the active one.
            Bewacht("TFormMain::MFensterEintrag", [&] {
                if (sub)
                    MdiArea->setActiveSubWindow(sub);
            });
        });
        FFensterEintraege.push_back(eintrag);
    }
}

void TFormMain::FormShortCut(QKeyCombination key, bool &handled) {
    LOG_FKT("TFormMain::FormShortCut");
    FDM.OnShortCut(key, handled);
}

void TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers modifiers, bool &handled) {
    LOG_FKT("TFormMain::FormKeyDown");
    if (!IstHilfeTaste(key, modifiers))
        return;
    WinHelp(GetHandle(), FDM.HelpFile, HELP_FINDER, 10);
    handled = true;
}

// ---- Binding

void TFormMain::BindBefehle() {
    LOG_FKT("TFormMain::BindBefehle");
    struct TBefehl {
        TDM::TAktion Aktion;
        const char *Name;
        std::function<void()> Lauf;
    };
    const TBefehl befehle[] = {
        {TDM::APrint, "TFormMain::APrint", [this] { Drucken(); }},
        {TDM::APrintPreview, "TFormMain::APrintPreview", [this] { SeitenVorschau(); }},
        {TDM::AOption, "TFormMain::AOption", [this] { Optionen(); }},
        {TDM::ASprache, "TFormMain::ASprache", [this] { SpracheEinstellen(FDM); }},
        {TDM::AQuickHelp, "TFormMain::AQuickHelp", [this] { StartQuickHelp(); }},
        {TDM::AAbout, "TFormMain::AAbout", [this] { InfoZeigen(FDM); }},
        {TDM::ACollapseAll, "TFormMain::ACollapseAll", [this] { TreeCollapseAll(); }},
        {TDM::AExpandAll, "TFormMain::AExpandAll", [this] { TreeExpandAll(); }},
        {TDM::AExpand, "TFormMain::AExpand", [this] { TreeExpand(); }},
        {TDM::ACollapse, "TFormMain::ACollapse", [this] { TreeCollapse(); }},
        {TDM::ADefault, "TFormMain::ADefault", [this] { ResetAktDevInst(); }},
        {TDM::AProjektierungsfenster, "TFormMain::AProjektierungsfenster",
         [this] { CreateFormVerw(); }},
        {TDM::AMelderHinzufuegen, "TFormMain::AMelderHinzufuegen", [this] { MelderHinzufuegen(); }},
        {TDM::AMelderLoeschen, "TFormMain::AMelderLoeschen", [this] { MelderLoeschen(); }},
        {TDM::ALinkToGrpAdr, "TFormMain::ALinkToGrpAdr", [this] { LinkToGrpAdr(); }},
        {TDM::AEreignisspeicherAuslesen, "TFormMain::AEreignisspeicherAuslesen",
         [this] { EreignisspeicherAuslesen(); }},
        {TDM::ASetDateTime, "TFormMain::ASetDateTime", [this] { DownloadAzHwDateTime(); }},
        {TDM::AUeberlappend, "TFormMain::AUeberlappend", [this] { MdiArea->cascadeSubWindows(); }},
        {TDM::ANebeneinander, "TFormMain::ANebeneinander", [this] { Nebeneinander(*MdiArea); }},
        {TDM::AUebereinander, "TFormMain::AUebereinander", [this] { Uebereinander(*MdiArea); }},
        {TDM::ASymbole, "TFormMain::ASymbole", [this] { SymboleAnordnen(*MdiArea); }},
    };
    for (const TBefehl &b : befehle)
        FDM.Bind(b.Aktion, [this, name = b.Name, lauf = b.Lauf] { Bewacht(name, lauf); });

    // The detector items of MProjektierung become the menu's own, in the actions' places.
    const TDM::TAktion melder[] = {TDM::AMelderHinzufuegen, TDM::AMelderLoeschen,
                                   TDM::AMelderKopieren, TDM::AMelderEinfuegen};
    for (size_t i = 0; i < MMelderItems.size(); ++i) {
        const TDM::TAktion aktion = melder[i];
        QAction *original = FDM.Action(aktion);
        auto *item = new QAction(original->icon(), original->text(), MProjektierung);
        item->setToolTip(original->toolTip());
        item->setEnabled(false);
        QObject::connect(item, &QAction::triggered, this, [this, aktion] { FDM.Execute(aktion); });
        MProjektierung->insertAction(original, item);
        MProjektierung->removeAction(original);
        MMelderItems[i] = item;
    }
    QObject::connect(MProjektierung, &QMenu::aboutToShow, this, [this] {
        Bewacht("TFormMain::MProjektierungClick", [this] { MProjektierungClick(); });
    });
    QObject::connect(MFenster, &QMenu::aboutToShow, this,
                     [this] { Bewacht("TFormMain::MFensterClick", [this] { MFensterClick(); }); });
    qApp->installEventFilter(new TTastenVorschau(*this)); // the main window holds it
}
