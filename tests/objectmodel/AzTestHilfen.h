// Small helpers shared by the tests of the panel classes: the fake main window's trace as a
// value, and reading a filled parameter grid back.
#pragma once

#include "platform/grid/TDrawGridSE.h"

#include <string>
#include <vector>

// The message ids (and notes) of TFakeMainWindow::Trace.
using Trace = std::vector<std::string>;

// The grid row that shows row id rowId, or -1 (a cell of row -1 throws, so a test that uses
// it fails).
inline int RowOf(const TDrawGridSE &grid, int rowId) {
    for (int r = 0; r < grid.RowCount(); ++r)
        if (grid.Cells(1, r).RowId == rowId)
            return r;
    return -1;
}

// The row ids of the grid, top to bottom.
inline std::vector<int> RowIds(const TDrawGridSE &grid) {
    std::vector<int> ids;
    for (int r = 0; r < grid.RowCount(); ++r)
        ids.push_back(grid.Cells(1, r).RowId);
    return ids;
}
