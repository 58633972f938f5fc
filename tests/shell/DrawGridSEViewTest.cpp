// The grid's view over a model filled by hand: what it draws (texts, group titles with their
// fold mark, colours of caption, value and read-only cells), the in-place editor of each cell
// kind driving the model (length limit, list and editable combo box, a spin field passing typed
// numbers beyond its limits on, the "..." button), a click on a group title, Tab between cells,
// the edit ended by the focus leaving the editor or discarded by Escape, and the mouse wheel
// through TCtrlGrid.
#include "platform/grid/TDrawGridSE.h"
#include "shell/TCtrlGrid.h"
#include "shell/TDrawGridSEView.h"
#include "shell/WinColor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class GridView : public ::testing::Test {
protected:
    void SetUp() override {
        Grid.InitGrid(2);
        Zeile(0, TCell::ckGroupTitle, "Gruppe", TCell::ckGroupTitle, "");
        Grid.Cells(0, 0).GroupState = TCell::gtsExpanded;
        Zeile(Grid.AddRow(), TCell::ckCaption, "Name", TCell::ckEdit, "Flur");
        Grid.Cells(1, 1).MaxLength = 6;
        Zeile(Grid.AddRow(), TCell::ckCaption, "Liste", TCell::ckComboBox, "B");
        Grid.Cells(1, 2).Items = {"A", "B", "C"};
        Grid.Cells(1, 2).ItemIndex = 1;
        Grid.Cells(1, 2).Style = csDropDownList;
        Zeile(Grid.AddRow(), TCell::ckCaption, "Text", TCell::ckComboBox, "frei");
        Grid.Cells(1, 3).Items = {"eins", "zwei"};
        Grid.Cells(1, 3).Style = csDropDown;
        Zeile(Grid.AddRow(), TCell::ckCaption, "Zahl", TCell::ckSpinEdit, "5");
        TCell &spin = Grid.Cells(1, 4);
        spin.MinValue = 0;
        spin.MaxValue = 10;
        spin.Increment = 1;
        spin.Value = 5;
        Zeile(Grid.AddRow(), TCell::ckCaption, "Adresse", TCell::ckEllipse, "1.1.5");
        Zeile(Grid.AddRow(), TCell::ckCaption, "Nur lesen", TCell::ckText, "fest");
        Grid.OnEditChange = Merke("edit");
        Grid.OnComboBoxChange = Merke("combo");
        Grid.OnSpinEditChange = Merke("spin");
        Grid.OnEllipseClick = Merke("ellipse");
        Grid.OnGroupTitleClick = Merke("title");
        Grid.OnSpinEditOverflow = [this](TDrawGridSE *, TObject *, TCell &, int, int, double v) {
            Calls.push_back("overflow " + std::to_string(static_cast<int>(v)));
        };
        Grid.OnSpinEditUnderflow = [this](TDrawGridSE *, TObject *, TCell &, int, int, double v) {
            Calls.push_back("underflow " + std::to_string(static_cast<int>(v)));
        };
        Grid.OnExitCell = [this](TDrawGridSE *, TObject *, TCell &cell, int, int) {
            Calls.push_back("exit " + cell.Text);
        };
        View.resize(400, 300);
        View.show();
        View.activateWindow();
        (void)QTest::qWaitForWindowActive(&View);
    }
    void Zeile(int row, TCell::TEnumCellKind k0, const char *t0, TCell::TEnumCellKind k1,
               const char *t1) {
        Grid.Cells(0, row).Kind = k0;
        Grid.Cells(0, row).Text = t0;
        Grid.Cells(1, row).Kind = k1;
        Grid.Cells(1, row).Text = t1;
        Grid.Cells(0, row).RowId = Grid.Cells(1, row).RowId = row + 1;
    }
    TGridChangeEvent Merke(const char *name) {
        return [this, name](TObject *, TCell &, int col, int row) {
            Calls.push_back(std::string(name) + " " + std::to_string(col) + "," +
                            std::to_string(row));
        };
    }
    TDrawGridSE Grid;
    TDrawGridSEView View{&Grid};
    std::vector<std::string> Calls;
};

TEST_F(GridView, DrawsTheRowsWithTheirColours) {
    ASSERT_EQ(View.rowCount(), 7);
    ASSERT_EQ(View.columnCount(), 2);
    EXPECT_EQ(View.item(0, 0)->text().toStdString(), "\u25BE Gruppe");
    EXPECT_TRUE(View.item(0, 0)->font().bold());
    EXPECT_EQ(View.item(1, 0)->text().toStdString(), "Name");
    EXPECT_EQ(View.item(1, 1)->text().toStdString(), "Flur");
    Grid.FixedColor = 0x000000FF;        // red
    Grid.CellColor = 0x00FF0000;         // blue
    Grid.ReadOnlyCellColor = 0x0000FF00; // green
    Grid.Repaint();
    EXPECT_EQ(View.item(1, 0)->background().color(), QColor(255, 0, 0));
    EXPECT_EQ(View.item(1, 1)->background().color(), QColor(0, 0, 255));
    EXPECT_EQ(View.item(6, 1)->background().color(), QColor(0, 255, 0));
    // During an update the view waits for its end.
    Grid.BeginUpdate();
    Grid.AddRow();
    EXPECT_EQ(View.rowCount(), 7);
    Grid.EndUpdate();
    EXPECT_EQ(View.rowCount(), 8);
}

TEST_F(GridView, ALineEditKeepsItsLimitAndFeedsTheModel) {
    Grid.SetActiveCell(1, 1);
    auto *edit = dynamic_cast<QLineEdit *>(View.EditorWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->maxLength(), 6);
    EXPECT_EQ(View.cellWidget(1, 1), edit);
    edit->selectAll();
    QTest::keyClicks(edit, "Treppenhaus");
    EXPECT_EQ(edit->text().toStdString(), "Treppe");
    EXPECT_EQ(Grid.EditField()->Text, "Treppe");
    ASSERT_FALSE(Calls.empty());
    EXPECT_EQ(Calls.back(), "edit 1,1");
    // Dropping the editor leaves the cell: the value goes into it and exit runs.
    Grid.DeleteZellenKomponente();
    EXPECT_EQ(Grid.Cells(1, 1).Text, "Treppe");
    EXPECT_EQ(Calls.back(), "exit Treppe");
    EXPECT_EQ(View.EditorWidget(), nullptr);
    EXPECT_EQ(View.item(1, 1)->text().toStdString(), "Treppe");
}

TEST_F(GridView, ComboBoxesAreListsOrEditableByTheirStyle) {
    Grid.SetActiveCell(1, 2);
    auto *liste = dynamic_cast<QComboBox *>(View.EditorWidget());
    ASSERT_NE(liste, nullptr);
    EXPECT_FALSE(liste->isEditable());
    EXPECT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->currentIndex(), 1);
    QTest::keyClick(liste, Qt::Key_Down);
    EXPECT_EQ(Grid.ComboBox()->ItemIndex, 2);
    EXPECT_EQ(Calls.back(), "combo 1,2");

    Grid.SetActiveCell(1, 3);
    auto *text = dynamic_cast<QComboBox *>(View.EditorWidget());
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isEditable());
    EXPECT_EQ(text->currentText().toStdString(), "frei");
    text->lineEdit()->selectAll();
    QTest::keyClicks(text->lineEdit(), "Keller");
    EXPECT_EQ(Grid.ComboBox()->Text, "Keller");
    EXPECT_EQ(Calls.back(), "combo 1,3");
}

TEST_F(GridView, ASpinFieldPassesTypedNumbersBeyondItsLimitsOn) {
    Grid.SetActiveCell(1, 4);
    auto *spin = dynamic_cast<QSpinBox *>(View.EditorWidget());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->value(), 5);
    spin->stepBy(1);
    EXPECT_EQ(Calls.back(), "spin 1,4");
    EXPECT_EQ(Grid.SpinEdit()->Value, 6);
    spin->stepBy(20); // the arrows stop at the limit
    EXPECT_EQ(spin->value(), 10);
    spin->selectAll();
    QTest::keyClicks(spin, "25");
    EXPECT_EQ(Calls.back(), "overflow 25");
    spin->selectAll();
    QTest::keyClicks(spin, "-3");
    EXPECT_EQ(Calls.back(), "underflow -3");
    spin->stepBy(-20);
    EXPECT_EQ(spin->value(), 0);
}

TEST_F(GridView, TheEllipsisButtonRaisesItsClick) {
    Grid.SetActiveCell(1, 5);
    QWidget *box = View.EditorWidget();
    ASSERT_NE(box, nullptr);
    auto *button = box->findChild<QToolButton *>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text().toStdString(), "...");
    auto *edit = box->findChild<QLineEdit *>();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->text().toStdString(), "1.1.5");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Calls.back(), "ellipse 1,5");
}

TEST_F(GridView, ReadOnlyCellsHaveNoEditorAndTitlesFoldOnAClick) {
    Grid.SetActiveCell(1, 6);
    EXPECT_EQ(View.EditorWidget(), nullptr);
    const QRect rect = View.visualItemRect(View.item(0, 0));
    QTest::mouseClick(View.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    ASSERT_FALSE(Calls.empty());
    EXPECT_EQ(Calls.back(), "title 0,0");
    Grid.Cells(0, 0).GroupState = TCell::gtsCollapsed;
    Grid.Repaint();
    EXPECT_EQ(View.item(0, 0)->text().toStdString(), "\u25B8 Gruppe");
    // A row that is no title any more is drawn plain again.
    Grid.Cells(0, 0).Kind = TCell::ckCaption;
    Grid.Repaint();
    EXPECT_FALSE(View.item(0, 0)->font().bold());
    EXPECT_EQ(View.item(0, 0)->text().toStdString(), "Gruppe");
}

TEST_F(GridView, TabMovesToTheNextCellWithAnEditor) {
    Grid.SetActiveCell(1, 1);
    QTest::keyClick(&View, Qt::Key_Tab);
    EXPECT_EQ(Grid.Row(), 2);
    QTest::keyClick(&View, Qt::Key_Tab);
    EXPECT_EQ(Grid.Row(), 3);
    QTest::keyClick(&View, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Grid.Row(), 2);
}

// The focus leaving the in-place editor for another control of the window ends the edit through
// the cell's exit (value stored, exit raised); Escape drops it with the cell as it was; a
// window of its own (a pop-up list, a dialog) leaves the edit running.
TEST_F(GridView, LeavingTheEditorEndsTheEditAndEscapeDiscardsIt) {
    QWidget fenster;
    auto *layout = new QVBoxLayout(&fenster); // the window owns its layout and children
    auto *nachbar = new QLineEdit(&fenster);
    layout->addWidget(nachbar);
    struct TZurueck {
        QWidget &View;
        ~TZurueck() { View.setParent(nullptr); }
    } zurueck{View};
    View.setParent(&fenster);
    layout->addWidget(&View);
    fenster.resize(400, 400);
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QLineEdit anderesFenster;
    anderesFenster.show();

    struct TFall {
        int Row;
        const char *Getippt;
        std::string Vorher;
    };
    const TFall faelle[] = {{1, "Dach", "Flur"}, {3, "Keller", "frei"}, {4, "7", "5"}};
    // The editor's own text field: the line edit, the combo box's or the spin field's.
    const auto textfeld = [&]() -> QLineEdit * {
        QWidget *e = View.EditorWidget();
        if (auto *l = dynamic_cast<QLineEdit *>(e))
            return l;
        return e ? e->findChild<QLineEdit *>() : nullptr;
    };
    const auto tippe = [&](const TFall &f) {
        Grid.SetActiveCell(1, f.Row);
        QLineEdit *feld = textfeld();
        ASSERT_NE(feld, nullptr);
        feld->selectAll();
        QTest::keyClicks(feld, f.Getippt);
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Row);
        tippe(f);
        Calls.clear();
        nachbar->setFocus();
        ASSERT_FALSE(Calls.empty());
        EXPECT_EQ(Calls.back(), std::string("exit ") + f.Getippt);
        EXPECT_EQ(Grid.Cells(1, f.Row).Text, f.Getippt);
        int col = -1, row = -1;
        EXPECT_EQ(Grid.GetActiveCell(col, row), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(View.item(f.Row, 1)->text().toStdString(), f.Getippt);

        // Escape: nothing of the typing reaches the cell, and no exit.
        Grid.Cells(1, f.Row).Text = f.Vorher;
        if (f.Row == 4)
            Grid.Cells(1, f.Row).Value = 5;
        Grid.Repaint();
        tippe(f);
        Calls.clear();
        QTest::keyClick(textfeld(), Qt::Key_Escape);
        EXPECT_EQ(Grid.GetActiveCell(col, row), 0);
        EXPECT_EQ(Grid.Cells(1, f.Row).Text, f.Vorher);
        EXPECT_TRUE(std::none_of(Calls.begin(), Calls.end(),
                                 [](const std::string &c) { return c.rfind("exit", 0) == 0; }));
        EXPECT_TRUE(View.hasFocus());
        EXPECT_EQ(View.EditorWidget(), nullptr);

        // Another window takes the focus: the edit goes on.
        tippe(f);
        Calls.clear();
        anderesFenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&anderesFenster));
        EXPECT_NE(Grid.GetActiveCell(col, row), 0);
        EXPECT_TRUE(Calls.empty());
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        Grid.DeleteZellenKomponente();
    }
}

TEST_F(GridView, TheWheelScrollsOneLineThroughTheController) {
    for (int i = 0; i < 40; ++i)
        Zeile(Grid.AddRow(), TCell::ckCaption, "mehr", TCell::ckText, "x");
    TCtrlGrid ctrl(&Grid, &View);
    QCoreApplication::processEvents(); // the view lays its rows out
    EXPECT_EQ(Grid.FixedCols(), 1);
    EXPECT_EQ(Grid.FixedRows(), 1);
    View.verticalScrollBar()->setValue(5);
    bool handled = false;
    ctrl.GridMouseWheelDown(handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(View.verticalScrollBar()->value(), 6);
    handled = false;
    ctrl.GridMouseWheelUp(handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(View.verticalScrollBar()->value(), 5);
    QWheelEvent wheel(QPointF(10, 10), View.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(View.viewport(), &wheel);
    EXPECT_EQ(View.verticalScrollBar()->value(), 6);
    ctrl.LoadColor(0x80000010, 0x00FFFFFF, 0x8000000F, 0x80000018, 0);
    EXPECT_EQ(Grid.Color, 0x80000010u);
    EXPECT_EQ(Grid.FixedColor, 0x8000000Fu);
    EXPECT_EQ(Grid.ReadOnlyCellColor, 0x80000018u);
    EXPECT_FALSE(View.showGrid());
}

struct TFarbFall {
    uint32_t Wert;
    QColor Soll;
};

TEST(WinColor, ValuesAndSystemIndexes) {
    const QPalette p = QApplication::palette();
    const TFarbFall faelle[] = {
        {0x00FFFFFF, QColor(255, 255, 255)},
        {0x000000FF, QColor(255, 0, 0)},
        {0x00123456, QColor(0x56, 0x34, 0x12)},
        {0x8000000F, p.color(QPalette::Active, QPalette::Button)},
        {0x80000010, p.color(QPalette::Active, QPalette::Mid)},
        {0x80000018, p.color(QPalette::Active, QPalette::ToolTipBase)},
    };
    for (const TFarbFall &f : faelle)
        EXPECT_EQ(WinColorToQColor(f.Wert), f.Soll) << std::hex << f.Wert;
}

} // namespace
