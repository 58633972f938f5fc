// The field table's selector ids and yes/no rows, on a small class of their own.
#include "objectmodel/AzFelder.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "objectmodel/TAzObjekt.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Two ids picked by a selector, one fixed, a text, a plain yes/no row, one that rebuilds the
// view and a toggle backed by request 42.
class TProbe : public TAzObjekt<TDataBasis, AzKlasse::VerhaltenDurchUegR> {
public:
    enum : int { RowA = 1, RowB = 2, RowC = 3 };
    TProbe(HWND w) : TAzObjekt(w, 1, 2, "Probe", 3) {}
    void BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int, int) override {
        AzPrepareGrid(*grid, *this);
        Felder().AddJaNeinZeile(*this, grid, RowA, false);
        Felder().AddJaNeinZeile(*this, grid, RowB, true);
        Felder().AddJaNeinZeile(*this, grid, RowC, true);
        EXPECT_EQ(Felder().AddJaNeinZeile(*this, grid, 9, true), -1);
    }
    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
        TAzEpilog e;
        EXPECT_EQ(Felder().ComboBoxChange(*this, cell.RowId,
                                          *dynamic_cast<TDrawGridSEComboBox *>(sender), e, FSel),
                  cell.RowId >= RowA && cell.RowId <= RowC);
        e.Run(*this, col, row);
    }
    static const TAzFelder<TProbe> &Felder() {
        static const TAzFelder<TProbe> felder{
            {&TProbe::FA, &TDatenStruktur::Bool3, TAzSlot{1}, {RowA, 11067}},
            {&TProbe::FB, &TDatenStruktur::Bool4, 12345, {RowB, 11066, 0, /*Post1126*/ true}},
            {&TProbe::FC, &TDatenStruktur::Bool5, TAzSlot{0}, {RowC, 11068, /*Anfrage*/ 42}},
            {&TProbe::FWert, &TDatenStruktur::Param3, TAzSlot{2}},
            {&TProbe::FText, &TDatenStruktur::String2},
            {&TProbe::FSel, &TDatenStruktur::Param4},
        };
        return felder;
    }
    bool FA = false, FB = true, FC = false;
    int32_t FWert = 77;
    AnsiString FText = "Text";
    int8_t FSel = 0;
    TAzParameterIds<3> FIds;
};

TEST(AzParameterIds, CountOnlyForTheSelectorValueTheyWereChosenFor) {
    TAzParameterIds<2> ids;
    EXPECT_EQ(ids.Fuer(0), nullptr) << "none before a selector was applied";
    ids.Setze(3, {100, 200});
    ASSERT_NE(ids.Fuer(3), nullptr);
    EXPECT_EQ((*ids.Fuer(3))[1], 200);
    EXPECT_EQ(ids.Fuer(2), nullptr);
    ids.Setze(2, {101, 0});
    EXPECT_EQ(ids.Fuer(3), nullptr);
    ASSERT_NE(ids.Fuer(2), nullptr);
}

TEST(AzFelder, ParametersInTableOrderFromFixedIdsAndTheSelectorsPlaces) {
    TFakeMainWindow main;
    TProbe probe(main.Handle());
    probe.FC = true;
    auto params = TProbe::Felder().DeviceParams(probe, std::array<int16_t, 3>{500, 0, 700});
    ASSERT_EQ(params.size(), 3u) << "place 1 has no id: FA has no parameter";
    EXPECT_EQ(params[0].Id, 12345);
    EXPECT_EQ(params[0].Wert, 1);
    EXPECT_EQ(params[1].Id, 500);
    EXPECT_EQ(params[1].Wert, 1);
    EXPECT_EQ(params[2].Id, 700);
    EXPECT_EQ(params[2].Wert, 77);
    params = TProbe::Felder().DeviceParams(probe);
    ASSERT_EQ(params.size(), 1u) << "without ids only the fixed one";

    // Without ids for the selector value, nothing is asked of the main window.
    EXPECT_FALSE(TProbe::Felder().WriteDataToDb(probe, probe.FIds, probe.FSel));
    probe.FIds.Setze(1, {500, 600, 700});
    EXPECT_FALSE(TProbe::Felder().WriteDataToDb(probe, probe.FIds, probe.FSel));
    EXPECT_TRUE(main.Log().empty());
}

TEST(AzFelder, TextFieldsGoToTheRecordOnly) {
    TFakeMainWindow main;
    TProbe probe(main.Handle());
    TDatenStruktur rec;
    rec.String2 = "Neu";
    TProbe::Felder().InitFromDB(probe, rec);
    EXPECT_EQ(probe.FText, "Neu");
    probe.FText = "Anders";
    TProbe::Felder().Write(probe, rec);
    EXPECT_EQ(rec.String2, "Anders");
}

TEST(AzFelder, YesNoRowsShowTheirFieldsAndTakeTheChoice) {
    TFakeMainWindow main;
    TProbe probe(main.Handle());
    probe.FSel = 4;
    TDrawGridSE grid;
    probe.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(grid.Cells(0, 1).Text, "Au\xDF"
                                     "en-Sirene");
    EXPECT_EQ(grid.Cells(1, 0).Text, "Nein");
    EXPECT_EQ(grid.Cells(1, 1).Text, "Ja");

    grid.ActivateCell(1, 0);
    grid.SelectItem(1);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    main.ClearLog();

    grid.ActivateCell(1, 1);
    grid.SelectItem(0);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1126"}));
    EXPECT_FALSE(probe.FB);
    main.ClearLog();

    main.Script(WM_AZ_DEVICE_REQUEST, [](RDeviceRequest &r) {
        EXPECT_EQ(r.Code, 42);
        EXPECT_EQ(r.Wert, 4);
        EXPECT_EQ(r.Wert4, 1);
        return LRESULT(0);
    });
    grid.ActivateCell(1, 2);
    grid.SelectItem(1);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), Trace{"1133"});
    EXPECT_FALSE(probe.FC) << "refused: the old value";

    main.ClearLog();
    TCell other;
    other.RowId = 7;
    probe.GridComboBoxChange(grid.ComboBox(), other, 1, 2);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

TEST(AzGrid, YesNoChoiceAndSpinNumbers) {
    TDrawGridSEComboBox combo;
    bool wert = true;
    for (const int index : {-1, 2}) {
        combo.ItemIndex = index;
        EXPECT_FALSE(AzJaNeinWert(combo, wert));
        EXPECT_TRUE(wert);
    }
    combo.ItemIndex = 0;
    EXPECT_TRUE(AzJaNeinWert(combo, wert));
    EXPECT_FALSE(wert);

    TDrawGridSESpinEdit spin;
    spin.MinValue = 2;
    spin.MaxValue = 254;
    TCell cell;
    cell.Text = "keep";
    spin.Value = 100;
    EXPECT_EQ(AzSpinWert(spin, cell), 100);
    EXPECT_EQ(cell.Text, "keep");
    spin.Value = 1000;
    EXPECT_EQ(AzSpinWert(spin, cell), 254);
    EXPECT_EQ(cell.Text, "254");
    EXPECT_EQ(cell.Value, 254);
    spin.Value = -5;
    EXPECT_EQ(AzSpinWert(spin, cell), 2);
}

} // namespace
