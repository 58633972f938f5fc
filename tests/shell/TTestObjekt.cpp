#include "TTestObjekt.h"

#include "platform/grid/TDrawGridSE.h"
#include "platform/vcl/Exception.h"

TTestObjekt::TTestObjekt(int handle, int parent, const AnsiString &name, int typ, int posId)
    : TDataBasis(nullptr, 0, parent, name, handle), Typ(typ) {
    SetPosId(posId);
}

TTestObjekt::~TTestObjekt() = default;

bool TTestObjekt::AllowDrop(TDataBasis *) {
    return NimmtAn;
}

void TTestObjekt::Drop(TDataBasis *dropped) {
    Drops.push_back(dropped);
    if (WirftBeimDrop)
        throw Exception("Drop fehlgeschlagen");
}

void TTestObjekt::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int, int) {
    if (!grid)
        return;
    grid->InitGrid(2);
    AddRowTextFeld(grid, GetName(true), 1, "Wert", 0, false);
}
