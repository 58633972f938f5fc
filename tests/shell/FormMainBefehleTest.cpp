// The main window's commands on a full panel: the detector and link actions and the detector
// items of Projektierung by the selected object, the commands behind the actions (reset, a
// further window, the link dialog, tree, window and help commands, options, language, about,
// quick help, the detector commands), the window list, printing into a PDF file page by page,
// and pictures of every main menu and of the preview.
#include "TTestFormMain.h"
#include "TTestObjekt.h"
#include "DruckTestHilfen.h"
#include "TestHilfen.h"

#include "ReportTestHilfen.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/dialogs/TDlgLinkToGrpAdr.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "objectmodel/TAzMelder.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/dialogs/DlgSpracheinstellung.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/Profile.h"
#include "platform/win/WinHelp.h"
#include "shell/TCtrlTree.h"
#include "shell/TDlgOptionen.h"
#include "shell/TDrucken.h"
#include "tests/platform/dialogs/InfoTreiber.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>

#include <array>
#include <cstdlib>
#include <functional>
#include <set>

namespace {

// Where the pictures go, to be looked at.
std::filesystem::path BildOrdner() {
    const std::filesystem::path folder = "/tmp/issue24";
    std::filesystem::create_directories(folder);
    return folder;
}

bool PdfWerkzeuge() {
    return std::system("pdftotext -v > /dev/null 2>&1") == 0 &&
           std::system("pdfinfo -v > /dev/null 2>&1") == 0;
}

// The editor opened on a full panel: the test program's small main window builds the panel into
// a project of its own, which then replaces the editor's project before the edit event.
class FormMainBefehle : public ::testing::Test {
protected:
    void SetUp() override {
        {
            TTestHaupt haupt;
            haupt.LadeVollesPanel();
            const auto kopie = haupt.Project.Database().TakeSnapshot();
            F.Project.Database().Restore(*kopie);
        }
        F.Project.Database().SetBusToolDirectory(F.Project.Dir());
        ASSERT_TRUE(F.Oeffne());
        W = F.Main->GetActiveFormVerw();
        ASSERT_NE(W, nullptr);
        // The window system activates the shown window; offscreen the test does.
        W->FormActivate();
        DeliverPostedMessages();
        ASSERT_GE(AnzahlTyp(W->Tree, 6124), 160);
    }
    TDM &DM() { return *F.DM; }
    QAction *Aktion(TDM::TAktion a) { return F.DM->Action(a); }
    void Waehle(TDataBasis *object) {
        TTreeNode *node = object ? W->GetNodeFromData(object) : nullptr;
        ASSERT_TRUE(!object || node);
        W->Tree->setCurrentItem(node);
        DeliverPostedMessages();
    }
    // Opens the menu as the user does, and closes it again.
    static void Oeffne(QMenu *menu) {
        menu->popup(QPoint(10, 10));
        QApplication::processEvents();
        menu->hide();
    }
    // The captions of a tree, depth first.
    static std::vector<std::string> Texte(QTreeWidget *tree) {
        std::vector<std::string> out;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            out.push_back((*it)->text(0).toStdString());
        return out;
    }

    TTestFormMain F;
    TFormVerw *W = nullptr;
};

// ---- Enabling

using TFuenf = std::array<bool, 5>; // add, delete, copy, paste, link
using TVier = std::array<bool, 4>;  // add, delete, copy, paste

TEST_F(FormMainBefehle, TheDetectorActionsAndMenuItemsBySelectedObject) {
    const TDM::TAktion fuenf[] = {TDM::AMelderHinzufuegen, TDM::AMelderLoeschen,
                                  TDM::AMelderKopieren, TDM::AMelderEinfuegen, TDM::ALinkToGrpAdr};
    auto aktionen = [&] {
        TFuenf z{};
        for (size_t i = 0; i < z.size(); ++i)
            z[i] = Aktion(fuenf[i])->isEnabled();
        return z;
    };
    auto items = [&] {
        TVier z{};
        for (size_t i = 0; i < z.size(); ++i)
            z[i] = F.Main->MMelderItems[i]->isEnabled();
        return z;
    };
    // A detector of the panel made a wired input; objects of the tests beside the panel's.
    auto *draht = dynamic_cast<TAzMelder *>(KnotenTyp(W->Tree, 6124, 1)->Data());
    ASSERT_NE(draht, nullptr);
    ASSERT_TRUE(draht->SetMelderBereich(T_DB_EnumAzMelder::eVerdrahtet));
    TTestObjekt fremd6124(9001, 0, "kein Melder", 6124);
    TTestObjekt objekt806(9002, 0, "Objekt", 806);
    TTestObjekt ordner(9003, 0, "Ordner", 6122);
    TDataBasis *root = W->Tree->TopNode(0)->Data();
    TDataBasis *melder = KnotenTyp(W->Tree, 6124)->Data();
    TDataBasis *bereich1 = KnotenTyp(W->Tree, 6127)->Data();
    for (TDataBasis *eigen :
         {static_cast<TDataBasis *>(&fremd6124), static_cast<TDataBasis *>(&objekt806),
          static_cast<TDataBasis *>(&ordner)})
        ASSERT_NE(W->AddChildNode2Data(root, eigen, false), nullptr);

    const TFuenf fBereich{true, false, false, true, false};
    const TFuenf fMelder{false, true, true, true, false};
    const TFuenf fAus{};
    const TFuenf fLink{false, false, false, false, true};
    const TVier mBereich{true, false, false, true};
    const TVier mMelder{false, true, true, false};
    const TVier mAus{};
    const struct {
        const char *name;
        std::function<TDataBasis *()> objekt;
        // None: stays as the object selected before left it.
        std::optional<TFuenf> aktionen;
        std::optional<TVier> items;
    } cases[] = {
        {"nothing", [] { return nullptr; }, std::nullopt, std::nullopt},
        {"fire area", [&] { return KnotenTyp(W->Tree, 6123)->Data(); }, fBereich, mBereich},
        {"hold-up area", [&] { return KnotenTyp(W->Tree, 6125)->Data(); }, fBereich, mBereich},
        {"area 1", [&] { return bereich1; }, fBereich, mBereich},
        {"area 2", [&] { return KnotenTyp(W->Tree, 6128)->Data(); }, fBereich, mBereich},
        {"area 3", [&] { return KnotenTyp(W->Tree, 6129)->Data(); }, fBereich, mBereich},
        {"area 4", [&] { return KnotenTyp(W->Tree, 6130)->Data(); }, fBereich, mBereich},
        {"detector", [&] { return melder; }, fMelder, mMelder},
        {"wired input", [&] { return draht; }, fAus, mAus},
        {"6124 but no detector", [&] { return &fremd6124; }, std::nullopt, mAus},
        {"communication object", [&] { return &objekt806; }, fLink, mAus},
        {"folder", [&] { return &ordner; }, fAus, mAus},
        {"root", [&] { return root; }, fAus, mAus},
    };
    // Each after a detector and after an area, so that what stays and what is set differ.
    const std::pair<const char *, TDataBasis *> vorher[] = {{"after a detector", melder},
                                                            {"after an area", bereich1}};
    for (const auto &[vorName, vorObjekt] : vorher) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", " + vorName);
            Waehle(vorObjekt);
            Oeffne(F.Main->MProjektierung);
            const TFuenf aktionenVorher = aktionen();
            const TVier itemsVorher = items();
            Waehle(c.objekt());
            EXPECT_EQ(aktionen(), c.aktionen.value_or(aktionenVorher)) << "the actions";
            // The menu items change only as the menu opens.
            EXPECT_EQ(items(), itemsVorher);
            Oeffne(F.Main->MProjektierung);
            EXPECT_EQ(items(), c.items.value_or(itemsVorher)) << "the menu items";
        }
    }
    for (TDataBasis *eigen :
         {static_cast<TDataBasis *>(&fremd6124), static_cast<TDataBasis *>(&objekt806),
          static_cast<TDataBasis *>(&ordner)})
        W->DeleteNode(nullptr, eigen);
}

TEST_F(FormMainBefehle, TheMenusHoldTheirItemsAndEveryCommandIsBound) {
    // Projektierung's detector items are its own; the tool bar keeps the actions.
    const QList<QAction *> projektierung = F.Main->MProjektierung->actions();
    const QList<QAction *> werkzeug = F.Main->ToolBar1->actions();
    const TDM::TAktion melder[] = {TDM::AMelderHinzufuegen, TDM::AMelderLoeschen,
                                   TDM::AMelderKopieren, TDM::AMelderEinfuegen};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        QAction *item = F.Main->MMelderItems[i];
        ASSERT_NE(item, nullptr);
        EXPECT_NE(item, Aktion(melder[i]));
        EXPECT_FALSE(projektierung.contains(Aktion(melder[i])));
        EXPECT_TRUE(werkzeug.contains(Aktion(melder[i])));
        EXPECT_EQ(item->text(), Aktion(melder[i])->text());
    }
    // In their places: the first, second, fourth and fifth entry (a separator between).
    EXPECT_EQ(projektierung.mid(0, 2),
              (QList<QAction *>{F.Main->MMelderItems[0], F.Main->MMelderItems[1]}));
    EXPECT_TRUE(projektierung[2]->isSeparator());
    EXPECT_EQ(projektierung.mid(3, 2),
              (QList<QAction *>{F.Main->MMelderItems[2], F.Main->MMelderItems[3]}));
    EXPECT_FALSE(Aktion(TDM::AVerwerfen)->isVisible());
    EXPECT_TRUE(F.Main->MDatei->actions().contains(Aktion(TDM::AVerwerfen)));
    // An unbound action stays disabled: these are bound.
    for (TDM::TAktion a :
         {TDM::APrint, TDM::APrintPreview, TDM::AOption, TDM::ASprache, TDM::ADeviceHelp,
          TDM::AQuickHelp, TDM::AAbout, TDM::ACollapseAll, TDM::AExpandAll, TDM::AExpand,
          TDM::ACollapse, TDM::ADefault, TDM::AProjektierungsfenster,
          TDM::AEreignisspeicherAuslesen, TDM::ASetDateTime, TDM::AUeberlappend,
          TDM::ANebeneinander, TDM::AUebereinander, TDM::ASymbole})
        EXPECT_TRUE(Aktion(a)->isEnabled()) << TDM::AktionTabelle()[a].Name;
}

// ---- Commands

TEST_F(FormMainBefehle, ResetYesGivesTheDefaultPanelInEveryWindowNoChangesNothing) {
    DM().AutoSave = true;
    // A second window shows the same; the active one stays the first.
    TFormVerw *zweites = F.Main->CreateFormVerw();
    ASSERT_NE(zweites, nullptr);
    W->FormActivate();
    DeliverPostedMessages();
    ASSERT_EQ(F.Main->GetActiveFormVerw(), W);
    for (const int antwort : {IDNO, IDYES}) {
        SCOPED_TRACE(antwort == IDYES ? "yes" : "no");
        DM().StartTimerAutoSave(true);
        ASSERT_TRUE(DM().TimerAutoSave.isActive());
        const std::vector<std::string> vorher = Texte(W->Tree);
        const size_t objekte = F.Main->AktDevInst()->GetObjekte().size();
        F.Boxen.Clear();
        F.Boxen.Answer(antwort);
        ASSERT_TRUE(DM().Execute(TDM::ADefault));
        DeliverPostedMessages();
        ASSERT_GE(F.Boxen.Boxes().size(), 1u);
        const auto &frage = F.Boxen.Boxes()[0];
        EXPECT_EQ(frage.text, SprText(9038));
        EXPECT_EQ(frage.caption, SprText(9035));
        EXPECT_EQ(frage.style, unsigned(MB_YESNO | MB_ICONQUESTION));
        EXPECT_TRUE(DM().TimerAutoSave.isActive()) << "running again after a reset, untouched "
                                                      "after No";
        for (TFormVerw *w : {W, zweites})
            EXPECT_FALSE(w->CtrlTree()->IsUpdating());
        EXPECT_EQ(Texte(zweites->Tree), Texte(W->Tree)) << "every window shows the same";
        if (antwort == IDNO) {
            EXPECT_EQ(F.Boxen.Boxes().size(), 1u);
            EXPECT_EQ(Texte(W->Tree), vorher);
            EXPECT_EQ(F.Main->AktDevInst()->GetObjekte().size(), objekte);
        } else {
            TTestFormMain neu;
            ASSERT_TRUE(neu.Oeffne());
            // The demo panel is a new one as made by default; this project has two main groups
            // more in its group-address folder.
            std::vector<std::string> erwartet = Texte(neu.Main->GetActiveFormVerw()->Tree);
            erwartet.insert(erwartet.end(), {"Zentrale", "Licht"});
            EXPECT_EQ(Texte(W->Tree), erwartet);
            EXPECT_LT(F.Main->AktDevInst()->GetObjekte().size(), objekte);
            EXPECT_NE(W->Tree->currentItem(), nullptr) << "the right pane shows the selection";
        }
    }
}

TEST_F(FormMainBefehle, AResetThatFailsLeavesTheAutosaveOff) {
    DM().AutoSave = true;
    DM().StartTimerAutoSave(true);
    ASSERT_NE(F.Main->CreateFormVerw(), nullptr);
    W->FormActivate();
    DeliverPostedMessages();
    // The reset breaks off as it loads the new configuration.
    const TDlgProgressHandler vorher =
        SetDlgProgressHandler([](TDlgProgressAktion aktion, int, const TDlgProgressDaten *daten) {
            if (aktion == TDlgProgressAktion::Set && daten &&
                daten->Text.find("Lade Daten") != AnsiString::npos)
                throw std::runtime_error("abgebrochen");
        });
    F.Boxen.Answer(IDYES);
    ASSERT_TRUE(DM().Execute(TDM::ADefault));
    SetDlgProgressHandler(vorher);
    DeliverPostedMessages();
    EXPECT_FALSE(DM().TimerAutoSave.isActive()) << "the last copy is kept as it is";
    // The question first, the failure last (the full panel's own bus objects, unknown to the
    // bus tool, give their boxes between).
    ASSERT_GE(F.Boxen.Boxes().size(), 2u);
    EXPECT_EQ(F.Boxen.Boxes().front().text, SprText(9038));
    EXPECT_EQ(F.Boxen.Boxes().back().text, "abgebrochen");
    for (TFormVerw *w : F.Main->FormVerwList())
        EXPECT_FALSE(w->CtrlTree()->IsUpdating()) << "every tree's update ended";
    EXPECT_EQ(GetScreenCursor(), crDefault);
}

TEST_F(FormMainBefehle, ANewWindowShowsWhatTheActiveOneShows) {
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6127));
    ASSERT_TRUE(DM().Execute(TDM::AProjektierungsfenster));
    DeliverPostedMessages();
    TFormVerw *neu = F.Main->GetActiveFormVerw();
    ASSERT_NE(neu, W);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(F.Main->FormVerwList().size(), 2u);
    EXPECT_EQ(F.Main->MdiArea->subWindowList().size(), 2);
    EXPECT_EQ(Texte(neu->Tree), Texte(W->Tree));
    EXPECT_EQ(AnzahlTyp(neu->Tree, 6124), AnzahlTyp(W->Tree, 6124));
    EXPECT_EQ(neu->windowTitle().toStdString(),
              AnsiToUtf8(SprText(9211)) + ":" + std::to_string(neu->WindowNumber()));
    // Without an active window there is nothing to copy.
    TTestFormMain leer;
    EXPECT_EQ(leer.Main->CreateFormVerw(), nullptr);
    EXPECT_TRUE(leer.Main->FormVerwList().empty());
}

// On the demo panel, whose communication objects the bus tool has switched on (the full
// panel's objects are its own).
class FormMainBefehleDemo : public ::testing::Test {
protected:
    // Opens the panel and finds its first communication object.
    void Oeffne() {
        ASSERT_TRUE(f.Oeffne());
        w = f.Main->GetActiveFormVerw();
        ASSERT_NE(w, nullptr);
        knoten = KnotenTyp(w->Tree, 806);
        ASSERT_NE(knoten, nullptr);
        objekt = dynamic_cast<TEtsObjekt *>(knoten->Data());
        ASSERT_NE(objekt, nullptr);
    }
    TTestFormMain f;
    TProjectDatabase &db = f.Project.Database();
    TFormVerw *w = nullptr;
    TTreeNode *knoten = nullptr;
    TEtsObjekt *objekt = nullptr;
};

TEST_F(FormMainBefehleDemo, TheLinkDialogCreatesAnAddressAndLinksTheObject) {
    ASSERT_NO_FATAL_FAILURE(Oeffne());
    bool drei = false;
    const AnsiString vorschlag = f.Main->AktDevInst()->GetNextHighestAndFreeGrpAdr(drei);
    EXPECT_EQ(vorschlag, "0/0/1") << "the first address of an empty tree";
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "cancel");
        w->Tree->setCurrentItem(knoten);
        DeliverPostedMessages();
        const size_t adressen = db.GroupTree().size();
        const size_t links = db.Links(f.Project.PanelId()).size();
        QPointer<TDlgLinkToGrpAdr> gesehen;
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *dialog = dynamic_cast<TDlgLinkToGrpAdr *>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return 0;
            gesehen = dialog;
            EXPECT_EQ(AnsiText(dialog->EditGrpAdr->text()), vorschlag);
            dialog->EditGrpAdrName->setText("Neue Adresse");
            (ok ? dialog->BtnOk : dialog->BtnAbbrechen)->click();
            return dialog->ModalResult();
        });
        ASSERT_TRUE(f.DM->Execute(TDM::ALinkToGrpAdr));
        DeliverPostedMessages();
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_TRUE(gesehen.isNull()) << "the dialog is deleted";
        EXPECT_TRUE(f.Boxen.Boxes().empty()) << (f.BoxTexte().empty() ? "" : f.BoxTexte()[0]);
        if (!ok) {
            EXPECT_EQ(db.GroupTree().size(), adressen);
            EXPECT_EQ(db.Links(f.Project.PanelId()).size(), links);
            continue;
        }
        const auto sub = db.SubGroupId(0, 0, 1);
        ASSERT_TRUE(sub.has_value());
        EXPECT_EQ(db.Group(*sub)->name, "Neue Adresse");
        EXPECT_TRUE(objekt->ExistSubGroupId(*sub)) << "the object is linked to it";
        EXPECT_TRUE(db.LinkId(objekt->GetDeviceObjectId(), *sub).has_value());
        EXPECT_EQ(db.Links(f.Project.PanelId()).size(), links + 1);
    }
    // Any other selection opens no dialog.
    TModalDriverScope keiner([](TModalDialog &) { return 1; });
    w->Tree->setCurrentItem(KnotenTyp(w->Tree, 6127));
    f.Main->LinkToGrpAdr();
    EXPECT_EQ(keiner.Count(), 0);
}

// The groups below a main group get their nodes when it is unfolded: a link into a group
// whose node is not made yet still links (the node comes with the unfolding).
TEST_F(FormMainBefehleDemo, ALinkIntoAFoldedGroupLinksTheObject) {
    db.AddGroupAddress(1, 0, 1, "Vorhanden");
    ASSERT_NO_FATAL_FAILURE(Oeffne());
    w->Tree->setCurrentItem(knoten);
    DeliverPostedMessages();
    TModalDriverScope driver([&](TModalDialog &d) {
        auto *dialog = dynamic_cast<TDlgLinkToGrpAdr *>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        EXPECT_EQ(AnsiText(dialog->EditGrpAdr->text()), "1/0/2");
        dialog->EditGrpAdrName->setText("Neu verbunden");
        dialog->BtnOk->click();
        return dialog->ModalResult();
    });
    ASSERT_TRUE(f.DM->Execute(TDM::ALinkToGrpAdr));
    DeliverPostedMessages();
    EXPECT_TRUE(f.Boxen.Boxes().empty()) << (f.BoxTexte().empty() ? "" : f.BoxTexte()[0]);
    const auto sub = db.SubGroupId(1, 0, 2);
    ASSERT_TRUE(sub.has_value());
    EXPECT_TRUE(objekt->ExistSubGroupId(*sub)) << "the object is linked to it";
    EXPECT_TRUE(db.LinkId(objekt->GetDeviceObjectId(), *sub).has_value());
    // Unfolded, the group shows the new address once.
    for (QTreeWidgetItemIterator it(w->Tree); *it; ++it)
        (*it)->setExpanded(true);
    QCoreApplication::processEvents();
    int neu = 0;
    for (QTreeWidgetItemIterator it(w->Tree); *it; ++it)
        neu += (*it)->text(0) == "Neu verbunden" ? 1 : 0;
    EXPECT_EQ(neu, 1);
}

TEST_F(FormMainBefehle, TheTreeCommandsWorkOnTheActiveWindow) {
    TTreeNode *bereich = KnotenTyp(W->Tree, 6127);
    ASSERT_GT(bereich->childCount(), 0);
    auto offen = [](QTreeWidgetItem *von) {
        int n = 0;
        for (QTreeWidgetItemIterator it(von->treeWidget()); *it; ++it) {
            bool drin = false;
            for (QTreeWidgetItem *p = *it; p && !drin; p = p->parent())
                drin = p == von;
            n += drin && (*it)->childCount() > 0 && (*it)->isExpanded();
        }
        return n;
    };
    auto eltern = [](QTreeWidgetItem *von) {
        int n = 0;
        for (QTreeWidgetItemIterator it(von); *it; ++it) {
            bool drin = false;
            for (QTreeWidgetItem *p = *it; p && !drin; p = p->parent())
                drin = p == von;
            if (!drin)
                break;
            n += (*it)->childCount() > 0;
        }
        return n;
    };
    QTreeWidgetItem *wurzel = W->Tree->topLevelItem(0);
    const struct {
        const char *name;
        TDM::TAktion aktion;
        QTreeWidgetItem *auswahl;
        QTreeWidgetItem *teil;   // the part looked at
        bool offen;              // every node with children in it open, else none
        QTreeWidgetItem *danach; // the selection afterwards
    } cases[] = {
        {"expand all", TDM::AExpandAll, bereich, wurzel, true, bereich},
        {"collapse all", TDM::ACollapseAll, bereich, wurzel, false, wurzel},
        {"expand the area", TDM::AExpand, bereich, bereich, true, bereich},
        {"collapse the area", TDM::ACollapse, bereich, bereich, false, bereich},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        W->Tree->setCurrentItem(c.auswahl);
        ASSERT_TRUE(DM().Execute(c.aktion));
        EXPECT_EQ(offen(c.teil), c.offen ? eltern(c.teil) : 0);
        EXPECT_EQ(W->Tree->currentItem(), c.danach);
    }
    // Expanding the area leaves the rest closed.
    DM().Execute(TDM::ACollapseAll);
    W->Tree->setCurrentItem(bereich);
    DM().Execute(TDM::AExpand);
    EXPECT_FALSE(KnotenTyp(W->Tree, 6128)->isExpanded());
}

TEST_F(FormMainBefehle, TileAndCascadeArrangeTheProjectWindows) {
    F.Main->resize(1000, 700);
    F.Main->ShowMainWindow();
    for (int i = 0; i < 2; ++i)
        ASSERT_NE(F.Main->CreateFormVerw(), nullptr);
    DeliverPostedMessages();
    QApplication::processEvents();
    const QList<QMdiSubWindow *> fenster = F.Main->MdiArea->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(fenster.size(), 3);
    const QRect v = F.Main->MdiArea->viewport()->rect();
    const struct {
        const char *name;
        TDM::TAktion aktion;
        std::function<void(int i, const QRect &r)> pruefe;
    } cases[] = {
        {"side by side", TDM::ANebeneinander,
         [&](int i, const QRect &r) {
             EXPECT_EQ(r.top(), 0);
             EXPECT_EQ(r.height(), v.height());
             EXPECT_EQ(r.left(), i * (v.width() / 3));
         }},
        {"one above the other", TDM::AUebereinander,
         [&](int i, const QRect &r) {
             EXPECT_EQ(r.left(), 0);
             EXPECT_EQ(r.width(), v.width());
             EXPECT_EQ(r.top(), i * (v.height() / 3));
         }},
        {"cascade", TDM::AUeberlappend,
         [&](int i, const QRect &r) {
             if (i > 0) {
                 EXPECT_GT(r.top(), fenster[i - 1]->geometry().top());
             }
             EXPECT_LT(r.height(), v.height()) << "no longer tiled";
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(DM().Execute(c.aktion));
        QApplication::processEvents();
        for (int i = 0; i < fenster.size(); ++i) {
            SCOPED_TRACE(i);
            c.pruefe(i, fenster[i]->geometry());
        }
    }
    // The icons: the minimized windows along the bottom.
    fenster[0]->showMinimized();
    fenster[2]->showMinimized();
    QApplication::processEvents();
    fenster[0]->move(200, 50);
    ASSERT_TRUE(DM().Execute(TDM::ASymbole));
    QApplication::processEvents();
    for (QMdiSubWindow *s : {fenster[0], fenster[2]})
        EXPECT_EQ(s->geometry().bottom() + 1, v.height());
    EXPECT_EQ(fenster[0]->geometry().left(), 0);
    EXPECT_EQ(fenster[2]->geometry().left(), fenster[0]->geometry().right() + 1);
}

TEST_F(FormMainBefehle, TheWindowMenuListsTheProjectWindowsAndActivatesThem) {
    TFormVerw *zweites = F.Main->CreateFormVerw();
    ASSERT_NE(zweites, nullptr);
    DeliverPostedMessages();
    for (int runde = 0; runde < 2; ++runde) {
        SCOPED_TRACE(runde);
        Oeffne(F.Main->MFenster);
        const QList<QAction *> alle = F.Main->MFenster->actions();
        ASSERT_EQ(alle.size(), 4 + 1 + 2) << "the four actions, a separator, two windows";
        EXPECT_EQ(alle[0], Aktion(TDM::AUeberlappend));
        EXPECT_EQ(alle[3], Aktion(TDM::ASymbole));
        EXPECT_TRUE(alle[4]->isSeparator());
        EXPECT_EQ(alle[5]->text().toStdString(), "&1 " + W->windowTitle().toStdString());
        EXPECT_EQ(alle[6]->text().toStdString(), "&2 " + zweites->windowTitle().toStdString());
    }
    QAction *erstes = F.Main->MFenster->actions()[5];
    erstes->trigger();
    DeliverPostedMessages();
    EXPECT_EQ(F.Main->MdiArea->activeSubWindow()->widget(), W);
    EXPECT_EQ(F.Main->GetActiveFormVerw(), W);
    Oeffne(F.Main->MFenster);
    EXPECT_TRUE(F.Main->MFenster->actions()[5]->isChecked());
    EXPECT_FALSE(F.Main->MFenster->actions()[6]->isChecked());
}

// With the focus on the main window's own controls (every project window minimized, say) the
// short cuts still run the data module's actions.
TEST_F(FormMainBefehle, TheShortCutsWorkInTheMainWindowsOwnControls) {
    F.Main->ShowMainWindow();
    F.Main->activateWindow();
    (void)QTest::qWaitForWindowActive(F.Main.get());
    F.Main->MdiArea->setFocus();
    const size_t vorher = F.Main->FormVerwList().size();
    QTest::keyClick(F.Main->MdiArea, Qt::Key_N, Qt::ControlModifier);
    DeliverPostedMessages();
    EXPECT_EQ(F.Main->FormVerwList().size(), vorher + 1) << "Ctrl+N: a further project window";
    // A key no action has goes on to the control.
    bool handled = true;
    F.Main->FormShortCut(QKeyCombination(Qt::ControlModifier, Qt::Key_J), handled);
    EXPECT_FALSE(handled);
}

TEST_F(FormMainBefehle, HelpFromTheActionAndTheF1Key) {
    TWinHelpRecorder hilfe;
    ASSERT_TRUE(DM().Execute(TDM::ADeviceHelp));
    bool handled = false;
    F.Main->FormKeyDown(Qt::Key_F2, Qt::NoModifier, handled);
    EXPECT_FALSE(handled);
    F.Main->FormKeyDown(Qt::Key_F1, Qt::ShiftModifier, handled);
    EXPECT_FALSE(handled);
    F.Main->FormKeyDown(Qt::Key_F1, Qt::NoModifier, handled);
    EXPECT_TRUE(handled);
    // A real key in the main window's own controls.
    F.Main->ShowMainWindow();
    F.Main->activateWindow();
    (void)QTest::qWaitForWindowActive(F.Main.get());
    F.Main->MdiArea->setFocus();
    QTest::keyClick(F.Main->MdiArea, Qt::Key_F1);
    // The key preview takes it before the short cut: so also with the action off.
    Aktion(TDM::ADeviceHelp)->setEnabled(false);
    QTest::keyClick(F.Main->MdiArea, Qt::Key_F1);
    Aktion(TDM::ADeviceHelp)->setEnabled(true);
    ASSERT_EQ(hilfe.Calls().size(), 4u) << "action, FormKeyDown, the key twice: once each";
    for (const auto &c : hilfe.Calls()) {
        EXPECT_EQ(c.owner, F.Main->GetHandle());
        EXPECT_EQ(c.file, DM().HelpFile);
        EXPECT_EQ(c.command, UINT(HELP_FINDER));
        EXPECT_EQ(c.data, 10u);
    }
    // A project window's keys are not the main window's preview: with the action off, F1
    // there opens the project window's own help.
    Aktion(TDM::ADeviceHelp)->setEnabled(false);
    W->Tree->setFocus();
    QTest::keyClick(W->Tree, Qt::Key_F1);
    Aktion(TDM::ADeviceHelp)->setEnabled(true);
    ASSERT_EQ(hilfe.Calls().size(), 5u);
    EXPECT_EQ(hilfe.Calls().back().owner, W->Handle());
    EXPECT_EQ(hilfe.Calls().back().command, UINT(HELP_CONTENTS));
}

TEST_F(FormMainBefehle, OptionsLanguageAboutAndQuickHelp) {
    // Options: the data module's and the bus tool's dialog, modal, deleted afterwards.
    QPointer<TDlgOptionen> optionen;
    {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *o = dynamic_cast<TDlgOptionen *>(&d);
            EXPECT_NE(o, nullptr);
            if (!o)
                return 0;
            optionen = o;
            o->BitBtn2->click();
            return o->ModalResult();
        });
        ASSERT_TRUE(DM().Execute(TDM::AOption));
        EXPECT_EQ(driver.Count(), 1);
    }
    EXPECT_TRUE(optionen.isNull());

    // Language: the languages of the settings file; a stored one sets the close flag.
    WritePrivateProfileString("Sprache", "Count", "1", DM().IniFile.c_str());
    WritePrivateProfileString("Sprache", "Sprache0", "Englisch", DM().IniFile.c_str());
    WritePrivateProfileString("Sprache", "SprachExt0", "ENG", DM().IniFile.c_str());
    for (const bool ok : {false, true}) {
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *s = dynamic_cast<TDlgSpracheinstellung *>(&d);
            EXPECT_NE(s, nullptr);
            if (!s)
                return 0;
            EXPECT_EQ(s->ListSprachen->count(), 1);
            s->ListSprachen->setCurrentRow(0);
            (ok ? s->BtnOk : s->BtnAbbrechen)->click();
            return s->ModalResult();
        });
        ASSERT_TRUE(DM().Execute(TDM::ASprache));
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_EQ(DM().CloseInsteadOfHide, ok);
    }
    EXPECT_EQ(F.Ini("Sprache", "Aktiv"), "ENG");

    // About.
    {
        TInfoTreiber info;
        ASSERT_TRUE(DM().Execute(TDM::AAbout));
        EXPECT_EQ(info.Gesehen.Anzahl, 1);
        EXPECT_EQ(info.Gesehen.Titel, "Info");
    }

    // Quick help: the pane is made once; an existing one stays.
    ASSERT_EQ(W->QuickHelpRichEdit(), nullptr);
    ASSERT_TRUE(DM().Execute(TDM::AQuickHelp));
    QTextEdit *pane = W->QuickHelpRichEdit();
    ASSERT_NE(pane, nullptr);
    DM().Execute(TDM::AQuickHelp);
    EXPECT_EQ(W->QuickHelpRichEdit(), pane);
}

// One detector is added when asked for; the event memory's list is noted.
class TEinMelder : public TTestDialoge {
public:
    int MelderHinzufuegen(int &count, int, const AnsiString &) override {
        ++Gefragt;
        count = 1;
        return 1;
    }
    int Ereignisspeicher(const TStringList &lines, const AnsiString &, const AnsiString &,
                         const AnsiString &, const AnsiString &) override {
        ++Listen;
        Zeilen = lines.Count();
        return 2;
    }
    int Gefragt = 0;
    int Listen = 0;
    int Zeilen = 0;
};

TEST_F(FormMainBefehle, TheDetectorCommandsReachTheDevice) {
    const int melder = AnzahlTyp(W->Tree, 6124);
    Waehle(KnotenTyp(W->Tree, 6124)->Data());
    ASSERT_TRUE(DM().Execute(TDM::AMelderLoeschen));
    DeliverPostedMessages();
    EXPECT_EQ(AnzahlTyp(W->Tree, 6124), melder - 1);

    auto dialoge = std::make_unique<TEinMelder>();
    TEinMelder *d = dialoge.get();
    F.Main->SetDeviceDialoge(std::move(dialoge));
    TTreeNode *bereich = KnotenTyp(W->Tree, 6127);
    Waehle(bereich->Data());
    // Through the menu's own item, as the user chooses it.
    Oeffne(F.Main->MProjektierung);
    ASSERT_TRUE(F.Main->MMelderItems[0]->isEnabled());
    F.Main->MMelderItems[0]->trigger();
    DeliverPostedMessages();
    EXPECT_EQ(d->Gefragt, 1);
    EXPECT_EQ(AnzahlTyp(W->Tree, 6124), melder);

    // The event memory is read from the panel on the bus and listed.
    ASSERT_TRUE(DM().Execute(TDM::AEreignisspeicherAuslesen));
    EXPECT_EQ(d->Listen, 1);
    EXPECT_GT(d->Zeilen, 0) << "the demo panel's events";

    // The clock goes to the panel on the bus; its box tells.
    F.Boxen.Clear();
    ASSERT_TRUE(DM().Execute(TDM::ASetDateTime));
    ASSERT_EQ(F.Boxen.Boxes().size(), 1u);
    EXPECT_EQ(F.Boxen.Boxes()[0].caption, SprText(11076));
    EXPECT_EQ(F.Boxen.Boxes()[0].text, SprText(11078)) << "sent";
}

TEST(FormMainBefehleOhneFenster, WithoutAWindowTheCommandsDoNothing) {
    TTestFormMain f;
    TPdfDrucker drucker(TestOrdner("befehle-ohne") / "a.pdf");
    TModalDriverScope keiner([](TModalDialog &) { return 1; });
    for (TDM::TAktion a :
         {TDM::APrint, TDM::APrintPreview, TDM::AQuickHelp, TDM::ACollapseAll, TDM::AExpandAll,
          TDM::AExpand, TDM::ACollapse, TDM::AProjektierungsfenster, TDM::AEreignisspeicherAuslesen,
          TDM::ASetDateTime, TDM::AUeberlappend, TDM::ANebeneinander, TDM::AUebereinander,
          TDM::ASymbole})
        EXPECT_TRUE(f.DM->Execute(a)) << TDM::AktionTabelle()[a].Name;
    f.Main->LinkToGrpAdr();
    EXPECT_EQ(f.Main->MelderHinzufuegen(), 0);
    EXPECT_FALSE(f.Main->MelderLoeschen());
    EXPECT_EQ(keiner.Count(), 0);
    EXPECT_EQ(drucker.Aufrufe, 0);
    EXPECT_TRUE(f.Main->FormVerwList().empty());
    EXPECT_TRUE(f.Boxen.Boxes().empty());
    // Reset: the question, then nothing without a device.
    f.Boxen.Answer(IDYES);
    EXPECT_TRUE(f.DM->Execute(TDM::ADefault));
    EXPECT_EQ(f.BoxTexte().size(), 1u);
}

// ---- Printing

TEST_F(FormMainBefehle, TheFullPanelPrintsPageByPage) {
    if (!PdfWerkzeuge())
        GTEST_SKIP() << "pdftotext and pdfinfo are missing";
    const auto pdf = BildOrdner() / "vollespanel.pdf";
    std::filesystem::remove(pdf);
    TPdfDrucker drucker(pdf);
    ASSERT_TRUE(DM().Execute(TDM::APrint));
    EXPECT_EQ(drucker.Aufrufe, 1);
    EXPECT_EQ(drucker.Owner, F.Main->GetHandle());
    ASSERT_NE(F.Main->Druck(), nullptr);
    TVumaReport *report = F.Main->Druck()->Report();
    ASSERT_NE(report, nullptr) << "the report object stays";
    EXPECT_FALSE(report->Info().Vorschau);

    TDeviceInstanz::TDeviceEtsInfo ets;
    F.Main->AktDevInst()->GetDeviceEtsInfo(ets);
    const int seiten = PdfSeiten(pdf);
    EXPECT_EQ(seiten, report->Seiten());
    ASSERT_GE(seiten, 5);
    const std::string alles = PruefeSeiten(pdf, seiten, ets);
    for (QTreeWidgetItemIterator it(W->Tree); *it; ++it)
        EXPECT_NE(alles.find((*it)->text(0).toStdString()), std::string::npos)
            << (*it)->text(0).toStdString();
    // The first page as a picture, to look at.
    const std::string cmd = "pdftoppm -r 60 -png -f 1 -l 1 '" + pdf.string() + "' '" +
                            (BildOrdner() / "druckseite").string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST_F(FormMainBefehle, PrintingTwiceDeletesTheFirstReportAndThePreviewShows) {
    std::vector<std::string> log;
    F.Main->SetDrucken(std::make_unique<TZaehlDrucken>(log));
    {
        TPdfDrucker drucker(TestOrdner("befehle-zweimal") / "a.pdf");
        ASSERT_TRUE(DM().Execute(TDM::APrint));
        EXPECT_EQ(log, (std::vector<std::string>{"+1"}));
        ASSERT_TRUE(DM().Execute(TDM::APrint));
        EXPECT_EQ(log, (std::vector<std::string>{"+1", "-1", "+2"}));
        EXPECT_EQ(drucker.Aufrufe, 2);
    }
    TVorschauFoto foto(BildOrdner() / "vorschau.png");
    TPdfDrucker nie(TestOrdner("befehle-vorschau") / "nie.pdf");
    ASSERT_TRUE(DM().Execute(TDM::APrintPreview));
    EXPECT_EQ(log, (std::vector<std::string>{"+1", "-1", "+2", "-2", "+3"}));
    EXPECT_EQ(foto.Gezeigt, 1);
    EXPECT_TRUE(foto.Gespeichert);
    EXPECT_EQ(nie.Aufrufe, 0);
    EXPECT_TRUE(F.Main->Druck()->Report()->Info().Vorschau);
    F.Main.reset();
    EXPECT_EQ(log.back(), "-3") << "the main window's end deletes the last one";
}

// ---- Pictures

TEST_F(FormMainBefehle, PicturesOfEveryMainMenu) {
    // The tools menu shows with ToolAccess and what the settings list.
    WritePrivateProfileString(RegSecOptions, RegKeyToolAccess, "1", DM().IniFile.c_str());
    WritePrivateProfileString(RegSecTools, "ToolName0", "Editor", DM().IniFile.c_str());
    WritePrivateProfileString(RegSecTools, "ToolName1", "Rechner", DM().IniFile.c_str());
    F.Main->GetRegData();
    ASSERT_EQ(F.Main->MTool->actions().size(), 2);
    F.Main->resize(900, 600);
    F.Main->ShowMainWindow();
    ASSERT_NE(F.Main->CreateFormVerw(), nullptr);
    DeliverPostedMessages();
    Waehle(KnotenTyp(W->Tree, 6127)->Data());
    QApplication::processEvents();
    const std::pair<const char *, QMenu *> menus[] = {{"datei", F.Main->MDatei},
                                                      {"projektierung", F.Main->MProjektierung},
                                                      {"einstellung", F.Main->MEinstellung},
                                                      {"rekonstruktion", F.Main->M_Rekonstruktion},
                                                      {"tool", F.Main->MTool},
                                                      {"fenster", F.Main->MFenster},
                                                      {"hilfe", F.Main->MHilfe}};
    for (const auto &[name, menu] : menus) {
        SCOPED_TRACE(name);
        QAction *titel = menu->menuAction();
        const QRect r = F.Main->menuBar()->actionGeometry(titel);
        menu->popup(F.Main->menuBar()->mapToGlobal(r.bottomLeft()));
        QApplication::processEvents();
        EXPECT_TRUE(menu->isVisible());
        const auto datei = BildOrdner() / (std::string("menu-") + name + ".png");
        EXPECT_TRUE(menu->grab().save(QString::fromStdString(datei.string())));
        menu->hide();
    }
    EXPECT_TRUE(F.Main->grab().save(QString::fromStdString((BildOrdner() / "main.png").string())));
}

} // namespace
