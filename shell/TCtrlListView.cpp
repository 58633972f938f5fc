#include "shell/TCtrlListView.h"

#include "platform/log/Log.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/vcl/Exception.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "shell/TCtrlTree.h"
#include "shell/TListView.h"
#include "shell/TTreeView.h"

namespace {
// The dragged object (only a drag from the tree counts) and the object of the item under the
// mouse; either may be null.
struct TZiele {
    TDataBasis *Dragged = nullptr;
    TDataBasis *Target = nullptr;
};
TZiele Ziele(QWidget *sender, QWidget *source, int x, int y) {
    TZiele z;
    auto *list = dynamic_cast<TListView *>(sender);
    if (!list || !dynamic_cast<TTreeView *>(source))
        return z;
    z.Dragged = DraggedObject(source);
    z.Target = TListView::ItemData(list->itemAt(x, y));
    return z;
}
} // namespace

TCtrlListView::TCtrlListView(TListView *list) : FList(list) {
    LOG_FKT("TCtrlListView::TCtrlListView");
}

TCtrlListView::~TCtrlListView() {
    LOG_FKT("TCtrlListView::~TCtrlListView");
}

bool TCtrlListView::DragOver(QWidget *sender, QWidget *source, int x, int y) {
    LOG_FKT("TCtrlListView::DragOver");
    bool accept = false;
    try {
        const TZiele z = Ziele(sender, source, x, y);
        if (z.Dragged && z.Target)
            accept = z.Target->AllowDrop(z.Dragged);
    } catch (const Exception &e) {
        MessageBox(nullptr, e.Message, "CtrlListView::DragOver", MB_OK);
    }
    return accept;
}

bool TCtrlListView::DragDrop(QWidget *sender, QWidget *source, int x, int y) {
    LOG_FKT("TCtrlListView::DragDrop");
    const TZiele z = Ziele(sender, source, x, y);
    if (!z.Dragged || !z.Target)
        return false;
    try {
        // The cursor comes back on every way out, an exception of the drop included.
        TCursorHourGlass hourGlass;
        z.Target->Drop(z.Dragged);
    } catch (const Exception &e) {
        MessageBox(nullptr, e.Message, "TCtrlListView::DragDrop", MB_OK);
    }
    return true;
}
