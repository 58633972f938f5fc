// What the shell's tests share: finding nodes by type, a shown and active window, and the
// fixture with the full panel loaded into one project window.
#pragma once

#include "TTestHaupt.h"
#include "platform/objectbase/TDataBasis.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The first node (in index order) whose object has the type; null when none.
inline TTreeNode *KnotenTyp(QTreeWidget *tree, int typ, int skip = 0) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (TTreeNode *n = AsNode(*it); n && n->Data() && n->Data()->GetTyp() == typ) {
            if (skip-- == 0)
                return n;
        }
    return nullptr;
}

// The captions of a node's children, in order (UTF-8).
inline std::vector<std::string> Kinder(const QTreeWidgetItem *node) {
    std::vector<std::string> out;
    for (int i = 0; i < node->childCount(); ++i)
        out.push_back(node->child(i)->text(0).toStdString());
    return out;
}

// How many nodes of the tree show an object of the type.
inline int AnzahlTyp(QTreeWidget *tree, int typ) {
    int n = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (TTreeNode *node = AsNode(*it); node && node->Data() && node->Data()->GetTyp() == typ) {
            ++n;
        }
    return n;
}

// Shows the window and makes it the active one, so that its controls can take the focus.
inline void Zeige(QWidget *w) {
    w->resize(800, 500);
    w->show();
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w);
}

// Whether the widget or one of its children has the focus.
inline bool FokusIn(const QWidget *w) {
    const QWidget *f = QApplication::focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

class VollesFenster : public ::testing::Test {
protected:
    void SetUp() override {
        W = H.NeuesFenster();
        H.LadeVollesPanel();
    }
    TTestHaupt H;
    TFormVerw *W = nullptr;
};
