// One cell of the parameter grid: what a row builder put there (kind, row id, help number,
// text) and what its in-place editor needs (length limit, choices, spin limits, fold state).
// Every row has two cells: column 0 the caption, column 1 the value; both carry the row id
// that the panel object's handlers dispatch on.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/vcl/TObject.h"

#include <cstdint>
#include <list>
#include <vector>

// One entry of a value-pair combo box: the text shown and the value it stands for. The three
// further ints travel with the entry; callers set them to -1.
struct TComboWert {
    AnsiString Text;
    int Wert = 0;
    int Extra1 = -1;
    int Extra2 = -1;
    int Extra3 = -1;
};

// How a combo box lets the user choose (0 = drop-down list with an edit field).
enum TComboBoxStyle : int {
    csDropDown = 0,
    csSimple = 1,
    csDropDownList = 2,
    csOwnerDrawFixed = 3,
    csOwnerDrawVariable = 4
};

class TCell {
public:
    // What the cell is and which in-place editor edits it. The caption cell is kind 6 and the
    // combo-box cell kind 2, as the panel objects build them.
    enum TEnumCellKind : int {
        ckEmpty = 0,
        ckText = 1,      // read-only text
        ckComboBox = 2,  // choices: Items or Werte, ItemIndex
        ckSpinEdit = 3,  // MinValue .. MaxValue in Increment steps, Value
        ckEdit = 4,      // free text of at most MaxLength characters (0 = no limit)
        ckEllipse = 5,   // text with a button that raises the ellipsis click
        ckCaption = 6,   // the row's caption in column 0
        ckGroupTitle = 7 // a foldable group caption; GroupState says how it is shown
    };
    // Fold state of a group caption. A click toggles between folded and unfolded; the "Hot"
    // states are the same two while the pointer is over the caption.
    enum TEnumGroupTitleState : int {
        gtsNone = 0,
        gtsCollapsed = 1,
        gtsExpanded = 2,
        gtsCollapsedHot = 3,
        gtsExpandedHot = 4
    };

    TCell();
    ~TCell();
    // Back to an empty cell (kind ckEmpty, row id 0, no help number, no choices).
    void Clear();

    TEnumCellKind Kind;
    int RowId;
    int HelpIndex; // quick-help topic of the cell
    AnsiString Text;
    TObject *Data; // the object that built the row (borrowed)

    int MaxLength; // edit field

    std::vector<AnsiString> Items; // combo box over texts
    std::list<TComboWert> Werte;   // combo box over value pairs
    int ItemIndex;
    TComboBoxStyle Style;
    bool Flag; // the combo box's flag argument, kept for the view

    int MinValue; // spin edit
    int MaxValue;
    int Increment;
    int Value;

    TEnumGroupTitleState GroupState; // group caption
};
