#include "shell/TCtrlGrid.h"

#include "platform/grid/TDrawGridSE.h"
#include "platform/log/Log.h"
#include "shell/TDrawGridSEView.h"

TCtrlGrid::TCtrlGrid(TDrawGridSE *grid, TDrawGridSEView *view) : FGrid(grid), FView(view) {
    LOG_FKT("TCtrlGrid::TCtrlGrid");
    Init();
}

TCtrlGrid::~TCtrlGrid() {
    LOG_FKT("TCtrlGrid::~TCtrlGrid");
    if (FView)
        FView->OnMouseWheel = nullptr;
}

void TCtrlGrid::Init() {
    LOG_FKT("TCtrlGrid::Init");
    FGrid->SetFixedCols(1);
    FGrid->SetFixedRows(1);
    if (FView)
        FView->OnMouseWheel = [this](bool down, bool &handled) {
            if (down)
                GridMouseWheelDown(handled);
            else
                GridMouseWheelUp(handled);
        };
}

void TCtrlGrid::LoadColor(uint32_t common, uint32_t cell, uint32_t title, uint32_t readOnlyCell,
                          int gridLines) {
    LOG_FKT("TCtrlGrid::LoadColor");
    FGrid->Color = common;
    FGrid->FixedColor = title;
    FGrid->CellColor = cell;
    FGrid->ReadOnlyCellColor = readOnlyCell;
    FGrid->GridLineWidth = gridLines;
    FGrid->Repaint();
}

void TCtrlGrid::LoadSize(bool autoSize, int defaultWidth) {
    LOG_FKT("TCtrlGrid::LoadSize");
    const bool unchanged = FGrid->AutoSize == autoSize;
    FGrid->AutoSize = autoSize;
    FGrid->DefaultColWidth = autoSize ? 1 : defaultWidth;
    if (unchanged)
        FGrid->ResizeAktivFeld();
    else
        FGrid->SetActiveCell(0, 0);
    FGrid->Repaint();
}

void TCtrlGrid::DeactivateActiveGridCell() {
    LOG_FKT("TCtrlGrid::DeactivateActiveGridCell");
    FGrid->DeleteZellenKomponente();
}

void TCtrlGrid::GridMouseWheelDown(bool &handled) {
    LOG_FKT("TCtrlGrid::GridMouseWheelDown");
    if (FView)
        FView->ScrollLine(true);
    handled = true;
}

void TCtrlGrid::GridMouseWheelUp(bool &handled) {
    LOG_FKT("TCtrlGrid::GridMouseWheelUp");
    if (FView)
        FView->ScrollLine(false);
    handled = true;
}
