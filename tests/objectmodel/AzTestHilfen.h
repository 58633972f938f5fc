// Small helpers shared by the tests of the panel classes.
#pragma once

#include "platform/grid/TDrawGridSE.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Trace = std::vector<std::string>;

// The grid row that carries a row id, or -1.
inline int RowOf(TDrawGridSE &grid, int rowId) {
    for (int r = 0; r < grid.RowCount(); ++r)
        if (grid.Cells(1, r).RowId == rowId)
            return r;
    return -1;
}

// The row ids of the grid, top to bottom.
inline std::vector<int> RowIds(TDrawGridSE &grid) {
    std::vector<int> ids;
    for (int r = 0; r < grid.RowCount(); ++r)
        ids.push_back(grid.Cells(1, r).RowId);
    return ids;
}
