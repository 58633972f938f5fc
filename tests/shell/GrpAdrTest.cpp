// The group-address folder of a project window on the full panel's project: main groups made
// when the device is bound, each level filled one ahead when its parent opens (two and three
// address levels), a refused folder, no node made twice, a copied window filling its own
// levels, and the nodes of a new group address in every window.
#include "TestHilfen.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/win/MessageBox.h"
#include "shell/TCtrlTree.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

int AnzahlUnter(const QTreeWidgetItem *node, int typ) {
    int n = 0;
    for (int i = 0; i < node->childCount(); ++i) {
        const auto *child = static_cast<const TTreeNode *>(node->child(i));
        if (child->Data() && child->Data()->GetTyp() == typ)
            ++n;
        n += AnzahlUnter(child, typ);
    }
    return n;
}

// Every object shown at most once under the node.
bool KeinObjektDoppelt(const QTreeWidgetItem *node, std::set<TDataBasis *> &seen) {
    for (int i = 0; i < node->childCount(); ++i) {
        const auto *child = static_cast<const TTreeNode *>(node->child(i));
        if (!seen.insert(child->Data()).second || !KeinObjektDoppelt(child, seen))
            return false;
    }
    return true;
}

class GrpAdr : public ::testing::Test {
protected:
    void Laden(int levels) {
        H.DM->GrpAdrLevels = levels;
        W = H.NeuesFenster();
        H.LadeVollesPanel();
        Ordner = W->CtrlTree()->GrpAdrFolderNode();
        ASSERT_NE(Ordner, nullptr);
    }
    TTestHaupt H;
    TFormVerw *W = nullptr;
    TTreeNode *Ordner = nullptr;
};

TTreeNode *Kind(TTreeNode *node, const std::string &caption) {
    for (int i = 0; i < node->childCount(); ++i)
        if (node->child(i)->text(0).toStdString() == caption)
            return node->Child(i);
    return nullptr;
}

TEST_F(GrpAdr, MainGroupsAreMadeWhenTheDeviceIsBound) {
    Laden(3);
    EXPECT_EQ(Ordner->Data()->GetTyp(), TGrpAdrOrdner::Typ);
    EXPECT_EQ(Kinder(Ordner), std::vector<std::string>({"Zentrale", "Licht"}));
    for (int i = 0; i < Ordner->childCount(); ++i)
        EXPECT_EQ(Ordner->child(i)->childCount(), 0);
    EXPECT_EQ(H.CheckGrpAdrOrdnerAnzahl, 0);
}

TEST_F(GrpAdr, ThreeLevelsFillOneLevelAhead) {
    Laden(3);
    Ordner->setExpanded(true);
    EXPECT_TRUE(Ordner->isExpanded());
    EXPECT_EQ(H.CheckGrpAdrOrdnerAnzahl, 1);
    TTreeNode *zentrale = Kind(Ordner, "Zentrale");
    ASSERT_NE(zentrale, nullptr);
    EXPECT_EQ(Kinder(zentrale), std::vector<std::string>({"Melder", "Alarm"}));
    EXPECT_EQ(Kinder(Kind(Ordner, "Licht")), std::vector<std::string>({"EG"}));
    EXPECT_EQ(Kind(zentrale, "Melder")->childCount(), 0);
    zentrale->setExpanded(true);
    EXPECT_EQ(H.CheckGrpAdrOrdnerAnzahl, 1);
    EXPECT_EQ(Kinder(Kind(zentrale, "Melder")),
              std::vector<std::string>({"Melder 1", "Melder 2", "Melder 3"}));
    EXPECT_EQ(Kinder(Kind(zentrale, "Alarm")), std::vector<std::string>({"Sirene"}));
    EXPECT_EQ(Kind(Kind(Ordner, "Licht"), "EG")->childCount(), 0);
    EXPECT_EQ(AnzahlUnter(Ordner, TVumaGrpAdrSub::Typ), 4);
}

TEST_F(GrpAdr, TwoLevelsShowNoMiddleGroups) {
    Laden(2);
    Ordner->setExpanded(true);
    EXPECT_EQ(Kinder(Kind(Ordner, "Zentrale")),
              std::vector<std::string>({"Melder 1", "Melder 2", "Melder 3", "Sirene"}));
    EXPECT_EQ(Kinder(Kind(Ordner, "Licht")), std::vector<std::string>({"Flur", "Treppe"}));
    W->TreeExpandAll();
    EXPECT_EQ(AnzahlUnter(Ordner, TVumaGrpAdrMiddle::Typ), 0);
    EXPECT_EQ(AnzahlUnter(Ordner, TVumaGrpAdrSub::Typ), 6);
}

TEST_F(GrpAdr, ARefusedFolderStaysClosed) {
    Laden(3);
    H.CheckGrpAdrOrdnerAntwort = 0;
    Ordner->setExpanded(true);
    EXPECT_EQ(H.CheckGrpAdrOrdnerAnzahl, 1);
    EXPECT_FALSE(Ordner->isExpanded());
    EXPECT_EQ(Kind(Ordner, "Zentrale")->childCount(), 0);
    H.CheckGrpAdrOrdnerAntwort = 1;
    Ordner->setExpanded(true);
    EXPECT_TRUE(Ordner->isExpanded());
    EXPECT_EQ(Kind(Ordner, "Zentrale")->childCount(), 2);
}

TEST_F(GrpAdr, OpeningAgainMakesNoSecondNodes) {
    Laden(3);
    for (int runde = 0; runde < 3; ++runde) {
        Ordner->setExpanded(true);
        Kind(Ordner, "Zentrale")->setExpanded(true);
        Kind(Ordner, "Licht")->setExpanded(true);
        W->TreeCollapseAll();
    }
    std::set<TDataBasis *> seen;
    EXPECT_TRUE(KeinObjektDoppelt(Ordner, seen));
    EXPECT_EQ(AnzahlUnter(Ordner, TVumaGrpAdrMiddle::Typ), 3);
    EXPECT_EQ(AnzahlUnter(Ordner, TVumaGrpAdrSub::Typ), 6);
    EXPECT_EQ(H.CheckGrpAdrOrdnerAnzahl, 3);
}

TEST_F(GrpAdr, WithoutTheGroupMapTheFillingStopsWithABox) {
    Laden(3);
    TFormVerw *ohne = H.NeuesFenster();
    ohne->CtrlTree()->MakeGrpAdrFolder(H.Device->GetMainGroups(), H.Device->GetGrpAdrFolder());
    TTreeNode *ordner = ohne->CtrlTree()->GrpAdrFolderNode();
    ASSERT_NE(ordner, nullptr);
    TMessageBoxRecorder boxes;
    ordner->setExpanded(true);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Group address map not found.\nAbort function");
    EXPECT_EQ(boxes.Boxes()[0].caption, "TFormVerw::TreeExpanding");
    EXPECT_EQ(boxes.Boxes()[0].style, static_cast<unsigned>(MB_OK));
    EXPECT_FALSE(ohne->CtrlTree()->IsUpdating());
    EXPECT_TRUE(ohne->Tree->updatesEnabled());
}

TEST_F(GrpAdr, ACopiedGroupNodeFillsItsOwnLevelFirst) {
    Laden(3);
    Ordner->setExpanded(true);
    TTreeNode *zentrale = Kind(Ordner, "Zentrale");
    zentrale->setExpanded(true);
    Ordner->setExpanded(false);
    TFormVerw *kopie = H.NeuesFenster();
    kopie->Assign(W);
    TTreeNode *ordner = kopie->CtrlTree()->GrpAdrFolderNode();
    ASSERT_NE(ordner, nullptr);
    TTreeNode *kopieZentrale = Kind(ordner, "Zentrale");
    ASSERT_NE(kopieZentrale, nullptr);
    // Main groups come without their middle and sub groups, marked as having children.
    EXPECT_EQ(kopieZentrale->childCount(), 0);
    EXPECT_TRUE(kopieZentrale->HasChildren());
    kopieZentrale->setExpanded(true);
    EXPECT_EQ(Kinder(kopieZentrale), std::vector<std::string>({"Melder", "Alarm"}));
    EXPECT_EQ(Kind(kopieZentrale, "Melder")->childCount(), 3);
}

TEST_F(GrpAdr, ANewAddressGetsItsNodesInEveryWindow) {
    Laden(3);
    TFormVerw *zweites = H.NeuesFenster();
    zweites->Assign(W);
    for (TFormVerw *w : {W, zweites}) {
        TTreeNode *ordner = w->CtrlTree()->GrpAdrFolderNode();
        ordner->setExpanded(true);
        Kind(ordner, "Zentrale")->setExpanded(true);
    }
    H.Aktiv = W;
    ASSERT_NE(H.Device->CreateGrpAddr(0, 0, 4, "Melder 4"), nullptr);
    for (TFormVerw *w : {W, zweites}) {
        SCOPED_TRACE(w->WindowNumber());
        TTreeNode *melder = Kind(Kind(w->CtrlTree()->GrpAdrFolderNode(), "Zentrale"), "Melder");
        ASSERT_NE(melder, nullptr);
        EXPECT_EQ(Kinder(melder),
                  std::vector<std::string>({"Melder 1", "Melder 2", "Melder 3", "Melder 4"}));
        std::set<TDataBasis *> seen;
        EXPECT_TRUE(KeinObjektDoppelt(w->CtrlTree()->GrpAdrFolderNode(), seen));
    }

    // A new main group: main, middle and sub nodes in one call.
    ASSERT_NE(H.Device->CreateGrpAddr(5, 2, 7, "Garten"), nullptr);
    for (TFormVerw *w : {W, zweites}) {
        TTreeNode *ordner = w->CtrlTree()->GrpAdrFolderNode();
        EXPECT_EQ(ordner->childCount(), 3);
        EXPECT_EQ(AnzahlUnter(ordner, TVumaGrpAdrSub::Typ), 6);
    }
}

TEST_F(GrpAdr, WithoutAFolderNoNodesAreMade) {
    Laden(3);
    TFormVerw *ohne = H.NeuesFenster();
    TMessageBoxRecorder boxes;
    TTreeNode *main = Kind(Ordner, "Zentrale");
    ohne->CreateGroupAddressNodes(main->Data(), nullptr, nullptr, true);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Can't find Groupaddress folder.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "error (TDeviceInstanz::InsertGrpAdr)");
    EXPECT_EQ(ohne->GetNodeFromData(main->Data()), nullptr);
}

TEST_F(GrpAdr, ReadingTheTreeAgainRebuildsTheFolderWithTheNewObjects) {
    Laden(3);
    Ordner->setExpanded(true);
    Kind(Ordner, "Zentrale")->setExpanded(true);
    // The device drops its group objects and makes new ones: the window lets go of its nodes
    // first and shows the new objects afterwards (no node keeps a dropped object).
    ASSERT_TRUE(H.Device->GetGrpAdrFromServer());
    TTreeNode *neu = W->CtrlTree()->GrpAdrFolderNode();
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(Kinder(neu), std::vector<std::string>({"Zentrale", "Licht"}));
    for (int i = 0; i < neu->childCount(); ++i)
        EXPECT_EQ(H.Device->GetMainGroups().count(
                      dynamic_cast<TVumaGrpAdr *>(neu->Child(i)->Data())->GetGroupId()),
                  1u);
    W->UpdateTreeNamesAndIcon();
    neu->setExpanded(true);
    EXPECT_EQ(AnzahlUnter(neu, TVumaGrpAdrMiddle::Typ), 3);
}

TEST_F(GrpAdr, DeleteGrpAdrLetsGoOfTheGroupObjects) {
    Laden(3);
    Ordner->setExpanded(true);
    W->DeleteGrpAdr();
    EXPECT_EQ(W->CtrlTree()->GrpAdrFolderNode(), nullptr);
    EXPECT_EQ(W->GrpAdrOrdner(), nullptr);
    EXPECT_EQ(W->Tree->topLevelItemCount(), 1);
}

} // namespace
