#include "shell/TTreeNode.h"

#include "platform/log/Log.h"
#include "shell/TCtrlTree.h"

TTreeNode::TTreeNode(TDataBasis *data) : QTreeWidgetItem(NodeType), FData(data) {
    LOG_FKT("TTreeNode::TTreeNode");
}

TTreeNode::~TTreeNode() {
    LOG_FKT("TTreeNode::~TTreeNode");
}

TTreeNode *TTreeNode::Parent() const {
    LOG_FKT("TTreeNode::Parent");
    return AsNode(parent());
}

TTreeNode *TTreeNode::Child(int index) const {
    LOG_FKT("TTreeNode::Child");
    return AsNode(child(index));
}

bool TTreeNode::HasChildren() const {
    LOG_FKT("TTreeNode::HasChildren");
    return childCount() > 0 || childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

void TTreeNode::SetHasChildren(bool has) {
    LOG_FKT("TTreeNode::SetHasChildren");
    setChildIndicatorPolicy(has ? QTreeWidgetItem::ShowIndicator
                                : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool TTreeNode::operator<(const QTreeWidgetItem &other) const {
    LOG_FKT("TTreeNode::operator<");
    const auto *node = other.type() == NodeType ? static_cast<const TTreeNode *>(&other) : nullptr;
    return node && TCtrlTree::Compare(this, node) < 0;
}

const TTreeNode::TSortKey &TTreeNode::SortKey() const {
    LOG_FKT("TTreeNode::SortKey");
    const QString caption = text(0);
    if (FKeyValid && caption == FKeyText)
        return FKey;
    FKeyText = caption;
    FKey = TCtrlTree::MakeSortKey(caption);
    FKeyValid = true;
    return FKey;
}

TTreeNode *AsNode(QTreeWidgetItem *item) {
    LOG_FKT("AsNode");
    return item && item->type() == TTreeNode::NodeType ? static_cast<TTreeNode *>(item) : nullptr;
}
