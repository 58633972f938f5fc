// A tree object for the tests of the tree and the panes: type, icon, list style, visibility,
// name, position id and handles as the test sets them; it accepts drops when told to, records
// the drops it gets and can throw from a drop.
#pragma once

#include "platform/objectbase/TDataBasis.h"

#include <vector>

class TTestObjekt : public TDataBasis {
public:
    TTestObjekt(int handle, int parent, const AnsiString &name, int typ = 6122, int posId = 0);
    ~TTestObjekt() override;

    int GetTyp() const override { return Typ; }
    int ListStyle() const override { return Style; }
    int GetIcon() const override { return Icon; }
    bool AllowChild(int) const override { return true; }
    bool IsVisible() const override { return Sichtbar; }
    bool AllowDrop(TDataBasis *dropped) override;
    void Drop(TDataBasis *dropped) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) override;

    int Typ;
    int Style = 0;
    int Icon = 31;
    bool Sichtbar = true;
    bool NimmtAn = false;
    bool WirftBeimDrop = false;
    std::vector<TDataBasis *> Drops;
};
