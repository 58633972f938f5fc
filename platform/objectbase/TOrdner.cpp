#include "platform/objectbase/TOrdner.h"

#include "platform/grid/TDrawGridSE.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"

TOrdner::TOrdner(HWND window, int system, int parent, AnsiString name, int handle)
    : TDataBasis(window, system, parent, std::move(name), handle) {
    LOG_FKT("TOrdner::TOrdner");
}

TOrdner::~TOrdner() {
    LOG_FKT("TOrdner::~TOrdner");
}

void TOrdner::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TOrdner::BuildInfoWindow");
    if (!grid)
        return;
    grid->InitGrid(2);
    if (col >= 0 || row >= 0)
        AzMsg::Post(FWindow, AzMsg::ActivateCell{col, row});
}
