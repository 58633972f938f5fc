// The parameter grid as a model, without drawing: rows of cells that a panel object's
// BuildInfoWindow fills through its row builders, the object's nine event closures, and the
// three in-place editors. The project window's view draws it and drives it through the editing
// operations below; tests drive it the same way.
//
// Life of a grid: InitGrid(2) clears it to one empty row and drops the closures; the object
// sets its closures and adds rows (the first builder reuses the empty row, every later one adds
// a row); the user activates a cell, enters a value and leaves the cell, and the grid raises
// the closures with the editor, the cell and its coordinates (column, then row).
#pragma once

#include "platform/grid/TCell.h"
#include "platform/grid/TDrawGridSEEditors.h"
#include "platform/vcl/TObject.h"

#include <cstdint>
#include <functional>
#include <vector>

class TDrawGridSE;

// Edit, combo-box and spin-edit change, ellipsis click, group-title click:
// (sender = the editor or the grid, cell, column, row).
using TGridChangeEvent = std::function<void(TObject *sender, TCell &cell, int col, int row)>;
// Exit cell, exit: (grid, active editor or null, cell, column, row).
using TGridExitEvent =
    std::function<void(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row)>;
// Spin-edit overflow and underflow: as exit, plus the number that left the limits.
using TGridSpinLimitEvent = std::function<void(TDrawGridSE *grid, TObject *editor, TCell &cell,
                                               int col, int row, double value)>;
// Enter cell: (grid, column, row); the project window's, kept by InitGrid.
using TGridEnterCellEvent = std::function<void(TDrawGridSE *grid, int col, int row)>;

// What the view of a grid is told: the rows or colours changed (repaint), the active cell or its
// editor changed (open, close or refit the in-place editor).
class TDrawGridSEBeobachter {
public:
    virtual ~TDrawGridSEBeobachter() = default;
    virtual void GridGeaendert() = 0;
    virtual void EditorGeaendert() = 0;
};

class TDrawGridSE : public TObject {
public:
    TDrawGridSE();
    ~TDrawGridSE() override;
    TDrawGridSE(const TDrawGridSE &) = delete;
    TDrawGridSE &operator=(const TDrawGridSE &) = delete;

    // The preparatory call of every BuildInfoWindow: colCount columns, one empty row, no
    // active cell or editor, Tag 0, every event closure cleared but the window's enter-cell
    // closure.
    void InitGrid(int colCount);
    // The other two setup operations: how many leading columns and rows are fixed (titles).
    void SetFixedCols(int count);
    void SetFixedRows(int count);
    int FixedCols() const { return FFixedCols; }
    int FixedRows() const { return FFixedRows; }

    // Changes between BeginUpdate and the matching EndUpdate reach the view once, at the end.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdateCount > 0; }
    // Back to one empty row without an active cell; the closures stay bound.
    void Clear();
    // Drops the in-place editor: the active cell is left (its value goes into the cell and
    // OnExitCell runs), then no cell is active. Nothing without an open editor.
    void DeleteZellenKomponente();
    // Non-zero while a cell has its in-place editor open; col and row are then that cell.
    int GetActiveCell(int &col, int &row) const;
    // Activates the cell (a cell outside the grid: nothing) and raises OnEnterCell.
    void SetActiveCell(int col, int row);
    // Lets the view fit the active cell's editor to the cell again.
    void ResizeAktivFeld();

    // The view that draws the grid (not owned; null: none).
    void SetBeobachter(TDrawGridSEBeobachter *beobachter) { FBeobachter = beobachter; }

    // Colours as the operating system's colour values (0x00BBGGRR; the high bit marks a system
    // colour index): background, fixed (title) cells, value cells, read-only cells.
    uint32_t Color = 0x8000000F;
    uint32_t FixedColor = 0x8000000F;
    uint32_t CellColor = 0x00FFFFFF;
    uint32_t ReadOnlyCellColor = 0x8000000F;
    int GridLineWidth = 1;
    // The grid sizes its columns to their contents; else every column starts DefaultColWidth
    // pixels wide.
    bool AutoSize = true;
    int DefaultColWidth = 150;
    // Tells the view that rows or colours changed (nothing during an update).
    void Repaint();

    int ColCount() const { return FColCount; }
    int RowCount() const { return static_cast<int>(FRows.size()); }
    // Grows with empty rows or drops rows at the end; never fewer than one row.
    void SetRowCount(int rowCount);
    // One more empty row at the end; answers its index.
    int AddRow();
    // The cell at (column, row); throws std::out_of_range outside the grid.
    TCell &Cells(int col, int row);
    const TCell &Cells(int col, int row) const;

    // The grid's tag, free for the object that fills it (-1: the object shows nothing).
    int Tag = 0;

    TGridChangeEvent OnEditChange;
    TGridChangeEvent OnComboBoxChange;
    TGridChangeEvent OnSpinEditChange;
    TGridSpinLimitEvent OnSpinEditOverflow;
    TGridSpinLimitEvent OnSpinEditUnderflow;
    TGridExitEvent OnExitCell;
    TGridExitEvent OnExit;
    TGridChangeEvent OnEllipseClick;
    TGridChangeEvent OnGroupTitleClick;
    TGridEnterCellEvent OnEnterCell;

    // The in-place editors, owned by the grid.
    TDrawGridSEEdit *EditField() { return &FEdit; }
    TDrawGridSEComboBox *ComboBox() { return &FComboBox; }
    TDrawGridSESpinEdit *SpinEdit() { return &FSpinEdit; }

    // Editing, as the view or a test drives it. ActivateCell selects a cell and loads the
    // editor of its kind (edit field, combo box, spin editor; the edit field for an ellipsis
    // cell); it answers that editor, or null for a cell that has none. The other operations
    // act on the active cell and do nothing without one (or without the editor they need).
    TObject *ActivateCell(int col, int row);
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    TObject *ActiveEditor() const { return FEditor; }

    // Edit field: the text typed so far (raises OnEditChange). A text beyond the limit is cut.
    void EditText(const AnsiString &text);
    // Combo box: an item chosen (raises OnComboBoxChange); a text typed into a combo box with
    // an edit field leaves the selection as it is and raises the same closure. A drop-down
    // list has no edit field: typing into it does nothing.
    void SelectItem(int index);
    void ComboText(const AnsiString &text);
    // Spin editor: a number typed or stepped. Within the limits it raises OnSpinEditChange;
    // above the maximum OnSpinEditOverflow, below the minimum OnSpinEditUnderflow, with the
    // number. The cell takes the editor's value, as the closures left it, when it is left.
    void SpinValue(int value);
    // The button of an ellipsis cell (raises OnEllipseClick with the grid as sender).
    void ClickEllipsis();
    // A click on a group caption at (column, row) (raises OnGroupTitleClick, sender the grid).
    void ClickGroupTitle(int col, int row);
    // Leaving the active cell: the editor's value goes into the cell, OnExitCell is raised
    // and the editor is closed.
    void LeaveCell();
    // Leaving the grid: OnExit with the active cell (or an empty cell) and editor.
    void LeaveGrid();
    // Escape: the editor closes without its value; the cell keeps what it had and OnExitCell
    // is not raised. What the change closures did while typing stays done.
    void ZelleVerwerfen();

private:
    TCell *ActiveCell();
    void EditorMelden();
    void LeereZeilen();

    int FFixedCols = 0;
    int FFixedRows = 0;
    int FUpdateCount = 0;
    bool FGeaendert = false;
    bool FEditorGeaendert = false;
    TDrawGridSEBeobachter *FBeobachter = nullptr;

    int FColCount = 2;
    std::vector<std::vector<TCell>> FRows;
    int FCol = -1;
    int FRow = -1;
    TObject *FEditor = nullptr;
    TCell FNoCell;
    TDrawGridSEEdit FEdit;
    TDrawGridSEComboBox FComboBox;
    TDrawGridSESpinEdit FSpinEdit;
};
