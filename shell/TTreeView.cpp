#include "shell/TTreeView.h"

#include "platform/log/Log.h"
#include "shell/DragWeiterleitung.h"
#include "shell/TTreeNode.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>

TTreeView::TTreeView(QWidget *parent) : QTreeWidget(parent) {
    LOG_FKT("TTreeView::TTreeView");
    setObjectName("Tree");
    setColumnCount(1);
    header()->hide();
    setIndentation(21);
    setIconSize(QSize(18, 18));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // The tree sorts itself only where TCtrlTree tells it to.
    setSortingEnabled(false);
}

TTreeView::~TTreeView() {
    LOG_FKT("TTreeView::~TTreeView");
}

TTreeNode *TTreeView::Selected() const {
    LOG_FKT("TTreeView::Selected");
    return AsNode(currentItem());
}

TTreeNode *TTreeView::NodeAt(QPoint pos) const {
    LOG_FKT("TTreeView::NodeAt");
    return AsNode(itemAt(pos));
}

TTreeNode *TTreeView::TopNode(int index) const {
    LOG_FKT("TTreeView::TopNode");
    return AsNode(topLevelItem(index));
}

void TTreeView::dragEnterEvent(QDragEnterEvent *event) {
    LOG_FKT("TTreeView::dragEnterEvent");
    event->acceptProposedAction();
}

void TTreeView::dragMoveEvent(QDragMoveEvent *event) {
    LOG_FKT("TTreeView::dragMoveEvent");
    DragMoveWeiterleiten(event, OnDragOver);
}

void TTreeView::dropEvent(QDropEvent *event) {
    LOG_FKT("TTreeView::dropEvent");
    DropWeiterleiten(event, OnDragDrop);
}

void TTreeView::startDrag(Qt::DropActions actions) {
    LOG_FKT("TTreeView::startDrag");
    if (OnStartDrag)
        OnStartDrag();
    QTreeWidget::startDrag(actions);
    if (OnEndDrag)
        OnEndDrag();
}
