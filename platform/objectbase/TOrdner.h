// Base of the pure folders of a device's tree: objects without parameters of their own that
// the project window shows as the list of their children. Name, record writing and alignment
// are those of TDataBasis; a folder's parameter grid stays empty.
#pragma once

#include "platform/objectbase/TDataBasis.h"

class TOrdner : public TDataBasis {
public:
    TOrdner(HWND window, int system, int parent, AnsiString name, int handle);
    ~TOrdner() override;

    // No rows: the grid is prepared empty (no event closures) and, when col or row is not
    // negative, 1136 is posted as for any grid.
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
};
