// What the tree and the list do with a drag over them: the window's handler decides (accept
// or not) and takes the drop; the controls never move their items themselves.
#pragma once

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QPoint>
#include <QWidget>

#include <functional>

using TDragOverHandler = std::function<bool(QWidget *source, QPoint pos)>;
using TDragDropHandler = std::function<void(QWidget *source, QPoint pos)>;

void DragMoveWeiterleiten(QDragMoveEvent *event, const TDragOverHandler &handler);
void DropWeiterleiten(QDropEvent *event, const TDragDropHandler &handler);
