#include "shell/TListView.h"

#include "platform/log/Log.h"
#include "shell/DragWeiterleitung.h"

#include <QDragMoveEvent>
#include <QDropEvent>

namespace {
constexpr int RoleData = Qt::UserRole + 1;
constexpr int RoleImage = Qt::UserRole + 2;
} // namespace

TListView::TListView(QWidget *parent) : QListWidget(parent) {
    LOG_FKT("TListView::TListView");
    setObjectName("ListView");
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setIconSize(QSize(18, 18));
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

TListView::~TListView() {
    LOG_FKT("TListView::~TListView");
}

QListWidgetItem *TListView::AddItem(const QString &caption, const QIcon &icon, int imageIndex,
                                    TDataBasis *data) {
    LOG_FKT("TListView::AddItem");
    auto *item = new QListWidgetItem(icon, caption, this); // the list owns its items
    item->setData(RoleData, QVariant::fromValue(static_cast<void *>(data)));
    item->setData(RoleImage, imageIndex);
    return item;
}

TDataBasis *TListView::ItemData(const QListWidgetItem *item) {
    LOG_FKT("TListView::ItemData");
    return item ? static_cast<TDataBasis *>(item->data(RoleData).value<void *>()) : nullptr;
}

int TListView::ItemImageIndex(const QListWidgetItem *item) {
    LOG_FKT("TListView::ItemImageIndex");
    return item ? item->data(RoleImage).toInt() : -1;
}

TDataBasis *TListView::SelectedData() const {
    LOG_FKT("TListView::SelectedData");
    return ItemData(currentItem());
}

void TListView::SetDragAutomatic(bool automatic) {
    LOG_FKT("TListView::SetDragAutomatic");
    setDragEnabled(automatic);
}

void TListView::SetColumnWidth(int width) {
    LOG_FKT("TListView::SetColumnWidth");
    FColumnWidth = width;
    setGridSize(QSize(width, fontMetrics().height() + 6 > 20 ? fontMetrics().height() + 6 : 20));
}

void TListView::dragEnterEvent(QDragEnterEvent *event) {
    LOG_FKT("TListView::dragEnterEvent");
    event->acceptProposedAction();
}

void TListView::dragMoveEvent(QDragMoveEvent *event) {
    LOG_FKT("TListView::dragMoveEvent");
    DragMoveWeiterleiten(event, OnDragOver);
}

void TListView::dropEvent(QDropEvent *event) {
    LOG_FKT("TListView::dropEvent");
    DropWeiterleiten(event, OnDragDrop);
}
