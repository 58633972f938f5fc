#include "shell/DragWeiterleitung.h"

#include "platform/log/Log.h"

void DragMoveWeiterleiten(QDragMoveEvent *event, const TDragOverHandler &handler) {
    LOG_FKT("DragMoveWeiterleiten");
    if (handler && handler(qobject_cast<QWidget *>(event->source()), event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DropWeiterleiten(QDropEvent *event, const TDragDropHandler &handler) {
    LOG_FKT("DropWeiterleiten");
    if (handler)
        handler(qobject_cast<QWidget *>(event->source()), event->position().toPoint());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}
