// The project window's parameter grid: its set-up, colours and column sizing from the options,
// dropping its in-place editor, and the mouse wheel scrolling it line by line.
#pragma once

#include <cstdint>

class TDrawGridSE;
class TDrawGridSEView;

class TCtrlGrid {
public:
    TCtrlGrid(TDrawGridSE *grid, TDrawGridSEView *view);
    ~TCtrlGrid();
    TCtrlGrid(const TCtrlGrid &) = delete;
    TCtrlGrid &operator=(const TCtrlGrid &) = delete;

    void Init();
    void LoadColor(uint32_t common, uint32_t cell, uint32_t title, uint32_t readOnlyCell,
                   int gridLines);
    void LoadSize(bool autoSize, int defaultWidth);
    void DeactivateActiveGridCell();
    void GridMouseWheelDown(bool &handled);
    void GridMouseWheelUp(bool &handled);

    TDrawGridSE *Grid() const { return FGrid; }

private:
    TDrawGridSE *FGrid;
    TDrawGridSEView *FView;
};
