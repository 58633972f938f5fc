// The right pane on the full panel: a folder's child list and its column, an unfilled group, a
// detector's grid with its cell activated, a cell edited through its in-place editor reaching
// the record with the object's posts in order, column sizing, and the focus rules.
#include "TTestObjekt.h"
#include "TestHilfen.h"
#include "objectmodel/TAzMelder.h"
#include "platform/grid/TDrawGridSE.h"
#include "shell/QtText.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TListView.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>
#include <memory>

namespace {

using Ansicht = VollesFenster;

TEST_F(Ansicht, AFolderListsItsChildrenWithTheColumnOfTheWidestCaption) {
    TTreeNode *ordner = KnotenTyp(W->Tree, 6122);
    ASSERT_NE(ordner, nullptr);
    W->Tree->setCurrentItem(ordner);
    EXPECT_FALSE(W->ListView->isHidden());
    EXPECT_TRUE(W->GridView->isHidden());
    ASSERT_EQ(W->ListView->count(), ordner->childCount());
    const QFontMetrics metrics(W->ListView->font());
    int breite = 0;
    for (int i = 0; i < ordner->childCount(); ++i) {
        QListWidgetItem *item = W->ListView->item(i);
        EXPECT_EQ(item->text(), ordner->child(i)->text(0));
        EXPECT_EQ(TListView::ItemData(item), ordner->Child(i)->Data());
        EXPECT_EQ(TListView::ItemImageIndex(item), ordner->Child(i)->ImageIndex);
        breite = std::max(breite, metrics.horizontalAdvance(item->text()));
    }
    EXPECT_EQ(W->ListView->ColumnWidth(), breite + 50);
    EXPECT_EQ(W->ListView->viewMode(), QListView::ListMode);
    EXPECT_TRUE(W->ListView->dragEnabled());
}

TEST_F(Ansicht, TwoCaptionsGiveTheWiderOnePlusFifty) {
    // Two children whose captions are 80 and 120 pixels wide in the list's font.
    const QFontMetrics metrics(W->ListView->font());
    auto breiterText = [&](int pixel) {
        QString t;
        while (metrics.horizontalAdvance(t + "i") <= pixel)
            t += "i";
        return t;
    };
    TTestObjekt ordner(9001, 0, "Ordner", 6122);
    TTestObjekt a(9002, 9001, FromQString(breiterText(80)));
    TTestObjekt b(9003, 9001, FromQString(breiterText(120)));
    TDataBasis *root = W->Tree->TopNode(0)->Data();
    TTreeNode *node = W->AddChildNode2Data(root, &ordner, false);
    W->AddChildNode2Data(&ordner, &a, false);
    W->AddChildNode2Data(&ordner, &b, false);
    W->AktualisiereAnsicht(node, -1, -1);
    const int wa = metrics.horizontalAdvance(a.GetName(true).c_str());
    const int wb = metrics.horizontalAdvance(b.GetName(true).c_str());
    EXPECT_EQ(W->ListView->ColumnWidth(), std::max(wa, wb) + 50);
    EXPECT_LE(std::max(wa, wb), 120);
    EXPECT_GT(std::max(wa, wb), 110);
    W->DeleteNode(nullptr, &ordner);
}

TEST_F(Ansicht, AnUnfilledGroupLeavesTheListEmptyAndItsColumnAlone) {
    TTreeNode *ordner = W->CtrlTree()->GrpAdrFolderNode();
    ASSERT_NE(ordner, nullptr);
    W->AktualisiereAnsicht(ordner, -1, -1);
    const int breite = W->ListView->ColumnWidth();
    EXPECT_EQ(W->ListView->count(), ordner->childCount());
    TTreeNode *main = ordner->Child(0);
    main->SetHasChildren(true);
    ASSERT_EQ(main->childCount(), 0);
    W->AktualisiereAnsicht(main, -1, -1);
    EXPECT_EQ(W->ListView->count(), 0);
    EXPECT_EQ(W->ListView->ColumnWidth(), breite);
    EXPECT_FALSE(W->ListView->isHidden());
}

TEST_F(Ansicht, ADetectorShowsItsGridWithTheFirstValueCellActive) {
    TTreeNode *melder = KnotenTyp(W->Tree, 6124);
    ASSERT_NE(melder, nullptr);
    W->Tree->setCurrentItem(melder);
    EXPECT_TRUE(W->ListView->isHidden());
    EXPECT_FALSE(W->GridView->isHidden());
    EXPECT_GT(W->Grid.RowCount(), 2);
    EXPECT_EQ(W->GridView->rowCount(), W->Grid.RowCount());
    EXPECT_EQ(W->Grid.Cells(0, 0).Data, melder->Data());
    // 1136 (column 1, row 0) activates the cell when the main window delivers it.
    int col = -1, row = -1;
    EXPECT_EQ(W->Grid.GetActiveCell(col, row), 0);
    H.Zustellen();
    EXPECT_NE(W->Grid.GetActiveCell(col, row), 0);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 0);
    EXPECT_NE(W->GridView->EditorWidget(), nullptr);
    EXPECT_EQ(W->GridView->cellWidget(0, 1), W->GridView->EditorWidget());
}

TEST_F(Ansicht, ATextTypedIntoTheEditorReachesTheRecordWithThePostsInOrder) {
    TTreeNode *melderKnoten = KnotenTyp(W->Tree, 6124);
    auto *melder = dynamic_cast<TAzMelder *>(melderKnoten->Data());
    ASSERT_NE(melder, nullptr);
    W->Tree->setCurrentItem(melderKnoten);
    H.Zustellen();
    int textRow = -1;
    for (int r = 0; r < W->Grid.RowCount(); ++r)
        if (W->Grid.Cells(1, r).RowId == TAzMelder::RowMelderText)
            textRow = r;
    ASSERT_GE(textRow, 0);
    W->Grid.SetActiveCell(1, textRow);
    auto *combo = dynamic_cast<QComboBox *>(W->GridView->EditorWidget());
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->isEditable());
    H.Log.clear();
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "Flur");
    EXPECT_EQ(melder->GetMelderText(), "Flur");
    EXPECT_EQ(H.Device->GetDatenSatz(melder)->String4, "Flur");
    H.Zustellen();
    // Leaving the cell: the name changes in the tree too.
    W->Grid.DeleteZellenKomponente();
    H.Zustellen();
    const auto pos = [&](UINT msg) {
        return std::find(H.Log.begin(), H.Log.end(), msg) - H.Log.begin();
    };
    ASSERT_LT(pos(1127), static_cast<long>(H.Log.size()));
    ASSERT_LT(pos(1163), static_cast<long>(H.Log.size()));
    ASSERT_LT(pos(1138), static_cast<long>(H.Log.size()));
    EXPECT_LT(pos(1127), pos(1163));
    EXPECT_LT(pos(1163), pos(1138));
    EXPECT_EQ(melderKnoten->text(0).toStdString().rfind("Flur", 0), 0u);
    EXPECT_EQ(W->GridView->EditorWidget(), nullptr);
}

TEST_F(Ansicht, LoadSizeRefitsOrMovesTheActiveCell) {
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    H.Zustellen();
    W->LoadSize(false, 200);
    EXPECT_FALSE(W->Grid.AutoSize);
    EXPECT_EQ(W->Grid.DefaultColWidth, 200);
    EXPECT_EQ(W->GridView->columnWidth(0), 200);
    EXPECT_EQ(W->GridView->columnWidth(1), 200);
    int col = -1, row = -1;
    W->Grid.GetActiveCell(col, row);
    EXPECT_EQ(W->Grid.Col(), 0);
    EXPECT_EQ(W->Grid.Row(), 0);
    W->Grid.SetActiveCell(1, 1);
    W->LoadSize(false, 180);
    EXPECT_EQ(W->Grid.Col(), 1);
    EXPECT_EQ(W->Grid.Row(), 1);
    EXPECT_EQ(W->Grid.DefaultColWidth, 180);
    W->LoadSize(true, 180);
    EXPECT_EQ(W->Grid.DefaultColWidth, 1);
    EXPECT_EQ(W->Grid.Col(), 0);
    EXPECT_EQ(W->Grid.Row(), 0);
}

TEST_F(Ansicht, GridColumnsStartAtTheOptionsWidth) {
    H.DM->GridAutoSize = false;
    H.DM->GridColDefSize = 200;
    W->Tree->setCurrentItem(KnotenTyp(W->Tree, 6124));
    EXPECT_EQ(W->Grid.DefaultColWidth, 200);
    EXPECT_EQ(W->GridView->columnWidth(0), 200);
    H.DM->GridAutoSize = true;
    W->AktualisiereAnsicht(nullptr, -1, -1);
    EXPECT_TRUE(W->Grid.AutoSize);
    EXPECT_EQ(W->Grid.DefaultColWidth, 1);
}

TEST_F(Ansicht, FocusMovesIntoTheGridOnlyForACell) {
    Zeige(W);
    TTreeNode *melder = KnotenTyp(W->Tree, 6124);
    W->Tree->setCurrentItem(melder);
    H.Zustellen();
    W->Grid.DeleteZellenKomponente();
    W->setFocus();
    ASSERT_FALSE(FokusIn(W->GridView));
    W->AktualisiereAnsicht(melder, -1, -1);
    EXPECT_FALSE(FokusIn(W->GridView));
    W->AktualisiereAnsicht(melder, 0, 0);
    EXPECT_TRUE(FokusIn(W->GridView));
    W->Tree->setFocus();
    W->AktualisiereAnsicht(melder, 0, 0);
    EXPECT_TRUE(W->Tree->hasFocus()); // the tree had it: it gets it back
}

} // namespace
