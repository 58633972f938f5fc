// A value typed into the parameter grid is the object's once the user selects another node in
// the tree, with automatic field activation on and off, for every panel class that takes its
// values when a cell is left: the record read back holds it, and so does the grid when the node
// is shown again. The selection changes by a click on the tree (the focus leaves the editor
// first) and, for the refresh's own part, without the focus moving.
#include "TestHilfen.h"
#include "foundation/TDatenStruktur.h"
#include "objectmodel/AzKlassen.h"
#include "objectmodel/TAzAlarmdauer.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzEibAlarmSystemSicherheit.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSystem.h"
#include "objectmodel/TAzTextBereich.h"
#include "platform/grid/TDrawGridSE.h"
#include "shell/QtText.h"
#include "shell/TDM.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TTreeView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <functional>
#include <string>

namespace {

// The field of the stored record that keeps the value.
using TFeld = std::function<std::string(TDeviceInstanz &, TDataBasis *)>;

TFeld Param(int32_t TDatenStruktur::*feld) {
    return [feld](TDeviceInstanz &d, TDataBasis *o) {
        return std::to_string(d.GetDatenSatz(o)->*feld);
    };
}
TFeld Text(AnsiString TDatenStruktur::*feld) {
    return [feld](TDeviceInstanz &d, TDataBasis *o) { return d.GetDatenSatz(o)->*feld; };
}
// The first of the editable texts lives in the first record of the object's chain.
std::string ErsterText(TDeviceInstanz &d, TDataBasis *o) {
    const TDatenStruktur *haupt = d.GetDatenSatz(o);
    return d.GetDatenSatz(o->GetSystem(), haupt->Handle, haupt->Next)->String1;
}

struct TFall {
    const char *Name;
    int Typ;
    int RowId; // for the editable texts: the first text's row
    const char *Wert; // null for a spin cell: a number within its limits is taken
    TFeld Feld;
    int Gruppe = 0; // the row of the folded group that holds the cell (0: none)
};

// The editable texts' rows count from their keys; the chain holds them in key order, key 0
// first.
constexpr int ErsteTextZeile = TAzEditierbareTexte::RowErsterText + 0;

class GridEingabe : public VollesFenster, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        VollesFenster::SetUp();
        H.DM->TableAutoCellActivate = GetParam();
        H.DM->TabelAutoCellActivateRowNumber = 0;
        Zeige(W);
    }

    int Zeile(int rowId) const {
        for (int r = 0; r < W->Grid.RowCount(); ++r)
            if (W->Grid.Cells(1, r).RowId == rowId)
                return r;
        return -1;
    }
    // Clicks the node as the user does: made visible, then the left button on its caption.
    void Klicke(TTreeNode *node) {
        for (QTreeWidgetItem *p = node->parent(); p; p = p->parent())
            p->setExpanded(true);
        W->Tree->scrollToItem(node);
        QTest::mouseClick(W->Tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          W->Tree->visualItemRect(node).center());
        H.Zustellen();
    }
    // Types the value into the open editor, its old text replaced; answers what was typed.
    std::string Tippe(const char *wert) {
        QWidget *editor = W->GridView->EditorWidget();
        if (auto *spin = dynamic_cast<QSpinBox *>(editor)) {
            const TCell &cell = W->Grid.Cells(W->Grid.Col(), W->Grid.Row());
            int zahl = cell.MinValue + 1;
            if (zahl == spin->value())
                ++zahl;
            spin->selectAll();
            QTest::keyClicks(spin, QString::number(zahl));
            return std::to_string(zahl);
        }
        QLineEdit *feld = dynamic_cast<QLineEdit *>(editor);
        if (auto *combo = dynamic_cast<QComboBox *>(editor))
            feld = combo->lineEdit();
        if (!feld)
            return {};
        feld->selectAll();
        QTest::keyClicks(feld, wert);
        return wert;
    }
};

TEST_P(GridEingabe, ATypedValueIsKeptWhenAnotherNodeIsSelected) {
    const TFall faelle[] = {
        // The full panel times the outer siren (shown 180); the flash is always on.
        {"alarm durations", AzKlasse::Alarmdauer.Typ, TAzAlarmdauer::RowDauerAussenSirene, nullptr,
         Param(&TDatenStruktur::Param4)},
        {"display name", AzKlasse::Anzeige.Typ, TAzAnzeige::RowBezeichnung, "Kasse",
         Text(&TDatenStruktur::String2)},
        {"editable text", AzKlasse::EditierbareTexte.Typ, ErsteTextZeile, "Hallo", ErsterText,
         TAzEditierbareTexte::RowAllgemein},
        {"system security", AzKlasse::EibAlarmSystemSicherheit.Typ,
         TAzEibAlarmSystemSicherheit::RowAbfrageIntervall, nullptr,
         Param(&TDatenStruktur::Param3)},
        {"detector text", AzKlasse::Melder.Typ, TAzMelder::RowMelderText, "Keller",
         Text(&TDatenStruktur::String4)},
        {"switching device", AzKlasse::ScharfschaltungSsb.Typ,
         TAzScharfschaltungSsb::RowScharfVerzoegerung, nullptr, Param(&TDatenStruktur::Param3)},
        {"system", AzKlasse::System.Typ, TAzSystem::RowImpuls, nullptr,
         Param(&TDatenStruktur::Param9)},
        {"security area text", AzKlasse::SicherungsBereich1.Typ, TAzTextBereich::RowText, "Lager",
         Text(&TDatenStruktur::String4)},
        {"arming area text", AzKlasse::ScharfschaltBereich1.Typ, TAzTextBereich::RowText, "Tor",
         Text(&TDatenStruktur::String4)},
    };
    // The node selected next: a folder (its child list has no grid at all) or another object
    // (its grid is built anew, with a cell activated when the option is on).
    TTreeNode *ordner = KnotenTyp(W->Tree, AzKlasse::OrdnerSicherungsBereich.Typ);
    TTreeNode *dauer = KnotenTyp(W->Tree, AzKlasse::Alarmdauer.Typ);
    TTreeNode *system = KnotenTyp(W->Tree, AzKlasse::System.Typ);
    ASSERT_TRUE(ordner && dauer && system);
    int runde = 0;
    for (const bool klick : {true, false}) {
        for (const bool zumGitter : {false, true}) {
            ++runde;
            for (const TFall &f : faelle) {
                SCOPED_TRACE(std::string(f.Name) + (klick ? ", by a click" : ", focus stays") +
                             (zumGitter ? ", to a grid" : ", to a folder"));
                TTreeNode *knoten = KnotenTyp(W->Tree, f.Typ);
                ASSERT_NE(knoten, nullptr);
                TTreeNode *anderer = !zumGitter ? ordner : knoten == dauer ? system : dauer;
                Klicke(knoten);
                ASSERT_EQ(W->Tree->Selected(), knoten);
                if (f.Gruppe && Zeile(f.RowId) < 0) {
                    W->Grid.ClickGroupTitle(0, Zeile(f.Gruppe));
                    H.Zustellen();
                }
                const int zeile = Zeile(f.RowId);
                ASSERT_GE(zeile, 0) << W->Grid.RowCount() << " rows";
                W->Grid.SetActiveCell(1, zeile);
                ASSERT_NE(W->GridView->EditorWidget(), nullptr);
                // Every round types another text; a spin cell takes a number other than its own.
                const std::string text = f.Wert ? f.Wert + std::to_string(runde) : "";
                const std::string wert = Tippe(f.Wert ? text.c_str() : nullptr);
                ASSERT_FALSE(wert.empty());
                if (klick)
                    Klicke(anderer);
                else
                    W->Tree->setCurrentItem(anderer);
                H.Zustellen();
                EXPECT_EQ(W->Tree->Selected(), anderer);
                EXPECT_EQ(f.Feld(*H.Device, knoten->Data()), wert);
                Klicke(knoten);
                ASSERT_EQ(Zeile(f.RowId), zeile);
                EXPECT_EQ(W->Grid.Cells(1, zeile).Text, wert);
            }
        }
    }
}

// Escape takes nothing of what was typed into a spin cell (the alarm durations apply theirs
// only when the cell is left).
TEST_P(GridEingabe, EscapeDiscardsTheTypedValue) {
    TTreeNode *knoten = KnotenTyp(W->Tree, AzKlasse::Alarmdauer.Typ);
    ASSERT_NE(knoten, nullptr);
    Klicke(knoten);
    const int zeile = Zeile(TAzAlarmdauer::RowDauerAussenSirene);
    ASSERT_GE(zeile, 0);
    const std::string vorher = Param(&TDatenStruktur::Param4)(*H.Device, knoten->Data());
    W->Grid.SetActiveCell(1, zeile);
    ASSERT_FALSE(Tippe(nullptr).empty());
    QTest::keyClick(W->GridView->EditorWidget(), Qt::Key_Escape);
    EXPECT_EQ(W->GridView->EditorWidget(), nullptr);
    Klicke(KnotenTyp(W->Tree, AzKlasse::OrdnerSicherungsBereich.Typ));
    EXPECT_EQ(Param(&TDatenStruktur::Param4)(*H.Device, knoten->Data()), vorher);
    Klicke(knoten);
    EXPECT_EQ(W->Grid.Cells(1, zeile).Text, vorher);
}

INSTANTIATE_TEST_SUITE_P(AutomaticFieldActivation, GridEingabe, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "On" : "Off"; });

} // namespace
