// A full panel (four areas, 160 detectors) loaded through the device instance into project
// windows: the tree, its order, the services the instance calls, and two windows aligned.
#include "TestHilfen.h"
#include "objectmodel/TAzMelder.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "shell/TCtrlTree.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TTreeNode *Suche(QTreeWidget *tree, const std::string &caption) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0).toStdString() == caption)
            return AsNode(*it);
    return nullptr;
}

void Ausgabe(const QTreeWidgetItem *node, int tiefe, std::string &out, int maxKinder) {
    out += std::string(static_cast<size_t>(tiefe) * 2, ' ') + node->text(0).toStdString() + "\n";
    for (int i = 0; i < node->childCount() && i < maxKinder; ++i)
        Ausgabe(node->child(i), tiefe + 1, out, maxKinder);
}

using VollesPanel = VollesFenster;

TEST_F(VollesPanel, TreeShowsThePanelAndTheGroupAddressFolder) {
    ASSERT_EQ(W->Tree->topLevelItemCount(), 2);
    std::string dump;
    Ausgabe(W->Tree->topLevelItem(0), 0, dump, 3);
    SCOPED_TRACE(dump);
    TTreeNode *root = W->Tree->TopNode(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->Data()->GetTyp(), 105);
    EXPECT_EQ(W->Tree->TopNode(1)->Data()->GetTyp(), TGrpAdrOrdner::Typ);
    EXPECT_EQ(AnzahlTyp(W->Tree, 6124), 160);
    EXPECT_EQ(AnzahlTyp(W->Tree, 6127), 1);
    EXPECT_EQ(AnzahlTyp(W->Tree, 6130), 1);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(W->Tree->currentItem(), root);
    EXPECT_EQ(W->GetSelData(), root->Data());
    EXPECT_EQ(W->GrpAdrOrdner(), W->Tree->TopNode(1)->Data());
}

TEST_F(VollesPanel, DetectorsOfAnAreaAreInNaturalOrder) {
    TTreeNode *sb1 = nullptr;
    for (QTreeWidgetItemIterator it(W->Tree); *it; ++it)
        if (TTreeNode *n = AsNode(*it); n && n->Data() && n->Data()->GetTyp() == 6127) {
            sb1 = n;
        }
    ASSERT_NE(sb1, nullptr);
    ASSERT_EQ(sb1->childCount(), 40);
    std::vector<int> nummern;
    for (int i = 0; i < sb1->childCount(); ++i) {
        auto *melder = dynamic_cast<TAzMelder *>(sb1->Child(i)->Data());
        ASSERT_NE(melder, nullptr);
        nummern.push_back(melder->GetMelderNr());
        if (i > 0) {
            EXPECT_LE(TCtrlTree::Compare(sb1->Child(i - 1), sb1->Child(i)), 0);
        }
    }
    // The captions end in a bracket: they sort as whole texts ("Eingang 1", "Eingang 10", ...).
    EXPECT_EQ(nummern.front(), 1);
    EXPECT_EQ(nummern[1], 10);
    EXPECT_EQ(nummern.back(), 9);
}

TEST_F(VollesPanel, TheInstanceAddsRenamesAndRemovesNodes) {
    TDataBasis *root = W->Tree->TopNode(0)->Data();
    TTreeNode *sb1Node = nullptr;
    for (QTreeWidgetItemIterator it(W->Tree); *it; ++it)
        if (TTreeNode *n = AsNode(*it); n && n->Data() && n->Data()->GetTyp() == 6127) {
            sb1Node = n;
        }
    ASSERT_NE(sb1Node, nullptr);
    TDataBasis *melder = sb1Node->Child(0)->Data();
    EXPECT_EQ(W->GetNodeFromData(melder), sb1Node->Child(0));
    W->DeleteNode(nullptr, melder);
    EXPECT_EQ(W->GetNodeFromData(melder), nullptr);
    EXPECT_EQ(sb1Node->childCount(), 39);
    TTreeNode *neu = W->AddChildNode2Data(sb1Node->Data(), melder, true);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(sb1Node->childCount(), 40);
    EXPECT_TRUE(sb1Node->isExpanded());
    W->SetNodeImages(neu, 61, 61, 61);
    EXPECT_EQ(neu->ImageIndex, 61);
    W->UpdateNodeIcon(melder);
    EXPECT_EQ(neu->ImageIndex, melder->GetIcon());
    EXPECT_NE(W->GetNodeFromData(root), nullptr);
}

TEST_F(VollesPanel, TwoWindowsAreAligned) {
    TFormVerw *zweites = H.NeuesFenster();
    zweites->Assign(W);
    ASSERT_EQ(zweites->Tree->topLevelItemCount(), 2);
    EXPECT_EQ(AnzahlTyp(zweites->Tree, 6124), 160);
    EXPECT_EQ(zweites->GrpAdrOrdner(), W->GrpAdrOrdner());
    // Both show the same objects.
    TTreeNode *a = W->Tree->TopNode(0);
    TTreeNode *b = zweites->Tree->TopNode(0);
    EXPECT_EQ(a->Data(), b->Data());
    EXPECT_EQ(Kinder(a), Kinder(b));

    // The first window selects a detector and opens its area; the second follows on Abgleich
    // with its own state kept, and takes the other's state on Assign.
    TDataBasis *rootObjekt = b->Data();
    TTreeNode *knoten = Suche(W->Tree, W->Tree->TopNode(0)->child(1)->text(0).toStdString());
    ASSERT_NE(knoten, nullptr);
    W->Tree->setCurrentItem(knoten);
    zweites->Abgleich(W);
    EXPECT_EQ(zweites->GetSelData(), rootObjekt);
    EXPECT_EQ(AnzahlTyp(zweites->Tree, 6124), 160);
    zweites->Assign(W);
    EXPECT_EQ(zweites->GetSelData(), knoten->Data());
    // Visible in the source means visible in the copy.
    EXPECT_TRUE(zweites->Tree->TopNode(0)->isExpanded());
}

} // namespace
