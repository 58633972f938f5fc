// The project window itself: numbers, captions, offsets and settings, closing windows 0 and 1,
// the action enabling as a table, keys (Ctrl+C and Ctrl+V once, F6, F1), its own messages,
// the pop-up on a right click, double click in the list, drag and drop as a table, and the
// scroll bands of a drag.
#include "TTestObjekt.h"
#include "TestHilfen.h"
#include "foundation/RegIniNamen.h"
#include "foundation/TRegIni.h"
#include "objectmodel/TAzMelder.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "platform/win/WinHelp.h"
#include "shell/TCtrlListView.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TListView.h"

#include "shell/TImageList.h"

#include <QAction>
#include <QSplitter>

#include <filesystem>
#include <memory>

namespace {

using FormVerw = VollesFenster;

// A value of the settings file's section "Window" (-1 when missing).
int32_t FensterWert(const TTestHaupt &h, const char *key) {
    int32_t value = -1;
    TRegIni().ReadInteger(h.DM->IniFile, RegSecWindow, key, value, -1);
    return value;
}

TEST(FormVerwFenster, NumbersCaptionsAndOffsets) {
    TTestHaupt h;
    TRegIni ini;
    ini.WriteInteger(h.DM->IniFile, RegSecWindow, RegKeyVerwLeft, 30);
    ini.WriteInteger(h.DM->IniFile, RegSecWindow, RegKeyVerwTop, 40);
    ini.WriteInteger(h.DM->IniFile, RegSecWindow, RegKeyVerwWidth, 500);
    ini.WriteInteger(h.DM->IniFile, RegSecWindow, RegKeyTreeWidth, 150);
    const int vorher = TFormVerw::WindowCounter();
    TFormVerw *a = h.NeuesFenster();
    TFormVerw *b = h.NeuesFenster();
    EXPECT_EQ(a->WindowNumber(), vorher);
    EXPECT_EQ(b->WindowNumber(), vorher + 1);
    EXPECT_EQ(TFormVerw::WindowCounter(), vorher + 2);
    EXPECT_EQ(b->windowTitle().toStdString(), "Projektierung:" + std::to_string(vorher + 1));
    // The n-th window opens 10 n pixels right of and below the stored place.
    EXPECT_EQ(a->geometry().left(), 30 + 10 * a->WindowNumber());
    EXPECT_EQ(a->geometry().top(), 40 + 10 * a->WindowNumber());
    EXPECT_EQ(b->geometry().left(), 30 + 10 * b->WindowNumber());
    EXPECT_EQ(a->geometry().width(), 500);
    EXPECT_EQ(a->geometry().height(), 300);
    EXPECT_EQ(a->TreeWidth(), 150);
    EXPECT_EQ(a->QuickHelpFile(), h.DM->ProgramFolder + "az_deu.rtf");
    // Closing a window and opening a new one does not reuse its number.
    h.Schliesse(a);
    EXPECT_EQ(h.NeuesFenster()->WindowNumber(), vorher + 2);
    // Registered on creation, unregistered (1155) on destruction.
    EXPECT_EQ(h.Fenster.size(), 2u);
    EXPECT_EQ(std::count(h.Andere.begin(), h.Andere.end(), 1155u), 1);
}

TEST(FormVerwFenster, TheIconComesFromTheProgramsFolderWhenThere) {
    TTestHaupt h;
    // Without the file the window keeps the application's icon.
    EXPECT_EQ(h.NeuesFenster()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    const std::filesystem::path dir =
        std::filesystem::path(h.DM->ProgramFolder) / "Az" / "AboutImage";
    std::filesystem::create_directories(dir);
    TImageList bilder;
    ASSERT_TRUE(bilder.Pixmap(29).save(QString::fromStdString((dir / "Az.ico").string()), "ICO") ||
                bilder.Pixmap(29).save(QString::fromStdString((dir / "Az.ico").string()), "PNG"));
    TFormVerw *w = h.NeuesFenster();
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_NE(w->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

TEST(FormVerwFenster, SettingsAreWrittenBackOnDestruction) {
    TTestHaupt h;
    TRegIni ini;
    TFormVerw *w = h.NeuesFenster();
    w->setGeometry(70, 80, 640, 410);
    w->SetTreeWidth(220);
    h.Schliesse(w);
    const auto wert = [&](const char *key) { return FensterWert(h, key); };
    EXPECT_EQ(wert(RegKeyVerwLeft), 70);
    EXPECT_EQ(wert(RegKeyVerwTop), 80);
    EXPECT_EQ(wert(RegKeyVerwWidth), 640);
    EXPECT_EQ(wert(RegKeyVerwHeight), 410);
    EXPECT_EQ(wert(RegKeyVerwState), 0);
    EXPECT_EQ(wert(RegKeyTreeWidth), 220);
    EXPECT_TRUE(ini.ValueExists(h.DM->IniFile, RegSecOptions, RegKeyShowQuickHelp));

    // A maximized window writes only its state and the tree's width.
    TFormVerw *max = h.NeuesFenster();
    max->setWindowState(Qt::WindowMaximized);
    max->SetTreeWidth(260);
    h.Schliesse(max);
    EXPECT_EQ(wert(RegKeyVerwLeft), 70);
    EXPECT_EQ(wert(RegKeyVerwState), 2);
    EXPECT_EQ(wert(RegKeyTreeWidth), 260);
}

// Inside a frame that is no sub-window the place cannot be known: the stored one stays; the
// tree's width and the quick-help switch are the window's own and are written.
TEST(FormVerwFenster, AWindowWithoutAKnownFrameLeavesTheStoredPlace) {
    TTestHaupt h;
    TRegIni ini;
    ini.WriteInteger(h.DM->IniFile, RegSecWindow, RegKeyVerwLeft, 33);
    ini.WriteInteger(h.DM->IniFile, RegSecWindow, RegKeyVerwState, 2);
    QWidget fremd;
    TFormVerw *w = h.NeuesFenster();
    w->setParent(&fremd);
    w->setGeometry(4, 24, 632, 382);
    w->SetTreeWidth(240);
    QRect ort;
    uint8_t zustand = 9;
    EXPECT_FALSE(w->RahmenStand(ort, zustand));
    h.Schliesse(w);
    const auto wert = [&](const char *key) { return FensterWert(h, key); };
    EXPECT_EQ(wert(RegKeyVerwLeft), 33);
    EXPECT_EQ(wert(RegKeyVerwState), 2);
    EXPECT_EQ(wert(RegKeyTreeWidth), 240);
}

TEST(FormVerwFenster, ClosingWindowZeroMinimizesAndWindowOneIsFreed) {
    TFormVerw &null = Fenster0();
    ASSERT_EQ(null.WindowNumber(), 0);
    TFormVerw::TCloseAction action = TFormVerw::caNone;
    null.FormClose(action);
    EXPECT_EQ(action, TFormVerw::caMinimize);
    null.show();
    EXPECT_FALSE(null.close());
    EXPECT_TRUE(null.windowState() & Qt::WindowMinimized);
    null.hide();

    TTestHaupt h;
    auto *eins = new TFormVerw(*h.DM); // freed by its own close
    h.Zustellen();
    ASSERT_GT(eins->WindowNumber(), 0);
    eins->FormClose(action);
    EXPECT_EQ(action, TFormVerw::caFree);
    QPointer<TFormVerw> guard(eins);
    eins->show();
    EXPECT_TRUE(eins->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(std::count(h.Andere.begin(), h.Andere.end(), 1155u), 1);
    EXPECT_TRUE(h.Fenster.empty());
}

// Which of the five actions are on after a selection: add, delete, copy, paste, link.
struct TAktionFall {
    const char *Name;
    std::function<TDataBasis *(TFormVerw &, TTestHaupt &)> Objekt;
    std::array<bool, 5> An;
};

TEST_F(FormVerw, CheckActionListFollowsTheSelectedType) {
    static TAzMelder verdrahtet(nullptr, 0, 0, "Verdrahtet", 7777);
    verdrahtet.SetMelderBereich(T_DB_EnumAzMelder::eVerdrahtet);
    static TTestObjekt keinMelder(7778, 0, "Kein Melder", 6124);
    const auto typ = [](int t) {
        return [t](TFormVerw &w, TTestHaupt &) { return KnotenTyp(w.Tree, t)->Data(); };
    };
    const TAktionFall faelle[] = {
        {"fire area", typ(6123), {true, false, false, true, false}},
        {"hold-up area", typ(6125), {true, false, false, true, false}},
        {"security area 1", typ(6127), {true, false, false, true, false}},
        {"security area 4", typ(6130), {true, false, false, true, false}},
        {"detector", typ(6124), {false, true, true, true, false}},
        {"wired input",
         [](TFormVerw &, TTestHaupt &) { return &verdrahtet; },
         {false, false, false, false, false}},
        {"bus object", typ(806), {false, false, false, false, true}},
        {"root", typ(105), {false, false, false, false, false}},
        {"arming folder", typ(6131), {false, false, false, false, false}},
    };
    const TDM::TAktion aktionen[] = {TDM::AMelderHinzufuegen, TDM::AMelderLoeschen,
                                     TDM::AMelderKopieren, TDM::AMelderEinfuegen,
                                     TDM::ALinkToGrpAdr};
    for (const TAktionFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        TTreeNode node(f.Objekt(*W, H));
        ASSERT_NE(node.Data(), nullptr);
        W->CheckActionList(&node);
        for (size_t i = 0; i < 5; ++i)
            EXPECT_EQ(H.DM->Action(aktionen[i])->isEnabled(), f.An[i]) << i;
    }
    // A type-6124 object that is not a detector, a node without an object and no node change
    // nothing.
    for (TDM::TAktion a : aktionen)
        H.DM->Action(a)->setEnabled(true);
    TTreeNode fremd(&keinMelder), leer(nullptr);
    W->CheckActionList(&fremd);
    W->CheckActionList(&leer);
    W->CheckActionList(nullptr);
    for (TDM::TAktion a : aktionen)
        EXPECT_TRUE(H.DM->Action(a)->isEnabled());
}

TEST_F(FormVerw, CtrlCAndCtrlVInTheTreeRunOnce) {
    Zeige(W);
    int kopiert = 0, eingefuegt = 0;
    H.DM->Bind(TDM::ACopy, [&] { ++kopiert; });
    H.DM->Bind(TDM::APaste, [&] { ++eingefuegt; });
    W->Tree->setFocus();
    QTest::keyClick(W->Tree, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(W->Tree, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(kopiert, 1);
    EXPECT_EQ(eingefuegt, 1);
    // In the grid the keys are the editor's.
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    W->GridView->setFocus();
    QTest::keyClick(W->GridView, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(eingefuegt, 1);
}

TEST_F(FormVerw, F6MovesTheFocusBetweenTreeAndPane) {
    Zeige(W);
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    H.Zustellen(); // the first value cell opens its editor
    int col, row;
    ASSERT_NE(W->Grid.GetActiveCell(col, row), 0);
    W->Tree->setFocus(); // the focus leaving the editor ends the edit
    EXPECT_EQ(W->Grid.GetActiveCell(col, row), 0);
    QTest::keyClick(W->Tree, Qt::Key_F6);
    EXPECT_TRUE(FokusIn(W->GridView));
    W->Grid.SetActiveCell(1, 0);
    ASSERT_NE(W->Grid.GetActiveCell(col, row), 0);
    // With an open editor F6 drops it first (1162 and F6 again, posted), then goes to the tree.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_NE(W->Grid.GetActiveCell(col, row), 0);
    H.Zustellen();
    EXPECT_EQ(W->Grid.GetActiveCell(col, row), 0);
    EXPECT_TRUE(W->Tree->hasFocus());
    EXPECT_FALSE(W->Updating());
    // A folder shows the list: F6 from the tree goes there.
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6122));
    W->Tree->setFocus();
    QTest::keyClick(W->Tree, Qt::Key_F6);
    EXPECT_TRUE(W->ListView->hasFocus());
}

TEST_F(FormVerw, TabGoesToTheGridWhenItIsShown) {
    Zeige(W);
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    H.Zustellen();
    ASSERT_EQ(W->Grid.Row(), 0);
    W->Tree->setFocus();
    QTest::keyClick(W->Tree, Qt::Key_Tab);
    QCoreApplication::sendPostedEvents(W->GridView, QEvent::KeyPress);
    EXPECT_GT(W->Grid.Row(), 0);
}

TEST_F(FormVerw, F1OpensTheHelpContentsWhenNoActionTakesIt) {
    Zeige(W);
    TWinHelpRecorder help;
    W->Tree->setFocus();
    QTest::keyClick(W->Tree, Qt::Key_F1);
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].command, static_cast<UINT>(HELP_FINDER)); // ADeviceHelp's
    H.DM->Action(TDM::ADeviceHelp)->setEnabled(false);
    QTest::keyClick(W->Tree, Qt::Key_F1);
    ASSERT_EQ(help.Calls().size(), 2u);
    EXPECT_EQ(help.Calls()[1].command, static_cast<UINT>(HELP_CONTENTS));
    EXPECT_EQ(help.Calls()[1].file, H.DM->HelpFile);
}

TEST_F(FormVerw, ShortCutsReachTheActionsFromTheWindow) {
    Zeige(W);
    int ausgeklappt = 0;
    H.DM->Bind(TDM::AExpandAll, [&] { ++ausgeklappt; });
    QTest::keyClick(W->Tree, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(ausgeklappt, 1);
}

TEST_F(FormVerw, OwnMessagesDropTheEditorAndMoveTheFocus) {
    Zeige(W);
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    H.Zustellen();
    int col, row;
    ASSERT_NE(W->Grid.GetActiveCell(col, row), 0);
    AzMsg::Send(W->Handle(), AzMsg::DeleteZellenKomponente{});
    EXPECT_EQ(W->Grid.GetActiveCell(col, row), 0);
    AzMsg::Send(W->Handle(), AzMsg::SetFocusControl{W->GridView});
    EXPECT_TRUE(FokusIn(W->GridView));
    AzMsg::Send(W->Handle(), AzMsg::SetFocusControl{W->ListView}); // hidden: no focus
    EXPECT_TRUE(FokusIn(W->GridView));
    EXPECT_EQ(SendMessage(W->Handle(), WM_USER + 1, 0, 0), 0);
}

TEST_F(FormVerw, LeavingTheWindowDropsTheEditorUnlessTheVariantChanges) {
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    H.Zustellen();
    int col, row;
    H.DM->VarianteAendern = true;
    W->FormDeactivate();
    EXPECT_NE(W->Grid.GetActiveCell(col, row), 0);
    H.DM->VarianteAendern = false;
    W->FormDeactivate();
    EXPECT_EQ(W->Grid.GetActiveCell(col, row), 0);
}

TEST_F(FormVerw, ARightClickSelectsAndOpensThePopUp) {
    Zeige(W);
    TTreeNode *root = W->Tree->TopNode(0);
    TTreeNode *ordner = KnotenTyp(W->Tree, 6122);
    W->Tree->scrollToItem(ordner);
    const QPoint pos = W->Tree->visualItemRect(ordner).center();
    W->TreeMouseDown(Qt::RightButton, pos);
    EXPECT_EQ(W->Tree->currentItem(), ordner);
    EXPECT_TRUE(W->PopupMenu1.isVisible());
    W->PopupMenu1.hide();
    // Empty space: nothing.
    W->Tree->setCurrentItem(root);
    W->TreeMouseDown(Qt::RightButton, QPoint(5, W->Tree->viewport()->height() - 2));
    EXPECT_EQ(W->Tree->currentItem(), root);
    EXPECT_FALSE(W->PopupMenu1.isVisible());
    W->TreeMouseDown(Qt::LeftButton, pos);
    EXPECT_EQ(W->Tree->currentItem(), root);
    EXPECT_EQ(W->PopupMenu1.actions().size(), 10);
}

TEST_F(FormVerw, ADoubleClickInTheListSelectsTheObjectInTheTree) {
    Zeige(W);
    TTreeNode *ordner = KnotenTyp(W->Tree, 6122);
    W->Tree->setCurrentItem(ordner);
    QListWidgetItem *item = W->ListView->item(1);
    ASSERT_NE(item, nullptr);
    W->ListViewDblClickAt(W->ListView->visualItemRect(item).center());
    EXPECT_EQ(W->GetSelData(), TListView::ItemData(item));
    W->ListViewDblClickAt(QPoint(-50, -50));
    EXPECT_EQ(W->GetSelData(), TListView::ItemData(item));
}

// One drag: from the tree or the list onto the tree or the list, over a detector (which refuses)
// or over an object that accepts.
struct TDragFall {
    const char *Name;
    bool VonListe;
    bool AufListe;
    bool AufAnnehmer;
    bool Angenommen;
};

TEST_F(FormVerw, DragOverAndDropFollowTheTargetsRule) {
    Zeige(W);
    TDataBasis *root = W->Tree->TopNode(0)->Data();
    TTestObjekt ordner(9100, 0, "AAA Ziele", 6122, -1000);
    TTestObjekt annehmer(9101, 9100, "Annehmer");
    annehmer.NimmtAn = true;
    TDataBasis *melder = KnotenTyp(W->Tree, 6124)->Data();
    TTestObjekt quelle(9102, 9100, "Quelle");
    W->AddChildNode2Data(root, &ordner, true);
    W->AddChildNode2Data(&ordner, &annehmer, true);
    W->AddChildNode2Data(&ordner, &quelle, true);
    TTreeNode *melderKopie = W->AddChildNode2Data(&ordner, melder, true);
    ASSERT_NE(melderKopie, nullptr);
    const TDragFall faelle[] = {
        {"tree to tree, detector", false, false, false, false},
        {"tree to tree, accepting", false, false, true, true},
        {"list to tree, detector", true, false, false, false},
        {"list to tree, accepting", true, false, true, true},
        {"tree to list, detector", false, true, false, false},
        {"tree to list, accepting", false, true, true, true},
        {"list to list", true, true, true, false},
    };
    for (const TDragFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        W->AktualisiereAnsicht(W->GetNodeFromData(&ordner), -1, -1);
        W->Tree->setCurrentItem(W->GetNodeFromData(&quelle));
        W->AktualisiereAnsicht(W->GetNodeFromData(&ordner), -1, -1);
        // The list's selected item is the source when the drag comes from the list.
        for (int i = 0; i < W->ListView->count(); ++i)
            if (TListView::ItemData(W->ListView->item(i)) == &quelle)
                W->ListView->setCurrentRow(i);
        QWidget *source = f.VonListe ? static_cast<QWidget *>(W->ListView) : W->Tree;
        TDataBasis *ziel = f.AufAnnehmer ? static_cast<TDataBasis *>(&annehmer) : melder;
        QPoint pos;
        if (f.AufListe) {
            for (int i = 0; i < W->ListView->count(); ++i)
                if (TListView::ItemData(W->ListView->item(i)) == ziel)
                    pos = W->ListView->visualItemRect(W->ListView->item(i)).center();
        } else {
            TTreeNode *node = ziel == melder ? melderKopie : W->GetNodeFromData(ziel);
            W->Tree->scrollToItem(node);
            pos = W->Tree->visualItemRect(node).center();
        }
        const size_t drops = annehmer.Drops.size();
        H.Andere.clear();
        bool accept;
        if (f.AufListe) {
            accept = W->CtrlListView()->DragOver(W->ListView, source, pos.x(), pos.y());
            W->ListDragDrop(source, pos);
        } else {
            accept = W->CtrlTree()->DragOver(W->Tree, source, pos.x(), pos.y());
            W->CtrlTree()->DragDrop(W->Tree, source, pos.x(), pos.y());
        }
        H.Zustellen();
        EXPECT_EQ(accept, f.Angenommen);
        if (f.AufAnnehmer && f.Angenommen) {
            ASSERT_EQ(annehmer.Drops.size(), drops + 1);
            EXPECT_EQ(annehmer.Drops.back(), &quelle);
        }
        const bool umbenannt =
            std::count(H.Andere.begin(), H.Andere.end(), AzMsg::UpdateTreeNames::Id) > 0;
        EXPECT_EQ(umbenannt, f.AufListe && !f.VonListe);
    }
    // Nothing under the mouse: nothing accepted or dropped.
    EXPECT_FALSE(W->CtrlTree()->DragOver(W->Tree, W->Tree, -10, -10));
    W->DeleteNode(nullptr, &ordner);
}

TEST_F(FormVerw, TheCursorComesBackWhenADropThrows) {
    Zeige(W);
    TDataBasis *root = W->Tree->TopNode(0)->Data();
    TTestObjekt ordner(9200, 0, "AAA Ziele", 6122, -1000);
    TTestObjekt werfer(9201, 9200, "Werfer");
    werfer.NimmtAn = true;
    werfer.WirftBeimDrop = true;
    W->AddChildNode2Data(root, &ordner, true);
    W->AddChildNode2Data(&ordner, &werfer, true);
    W->Tree->setCurrentItem(W->Tree->TopNode(0));
    W->AktualisiereAnsicht(W->GetNodeFromData(&ordner), -1, -1);
    TCursorRecorder cursors;
    TMessageBoxRecorder boxes;
    const QPoint listPos = W->ListView->visualItemRect(W->ListView->item(0)).center();
    W->CtrlListView()->DragDrop(W->ListView, W->Tree, listPos.x(), listPos.y());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "TCtrlListView::DragDrop");
    EXPECT_EQ(boxes.Boxes()[0].text, "Drop fehlgeschlagen");
    EXPECT_EQ(GetScreenCursor(), crDefault);
    EXPECT_EQ(cursors.Cursors(), std::vector<TCursor>({crHourGlass, crDefault}));
    W->Tree->scrollToItem(W->GetNodeFromData(&werfer));
    const QPoint treePos = W->Tree->visualItemRect(W->GetNodeFromData(&werfer)).center();
    W->CtrlTree()->DragDrop(W->Tree, W->Tree, treePos.x(), treePos.y());
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].caption, "TCtrlTree::DragDrop");
    EXPECT_EQ(GetScreenCursor(), crDefault);
    W->DeleteNode(nullptr, &ordner);
}

struct TScrollFall {
    int Y;
    int Richtung;
};

TEST(FormVerwScroll, BandsAboveAndBelowTheTree) {
    // An 11-pixel font over a tree from 100 to 300: up from 89 to 105, down from 295 to 311,
    // both exclusive.
    const TScrollFall faelle[] = {{89, 0},  {90, 2},  {100, 2}, {103, 2}, {104, 2}, {105, 0},
                                  {200, 0}, {295, 0}, {296, 1}, {310, 1}, {311, 0}, {0, 0}};
    for (const TScrollFall &f : faelle)
        EXPECT_EQ(TFormVerw::ScrollDirection(f.Y, 100, 300, -11), f.Richtung) << f.Y;
}

TEST_F(FormVerw, TheScrollTimerRunsBetweenStartAndEndOfADrag) {
    EXPECT_FALSE(W->TimerTreeScroll.isActive());
    EXPECT_EQ(W->TimerTreeScroll.interval(), 50);
    W->TreeStartDrag();
    EXPECT_TRUE(W->TimerTreeScroll.isActive());
    W->TreeEndDrag();
    EXPECT_FALSE(W->TimerTreeScroll.isActive());
    W->TreeDragOver();
    EXPECT_TRUE(W->TimerTreeScroll.isActive());
    // A tick with the mouse away from the bands stops it.
    QCursor::setPos(W->Tree->mapToGlobal(W->Tree->rect().center()));
    W->TimerTreeScrollTimer();
    EXPECT_EQ(W->ScrollDirectionNow(), 0);
    EXPECT_FALSE(W->TimerTreeScroll.isActive());
}

TEST_F(FormVerw, TreeCommandsOpenAndCloseTheSelection) {
    TTreeNode *ordner = KnotenTyp(W->Tree, 6122);
    W->Tree->setCurrentItem(ordner);
    W->TreeExpand();
    EXPECT_TRUE(ordner->isExpanded());
    EXPECT_TRUE(ordner->child(0)->isExpanded() || ordner->child(0)->childCount() == 0);
    W->TreeCollapse();
    EXPECT_FALSE(ordner->isExpanded());
    W->TreeExpandAll();
    EXPECT_TRUE(KnotenTyp(W->Tree, 6127)->isExpanded());
    EXPECT_TRUE(W->CtrlTree()->GrpAdrFolderNode()->isExpanded());
    W->TreeCollapseAll();
    EXPECT_FALSE(W->Tree->TopNode(0)->isExpanded());
    EXPECT_EQ(W->Tree->currentItem(), W->Tree->TopNode(0));
    W->DeleteTreeViewNodes();
    EXPECT_EQ(W->Tree->topLevelItemCount(), 0);
    EXPECT_EQ(W->GetSelData(), nullptr);
}

TEST_F(FormVerw, TheDeviceCanDropEveryNode) {
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    H.Zustellen();
    ASSERT_TRUE(W->Grid.OnExitCell);
    TFormVerwDienste *dienste = W;
    dienste->DeleteAllNodes();
    EXPECT_FALSE(W->Grid.OnExitCell);
    EXPECT_EQ(W->Grid.RowCount(), 1);
    EXPECT_EQ(W->ListView->count(), 0);
    EXPECT_EQ(W->Tree->topLevelItemCount(), 0);
    EXPECT_EQ(W->CtrlTree()->GrpAdrFolderNode(), nullptr);
    EXPECT_FALSE(W->Updating());
}

} // namespace
