// The project window's child list: the children of the selected node in list mode (small
// icons with captions), each item carrying its panel object. Drag and drop go to the window's
// handlers.
#pragma once

#include <QListWidget>

#include "shell/DragWeiterleitung.h"

#include <functional>

class TDataBasis;

class TListView : public QListWidget {
public:
    explicit TListView(QWidget *parent = nullptr);
    ~TListView() override;

    // An item with its caption, image index and object.
    QListWidgetItem *AddItem(const QString &caption, const QIcon &icon, int imageIndex,
                             TDataBasis *data);
    static TDataBasis *ItemData(const QListWidgetItem *item);
    static int ItemImageIndex(const QListWidgetItem *item);
    TDataBasis *SelectedData() const;
    // Automatic drag mode on or off.
    void SetDragAutomatic(bool automatic);
    // Width of column 0 in pixels.
    int ColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(int width);

    TDragOverHandler OnDragOver;
    TDragDropHandler OnDragDrop;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int FColumnWidth = 0;
};
