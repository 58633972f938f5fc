// The tree controller on its own: the split of captions and the order of siblings as tables,
// the tree built from a map (root, invisible subtrees, no root), finding, adding and deleting
// nodes, and the update bracket that sorts once.
#include "shell/TCtrlTree.h"
#include "TTestObjekt.h"
#include "TestHilfen.h"
#include "platform/vcl/Cp1252.h"
#include "shell/TImageList.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct TTrennFall {
    const char *Text;
    bool Ok;
    const char *Vorne;
    int Zahl;
};

TEST(TCtrlTree, TrenneZahlenUndString) {
    const TTrennFall faelle[] = {
        {"Melder 2", true, "Melder ", 2},
        {"Melder 10", true, "Melder ", 10},
        {"Bereich", false, "", 0},
        {"", false, "", 0},
        {"12", true, "", 12},
        {"Anzeige 1,5", true, "Anzeige ", -1},
        {"X 99999999999", true, "X ", -1},
        {"Melder 2a", false, "", 0},
        {"Texte,", true, "Texte", -1},
    };
    for (const TTrennFall &f : faelle) {
        SCOPED_TRACE(f.Text);
        const TCtrlTree::TZahlUndText r = TCtrlTree::TrenneZahlenUndString(f.Text);
        EXPECT_EQ(r.Ok, f.Ok);
        if (f.Ok) {
            EXPECT_EQ(r.Text, f.Vorne);
            EXPECT_EQ(r.Zahl, f.Zahl);
        }
    }
}

class TreeFixture : public ::testing::Test {
protected:
    TTestObjekt *Objekt(int handle, int parent, const char *name, int typ = 6122, int pos = 0) {
        auto o = std::make_unique<TTestObjekt>(handle, parent, name, typ, pos);
        TTestObjekt *raw = o.get();
        Map.emplace(handle, std::move(o));
        return raw;
    }
    TImageList Bilder;
    TTreeView Tree;
    TCtrlTree Ctrl{&Tree, &Bilder};
    TObjektMap Map;
};

struct TOrdnungsFall {
    std::vector<std::pair<const char *, int>> Geschwister; // caption, position id
    std::vector<std::string> Reihenfolge;
};

TEST_F(TreeFixture, SiblingsFollowPositionThenNaturalOrder) {
    const TOrdnungsFall faelle[] = {
        {{{"Melder 9", 0}, {"Melder 10", 0}, {"Melder 2", 0}},
         {"Melder 2", "Melder 9", "Melder 10"}},
        {{{"Bereich 1", 0}, {"Bereich", 0}}, {"Bereich", "Bereich 1"}},
        {{{"Zentrale", 1}, {"Anzeige", 2}, {"Alarm", 3}}, {"Zentrale", "Anzeige", "Alarm"}},
        {{{"beta", 0}, {"Alpha", 0}, {"Ärger", 0}}, {"Alpha", "Ärger", "beta"}},
        {{{"Anzeige 1,5", 0}, {"Anzeige 0", 0}, {"Anzeige 3", 0}},
         {"Anzeige 1,5", "Anzeige 0", "Anzeige 3"}},
    };
    int handle = 100;
    for (const TOrdnungsFall &f : faelle) {
        Map.clear();
        Objekt(1, 0, "Zentrale", 105);
        for (const auto &[name, pos] : f.Geschwister) {
            const AnsiString ansi = Utf8ToAnsi(name);
            Objekt(++handle, 1, ansi.c_str(), 6122, pos);
        }
        Ctrl.InitTree(Map);
        std::vector<std::string> soll = f.Reihenfolge;
        EXPECT_EQ(Kinder(Tree.topLevelItem(0)), soll);
    }
}

TEST_F(TreeFixture, InvisibleObjectsHideTheirSubtree) {
    Objekt(1, 0, "Zentrale", 105);
    Objekt(2, 1, "Sichtbar");
    Objekt(3, 1, "Versteckt")->Sichtbar = false;
    Objekt(4, 3, "Unter Versteckt");
    Objekt(5, 2, "Unter Sichtbar");
    Objekt(6, 5, "Tief");
    Ctrl.InitTree(Map);
    ASSERT_EQ(Tree.topLevelItemCount(), 1);
    QTreeWidgetItem *root = Tree.topLevelItem(0);
    EXPECT_EQ(Kinder(root), std::vector<std::string>({"Sichtbar"}));
    EXPECT_EQ(Kinder(root->child(0)), std::vector<std::string>({"Unter Sichtbar"}));
    EXPECT_EQ(Kinder(root->child(0)->child(0)), std::vector<std::string>({"Tief"}));
    EXPECT_EQ(Ctrl.GetNodeFromData(Map.at(3).get()), nullptr);
    EXPECT_EQ(Ctrl.GetNodeFromData(Map.at(4).get()), nullptr);
    // The root is selected and open one level.
    EXPECT_EQ(Tree.currentItem(), root);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_FALSE(root->child(0)->isExpanded());
}

TEST_F(TreeFixture, AMapWithoutRootLeavesTheTreeAsItWas) {
    Objekt(1, 0, "Zentrale", 105);
    Ctrl.InitTree(Map);
    TObjektMap ohne;
    ohne.emplace(7, std::make_unique<TTestObjekt>(7, 0, "Ordner", 6122));
    Ctrl.InitTree(ohne);
    ASSERT_EQ(Tree.topLevelItemCount(), 1);
    EXPECT_EQ(Tree.topLevelItem(0)->text(0).toStdString(), "Zentrale");
    Ctrl.InitTree(TObjektMap{});
    EXPECT_EQ(Tree.topLevelItemCount(), 1);
}

TEST_F(TreeFixture, NodesCarryCaptionIconsAndObject) {
    TTestObjekt *root = Objekt(1, 0, "Zentrale", 105);
    root->Icon = 29;
    Ctrl.InitTree(Map);
    TTreeNode *node = Ctrl.GetNodeFromData(root);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->Data(), root);
    EXPECT_EQ(node->ImageIndex, 29);
    EXPECT_EQ(node->StateIndex, 29);
    EXPECT_EQ(node->SelectedIndex, 29);
    EXPECT_FALSE(node->icon(0).isNull());
    EXPECT_EQ(Ctrl.GetSelData(), root);
}

TEST_F(TreeFixture, AddedNodesTakeTheirPlaceAndDeletedOnesTakeTheirSubtree) {
    TTestObjekt *root = Objekt(1, 0, "Zentrale", 105);
    TTestObjekt *ordner = Objekt(2, 1, "Ordner");
    Objekt(3, 2, "Melder 2");
    Objekt(4, 2, "Melder 10");
    Ctrl.InitTree(Map);
    TTestObjekt neu(5, 2, "Melder 3");
    TTreeNode *node = Ctrl.AddChildNode2Data(ordner, &neu);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(Kinder(Ctrl.GetNodeFromData(ordner)),
              std::vector<std::string>({"Melder 2", "Melder 3", "Melder 10"}));
    TTestObjekt ohneKnoten(6, 9, "Fremd");
    EXPECT_EQ(Ctrl.AddChildNode2Data(&ohneKnoten, &neu), nullptr);
    EXPECT_EQ(Ctrl.AddChildNode2Data(nullptr, &neu), nullptr);
    Ctrl.DeleteNode(ordner);
    EXPECT_EQ(Ctrl.GetNodeFromData(ordner), nullptr);
    EXPECT_EQ(Ctrl.GetNodeFromData(&neu), nullptr);
    EXPECT_EQ(Tree.topLevelItem(0)->childCount(), 0);
    Ctrl.DeleteNode(nullptr);
    EXPECT_NE(Ctrl.GetNodeFromData(root), nullptr);
}

TEST_F(TreeFixture, RenamedObjectsAreRenamedAndResorted) {
    Objekt(1, 0, "Zentrale", 105);
    TTestObjekt *a = Objekt(2, 1, "Anton");
    Objekt(3, 1, "Berta");
    Ctrl.InitTree(Map);
    a->SetName("Zora");
    a->Icon = 33;
    Ctrl.UpdateNamesAndIcon();
    EXPECT_EQ(Kinder(Tree.topLevelItem(0)), std::vector<std::string>({"Berta", "Zora"}));
    EXPECT_EQ(Ctrl.GetNodeFromData(a)->ImageIndex, 33);
}

TEST_F(TreeFixture, AnUpdateBracketSortsOnceAtItsEnd) {
    TTestObjekt *root = Objekt(1, 0, "Zentrale", 105);
    Ctrl.InitTree(Map);
    TTestObjekt b(2, 1, "B"), a(3, 1, "A");
    {
        TCtrlTree::TUpdateGuard guard(Ctrl);
        Ctrl.AddChildNode2Data(root, &b);
        Ctrl.AddChildNode2Data(root, &a);
        EXPECT_TRUE(Ctrl.IsUpdating());
        EXPECT_FALSE(Tree.updatesEnabled());
        EXPECT_EQ(Kinder(Tree.topLevelItem(0)), std::vector<std::string>({"B", "A"}));
    }
    EXPECT_TRUE(Tree.updatesEnabled());
    EXPECT_EQ(Kinder(Tree.topLevelItem(0)), std::vector<std::string>({"A", "B"}));
}

} // namespace
