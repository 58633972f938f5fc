// Reading a filled parameter grid back in tests: the row ids in order, the grid row of a row id.
#pragma once

#include "platform/grid/TDrawGridSE.h"

#include <gtest/gtest.h>
#include <vector>

inline std::vector<int> RowIds(const TDrawGridSE &grid) {
    std::vector<int> ids;
    for (int r = 0; r < grid.RowCount(); ++r)
        ids.push_back(grid.Cells(1, r).RowId);
    return ids;
}

// The grid row that shows row id rowId; a failure (and row 0) when there is none.
inline int RowOf(const TDrawGridSE &grid, int rowId) {
    for (int r = 0; r < grid.RowCount(); ++r)
        if (grid.Cells(1, r).RowId == rowId)
            return r;
    ADD_FAILURE() << "no row " << rowId;
    return 0;
}
