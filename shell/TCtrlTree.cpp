#include "shell/TCtrlTree.h"

#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/log/Log.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/vcl/Exception.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "shell/QtText.h"
#include "shell/TImageList.h"
#include "shell/TListView.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <QCollator>
#include <QLocale>
#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>

#include <climits>
#include <set>
#include <vector>

namespace {
// German, letters compared without their case.
const QCollator &Collator() {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return collator;
}

bool IstZiffernZeichen(unsigned c) {
    return (c >= '0' && c <= '9') || c == ',';
}

// The split of TrenneZahlenUndString for any text of single characters: the run of digits and
// commas at the end, read as a decimal number (-1 when it does not read as one).
template <class S, class F>
bool Trenne(const S &text, size_t length, F zeichen, S &leading, int &number) {
    if (length == 0 || !IstZiffernZeichen(zeichen(length - 1)))
        return false;
    size_t begin = length;
    while (begin > 0 && IstZiffernZeichen(zeichen(begin - 1)))
        --begin;
    long long value = 0;
    bool gueltig = true;
    for (size_t i = begin; i < length && gueltig; ++i) {
        const unsigned c = zeichen(i);
        if (c == ',') {
            gueltig = false;
        } else {
            value = value * 10 + (c - '0');
            if (value > INT_MAX)
                gueltig = false;
        }
    }
    number = gueltig ? static_cast<int>(value) : -1;
    leading = text.left(static_cast<qsizetype>(begin));
    return true;
}

bool TrenneQ(const QString &text, QString &leading, int &number) {
    return Trenne(
        text, static_cast<size_t>(text.size()),
        [&](size_t i) { return static_cast<unsigned>(text[static_cast<qsizetype>(i)].unicode()); },
        leading, number);
}

// Every node of the tree in index order (depth first).
std::vector<TTreeNode *> AlleKnoten(QTreeWidget *tree) {
    std::vector<TTreeNode *> nodes;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (TTreeNode *node = AsNode(*it))
            nodes.push_back(node);
    return nodes;
}

bool AlleElternOffen(const QTreeWidgetItem *item) {
    for (const QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        if (!p->isExpanded())
            return false;
    return true;
}

void MacheSichtbar(QTreeWidgetItem *item) {
    std::vector<QTreeWidgetItem *> eltern;
    for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        eltern.push_back(p);
    for (auto it = eltern.rbegin(); it != eltern.rend(); ++it)
        (*it)->setExpanded(true);
}

void ExpandierenMitKindern(QTreeWidgetItem *item, bool offen) {
    // Opening a node may make new children (group levels): walk what exists after each step.
    item->setExpanded(offen);
    for (int i = 0; i < item->childCount(); ++i)
        ExpandierenMitKindern(item->child(i), offen);
}
} // namespace

TCtrlTree::TUpdateGuard::TUpdateGuard(TCtrlTree &tree) : FTree(tree) {
    LOG_FKT("TCtrlTree::TUpdateGuard::TUpdateGuard");
    FTree.BeginUpdate();
}

TCtrlTree::TUpdateGuard::~TUpdateGuard() {
    LOG_FKT("TCtrlTree::TUpdateGuard::~TUpdateGuard");
    FTree.EndUpdate();
}

TCtrlTree::TCtrlTree(TTreeView *tree, const TImageList *images) : FTree(tree), FImages(images) {
    LOG_FKT("TCtrlTree::TCtrlTree");
}

TCtrlTree::~TCtrlTree() {
    LOG_FKT("TCtrlTree::~TCtrlTree");
}

void TCtrlTree::SetDeviceInstanz(TDeviceInstanz *device) {
    LOG_FKT("TCtrlTree::SetDeviceInstanz");
    FDevice = device;
}

void TCtrlTree::BeginUpdate() {
    LOG_FKT("TCtrlTree::BeginUpdate");
    if (FUpdateCount++ == 0)
        FTree->setUpdatesEnabled(false);
}

void TCtrlTree::EndUpdate() {
    LOG_FKT("TCtrlTree::EndUpdate");
    if (FUpdateCount == 0 || --FUpdateCount > 0)
        return;
    if (FSortPending)
        SortAll();
    FTree->setUpdatesEnabled(true);
}

void TCtrlTree::SortAll() {
    LOG_FKT("TCtrlTree::SortAll");
    if (FUpdateCount > 0) {
        FSortPending = true;
        return;
    }
    FSortPending = false;
    FTree->sortItems(0, Qt::AscendingOrder);
}

void TCtrlTree::SortChildrenOf(TTreeNode *parent) {
    LOG_FKT("TCtrlTree::SortChildrenOf");
    if (FUpdateCount > 0) {
        FSortPending = true;
        return;
    }
    if (parent)
        parent->sortChildren(0, Qt::AscendingOrder);
    else
        FTree->sortItems(0, Qt::AscendingOrder);
}

void TCtrlTree::SetImages(TTreeNode *node, int image, int state, int selected) {
    LOG_FKT("TCtrlTree::SetImages");
    if (!node)
        return;
    node->ImageIndex = image;
    node->StateIndex = state;
    node->SelectedIndex = selected;
    node->setIcon(0, FImages ? FImages->Icon(image) : QIcon());
}

void TCtrlTree::SetCaption(TTreeNode *node, TDataBasis *object) {
    LOG_FKT("TCtrlTree::SetCaption");
    node->setText(0, ToQString(object->GetName(true)));
    const int icon = object->GetIcon();
    SetImages(node, icon, icon, icon);
}

void TCtrlTree::InitTree(const TObjektMap &objects) {
    LOG_FKT("TCtrlTree::InitTree");
    if (objects.empty())
        return;
    TDataBasis *root = nullptr;
    for (const auto &[handle, object] : objects)
        if (object && object->GetTyp() >= 101 && object->GetTyp() <= 115) {
            root = object.get();
            break;
        }
    if (!root)
        return;
    TUpdateGuard guard(*this);
    TTreeNode *rootNode = MakeNode(nullptr, root);
    // The children of every handle, in handle order, looked up once instead of by a walk of
    // the whole map for every node.
    FKinder.clear();
    for (const auto &[handle, object] : objects)
        if (object)
            FKinder[object->GetParent()].push_back(object.get());
    FKinderGueltig = true;
    InitChildNode(root->GetHandle(), objects, rootNode);
    FKinderGueltig = false;
    FKinder.clear();
    FTree->setCurrentItem(rootNode);
    rootNode->setExpanded(true);
}

void TCtrlTree::InitChildNode(int parentHandle, const TObjektMap &objects, TTreeNode *node) {
    LOG_FKT("TCtrlTree::InitChildNode");
    std::vector<TDataBasis *> kinder;
    if (FKinderGueltig) {
        const auto it = FKinder.find(parentHandle);
        if (it != FKinder.end())
            kinder = it->second;
    } else {
        for (const auto &[handle, object] : objects)
            if (object && object->GetParent() == parentHandle)
                kinder.push_back(object.get());
    }
    for (TDataBasis *object : kinder) {
        if (!object->IsVisible() || object == node->Data())
            continue;
        TTreeNode *child = MakeNode(node, object);
        if (child)
            InitChildNode(object->GetHandle(), objects, child);
    }
}

TTreeNode *TCtrlTree::MakeNode(TTreeNode *parent, TDataBasis *object) {
    LOG_FKT("TCtrlTree::MakeNode");
    if (!object)
        return nullptr;
    auto *node = new TTreeNode(object); // the tree owns its nodes
    SetCaption(node, object);
    if (parent) {
        parent->addChild(node);
    } else {
        FTree->clear();
        FTree->addTopLevelItem(node);
    }
    const int n = object->GetSubObjectCount(true);
    for (int i = 0; i < n; ++i) {
        TDataBasis *sub = object->GetSubObject(i, true);
        if (!sub)
            break;
        MakeNode(node, sub);
    }
    SortChildrenOf(parent);
    return node;
}

TTreeNode *TCtrlTree::AddChildNode2Data(TDataBasis *parent, TDataBasis *object) {
    LOG_FKT("TCtrlTree::AddChildNode2Data");
    if (!parent)
        return nullptr;
    TTreeNode *node = GetNodeFromData(parent);
    return node ? MakeNode(node, object) : nullptr;
}

void TCtrlTree::DeleteNode(TDataBasis *object) {
    LOG_FKT("TCtrlTree::DeleteNode");
    if (!object)
        return;
    delete GetNodeFromData(object); // takes its subtree with it
}

TTreeNode *TCtrlTree::GetNodeFromData(TDataBasis *object) const {
    LOG_FKT("TCtrlTree::GetNodeFromData");
    if (!object)
        return nullptr;
    for (QTreeWidgetItemIterator it(FTree); *it; ++it) {
        TTreeNode *node = AsNode(*it);
        if (node && node->Data() == object)
            return node;
    }
    return nullptr;
}

TDataBasis *TCtrlTree::GetSelData() const {
    LOG_FKT("TCtrlTree::GetSelData");
    TTreeNode *node = FTree->Selected();
    return node ? node->Data() : nullptr;
}

void TCtrlTree::UpdateNamesAndIcon() {
    LOG_FKT("TCtrlTree::UpdateNamesAndIcon");
    try {
        TUpdateGuard guard(*this);
        for (TTreeNode *node : AlleKnoten(FTree))
            if (node->Data())
                SetCaption(node, node->Data());
        FSortPending = true;
    } catch (...) {
        // a failing object leaves the other captions as they are
    }
    FTree->viewport()->update();
}

void TCtrlTree::UpdateNodeIcon(TTreeNode *node, TDataBasis *object) {
    LOG_FKT("TCtrlTree::UpdateNodeIcon");
    if (!node || !object)
        return;
    const int icon = object->GetIcon();
    SetImages(node, icon, icon, icon);
}

TCtrlTree::TZahlUndText TCtrlTree::TrenneZahlenUndString(const AnsiString &text) {
    LOG_FKT("TCtrlTree::TrenneZahlenUndString");
    TZahlUndText result;
    const QString q = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    QString leading;
    result.Ok = TrenneQ(q, leading, result.Zahl);
    if (result.Ok)
        result.Text = text.substr(0, static_cast<size_t>(leading.size()));
    else
        result.Zahl = 0;
    return result;
}

int TCtrlTree::Compare(const TTreeNode *node1, const TTreeNode *node2) {
    LOG_FKT("TCtrlTree::Compare");
    if (!node1 || !node2 || !node1->Data() || !node2->Data())
        return 0;
    const int d = node1->Data()->GetPosId() - node2->Data()->GetPosId();
    if (d != 0)
        return d;
    const TTreeNode::TSortKey &key1 = node1->SortKey();
    const TTreeNode::TSortKey &key2 = node2->SortKey();
    if (key1.Split && key2.Split) {
        const int r = key1.Vorne->compare(*key2.Vorne);
        return r != 0 ? r : key1.Zahl - key2.Zahl;
    }
    return key1.Ganz->compare(*key2.Ganz);
}

TTreeNode::TSortKey TCtrlTree::MakeSortKey(const QString &caption) {
    LOG_FKT("TCtrlTree::MakeSortKey");
    TTreeNode::TSortKey key;
    QString vorne;
    key.Split = TrenneQ(caption, vorne, key.Zahl);
    if (key.Split)
        key.Vorne = Collator().sortKey(vorne);
    key.Ganz = Collator().sortKey(caption);
    return key;
}

void TCtrlTree::CollapseAll() {
    LOG_FKT("TCtrlTree::CollapseAll");
    {
        TUpdateGuard guard(*this);
        FTree->setCurrentItem(nullptr);
        for (TTreeNode *node : AlleKnoten(FTree))
            node->setExpanded(false);
    }
    if (FTree->topLevelItemCount() > 0)
        FTree->setCurrentItem(FTree->topLevelItem(0));
}

void TCtrlTree::ExpandAll() {
    LOG_FKT("TCtrlTree::ExpandAll");
    QTreeWidgetItem *selected = FTree->currentItem();
    {
        TUpdateGuard guard(*this);
        for (int i = 0; i < FTree->topLevelItemCount(); ++i)
            ExpandierenMitKindern(FTree->topLevelItem(i), true);
    }
    if (selected)
        FTree->scrollToItem(selected, QAbstractItemView::PositionAtTop);
}

void TCtrlTree::Expand() {
    LOG_FKT("TCtrlTree::Expand");
    QTreeWidgetItem *selected = FTree->currentItem();
    if (!selected)
        return;
    {
        TUpdateGuard guard(*this);
        ExpandierenMitKindern(selected, true);
    }
    FTree->scrollToItem(selected, QAbstractItemView::PositionAtTop);
}

void TCtrlTree::Collapse() {
    LOG_FKT("TCtrlTree::Collapse");
    QTreeWidgetItem *selected = FTree->currentItem();
    if (!selected)
        return;
    {
        TUpdateGuard guard(*this);
        ExpandierenMitKindern(selected, false);
    }
    FTree->scrollToItem(selected, QAbstractItemView::PositionAtTop);
}

TTreeNode *TCtrlTree::CopyNode(TTreeNode *from, TTreeNode *ownParent) {
    LOG_FKT("TCtrlTree::CopyNode");
    auto *node = new TTreeNode(from->Data()); // the tree owns its nodes
    node->setText(0, from->text(0));
    SetImages(node, from->ImageIndex, from->StateIndex, from->SelectedIndex);
    node->SetHasChildren(from->HasChildren());
    if (ownParent)
        ownParent->addChild(node);
    else
        FTree->addTopLevelItem(node);
    CopyChildNodes(from, node);
    return node;
}

void TCtrlTree::CopyChildNodes(TTreeNode *otherNode, TTreeNode *ownNode) {
    LOG_FKT("TCtrlTree::CopyChildNodes");
    for (int i = 0; i < otherNode->childCount(); ++i) {
        TTreeNode *child = otherNode->Child(i);
        if (!child || !child->Data())
            continue;
        const int typ = child->Data()->GetTyp();
        if (typ == TVumaGrpAdrMiddle::Typ || typ == TVumaGrpAdrSub::Typ)
            continue;
        CopyNode(child, ownNode);
    }
}

void TCtrlTree::Abgleich(TTreeView *other, bool takeStateFromOther) {
    LOG_FKT("TCtrlTree::Abgleich");
    if (!other || other == FTree)
        return;
    TTreeView *quelle = takeStateFromOther ? other : FTree;
    TTreeNode *sel = quelle->Selected();
    TDataBasis *selObject = sel ? sel->Data() : nullptr;
    std::map<TDataBasis *, bool> sichtbar;
    for (TTreeNode *node : AlleKnoten(quelle))
        if (node->Data())
            sichtbar.emplace(node->Data(), AlleElternOffen(node));

    TTreeNode *auswahl = nullptr;
    {
        TUpdateGuard guard(*this);
        bool ordnerBehalten = false;
        for (int i = FTree->topLevelItemCount() - 1; i >= 0; --i) {
            TTreeNode *node = FTree->TopNode(i);
            if (!node || !node->Data())
                continue;
            if (node->Data()->GetTyp() == TGrpAdrOrdner::Typ)
                ordnerBehalten = true;
            else
                delete node;
        }
        for (int i = 0; i < other->topLevelItemCount(); ++i) {
            TTreeNode *node = other->TopNode(i);
            if (!node || !node->Data())
                continue;
            if (node->Data()->GetTyp() != TGrpAdrOrdner::Typ || !ordnerBehalten)
                CopyNode(node, nullptr);
        }
        for (TTreeNode *node : AlleKnoten(FTree)) {
            const auto it = sichtbar.find(node->Data());
            if (it != sichtbar.end() && it->second)
                MacheSichtbar(node);
            if (selObject && node->Data() == selObject)
                auswahl = node;
        }
    }
    {
        const QSignalBlocker blocker(FTree);
        FTree->setCurrentItem(auswahl);
        if (!auswahl)
            FTree->clearSelection();
    }
    SortAll();
}

TDataBasis *DraggedObject(QWidget *source) {
    LOG_FKT("DraggedObject");
    if (auto *tree = dynamic_cast<TTreeView *>(source)) {
        TTreeNode *node = tree->Selected();
        return node ? node->Data() : nullptr;
    }
    if (auto *list = dynamic_cast<TListView *>(source))
        return list->SelectedData();
    return nullptr;
}

bool TCtrlTree::DragOver(QWidget *sender, QWidget *source, int x, int y) {
    LOG_FKT("TCtrlTree::DragOver");
    bool accept = false;
    try {
        auto *tree = dynamic_cast<TTreeView *>(sender);
        TDataBasis *dragged = DraggedObject(source);
        TTreeNode *target = tree ? tree->NodeAt(QPoint(x, y)) : nullptr;
        if (dragged && target && target->Data())
            accept = target->Data()->AllowDrop(dragged);
    } catch (const Exception &e) {
        MessageBox(nullptr, e.Message, "TCtrlTree::DragOver", MB_OK);
    }
    return accept;
}

void TCtrlTree::DragDrop(QWidget *sender, QWidget *source, int x, int y) {
    LOG_FKT("TCtrlTree::DragDrop");
    try {
        auto *tree = dynamic_cast<TTreeView *>(sender);
        TDataBasis *dragged = DraggedObject(source);
        TTreeNode *target = tree ? tree->NodeAt(QPoint(x, y)) : nullptr;
        if (!dragged || !target || !target->Data())
            return;
        TCursorHourGlass hourGlass;
        target->Data()->Drop(dragged);
    } catch (const Exception &e) {
        MessageBox(nullptr, e.Message, "TCtrlTree::DragDrop", MB_OK);
    }
}

void TCtrlTree::MakeGrpAdrFolder(const TObjektMap &mainGroups, TDataBasis *folder) {
    LOG_FKT("TCtrlTree::MakeGrpAdrFolder");
    if (!folder)
        return;
    TUpdateGuard guard(*this);
    auto *node = new TTreeNode(folder); // the tree owns its nodes
    SetCaption(node, folder);
    FTree->addTopLevelItem(node);
    for (const auto &[id, object] : mainGroups)
        if (object)
            MakeNode(node, object.get());
    SortChildrenOf(nullptr);
}

void TCtrlTree::MakeGrpAdrNode(std::map<int, TDataBasis *> &collected, TTreeNode *node) {
    LOG_FKT("TCtrlTree::MakeGrpAdrNode");
    if (!node)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        TTreeNode *child = node->Child(i);
        if (!child || !child->Data())
            continue;
        if (auto *group = dynamic_cast<TVumaGrpAdr *>(child->Data()))
            collected.erase(group->GetGroupId());
    }
    for (const auto &[id, object] : collected)
        if (object)
            MakeNode(node, object);
}

TTreeNode *TCtrlTree::GrpAdrFolderNode() const {
    LOG_FKT("TCtrlTree::GrpAdrFolderNode");
    for (int i = 0; i < FTree->topLevelItemCount(); ++i) {
        TTreeNode *node = FTree->TopNode(i);
        if (node && node->Data() && node->Data()->GetTyp() == TGrpAdrOrdner::Typ)
            return node;
    }
    return nullptr;
}
