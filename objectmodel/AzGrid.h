// The grid side that every panel class shares: preparing the grid with the object's nine
// handlers, the end of BuildInfoWindow, and the handler epilogue.
//
//   void TAzX::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
//       if (!grid) return;
//       AzPrepareGrid(*grid, *this);
//       AddRow...(grid, ...);                  // first row: newRow false, later rows true
//       AzFinishGrid(*this, col, row);
//   }
//
//   void TAzX::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
//       auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
//       if (!combo) return;
//       TAzEpilog e;
//       if (cell.RowId == RowY && AzTakeValue(FY, combo->ItemIndex))
//           e.Write = e.Post1163 = true;
//       e.Run(*this, col, row);
//   }
#pragma once

#include "platform/grid/TDrawGridSE.h"
#include "platform/objectbase/TDataBasis.h"

#include <cstdint>

// The flags of a grid handler, cleared when made. A row whose member really changed sets
// Write and the posts its class names; Run then does, in this order: Send 1127 and Write into
// the record (skipped when no record is answered), Post 1157, Post 1126 (both with the cell's
// column and row), Post 1163, Post 1138. The record is thus current before any refresh runs.
struct TAzEpilog {
    bool Write = false;
    bool Post1157 = false;
    bool Post1126 = false;
    bool Post1163 = false;
    bool Post1138 = false;

    void Run(TDataBasis &object, int col, int row) const;
};

// member := value; true when that changed the member.
template <class M, class V> bool AzTakeValue(M &member, const V &value) {
    const M neu = static_cast<M>(value);
    if (neu == member)
        return false;
    member = neu;
    return true;
}

// The choice of a yes/no combo box (item 0 "Nein", item 1 "Ja"); false, value unchanged, when
// neither is selected.
bool AzJaNeinWert(const TDrawGridSEComboBox &combo, bool &value);

// The number of a spin row being left, as the row's member takes it: a number typed beyond the
// editor's limits counts as the nearest limit (the panel's parameter holds nothing else), and
// the cell shows that number.
int AzSpinWert(const TDrawGridSESpinEdit &spin, TCell &cell);

// A yes/no toggle that the device instance must agree to: request `code` (message 1133) with
// Wert = wert (the object's selector) and Wert4 = 1 for on, 0 for off. Done: Write and Post1126
// (the view is rebuilt) and true. Refused: nothing set and false; the caller restores the old
// value.
bool AzAnfrageUmschalter(TDataBasis &sender, uint8_t code, int32_t wert, bool neu, TAzEpilog &e);

// Step 2 and 3 of every BuildInfoWindow: InitGrid(2), then the grid's nine event closures
// bound to the object's handlers (those its class does not declare come from TAzObjekt and
// have no effect). The grid must not outlive the object without being prepared anew.
template <class T> void AzPrepareGrid(TDrawGridSE &grid, T &object) {
    grid.InitGrid(2);
    grid.OnEditChange = [&object](TObject *s, TCell &c, int col, int row) {
        object.GridEditChange(s, c, col, row);
    };
    grid.OnComboBoxChange = [&object](TObject *s, TCell &c, int col, int row) {
        object.GridComboBoxChange(s, c, col, row);
    };
    grid.OnSpinEditChange = [&object](TObject *s, TCell &c, int col, int row) {
        object.GridSpinEditChange(s, c, col, row);
    };
    grid.OnSpinEditOverflow = [&object](TDrawGridSE *g, TObject *e, TCell &c, int col, int row,
                                        double v) {
        object.GridSpinEditOverflow(g, e, c, col, row, v);
    };
    grid.OnSpinEditUnderflow = [&object](TDrawGridSE *g, TObject *e, TCell &c, int col, int row,
                                         double v) {
        object.GridSpinEditUnderflow(g, e, c, col, row, v);
    };
    grid.OnExitCell = [&object](TDrawGridSE *g, TObject *e, TCell &c, int col, int row) {
        object.GridExitCell(g, e, c, col, row);
    };
    grid.OnExit = [&object](TDrawGridSE *g, TObject *e, TCell &c, int col, int row) {
        object.GridExit(g, e, c, col, row);
    };
    grid.OnEllipseClick = [&object](TObject *s, TCell &c, int col, int row) {
        object.GridEllipseClick(s, c, col, row);
    };
    grid.OnGroupTitleClick = [&object](TObject *s, TCell &c, int col, int row) {
        object.GridGroupTitleClick(s, c, col, row);
    };
}

// BuildInfoWindow of an object without rows. With flag A the grid's tag is -1; it follows the
// preparation, which clears it.
template <class T> void AzBuildGridOhneZeilen(TDrawGridSE &grid, T &object, int col, int row);

// The last step of every BuildInfoWindow: Post 1136 (col, row) when col or row is not
// negative, so the grid re-activates that cell.
void AzFinishGrid(TDataBasis &object, int col, int row);

template <class T> void AzBuildGridOhneZeilen(TDrawGridSE &grid, T &object, int col, int row) {
    AzPrepareGrid(grid, object);
    if (object.GetFlagA())
        grid.Tag = -1;
    AzFinishGrid(object, col, row);
}
