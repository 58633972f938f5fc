// The grid's three in-place editors. A handler recognises the editor it is given by its class
// (dynamic_cast) and reads the value the user entered from it. The grid loads an editor from
// the cell it activates and writes the entered value back into that cell.
#pragma once

#include "platform/grid/TCell.h"
#include "platform/vcl/AnsiString.h"
#include "platform/vcl/TObject.h"

#include <list>
#include <vector>

// Edit field: free text, at most MaxLength characters when MaxLength > 0.
class TDrawGridSEEdit : public TObject {
public:
    void LoadFrom(const TCell &cell);
    void StoreTo(TCell &cell) const;

    AnsiString Text;
    int MaxLength = 0;
};

// Combo box over texts, or over value pairs (then Werte holds one pair per item, in the order
// of Items).
class TDrawGridSEComboBox : public TObject {
public:
    void LoadFrom(const TCell &cell);
    void StoreTo(TCell &cell) const;
    // value := the value of the selected pair. False, value unchanged, when no pair is selected
    // (no selection, or a combo box over plain texts).
    bool ItemValue(int &value) const;

    std::vector<AnsiString> Items;
    std::list<TComboWert> Werte;
    int ItemIndex = -1;
    AnsiString Text; // the selected item, or what was typed into a drop-down with edit field
    TComboBoxStyle Style = csDropDown;
};

// Spin editor: a number with limits and an up-down control. Position is the up-down
// control's place; it always lies within the limits, Value may not (a typed number).
class TDrawGridSESpinEdit : public TObject {
public:
    void LoadFrom(const TCell &cell);
    void StoreTo(TCell &cell) const;

    int MinValue = 0;
    int MaxValue = 0;
    int Increment = 1;
    int Value = 0;
    int Position = 0;
};
