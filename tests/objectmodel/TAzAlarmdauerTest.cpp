// Alarm durations: mode rows, the time rows they show, and how mode and duration go together.
#include "objectmodel/TAzAlarmdauer.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using T = TAzAlarmdauer;

struct AlarmdauerTest : ::testing::Test {
    TFakeMainWindow main;
    T dauer{main.Handle(), 1, 2, "Alarmdauer", 3};
    TDrawGridSE grid;

    void Show() {
        dauer.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
    }
    TDatenStruktur Record() {
        TDatenStruktur rec;
        dauer.Write(rec);
        return rec;
    }
};

TEST_F(AlarmdauerTest, ANewObjectShowsTheSirensTimes) {
    dauer.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 3, 4, 5, 6, 7}));
    struct Row {
        const char *caption;
        const char *text;
    };
    const Row rows[] = {{"Schaltdauer Blitz", "Immer-Ein"},
                        {"Schaltdauer Au\xDF"
                         "en-Sirene",
                         "Zeit"},
                        {"Schaltdauer Au\xDF"
                         "en-Sirene [s]",
                         "180"},
                        {"Schaltdauer Innen-Sirene", "Zeit"},
                        {"Schaltdauer Innen-Sirene [s]", "180"},
                        {"Schaltdauer Relais", "Immer-Ein"}};
    for (int r = 0; r < 6; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(grid.Cells(0, r).Text, rows[r].caption);
        EXPECT_EQ(grid.Cells(1, r).Text, rows[r].text);
    }
    EXPECT_EQ(grid.Cells(1, 0).Items, (std::vector<AnsiString>{"Immer-Ein", "Zeit"}));
    const TCell &spin = grid.Cells(1, 2);
    EXPECT_EQ(spin.Kind, TCell::ckSpinEdit);
    EXPECT_EQ(spin.MaxValue, 254);
    EXPECT_EQ(spin.MinValue, 2);
    EXPECT_EQ(spin.Increment, 1);
    EXPECT_EQ(spin.HelpIndex, 174);
}

TEST_F(AlarmdauerTest, EveryTimeRowWhenEveryDeviceRunsOnTime) {
    TDatenStruktur rec;
    rec.Param3 = 10;
    rec.Param4 = 20;
    rec.Param5 = 30;
    rec.Param6 = 40;
    rec.Bool3 = rec.Bool4 = rec.Bool5 = rec.Bool6 = true;
    dauer.InitFromDB(rec);
    dauer.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(grid.Cells(0, 1).Text, "Schaltdauer Blitz [s]");
    EXPECT_EQ(grid.Cells(0, 7).Text, "Schaltdauer Relais [x 10s]");
    EXPECT_EQ(grid.Cells(1, 7).Value, 40);
}

// A mode change sets the duration that goes with the new mode and rebuilds the view.
struct ModeCase {
    const char *name;
    int rowId;
    int select;
    int32_t TDatenStruktur::*field;
    int32_t duration;
};

class ModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeTest, DurationFollowsTheMode) {
    const ModeCase &c = GetParam();
    TFakeMainWindow main;
    T dauer(main.Handle(), 1, 2, "Alarmdauer", 3);
    TDrawGridSE grid;
    dauer.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    main.ClearLog();
    const int row = RowOf(grid, c.rowId);
    grid.ActivateCell(1, row);
    grid.SelectItem(c.select);
    DeliverPostedMessages();
    ASSERT_EQ(main.Trace(), (Trace{"1127", "1130", "1126"}));
    EXPECT_EQ(main.Log().back().WParam, 1u);
    EXPECT_EQ(main.Log().back().LParam, row);
    ASSERT_NE(main.FindDatenSatz(1, 3), nullptr);
    EXPECT_EQ(main.FindDatenSatz(1, 3)->*c.field, c.duration);

    dauer.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    const std::vector<int> ids = RowIds(grid);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), c.rowId + 1), c.select);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, ModeTest,
    ::testing::Values(
        ModeCase{"FlashOnTime", T::RowModusBlitz, 1, &TDatenStruktur::Param3, 254},
        ModeCase{"OuterAlwaysOn", T::RowModusAussenSirene, 0, &TDatenStruktur::Param4, 255},
        ModeCase{"InnerAlwaysOn", T::RowModusInnenSirene, 0, &TDatenStruktur::Param5, 255},
        ModeCase{"RelayOnTime", T::RowModusRelais, 1, &TDatenStruktur::Param6, 254}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlarmdauerTest, FlashToTimeAndBack) {
    Show();
    grid.ActivateCell(1, RowOf(grid, T::RowModusBlitz));
    grid.SelectItem(1);
    EXPECT_EQ(Record().Param3, 254);
    EXPECT_TRUE(Record().Bool3);
    dauer.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    grid.ActivateCell(1, RowOf(grid, T::RowModusBlitz));
    grid.SelectItem(0);
    EXPECT_EQ(Record().Param3, 255);
    EXPECT_FALSE(Record().Bool3);
    dauer.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(RowIds(grid), (std::vector<int>{1, 3, 4, 5, 6, 7}));
    DeliverPostedMessages();
}

TEST_F(AlarmdauerTest, TheSameModeAgainKeepsAChangedDuration) {
    Show();
    const int spinRow = RowOf(grid, T::RowDauerAussenSirene);
    grid.ActivateCell(1, spinRow);
    grid.SpinValue(60);
    grid.LeaveCell();
    DeliverPostedMessages();
    main.ClearLog();
    grid.ActivateCell(1, RowOf(grid, T::RowModusAussenSirene));
    grid.SelectItem(1); // "Zeit" again
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(Record().Param4, 60);
}

TEST_F(AlarmdauerTest, LeavingATimeCellWritesOnlyAChangeWithinTheLimits) {
    TDatenStruktur rec;
    rec.Handle = 3;
    rec.Parent = 2;
    rec.System = 1;
    rec.Param6 = 12;
    rec.Bool6 = true; // relay on time
    rec.Param3 = 255;
    rec.Param4 = rec.Param5 = 180;
    rec.Bool4 = rec.Bool5 = true;
    dauer.InitFromDB(rec);
    Show();
    const int row = RowOf(grid, T::RowDauerRelais);
    grid.ActivateCell(1, row);
    grid.LeaveCell(); // unchanged
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());

    struct Case {
        int typed;
        int32_t stored;
    };
    for (const Case c : {Case{30, 30}, Case{1, 2}, Case{500, 254}, Case{-70000, 2}}) {
        SCOPED_TRACE(c.typed);
        main.ClearLog();
        grid.ActivateCell(1, row);
        grid.SpinValue(c.typed);
        grid.LeaveCell();
        DeliverPostedMessages();
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
        ASSERT_NE(main.FindDatenSatz(1, 3), nullptr);
        EXPECT_EQ(main.FindDatenSatz(1, 3)->Param6, c.stored);
        EXPECT_EQ(grid.Cells(1, row).Text, std::to_string(c.stored));
    }
}

TEST_F(AlarmdauerTest, OtherEditorsAndHandlersChangeNothing) {
    Show();
    TCell cell;
    cell.RowId = T::RowDauerAussenSirene;
    grid.SpinEdit()->Value = 99;
    dauer.GridExitCell(&grid, grid.ComboBox(), cell, 1, 2);
    dauer.GridExitCell(nullptr, grid.SpinEdit(), cell, 1, 2);
    cell.RowId = T::RowModusBlitz;
    dauer.GridExitCell(&grid, grid.SpinEdit(), cell, 1, 0);
    dauer.GridComboBoxChange(grid.SpinEdit(), cell, 1, 0);
    TDrawGridSEComboBox leer;
    dauer.GridComboBoxChange(&leer, cell, 1, 0);
    dauer.GridSpinEditOverflow(&grid, grid.SpinEdit(), cell, 1, 2, 300);
    dauer.GridEllipseClick(&grid, cell, 1, 0);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(Record().Param3, 255);
    EXPECT_EQ(Record().Param4, 180);
}

} // namespace
