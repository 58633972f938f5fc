// The project window's right pane (the child list or the parameter grid of the selected node)
// and the enabling of the detector and link actions by the selected object.
#include "shell/TFormVerw.h"

#include "objectmodel/TAzMelder.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/log/Log.h"
#include "platform/objectbase/TDataBasis.h"
#include "shell/QtText.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TImageList.h"
#include "shell/TListView.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <QAction>
#include <QFontMetrics>
#include <QTextEdit>

#include <algorithm>

namespace {
// Which of the five actions a selected type enables: add, delete, copy, paste, link.
struct TAktionsZeile {
    int TypVon;
    int TypBis;
    bool Hinzufuegen, Loeschen, Kopieren, Einfuegen, Link;
};
constexpr int TypMelder = 6124;
// clang-format off
constexpr TAktionsZeile kAktionen[] = {
    {6123, 6123, true,  false, false, true,  false}, // fire area
    {6125, 6125, true,  false, false, true,  false}, // hold-up area
    {6127, 6130, true,  false, false, true,  false}, // security areas 1 to 4
    {806,  806,  false, false, false, false, true},  // bus object
};
constexpr TAktionsZeile kMelder          {TypMelder, TypMelder, false, true,  true,  true,  false};
constexpr TAktionsZeile kMelderVerdrahtet{TypMelder, TypMelder, false, false, false, false, false};
constexpr TAktionsZeile kSonst           {0, 0, false, false, false, false, false};
// clang-format on

bool KannFokus(const QWidget *w) {
    return w->isVisible() && w->isEnabled();
}

// The grid's view is drawn once, at the end of a refresh.
class TGridUpdate {
public:
    explicit TGridUpdate(TDrawGridSE &grid) : FGrid(grid) {
        LOG_FKT("TGridUpdate::TGridUpdate");
        FGrid.BeginUpdate();
    }
    ~TGridUpdate() {
        LOG_FKT("TGridUpdate::~TGridUpdate");
        FGrid.EndUpdate();
    }
    TGridUpdate(const TGridUpdate &) = delete;
    TGridUpdate &operator=(const TGridUpdate &) = delete;

private:
    TDrawGridSE &FGrid;
};
} // namespace

void TFormVerw::CheckActionList(TTreeNode *node) {
    LOG_FKT("TFormVerw::CheckActionList");
    if (!node || !node->Data())
        return;
    TDataBasis *object = node->Data();
    const int typ = object->GetTyp();
    const TAktionsZeile *zeile = &kSonst;
    if (typ == TypMelder) {
        const auto *melder = dynamic_cast<const TAzMelder *>(object);
        if (!melder)
            return;
        zeile = melder->GetMelderBereich() == T_DB_EnumAzMelder::eVerdrahtet ? &kMelderVerdrahtet
                                                                             : &kMelder;
    } else {
        for (const TAktionsZeile &z : kAktionen)
            if (typ >= z.TypVon && typ <= z.TypBis)
                zeile = &z;
    }
    FDM.Action(TDM::AMelderHinzufuegen)->setEnabled(zeile->Hinzufuegen);
    FDM.Action(TDM::AMelderLoeschen)->setEnabled(zeile->Loeschen);
    FDM.Action(TDM::AMelderKopieren)->setEnabled(zeile->Kopieren);
    FDM.Action(TDM::AMelderEinfuegen)->setEnabled(zeile->Einfuegen);
    FDM.Action(TDM::ALinkToGrpAdr)->setEnabled(zeile->Link);
}

void TFormVerw::AktualisiereAnsicht(TTreeNode *node, int col, int row) {
    LOG_FKT("TFormVerw::AktualisiereAnsicht");
    const bool treeFocus = Tree->hasFocus();
    if (!node)
        node = Tree->Selected();
    if (!node)
        return;
    const TGridUpdate bracket(Grid);
    if (KannFokus(GridView) && col >= 0 && row >= 0)
        GridView->setFocus();
    // A running cell edit ends through its cell's exit, so the object takes the value, before
    // the rows go; with or without a cell to activate.
    Grid.DeleteZellenKomponente();
    Grid.Clear();
    Grid.OnEditChange = nullptr;
    Grid.OnComboBoxChange = nullptr;
    Grid.OnSpinEditChange = nullptr;
    Grid.OnEllipseClick = nullptr;
    Grid.OnExitCell = nullptr;
    Grid.OnExit = nullptr;

    TDataBasis *object = node->Data();
    const int style = object ? object->ListStyle() : 0;
    if (style == 0) {
        if (FQuickHelpRichEdit) {
            FQuickHelpRichEdit->clear();
            FLastHelpNumber = 0;
        }
        if (KannFokus(Tree))
            Tree->setFocus();
        ListView->clear();
        ListView->show();
        GridView->hide();
        Grid.Clear();
        ListView->setViewMode(QListView::ListMode);
        ListView->SetDragAutomatic(true);
        if (node->HasChildren() && node->childCount() == 0)
            return;
        const QFontMetrics metrics(ListView->font());
        int breite = 0;
        for (int i = 0; i < node->childCount(); ++i) {
            TTreeNode *child = node->Child(i);
            if (!child)
                continue;
            const QString caption = child->text(0);
            ListView->AddItem(caption, FDM.ImageList1.Icon(child->ImageIndex), child->ImageIndex,
                              child->Data());
            breite = std::max(breite, metrics.horizontalAdvance(caption));
        }
        ListView->SetColumnWidth(breite + 50);
    } else if (style == 1) {
        Grid.BeginUpdate();
        Grid.Clear();
        Grid.AutoSize = FDM.GridAutoSize;
        Grid.DefaultColWidth = Grid.AutoSize ? 1 : FDM.GridColDefSize;
        GridView->show();
        ListView->hide();
        ListView->SetDragAutomatic(false);
        Grid.Clear();
        Grid.SetFixedCols(0);
        Grid.SetFixedRows(0);
        Grid.InitGrid(2);
        if (col >= 0 && row >= 0)
            GridView->setFocus();
        object->BuildInfoWindow(&Grid, ListView, false, col, row);
        Grid.EndUpdate();
    }
    if (treeFocus && KannFokus(Tree))
        Tree->setFocus();
}
