// The project window's tree control: a QTreeWidget whose drag and drop go to the window's
// handlers (the objects decide what a drop means; the control never moves its nodes itself).
#pragma once

#include <QTreeWidget>

#include "shell/DragWeiterleitung.h"

#include <functional>

class TTreeNode;

class TTreeView : public QTreeWidget {
public:
    explicit TTreeView(QWidget *parent = nullptr);
    ~TTreeView() override;

    // (source control, position in the viewport) -> accept; and the drop.
    TDragOverHandler OnDragOver;
    TDragDropHandler OnDragDrop;
    std::function<void()> OnStartDrag;
    std::function<void()> OnEndDrag;

    TTreeNode *Selected() const;
    TTreeNode *NodeAt(QPoint pos) const;
    TTreeNode *TopNode(int index) const;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions actions) override;
};
