// A node of a project window's tree: it shows one panel object (borrowed from the device
// instance) with its caption and icon indexes, and sorts among its siblings by TCtrlTree::Compare.
#pragma once

#include <QCollatorSortKey>
#include <QTreeWidgetItem>

#include <optional>

class TDataBasis;

class TTreeNode : public QTreeWidgetItem {
public:
    // Qt's type of the items of this kind.
    static constexpr int NodeType = QTreeWidgetItem::UserType + 1;

    explicit TTreeNode(TDataBasis *data = nullptr);
    ~TTreeNode() override;

    TDataBasis *Data() const { return FData; }
    void SetData(TDataBasis *data) { FData = data; }
    // The three image indexes (image list of the data module); -1: none.
    int ImageIndex = -1;
    int StateIndex = -1;
    int SelectedIndex = -1;

    TTreeNode *Parent() const;
    TTreeNode *Child(int index) const;
    // Marked as having children, also while none has been made yet (a group node that fills
    // itself when it opens).
    bool HasChildren() const;
    void SetHasChildren(bool has);

    bool operator<(const QTreeWidgetItem &other) const override;

    // The caption as the sibling order compares it: split into leading text and number (when
    // it ends in digits or commas) and the collation keys, made once per caption.
    struct TSortKey {
        bool Split = false;
        int Zahl = 0;
        std::optional<QCollatorSortKey> Vorne;
        std::optional<QCollatorSortKey> Ganz;
    };
    const TSortKey &SortKey() const;

private:
    TDataBasis *FData;
    mutable QString FKeyText;
    mutable TSortKey FKey;
    mutable bool FKeyValid = false;
};

// The node of an item, or null when the item is none of ours.
TTreeNode *AsNode(QTreeWidgetItem *item);
