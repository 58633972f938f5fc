#include "shell/TDrawGridSEView.h"

#include "platform/log/Log.h"
#include "shell/QtText.h"
#include "shell/WinColor.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

namespace {
// A spin field whose arrows stay within the cell's limits while a typed number may leave them
// (the model reports it as overflow or underflow).
class TGridSpinBox : public QSpinBox {
public:
    TGridSpinBox(int minimum, int maximum, QWidget *parent)
        : QSpinBox(parent), FMin(std::min(minimum, maximum)), FMax(std::max(minimum, maximum)) {
        LOG_FKT("TGridSpinBox::TGridSpinBox");
        setRange(INT_MIN / 2, INT_MAX / 2);
    }
    void stepBy(int steps) override {
        LOG_FKT("TGridSpinBox::stepBy");
        const long long neu =
            static_cast<long long>(value()) + static_cast<long long>(steps) * singleStep();
        setValue(static_cast<int>(std::clamp<long long>(neu, FMin, FMax)));
    }

protected:
    StepEnabled stepEnabled() const override {
        LOG_FKT("TGridSpinBox::stepEnabled");
        StepEnabled e = StepNone;
        if (value() < FMax)
            e |= StepUpEnabled;
        if (value() > FMin)
            e |= StepDownEnabled;
        return e;
    }

private:
    int FMin;
    int FMax;
};

bool IstTitel(const TCell &cell) {
    return cell.Kind == TCell::ckCaption || cell.Kind == TCell::ckGroupTitle;
}
bool IstNurLesen(const TCell &cell) {
    return cell.Kind == TCell::ckText || cell.Kind == TCell::ckEmpty;
}
QString Pfeil(TCell::TEnumGroupTitleState state) {
    switch (state) {
    case TCell::gtsCollapsed:
    case TCell::gtsCollapsedHot:
        return QStringLiteral(u"\u25B8 ");
    case TCell::gtsExpanded:
    case TCell::gtsExpandedHot:
        return QStringLiteral(u"\u25BE ");
    default:
        return QString();
    }
}
} // namespace

TDrawGridSEView::TDrawGridSEView(TDrawGridSE *grid, QWidget *parent)
    : QTableWidget(parent), FGrid(grid) {
    LOG_FKT("TDrawGridSEView::TDrawGridSEView");
    setObjectName("Grid");
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setStretchLastSection(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int, int) { ZelleGewaehlt(row, col); });
    connect(this, &QTableWidget::cellClicked, this,
            [this](int row, int col) { ZelleGeklickt(row, col); });
    FFokus = connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget *alt, QWidget *neu) { FokusGewechselt(alt, neu); });
    FGrid->SetBeobachter(this);
    GridGeaendert();
}

TDrawGridSEView::~TDrawGridSEView() {
    LOG_FKT("TDrawGridSEView::~TDrawGridSEView");
    // Deleting the editor with the view moves the focus: no edit ends in a view going away.
    disconnect(FFokus);
    FGrid->SetBeobachter(nullptr);
}

QColor TDrawGridSEView::CellBackground(int col, int row) const {
    LOG_FKT("TDrawGridSEView::CellBackground");
    return Hintergrund(col, row, WinColorToQColor(FGrid->FixedColor),
                       WinColorToQColor(FGrid->ReadOnlyCellColor),
                       WinColorToQColor(FGrid->CellColor));
}

const QColor &TDrawGridSEView::Hintergrund(int col, int row, const QColor &fixed,
                                           const QColor &readOnly, const QColor &cell) const {
    LOG_FKT("TDrawGridSEView::Hintergrund");
    const TCell &c = FGrid->Cells(col, row);
    if (col < FGrid->FixedCols() || row < FGrid->FixedRows() || IstTitel(c))
        return fixed;
    if (IstNurLesen(c))
        return readOnly;
    return cell;
}

void TDrawGridSEView::GridGeaendert() {
    LOG_FKT("TDrawGridSEView::GridGeaendert");
    FAufbau = true;
    const QSignalBlocker blocker(this);
    if (FGrid->Color != FFarbe) {
        FFarbe = FGrid->Color;
        QPalette pal = palette();
        pal.setColor(QPalette::Base, WinColorToQColor(FGrid->Color));
        pal.setColor(QPalette::Window, WinColorToQColor(FGrid->Color));
        setPalette(pal);
    }
    if (FGrid->GridLineWidth != FLinien) {
        FLinien = FGrid->GridLineWidth;
        setShowGrid(FGrid->GridLineWidth > 0);
    }
    setColumnCount(FGrid->ColCount());
    setRowCount(FGrid->RowCount());
    QFont titelFont = font();
    titelFont.setBold(true);
    FFett.resize(static_cast<size_t>(FGrid->RowCount()), false);
    const QColor fixed = WinColorToQColor(FGrid->FixedColor);
    const QColor readOnly = WinColorToQColor(FGrid->ReadOnlyCellColor);
    const QColor cellColor = WinColorToQColor(FGrid->CellColor);
    for (int row = 0; row < FGrid->RowCount(); ++row) {
        const bool gruppe = FGrid->Cells(0, row).Kind == TCell::ckGroupTitle;
        for (int col = 0; col < FGrid->ColCount(); ++col) {
            const TCell &cell = FGrid->Cells(col, row);
            QString text = ToQString(cell.Text);
            if (gruppe && col == 0)
                text = Pfeil(cell.GroupState) + text;
            QTableWidgetItem *item = this->item(row, col);
            if (!item) {
                item = new QTableWidgetItem(); // the table owns its items
                setItem(row, col, item);
            }
            item->setText(text);
            item->setBackground(Hintergrund(col, row, fixed, readOnly, cellColor));
            if (gruppe != FFett[static_cast<size_t>(row)])
                item->setFont(gruppe ? titelFont : font());
        }
        FFett[static_cast<size_t>(row)] = gruppe;
    }
    Spaltenbreiten();
    FAufbau = false;
    EditorGeaendert();
}

void TDrawGridSEView::Spaltenbreiten() {
    LOG_FKT("TDrawGridSEView::Spaltenbreiten");
    horizontalHeader()->setStretchLastSection(FGrid->AutoSize);
    if (FGrid->AutoSize) {
        // The caption column as wide as its widest text.
        int breite = 0;
        for (int row = 0; row < FGrid->RowCount() && row < rowCount(); ++row)
            if (const QTableWidgetItem *it = item(row, 0))
                breite = std::max(breite, TextBreite(it->text(), FFett[static_cast<size_t>(row)]));
        setColumnWidth(0, breite + 12);
        return;
    }
    for (int col = 0; col < columnCount(); ++col)
        setColumnWidth(col, FGrid->DefaultColWidth);
}

int TDrawGridSEView::TextBreite(const QString &text, bool fett) {
    LOG_FKT("TDrawGridSEView::TextBreite");
    QHash<QString, int> &cache = FBreiten[fett ? 1 : 0];
    const auto it = cache.constFind(text);
    if (it != cache.constEnd())
        return it.value();
    QFont f = font();
    f.setBold(fett);
    const int breite = QFontMetrics(f).horizontalAdvance(text);
    cache.insert(text, breite);
    return breite;
}

void TDrawGridSEView::changeEvent(QEvent *event) {
    LOG_FKT("TDrawGridSEView::changeEvent");
    if (event->type() == QEvent::FontChange) {
        FBreiten[0].clear();
        FBreiten[1].clear();
    }
    QTableWidget::changeEvent(event);
}

QWidget *TDrawGridSEView::MacheEditor(const TCell &cell) {
    LOG_FKT("TDrawGridSEView::MacheEditor");
    switch (cell.Kind) {
    case TCell::ckEdit: {
        auto *edit = new QLineEdit(ToQString(FGrid->EditField()->Text));
        if (FGrid->EditField()->MaxLength > 0)
            edit->setMaxLength(FGrid->EditField()->MaxLength);
        connect(edit, &QLineEdit::textEdited, this,
                [this](const QString &text) { FGrid->EditText(FromQString(text)); });
        connect(edit, &QLineEdit::returnPressed, this, [this] { FGrid->DeleteZellenKomponente(); });
        return edit;
    }
    case TCell::ckEllipse: {
        auto *box = new QWidget;
        auto *layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto *edit = new QLineEdit(ToQString(cell.Text), box);
        edit->setReadOnly(true);
        auto *button = new QToolButton(box);
        button->setText(QStringLiteral("..."));
        layout->addWidget(edit, 1);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this] { FGrid->ClickEllipsis(); });
        box->setFocusProxy(edit);
        return box;
    }
    case TCell::ckComboBox: {
        const TDrawGridSEComboBox &model = *FGrid->ComboBox();
        auto *combo = new QComboBox;
        for (const AnsiString &text : model.Items)
            combo->addItem(ToQString(text));
        const bool editierbar = model.Style == csDropDown || model.Style == csSimple;
        combo->setEditable(editierbar);
        combo->setCurrentIndex(model.ItemIndex);
        if (editierbar)
            combo->setEditText(ToQString(model.Text));
        connect(combo, &QComboBox::activated, this,
                [this](int index) { FGrid->SelectItem(index); });
        if (editierbar)
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this](const QString &text) { FGrid->ComboText(FromQString(text)); });
        return combo;
    }
    case TCell::ckSpinEdit: {
        const TDrawGridSESpinEdit &model = *FGrid->SpinEdit();
        auto *spin = new TGridSpinBox(model.MinValue, model.MaxValue, nullptr);
        spin->setSingleStep(std::max(model.Increment, 1));
        spin->setValue(model.Value);
        connect(spin, &QSpinBox::valueChanged, this,
                [this](int value) { FGrid->SpinValue(value); });
        return spin;
    }
    default:
        return nullptr;
    }
}

void TDrawGridSEView::EditorGeaendert() {
    LOG_FKT("TDrawGridSEView::EditorGeaendert");
    if (FAufbau)
        return;
    int col = -1, row = -1;
    const bool offen = FGrid->GetActiveCell(col, row) != 0;
    if (offen && FEditor && col == FEditorCol && row == FEditorRow) {
        // the same cell: only fit the editor again
        FEditor->setGeometry(visualRect(model()->index(row, col)));
        return;
    }
    if (FEditor) {
        QWidget *alt = FEditor;
        FEditor = nullptr;
        // The focus that the editor had stays with the grid, not where Qt would pass it on.
        if (const QWidget *fokus = QApplication::focusWidget();
            fokus && (fokus == alt || alt->isAncestorOf(fokus)))
            setFocus();
        alt->hide();
        removeCellWidget(FEditorRow, FEditorCol);
        alt->deleteLater(); // it may be the sender of the signal that closed it
        FEditorCol = FEditorRow = -1;
    }
    if (!offen || row >= rowCount() || col >= columnCount())
        return;
    QWidget *editor = MacheEditor(FGrid->Cells(col, row));
    if (!editor)
        return;
    FEditor = editor;
    FEditorCol = col;
    FEditorRow = row;
    {
        const QSignalBlocker blocker(this);
        setCurrentCell(row, col);
    }
    setCellWidget(row, col, editor);
    editor->setFocus();
}

void TDrawGridSEView::ZelleGewaehlt(int row, int col) {
    LOG_FKT("TDrawGridSEView::ZelleGewaehlt");
    if (FAufbau || row < 0 || col < 0 || row >= FGrid->RowCount() || col >= FGrid->ColCount())
        return;
    FGrid->SetActiveCell(col, row);
}

void TDrawGridSEView::FokusGewechselt(QWidget *alt, QWidget *neu) {
    LOG_FKT("TDrawGridSEView::FokusGewechselt");
    if (!FEditor || !alt || !neu || (alt != FEditor && !FEditor->isAncestorOf(alt)))
        return;
    // Within the grid (the "..." button, another cell) the grid decides. A pop-up list, a dialog
    // or another program has the focus only for a while: the cell stays open (the project
    // window's own deactivation drops the editor where it must).
    if (neu == this || isAncestorOf(neu) || neu->window() != window())
        return;
    FGrid->DeleteZellenKomponente();
}

void TDrawGridSEView::ZelleGeklickt(int row, int col) {
    LOG_FKT("TDrawGridSEView::ZelleGeklickt");
    if (row < 0 || col < 0 || row >= FGrid->RowCount() || col >= FGrid->ColCount())
        return;
    if (FGrid->Cells(col, row).Kind == TCell::ckGroupTitle)
        FGrid->ClickGroupTitle(col, row);
}

void TDrawGridSEView::ScrollLine(bool down) {
    LOG_FKT("TDrawGridSEView::ScrollLine");
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + (down ? 1 : -1));
}

void TDrawGridSEView::wheelEvent(QWheelEvent *event) {
    LOG_FKT("TDrawGridSEView::wheelEvent");
    bool handled = false;
    if (OnMouseWheel && event->angleDelta().y() != 0)
        OnMouseWheel(event->angleDelta().y() < 0, handled);
    if (handled)
        event->accept();
    else
        QTableWidget::wheelEvent(event);
}

bool TDrawGridSEView::event(QEvent *event) {
    LOG_FKT("TDrawGridSEView::event");
    // Tab moves between the grid's cells, not the focus between the window's controls.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QTableWidget::event(event);
}

void TDrawGridSEView::keyPressEvent(QKeyEvent *event) {
    LOG_FKT("TDrawGridSEView::keyPressEvent");
    if (event->key() == Qt::Key_Escape && FGrid->ActiveEditor()) {
        FGrid->ZelleVerwerfen();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        // moves between the value cells that have an editor
        const int step = event->key() == Qt::Key_Tab ? 1 : -1;
        int col = -1, row = currentRow();
        FGrid->GetActiveCell(col, row);
        for (int r = row + step; r >= 0 && r < FGrid->RowCount(); r += step) {
            const TCell &cell = FGrid->Cells(1, r);
            if (cell.Kind == TCell::ckEdit || cell.Kind == TCell::ckComboBox ||
                cell.Kind == TCell::ckSpinEdit || cell.Kind == TCell::ckEllipse) {
                FGrid->SetActiveCell(1, r);
                break;
            }
        }
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
