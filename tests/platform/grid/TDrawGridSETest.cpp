// The grid model: preparation, rows, and the editing operations that raise the closures with
// the right editor, cell and coordinates and keep the cells in step with the editors.
#include "platform/grid/TDrawGridSE.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Records which closure ran, with its sender or editor and coordinates.
struct TRecorder {
    std::vector<std::string> calls;
    TObject *lastSender = nullptr;
    int lastRowId = -1;
    double lastValue = 0;

    void Attach(TDrawGridSE &g) {
        auto change = [this](const char *name) {
            return [this, name](TObject *s, TCell &c, int col, int row) {
                calls.push_back(std::string(name) + "(" + std::to_string(col) + "," +
                                std::to_string(row) + ")");
                lastSender = s;
                lastRowId = c.RowId;
            };
        };
        auto exit = [this](const char *name) {
            return [this, name](TDrawGridSE *, TObject *e, TCell &c, int col, int row) {
                calls.push_back(std::string(name) + "(" + std::to_string(col) + "," +
                                std::to_string(row) + ")");
                lastSender = e;
                lastRowId = c.RowId;
            };
        };
        auto limit = [this](const char *name) {
            return [this, name](TDrawGridSE *, TObject *e, TCell &, int, int, double v) {
                calls.push_back(name);
                lastSender = e;
                lastValue = v;
            };
        };
        g.OnEditChange = change("EditChange");
        g.OnComboBoxChange = change("ComboBoxChange");
        g.OnSpinEditChange = change("SpinEditChange");
        g.OnEllipseClick = change("EllipseClick");
        g.OnGroupTitleClick = change("GroupTitleClick");
        g.OnExitCell = exit("ExitCell");
        g.OnExit = exit("Exit");
        g.OnSpinEditOverflow = limit("Overflow");
        g.OnSpinEditUnderflow = limit("Underflow");
    }
};

// A grid with one row of each editable kind: 0 combo (value pairs), 1 spin, 2 edit,
// 3 ellipsis, 4 group caption.
struct GridTest : ::testing::Test {
    TDrawGridSE grid;
    TRecorder rec;

    void SetUp() override {
        grid.InitGrid(2);
        grid.SetRowCount(5);
        TCell &combo = grid.Cells(1, 0);
        combo.Kind = TCell::ckComboBox;
        combo.RowId = 10;
        combo.Items = {"Ja", "Nein"};
        combo.Werte = {{"Ja", 7}, {"Nein", 0}};
        combo.ItemIndex = 1;
        TCell &spin = grid.Cells(1, 1);
        spin.Kind = TCell::ckSpinEdit;
        spin.RowId = 11;
        spin.MinValue = 2;
        spin.MaxValue = 255;
        spin.Value = 5;
        TCell &edit = grid.Cells(1, 2);
        edit.Kind = TCell::ckEdit;
        edit.RowId = 12;
        edit.MaxLength = 4;
        TCell &ellipse = grid.Cells(1, 3);
        ellipse.Kind = TCell::ckEllipse;
        ellipse.RowId = 13;
        TCell &group = grid.Cells(0, 4);
        group.Kind = TCell::ckGroupTitle;
        group.RowId = 14;
        rec.Attach(grid);
    }
};

TEST_F(GridTest, InitGridLeavesOneEmptyRowAndNoClosures) {
    grid.Tag = -1;
    grid.ActivateCell(1, 0);
    grid.InitGrid(2);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckEmpty);
    EXPECT_EQ(grid.Tag, 0);
    EXPECT_EQ(grid.ActiveEditor(), nullptr);
    EXPECT_FALSE(grid.OnComboBoxChange);
    EXPECT_FALSE(grid.OnExitCell);
    EXPECT_FALSE(grid.OnGroupTitleClick);
    EXPECT_EQ(grid.AddRow(), 1);
    EXPECT_THROW(grid.Cells(2, 0), std::out_of_range);
    EXPECT_THROW(grid.Cells(0, 2), std::out_of_range);
}

TEST_F(GridTest, ComboSelectionUpdatesCellAndRaisesWithTheComboBox) {
    EXPECT_EQ(grid.ActivateCell(1, 0), grid.ComboBox());
    int value = -1;
    EXPECT_TRUE(grid.ComboBox()->ItemValue(value));
    EXPECT_EQ(value, 0);
    grid.SelectItem(0);
    EXPECT_EQ(rec.calls, std::vector<std::string>{"ComboBoxChange(1,0)"});
    EXPECT_EQ(rec.lastSender, grid.ComboBox());
    EXPECT_EQ(rec.lastRowId, 10);
    EXPECT_EQ(grid.Cells(1, 0).ItemIndex, 0);
    EXPECT_EQ(grid.Cells(1, 0).Text, "Ja");
    EXPECT_TRUE(grid.ComboBox()->ItemValue(value));
    EXPECT_EQ(value, 7);
    grid.SelectItem(5); // no such item: nothing happens
    EXPECT_EQ(rec.calls.size(), 1u);
}

TEST_F(GridTest, OnlyAComboBoxWithAnEditFieldTakesTypedText) {
    grid.Cells(1, 0).Style = csDropDownList;
    grid.ActivateCell(1, 0);
    grid.ComboText("Vielleicht");
    EXPECT_TRUE(rec.calls.empty());
    grid.LeaveCell();
    EXPECT_EQ(grid.Cells(1, 0).Text, "");
    EXPECT_EQ(grid.Cells(1, 0).ItemIndex, 1);

    rec.calls.clear();
    grid.Cells(1, 0).Style = csDropDown;
    grid.ActivateCell(1, 0);
    grid.ComboText("Vielleicht");
    EXPECT_EQ(rec.calls, std::vector<std::string>{"ComboBoxChange(1,0)"});
    EXPECT_EQ(grid.ComboBox()->ItemIndex, 1) << "typing leaves the selection";
    grid.LeaveCell();
    EXPECT_EQ(grid.Cells(1, 0).Text, "Vielleicht");
}

TEST(GridComboBox, ItemValueWithoutPairsOrSelectionIsFalse) {
    TDrawGridSEComboBox combo;
    combo.Items = {"a", "b"};
    combo.ItemIndex = 1;
    int value = 42;
    EXPECT_FALSE(combo.ItemValue(value));
    combo.Werte = {{"a", 1}, {"b", 2}};
    combo.ItemIndex = -1;
    EXPECT_FALSE(combo.ItemValue(value));
    EXPECT_EQ(value, 42);
}

TEST_F(GridTest, SpinValueRaisesChangeOrTheLimitClosures) {
    EXPECT_EQ(grid.ActivateCell(1, 1), grid.SpinEdit());
    grid.SpinValue(100);
    grid.SpinValue(256);
    EXPECT_EQ(rec.lastValue, 256);
    EXPECT_EQ(grid.SpinEdit()->Position, 255);
    grid.SpinValue(1);
    EXPECT_EQ(rec.lastValue, 1);
    EXPECT_EQ(grid.SpinEdit()->Position, 2);
    EXPECT_EQ(rec.calls,
              (std::vector<std::string>{"SpinEditChange(1,1)", "Overflow", "Underflow"}));
    EXPECT_EQ(rec.lastSender, grid.SpinEdit());
}

TEST_F(GridTest, LeavingACellStoresTheEditorValueBeforeExitCellAndClosesTheEditor) {
    grid.ActivateCell(1, 1);
    int seenInCell = 0;
    grid.OnExitCell = [&](TDrawGridSE *g, TObject *e, TCell &c, int col, int row) {
        EXPECT_EQ(g, &grid);
        EXPECT_EQ(e, grid.SpinEdit());
        EXPECT_EQ(col, 1);
        EXPECT_EQ(row, 1);
        seenInCell = c.Value;
    };
    grid.SpinValue(42);
    grid.LeaveCell();
    EXPECT_EQ(seenInCell, 42);
    EXPECT_EQ(grid.Cells(1, 1).Text, "42");
    EXPECT_EQ(grid.ActiveEditor(), nullptr);
}

TEST_F(GridTest, EditTextIsCutToTheLimitAndReachesTheCellOnLeave) {
    EXPECT_EQ(grid.ActivateCell(1, 2), grid.EditField());
    grid.EditText("abcdef");
    EXPECT_EQ(grid.EditField()->Text, "abcd");
    EXPECT_EQ(rec.calls, std::vector<std::string>{"EditChange(1,2)"});
    grid.LeaveCell();
    EXPECT_EQ(grid.Cells(1, 2).Text, "abcd");
    EXPECT_EQ(rec.calls.back(), "ExitCell(1,2)");
    EXPECT_EQ(rec.lastSender, grid.EditField());
}

TEST_F(GridTest, EllipsisAndGroupTitleRaiseWithTheGridAsSender) {
    grid.ActivateCell(1, 3);
    grid.ClickEllipsis();
    grid.ClickGroupTitle(0, 4);
    grid.ClickGroupTitle(1, 3); // not a group caption
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"EllipseClick(1,3)", "GroupTitleClick(0,4)"}));
    EXPECT_EQ(rec.lastSender, &grid);
    EXPECT_EQ(rec.lastRowId, 14);
}

TEST_F(GridTest, OperationsWithoutTheirEditorDoNothing) {
    EXPECT_EQ(grid.ActivateCell(0, 0), nullptr); // a caption cell has no editor
    grid.SelectItem(0);
    grid.SpinValue(3);
    grid.EditText("x");
    grid.ClickEllipsis();
    grid.ActivateCell(1, 0);
    grid.SpinValue(3); // combo box active
    EXPECT_TRUE(rec.calls.empty());
    grid.LeaveGrid();
    EXPECT_EQ(rec.calls, std::vector<std::string>{"Exit(1,0)"});
}

// Counts what the view is told.
struct TBeobachter : TDrawGridSEBeobachter {
    int Grid = 0;
    int Editor = 0;
    void GridGeaendert() override { ++Grid; }
    void EditorGeaendert() override { ++Editor; }
};

TEST_F(GridTest, DeleteZellenKomponenteLeavesTheCellWithItsValue) {
    int col = -1, row = -1;
    EXPECT_EQ(grid.GetActiveCell(col, row), 0);
    grid.ActivateCell(1, 2);
    grid.EditText("neu");
    EXPECT_NE(grid.GetActiveCell(col, row), 0);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 2);
    grid.DeleteZellenKomponente();
    EXPECT_EQ(grid.Cells(1, 2).Text, "neu");
    EXPECT_EQ(rec.calls.back(), "ExitCell(1,2)");
    EXPECT_EQ(grid.GetActiveCell(col, row), 0);
    EXPECT_EQ(grid.ActiveEditor(), nullptr);
    const size_t calls = rec.calls.size();
    grid.DeleteZellenKomponente(); // no editor: nothing
    EXPECT_EQ(rec.calls.size(), calls);
}

TEST_F(GridTest, SetActiveCellLeavesTheOldCellAndEntersTheNew) {
    std::vector<std::string> entered;
    grid.OnEnterCell = [&](TDrawGridSE *, int col, int row) {
        entered.push_back(std::to_string(col) + "," + std::to_string(row));
    };
    grid.SetActiveCell(1, 2);
    grid.EditText("ab");
    grid.SetActiveCell(1, 1);
    EXPECT_EQ(grid.Cells(1, 2).Text, "ab");
    EXPECT_EQ(entered, (std::vector<std::string>{"1,2", "1,1"}));
    EXPECT_EQ(grid.ActiveEditor(), grid.SpinEdit());
    grid.SetActiveCell(5, 9); // outside: nothing
    EXPECT_EQ(grid.Row(), 1);
    // The window's enter-cell closure outlives the preparation of a grid.
    grid.InitGrid(2);
    EXPECT_TRUE(grid.OnEnterCell);
    EXPECT_FALSE(grid.OnExitCell);
}

TEST_F(GridTest, ClearKeepsTheClosuresAndDropsTheRows) {
    grid.ActivateCell(1, 2);
    grid.Clear();
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckEmpty);
    EXPECT_EQ(grid.ActiveEditor(), nullptr);
    EXPECT_TRUE(grid.OnExitCell);
    EXPECT_TRUE(grid.OnComboBoxChange);
}

TEST_F(GridTest, TheViewHearsOfChangesOnceAnUpdateEnds) {
    TBeobachter b;
    grid.SetBeobachter(&b);
    grid.AddRow();
    EXPECT_EQ(b.Grid, 1);
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.AddRow();
    grid.Clear();
    grid.SetFixedCols(0);
    grid.EndUpdate();
    EXPECT_EQ(b.Grid, 1);
    EXPECT_TRUE(grid.IsUpdating());
    grid.EndUpdate();
    EXPECT_EQ(b.Grid, 2);
    EXPECT_EQ(b.Editor, 1);
    grid.EndUpdate(); // unbalanced: nothing
    EXPECT_EQ(b.Grid, 2);
    grid.SetRowCount(5);
    grid.Cells(1, 2).Kind = TCell::ckEdit;
    const int editor = b.Editor;
    grid.SetActiveCell(1, 2);
    EXPECT_GT(b.Editor, editor);
    const int vorher = b.Editor;
    grid.ResizeAktivFeld();
    EXPECT_EQ(b.Editor, vorher + 1);
    grid.SetBeobachter(nullptr);
}

TEST_F(GridTest, SetupCountsAndOptions) {
    grid.SetFixedCols(1);
    grid.SetFixedRows(2);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 2);
    grid.SetFixedRows(-3);
    EXPECT_EQ(grid.FixedRows(), 0);
    TDrawGridSE neu;
    EXPECT_TRUE(neu.AutoSize);
    EXPECT_EQ(neu.GridLineWidth, 1);
}

} // namespace
