// Drag and drop from the tree onto the items of the project window's child list, by the
// objects' own drop rules.
#pragma once

class QWidget;
class TListView;

class TCtrlListView {
public:
    explicit TCtrlListView(TListView *list);
    ~TCtrlListView();
    TCtrlListView(const TCtrlListView &) = delete;
    TCtrlListView &operator=(const TCtrlListView &) = delete;

    TListView *List() const { return FList; }
    // sender: the list the mouse is over; source: the control the drag came from (the tree).
    bool DragOver(QWidget *sender, QWidget *source, int x, int y);
    // True when the target object took the drop (its Drop ran, also when it threw).
    bool DragDrop(QWidget *sender, QWidget *source, int x, int y);

private:
    TListView *FList;
};
