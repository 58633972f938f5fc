// The data-object base: the common record part, the record messages, fresh handles, chained
// records, the row builders and the error base.
#include "platform/objectbase/TDataBasis.h"
#include "FakeMainWindow.h"
#include "foundation/TDatenManager.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/objectbase/E_Basis.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/TEibHandle.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>
#include <list>

namespace {

// The smallest concrete object: type 6121, help offset 30, keeps String1 of its record.
class TProbe : public TDataBasis {
public:
    TProbe(HWND window, int system, int parent, AnsiString name, int handle)
        : TDataBasis(window, system, parent, std::move(name), handle) {
        FHelpOffset = 30;
    }
    int GetTyp() const override { return 6121; }
    int ListStyle() const override { return 1; }
    int GetIcon() const override { return 30; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis *) override { return false; }
    void Drop(TDataBasis *) override {}
    void BuildInfoWindow(TDrawGridSE *, TListView *, bool, int, int) override {}
    void InitFromDB(TDatenStruktur &r) override {
        TDataBasis::InitFromDB(r);
        Text = r.String1;
    }
    void Write(TDatenStruktur &r) override {
        TDataBasis::Write(r);
        r.String1 = Text;
    }
    AnsiString Text;
};

struct DataBasisTest : ::testing::Test {
    TFakeMainWindow main;
};

TEST_F(DataBasisTest, WriteAndInitFromDBCarryTheCommonPartAndLeaveNextAlone) {
    TProbe probe(main.Handle(), 7, 12, "Objekt", 40);
    probe.SetPosId(6);
    probe.Text = "Wert";
    TDatenStruktur rec;
    rec.Next = 99;
    rec.Param2 = 5;
    probe.Write(rec);
    EXPECT_EQ(rec.Name, "Objekt");
    EXPECT_EQ(rec.Handle, 40);
    EXPECT_EQ(rec.Typ, 6121);
    EXPECT_EQ(rec.Parent, 12);
    EXPECT_EQ(rec.System, 7);
    EXPECT_EQ(rec.Param1, 6);
    EXPECT_EQ(rec.Next, 99);
    EXPECT_EQ(rec.Param2, 5);
    EXPECT_EQ(main.Trace(), std::vector<std::string>{"1130"});

    TProbe loaded(main.Handle(), 0, 0, "", 0);
    loaded.InitFromDB(rec);
    EXPECT_EQ(loaded.GetName(true), "Objekt");
    EXPECT_EQ(loaded.GetHandle(), 40);
    EXPECT_EQ(loaded.GetParent(), 12);
    EXPECT_EQ(loaded.GetSystem(), 7);
    EXPECT_EQ(loaded.GetPosId(), 6);
    EXPECT_EQ(loaded.Text, "Wert");
}

TEST_F(DataBasisTest, WriteDatensatzFetchesTheRecordBy1127WithSystemAndParentPacked) {
    TProbe probe(main.Handle(), 3, -1, "Objekt", 40);
    probe.Text = "neu";
    EXPECT_TRUE(probe.WriteDatensatz());
    ASSERT_EQ(main.Trace(), (std::vector<std::string>{"1127", "1130"}));
    EXPECT_EQ(main.Log()[0].WParam, (3u << 16) | 0xFFFFu);
    EXPECT_EQ(main.Log()[0].LParam, 40);
    const TDatenStruktur *rec = main.FindDatenSatz(3, 40);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->String1, "neu");
}

TEST_F(DataBasisTest, WithoutARecordNothingIsWritten) {
    main.AnswerNoRecord = true;
    TProbe probe(main.Handle(), 3, 1, "Objekt", 40);
    EXPECT_FALSE(probe.WriteDatensatz());
    EXPECT_EQ(main.Trace(), std::vector<std::string>{"1127"});
    EXPECT_EQ(main.ModifiedCount(), 0);
}

TEST_F(DataBasisTest, AChainedRecordIsMadeFoundAgainAndDeleted) {
    TDatenStruktur own;
    own.Handle = 5;
    own.Parent = 1;
    own.System = 1;
    main.AddDatenSatz(own);
    TProbe probe(main.Handle(), 1, 1, "Texte", 5);
    probe.KonvertHandle(&main.HandleTable());

    TDatenStruktur *rec = probe.FetchDatensatz();
    TDatenStruktur *first = probe.GetNewNebenDatensatz(*rec);
    ASSERT_NE(first, nullptr);
    first->String1 = "eins";
    TDatenStruktur *second = probe.GetNewNebenDatensatz(*first);
    ASSERT_NE(second, nullptr);
    second->String1 = "zwei";
    EXPECT_EQ(main.DatenSatzCount(), 3);
    EXPECT_EQ(rec->Next, 1) << "the smallest free handle";
    EXPECT_EQ(first->Next, 2);
    EXPECT_EQ(first->Parent, 5) << "chained records hang under the object's handle";
    EXPECT_EQ(first->Typ, TDataBasis::TypNebenDatensatz);

    TDatenStruktur *found = probe.GetDatensatz(1, rec->Next);
    ASSERT_EQ(found, first);
    EXPECT_EQ(found->String1, "eins");
    EXPECT_EQ(probe.GetDatensatz(1, found->Next)->String1, "zwei");

    main.ClearLog();
    probe.DeleteNebenDatensaetze(*rec);
    ASSERT_EQ(main.Trace(), std::vector<std::string>{"1129"});
    EXPECT_EQ(main.Log()[0].WParam, (1u << 16) | 5u);
    EXPECT_EQ(main.Log()[0].LParam, 1);
    EXPECT_EQ(rec->Next, 0);
    EXPECT_EQ(main.DatenSatzCount(), 1);
    EXPECT_EQ(main.FindDatenSatz(1, 2), nullptr);
}

TEST_F(DataBasisTest, NoChainedRecordWithoutHandleTableOrAnswer) {
    TProbe probe(main.Handle(), 1, 1, "Texte", 5);
    TDatenStruktur rec;
    EXPECT_EQ(probe.GetNewNebenDatensatz(rec), nullptr);
    probe.KonvertHandle(&main.HandleTable());
    main.AnswerNoRecord = true;
    EXPECT_EQ(probe.GetNewNebenDatensatz(rec), nullptr);
    EXPECT_EQ(rec.Next, 0);
    probe.DeleteNebenDatensaetze(rec);
    EXPECT_EQ(main.Trace(), std::vector<std::string>{"1127"}) << "no 1129 without a chain";
}

TEST_F(DataBasisTest, KonvertHandleGivesANewObjectAFreshHandleOnly) {
    TDatenStruktur used;
    used.Handle = 1;
    main.AddDatenSatz(used);
    TProbe neu(main.Handle(), 1, 1, "neu", 0);
    TProbe alt(main.Handle(), 1, 1, "alt", 9);
    neu.KonvertHandle(&main.HandleTable());
    alt.KonvertHandle(&main.HandleTable());
    EXPECT_EQ(neu.GetHandle(), 2);
    EXPECT_EQ(alt.GetHandle(), 9);

    std::list<int> all;
    for (int h = 1; h <= TEibHandle::MaxHandle; ++h)
        all.push_back(h);
    TEibHandle full(all);
    full.BuildNewTable();
    TProbe ohne(main.Handle(), 1, 1, "ohne", 0);
    EXPECT_THROW(ohne.KonvertHandle(&full), E_Basis);
    EXPECT_EQ(ohne.GetHandle(), 0);
}

TEST_F(DataBasisTest, EinfuegenTakesTheFirstRecordOfItsTypeAndKeepsItsPlace) {
    TProbe probe(main.Handle(), 1, 2, "Ziel", 40);
    probe.SetPosId(6);
    probe.Text = "alt";
    std::map<int, TDatenStruktur> copy;
    copy[1].Typ = 6124;
    copy[1].String1 = "Melder";
    EXPECT_FALSE(probe.Einfuegen(copy));
    EXPECT_EQ(probe.Text, "alt");

    TDatenStruktur source;
    source.Typ = 6121;
    source.Handle = 77;
    source.Parent = 78;
    source.System = 79;
    source.Param1 = 3;
    source.Name = "Quelle";
    source.String1 = "kopiert";
    copy[2] = source;
    source.String1 = "zweite";
    copy[3] = source;
    EXPECT_TRUE(probe.Einfuegen(copy));
    EXPECT_EQ(probe.Text, "kopiert");
    EXPECT_EQ(probe.GetHandle(), 40);
    EXPECT_EQ(probe.GetParent(), 2);
    EXPECT_EQ(probe.GetSystem(), 1);
    EXPECT_EQ(probe.GetPosId(), 6);
    EXPECT_EQ(probe.GetName(true), "Ziel");
}

TEST_F(DataBasisTest, PasteAnswersWhetherTheStoreHoldsItsTypeAndTakesNothing) {
    TProbe probe(main.Handle(), 1, 2, "Ziel", 40);
    probe.Text = "alt";
    TDatenStruktur fremd;
    fremd.Typ = 6124;
    TDatenStruktur eigen;
    eigen.Typ = 6121;
    eigen.Handle = 77;
    eigen.Name = "Quelle";
    eigen.String1 = "kopiert";
    const AnsiString ohneText = fremd.GetDatensatzZeile() + "\r\n";
    const AnsiString mitText = ohneText + eigen.GetDatensatzZeile() + "\r\n";
    TDatenManager<TDatenStruktur> ohne(ohneText.data(), static_cast<int32_t>(ohneText.size()));
    TDatenManager<TDatenStruktur> mit(mitText.data(), static_cast<int32_t>(mitText.size()));

    AnsiString message = "unveraendert";
    EXPECT_FALSE(probe.Paste(nullptr, message));
    EXPECT_FALSE(probe.Paste(&ohne, message));
    EXPECT_TRUE(probe.Paste(&mit, message));
    EXPECT_EQ(message, "unveraendert");
    EXPECT_EQ(probe.Text, "alt");
    EXPECT_EQ(probe.GetHandle(), 40);
    EXPECT_EQ(probe.GetName(true), "Ziel");
    EXPECT_TRUE(main.Log().empty());
}

TEST_F(DataBasisTest, RowBuildersFillCaptionAndValueCells) {
    TProbe probe(main.Handle(), 1, 1, "x", 5);
    TDrawGridSE grid;
    grid.InitGrid(2);
    TStringList items;
    items.Add("a");
    items.Add("b");
    const std::list<TComboWert> werte{{"Ja", 1}, {"Nein", 0}};

    EXPECT_EQ(probe.AddRowEllipse(&grid, "Ellipse", 1, "Text", 0, false), 0);
    EXPECT_EQ(probe.AddRowSpinEdit(&grid, "Spin", 3, 255, 2, 1, 5, 0, true), 1);
    EXPECT_EQ(probe.AddRowComboBox(&grid, "Liste", 4, &items, 1, 58, true), 2);
    EXPECT_EQ(probe.AddRowComboBox(&grid, "Paare", 5, werte, 0, 0, true), 3);
    EXPECT_EQ(probe.AddRowComboBoxYes(&grid, "JaNein", 6, T_DB_EnumDataBasis::eTrue, 0, true), 4);
    EXPECT_EQ(probe.AddRowEditFeld(&grid, "Edit", 7, "abc", 0, true, 14), 5);
    EXPECT_EQ(probe.AddRowTextFeld(&grid, "Info", 8, "nur lesen", 0, true), 6);
    EXPECT_EQ(probe.AddRowCaption(&grid, 9, "Gruppe", "", TCell::gtsCollapsed, true), 7);
    EXPECT_EQ(probe.AddRowTextFeld(nullptr, "x", 1, "", 0, true), -1);
    ASSERT_EQ(grid.RowCount(), 8) << "the first row reused the empty row of InitGrid";

    struct Expected {
        TCell::TEnumCellKind kind;
        int rowId;
        int help;
        const char *text;
        int itemIndex;
    };
    const Expected expected[] = {
        {TCell::ckEllipse, 1, 31, "Text", -1},   {TCell::ckSpinEdit, 3, 33, "5", -1},
        {TCell::ckComboBox, 4, 58, "b", 1},      {TCell::ckComboBox, 5, 35, "Nein", 1},
        {TCell::ckComboBox, 6, 36, "Ja", 1},     {TCell::ckEdit, 7, 37, "abc", -1},
        {TCell::ckText, 8, 38, "nur lesen", -1}, {TCell::ckGroupTitle, 9, 39, "", -1},
    };
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(row);
        const Expected &e = expected[row];
        const TCell &caption = grid.Cells(0, row);
        const TCell &value = grid.Cells(1, row);
        EXPECT_EQ(caption.Kind, row == 7 ? TCell::ckGroupTitle : TCell::ckCaption);
        EXPECT_EQ(caption.RowId, e.rowId);
        EXPECT_EQ(value.RowId, e.rowId);
        EXPECT_EQ(caption.HelpIndex, e.help);
        EXPECT_EQ(value.HelpIndex, e.help);
        EXPECT_EQ(value.Kind, e.kind);
        EXPECT_EQ(value.Text, e.text);
        EXPECT_EQ(value.ItemIndex, e.itemIndex);
        EXPECT_EQ(value.Data, &probe);
    }
    EXPECT_EQ(grid.Cells(1, 1).MinValue, 2);
    EXPECT_EQ(grid.Cells(1, 1).MaxValue, 255);
    EXPECT_EQ(grid.Cells(1, 3).Werte.size(), 2u);
    for (int row = 2; row <= 4; ++row)
        EXPECT_EQ(grid.Cells(1, row).Style, csDropDownList) << "a list to choose from";
    EXPECT_EQ(grid.Cells(1, 5).MaxLength, 14);
    EXPECT_EQ(grid.Cells(0, 7).GroupState, TCell::gtsCollapsed);

    // A reused row is cleared before it is filled.
    probe.AddRowTextFeld(&grid, "neu", 2, "t", 0, false);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Cells(0, 7).Kind, TCell::ckCaption);
    EXPECT_EQ(grid.Cells(1, 7).GroupState, TCell::gtsNone);
}

TEST(DataBasis, ChangeGroupTitleStateTogglesFoldedAndUnfolded) {
    struct Case {
        TCell::TEnumGroupTitleState from, to;
        bool changed;
    };
    const Case cases[] = {
        {TCell::gtsCollapsed, TCell::gtsExpanded, true},
        {TCell::gtsExpanded, TCell::gtsCollapsed, true},
        {TCell::gtsCollapsedHot, TCell::gtsExpandedHot, true},
        {TCell::gtsExpandedHot, TCell::gtsCollapsedHot, true},
        {TCell::gtsNone, TCell::gtsNone, false},
    };
    for (const Case &c : cases) {
        auto state = c.from;
        EXPECT_EQ(TDataBasis::ChangeGroupTitleState(state), c.changed);
        EXPECT_EQ(state, c.to);
    }
}

TEST(EBasis, WriteMessageShowsMessageInfoFileAndLine) {
    TMessageBoxRecorder boxes;
    const E_Basis e(4, "DeleteIterator: unknown systemhandle: 7", "Info", "DeviceInstanz.cpp", 120,
                    "E_InstVerw");
    const E_Basis copy = e;
    copy.WriteMessage();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "E_InstVerw");
    EXPECT_EQ(boxes.Boxes()[0].text, "DeleteIterator: unknown systemhandle: 7\nInfo\n"
                                     "File: DeviceInstanz.cpp\nLine: 120\n");
    EXPECT_EQ(boxes.Boxes()[0].style, unsigned(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(copy.Code, 4);
    EXPECT_STREQ(copy.what(), "DeleteIterator: unknown systemhandle: 7");
}

} // namespace
