// The parameter grid on screen: draws a TDrawGridSE (caption and value column, group titles
// that fold on a click, read-only cells in their colour) and edits its active cell through the
// model with the in-place editor of the cell's kind: a line edit with its length limit, a combo
// box (a list, or editable by the cell's style), a spin field that passes typed numbers beyond
// its limits on (the model raises overflow and underflow), a text with a "..." button. The edit
// ends through the model's cell exit when the focus leaves the editor for another control of
// the same window; Escape discards it.
#pragma once

#include "platform/grid/TDrawGridSE.h"

#include <QHash>
#include <QTableWidget>

#include <functional>
#include <vector>

class TDrawGridSEView : public QTableWidget, public TDrawGridSEBeobachter {
public:
    TDrawGridSEView(TDrawGridSE *grid, QWidget *parent = nullptr);
    ~TDrawGridSEView() override;
    TDrawGridSEView(const TDrawGridSEView &) = delete;
    TDrawGridSEView &operator=(const TDrawGridSEView &) = delete;

    TDrawGridSE *Grid() const { return FGrid; }
    // The open in-place editor's widget, or null.
    QWidget *EditorWidget() const { return FEditor; }
    // Mouse wheel: (down, handled out); without a handler the view scrolls itself.
    std::function<void(bool down, bool &handled)> OnMouseWheel;

    // TDrawGridSEBeobachter
    void GridGeaendert() override;
    void EditorGeaendert() override;

    // One line down or up.
    void ScrollLine(bool down);
    // The background of a cell by its kind and place.
    QColor CellBackground(int col, int row) const;
    const QColor &Hintergrund(int col, int row, const QColor &fixed, const QColor &readOnly,
                              const QColor &cell) const;

protected:
    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ZelleGewaehlt(int row, int col);
    void FokusGewechselt(QWidget *alt, QWidget *neu);
    void ZelleGeklickt(int row, int col);
    QWidget *MacheEditor(const TCell &cell);
    void Spaltenbreiten();

    TDrawGridSE *FGrid;
    QWidget *FEditor = nullptr;
    QMetaObject::Connection FFokus;
    int FEditorCol = -1;
    int FEditorRow = -1;
    bool FAufbau = false;
    // The width of a caption in pixels, measured once per text (bold: group titles).
    int TextBreite(const QString &text, bool fett);
    void changeEvent(QEvent *event) override;

    uint32_t FFarbe = 0xFFFFFFFFu; // the background last set (none yet)
    QHash<QString, int> FBreiten[2];
    std::vector<bool> FFett; // rows drawn bold
    int FLinien = -1;
};
