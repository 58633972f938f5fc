#include "platform/objectbase/TOrdner.h"

#include "platform/log/Log.h"

TOrdner::TOrdner(HWND window, int system, int parent, AnsiString name, int handle)
    : TDataBasis(window, system, parent, std::move(name), handle) {
    LOG_FKT("TOrdner::TOrdner");
}

TOrdner::~TOrdner() {
    LOG_FKT("TOrdner::~TOrdner");
}

void TOrdner::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TOrdner::BuildInfoWindow");
    BuildGridOhneZeilen(grid, col, row);
}
