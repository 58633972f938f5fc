#include "platform/grid/TDrawGridSE.h"

#include "platform/log/Log.h"

#include <algorithm>
#include <stdexcept>

TDrawGridSE::TDrawGridSE() {
    LOG_FKT("TDrawGridSE::TDrawGridSE");
    InitGrid(2);
}

TDrawGridSE::~TDrawGridSE() {
    LOG_FKT("TDrawGridSE::~TDrawGridSE");
}

void TDrawGridSE::LeereZeilen() {
    LOG_FKT("TDrawGridSE::LeereZeilen");
    // The first row is kept and emptied: a grid is refilled on every selection.
    FRows.resize(1);
    FRows[0].resize(static_cast<size_t>(FColCount));
    for (TCell &cell : FRows[0])
        cell.Clear();
}

void TDrawGridSE::InitGrid(int colCount) {
    LOG_FKT("TDrawGridSE::InitGrid");
    FColCount = std::max(colCount, 1);
    LeereZeilen();
    FCol = FRow = -1;
    FEditor = nullptr;
    Tag = 0;
    OnEditChange = nullptr;
    OnComboBoxChange = nullptr;
    OnSpinEditChange = nullptr;
    OnSpinEditOverflow = nullptr;
    OnSpinEditUnderflow = nullptr;
    OnExitCell = nullptr;
    OnExit = nullptr;
    OnEllipseClick = nullptr;
    OnGroupTitleClick = nullptr;
    Repaint();
    EditorMelden();
}

void TDrawGridSE::SetFixedCols(int count) {
    LOG_FKT("TDrawGridSE::SetFixedCols");
    FFixedCols = std::max(count, 0);
    Repaint();
}

void TDrawGridSE::SetFixedRows(int count) {
    LOG_FKT("TDrawGridSE::SetFixedRows");
    FFixedRows = std::max(count, 0);
    Repaint();
}

void TDrawGridSE::BeginUpdate() {
    LOG_FKT("TDrawGridSE::BeginUpdate");
    ++FUpdateCount;
}

void TDrawGridSE::EndUpdate() {
    LOG_FKT("TDrawGridSE::EndUpdate");
    if (FUpdateCount == 0 || --FUpdateCount > 0)
        return;
    if (FGeaendert)
        Repaint();
    if (FEditorGeaendert)
        EditorMelden();
}

void TDrawGridSE::Repaint() {
    LOG_FKT("TDrawGridSE::Repaint");
    FGeaendert = true;
    if (FUpdateCount > 0 || !FBeobachter)
        return;
    FGeaendert = false;
    FBeobachter->GridGeaendert();
}

void TDrawGridSE::EditorMelden() {
    LOG_FKT("TDrawGridSE::EditorMelden");
    FEditorGeaendert = true;
    if (FUpdateCount > 0 || !FBeobachter)
        return;
    FEditorGeaendert = false;
    FBeobachter->EditorGeaendert();
}

void TDrawGridSE::Clear() {
    LOG_FKT("TDrawGridSE::Clear");
    LeereZeilen();
    FCol = FRow = -1;
    FEditor = nullptr;
    Repaint();
    EditorMelden();
}

void TDrawGridSE::DeleteZellenKomponente() {
    LOG_FKT("TDrawGridSE::DeleteZellenKomponente");
    if (!FEditor)
        return;
    LeaveCell();
    FCol = FRow = -1;
    EditorMelden();
}

int TDrawGridSE::GetActiveCell(int &col, int &row) const {
    LOG_FKT("TDrawGridSE::GetActiveCell");
    if (!FEditor)
        return 0;
    col = FCol;
    row = FRow;
    return 1;
}

void TDrawGridSE::SetActiveCell(int col, int row) {
    LOG_FKT("TDrawGridSE::SetActiveCell");
    if (row < 0 || row >= RowCount() || col < 0 || col >= FColCount)
        return;
    if (FEditor && (col != FCol || row != FRow))
        LeaveCell();
    ActivateCell(col, row);
    if (OnEnterCell)
        OnEnterCell(this, col, row);
}

void TDrawGridSE::ResizeAktivFeld() {
    LOG_FKT("TDrawGridSE::ResizeAktivFeld");
    EditorMelden();
}

void TDrawGridSE::SetRowCount(int rowCount) {
    LOG_FKT("TDrawGridSE::SetRowCount");
    FRows.resize(static_cast<size_t>(std::max(rowCount, 1)),
                 std::vector<TCell>(static_cast<size_t>(FColCount)));
    if (FRow >= RowCount()) {
        FCol = FRow = -1;
        FEditor = nullptr;
        EditorMelden();
    }
    Repaint();
}

int TDrawGridSE::AddRow() {
    LOG_FKT("TDrawGridSE::AddRow");
    FRows.emplace_back(static_cast<size_t>(FColCount));
    Repaint();
    return RowCount() - 1;
}

TCell &TDrawGridSE::Cells(int col, int row) {
    LOG_FKT("TDrawGridSE::Cells");
    if (row < 0 || row >= RowCount() || col < 0 || col >= FColCount)
        throw std::out_of_range("TDrawGridSE::Cells: no such cell");
    return FRows[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

const TCell &TDrawGridSE::Cells(int col, int row) const {
    LOG_FKT("TDrawGridSE::Cells");
    return const_cast<TDrawGridSE *>(this)->Cells(col, row);
}

TCell *TDrawGridSE::ActiveCell() {
    LOG_FKT("TDrawGridSE::ActiveCell");
    if (FRow < 0 || FCol < 0)
        return nullptr;
    return &Cells(FCol, FRow);
}

TObject *TDrawGridSE::ActivateCell(int col, int row) {
    LOG_FKT("TDrawGridSE::ActivateCell");
    TCell &cell = Cells(col, row);
    FCol = col;
    FRow = row;
    switch (cell.Kind) {
    case TCell::ckEdit:
    case TCell::ckEllipse:
        FEdit.LoadFrom(cell);
        FEditor = &FEdit;
        break;
    case TCell::ckComboBox:
        FComboBox.LoadFrom(cell);
        FEditor = &FComboBox;
        break;
    case TCell::ckSpinEdit:
        FSpinEdit.LoadFrom(cell);
        FEditor = &FSpinEdit;
        break;
    default:
        FEditor = nullptr;
        break;
    }
    EditorMelden();
    return FEditor;
}

void TDrawGridSE::EditText(const AnsiString &text) {
    LOG_FKT("TDrawGridSE::EditText");
    TCell *cell = ActiveCell();
    if (!cell || FEditor != &FEdit)
        return;
    FEdit.Text = FEdit.MaxLength > 0 ? text.substr(0, static_cast<size_t>(FEdit.MaxLength)) : text;
    if (OnEditChange)
        OnEditChange(&FEdit, *cell, FCol, FRow);
}

void TDrawGridSE::SelectItem(int index) {
    LOG_FKT("TDrawGridSE::SelectItem");
    TCell *cell = ActiveCell();
    if (!cell || FEditor != &FComboBox)
        return;
    if (index < 0 || index >= static_cast<int>(FComboBox.Items.size()))
        return;
    FComboBox.ItemIndex = index;
    FComboBox.Text = FComboBox.Items[static_cast<size_t>(index)];
    FComboBox.StoreTo(*cell);
    if (OnComboBoxChange)
        OnComboBoxChange(&FComboBox, *cell, FCol, FRow);
}

void TDrawGridSE::ComboText(const AnsiString &text) {
    LOG_FKT("TDrawGridSE::ComboText");
    TCell *cell = ActiveCell();
    if (!cell || FEditor != &FComboBox || FComboBox.Style == csDropDownList)
        return;
    FComboBox.Text = text;
    if (OnComboBoxChange)
        OnComboBoxChange(&FComboBox, *cell, FCol, FRow);
}

void TDrawGridSE::SpinValue(int value) {
    LOG_FKT("TDrawGridSE::SpinValue");
    TCell *cell = ActiveCell();
    if (!cell || FEditor != &FSpinEdit)
        return;
    FSpinEdit.Value = value;
    FSpinEdit.Position = std::clamp(value, std::min(FSpinEdit.MinValue, FSpinEdit.MaxValue),
                                    std::max(FSpinEdit.MinValue, FSpinEdit.MaxValue));
    if (value > FSpinEdit.MaxValue) {
        if (OnSpinEditOverflow)
            OnSpinEditOverflow(this, &FSpinEdit, *cell, FCol, FRow, value);
    } else if (value < FSpinEdit.MinValue) {
        if (OnSpinEditUnderflow)
            OnSpinEditUnderflow(this, &FSpinEdit, *cell, FCol, FRow, value);
    } else if (OnSpinEditChange) {
        OnSpinEditChange(&FSpinEdit, *cell, FCol, FRow);
    }
}

void TDrawGridSE::ClickEllipsis() {
    LOG_FKT("TDrawGridSE::ClickEllipsis");
    TCell *cell = ActiveCell();
    if (!cell || cell->Kind != TCell::ckEllipse)
        return;
    if (OnEllipseClick)
        OnEllipseClick(this, *cell, FCol, FRow);
}

void TDrawGridSE::ClickGroupTitle(int col, int row) {
    LOG_FKT("TDrawGridSE::ClickGroupTitle");
    TCell &cell = Cells(col, row);
    if (cell.Kind != TCell::ckGroupTitle)
        return;
    if (OnGroupTitleClick)
        OnGroupTitleClick(this, cell, col, row);
}

void TDrawGridSE::LeaveCell() {
    LOG_FKT("TDrawGridSE::LeaveCell");
    TCell *cell = ActiveCell();
    if (!cell)
        return;
    if (FEditor == &FEdit && cell->Kind == TCell::ckEdit)
        FEdit.StoreTo(*cell);
    else if (FEditor == &FComboBox)
        FComboBox.StoreTo(*cell);
    else if (FEditor == &FSpinEdit)
        FSpinEdit.StoreTo(*cell);
    TObject *editor = FEditor;
    const int col = FCol;
    const int row = FRow;
    FEditor = nullptr;
    if (OnExitCell)
        OnExitCell(this, editor, *cell, col, row);
    Repaint();
    EditorMelden();
}

void TDrawGridSE::ZelleVerwerfen() {
    LOG_FKT("TDrawGridSE::ZelleVerwerfen");
    if (!FEditor)
        return;
    FEditor = nullptr;
    FCol = FRow = -1;
    EditorMelden();
}

void TDrawGridSE::LeaveGrid() {
    LOG_FKT("TDrawGridSE::LeaveGrid");
    TCell *cell = ActiveCell();
    FNoCell.Clear();
    if (OnExit)
        OnExit(this, FEditor, cell ? *cell : FNoCell, FCol, FRow);
}
