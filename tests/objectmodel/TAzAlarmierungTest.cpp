// Alarm outputs: the defaults of each alarm type, the grid rows by type, the 'Einbruch' toggle
// that the device instance must agree to and the plain yes/no rows.
#include "objectmodel/TAzAlarmierung.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using T = TAzAlarmierung;
using Typ = T::TEnumAlarmierungTyp;

Typ AsTyp(int t) {
    return static_cast<Typ>(t);
}

// The eight switches in record order (Bool3 .. Bool10): flash, outer, inner, relay, 'Störung',
// 'Einbruch', 'Feuer', 'Überfall'.
std::vector<bool> Switches(T &a) {
    TDatenStruktur rec;
    a.Write(rec);
    return {rec.Bool3, rec.Bool4, rec.Bool5, rec.Bool6,
            rec.Bool7, rec.Bool8, rec.Bool9, rec.Bool10};
}

TEST(TAzAlarmierung, EachTypeSetsItsDefaultsOthersKeepTheSwitches) {
    struct Case {
        int typ;
        bool result;
        std::vector<bool> switches;
    };
    const std::vector<bool> keep{true, false, true, false, true, false, true, false};
    const Case cases[] = {
        {0, true, {1, 1, 1, 1, 0, 0, 1, 0}},
        {1, true, {0, 0, 0, 0, 0, 0, 0, 1}},
        {3, true, {1, 0, 1, 1, 0, 1, 0, 0}},
        {4, true, {1, 1, 0, 1, 0, 1, 0, 0}},
        {5, true, {1, 0, 1, 1, 0, 1, 0, 0}},
        {6, true, {1, 1, 0, 1, 0, 1, 0, 0}},
        {2, false, keep},
        {7, false, keep},
        {-1, false, keep},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typ);
        TFakeMainWindow main;
        T a(main.Handle(), 1, 2, "A", 3);
        TDatenStruktur rec;
        rec.Bool3 = rec.Bool5 = rec.Bool7 = rec.Bool9 = true;
        a.InitFromDB(rec);
        EXPECT_EQ(a.SetAlarmierungTyp(AsTyp(c.typ)), c.result);
        EXPECT_EQ(Switches(a), c.switches);
        Typ out = AsTyp(99);
        EXPECT_EQ(a.GetAlarmierungTyp(out), c.typ);
        EXPECT_EQ(out, c.typ);
        EXPECT_EQ(a.GetStatusAlarmierungUegEinbruch(), c.switches[5]);
    }
}

// Rows by type: the transmission-device row(s) first, then the four outputs; the first row
// reuses the grid's empty row, every later one is added.
struct GridCase {
    const char *name;
    int typ;
    std::vector<int> rows;
    std::vector<const char *> captions;
};

class AlarmierungGridTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(AlarmierungGridTest, RowsOfTheType) {
    const GridCase &c = GetParam();
    TFakeMainWindow main;
    T a(main.Handle(), 1, 2, "A", 3);
    a.SetAlarmierungTyp(AsTyp(c.typ));
    main.Script(WM_AZ_DEVICE_REQUEST, [](RDeviceRequest &r) {
        r.Text2 = "SSB2 / SSB4";
        return LRESULT(1);
    });
    TDrawGridSE grid;
    a.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(RowIds(grid), c.rows);
    ASSERT_EQ(grid.RowCount(), static_cast<int>(c.captions.size()));
    for (int r = 0; r < grid.RowCount(); ++r)
        EXPECT_EQ(grid.Cells(0, r).Text, c.captions[static_cast<size_t>(r)]) << r;
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    const bool usage =
        std::find(c.rows.begin(), c.rows.end(), T::RowUegEinbruchUsedFrom) != c.rows.end();
    ASSERT_EQ(requests.size(), usage ? 1u : 0u);
    if (usage) {
        EXPECT_EQ(requests[0].Code, AzRequest::UegEinbruchText);
        EXPECT_TRUE(requests[0].Text2.empty());
        EXPECT_EQ(grid.Cells(1, RowOf(grid, T::RowUegEinbruchUsedFrom)).Text, "SSB2 / SSB4");
        EXPECT_EQ(grid.Cells(1, RowOf(grid, T::RowUegEinbruchUsedFrom)).Kind, TCell::ckText);
        EXPECT_EQ(grid.Cells(1, RowOf(grid, T::RowUegEinbruch)).Text,
                  c.typ >= 3 && c.typ <= 6 ? "Ja" : "Nein")
            << "the type's default";
    }
}

const char *const Outputs[] = {"Alarmierung Blitz",
                               "Alarmierung Au\xDF"
                               "en-Sirene",
                               "Alarmierung Innen-Sirene", "Alarmierung Relais"};

std::vector<const char *> With(std::vector<const char *> first) {
    first.insert(first.end(), std::begin(Outputs), std::end(Outputs));
    return first;
}

INSTANTIATE_TEST_SUITE_P(
    Types, AlarmierungGridTest,
    ::testing::Values(
        GridCase{"Fire", 0, {1, 3, 4, 5, 6}, With({"Alarmierung \xDCG 'Feuer'"})},
        GridCase{"HoldUp",
                 1,
                 {1, 3, 4, 5, 6},
                 With({"Alarmierung \xDCG '\xDC"
                       "berfall'"})},
        GridCase{"ExternalSabotage",
                 2,
                 {7, 8, 2, 3, 4, 5, 6},
                 With({"Alarmierung \xDCG 'St\xF6rung'", "Alarmierung \xDCG 'Einbruch'",
                       "Nutzung \xDCG 'Einbruch' durch"})},
        GridCase{"ArmingArea2",
                 4,
                 {8, 2, 3, 4, 5, 6},
                 With({"Alarmierung \xDCG 'Einbruch'", "Nutzung \xDCG 'Einbruch' durch"})},
        GridCase{"UnknownType",
                 9,
                 {8, 2, 3, 4, 5, 6},
                 With({"Alarmierung \xDCG 'Einbruch'", "Nutzung \xDCG 'Einbruch' durch"})}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TAzAlarmierung, ARefusedUsageQueryShowsAnEmptyText) {
    TFakeMainWindow main;
    T a(main.Handle(), 1, 2, "A", 3);
    a.SetAlarmierungTyp(AsTyp(3));
    main.Script(WM_AZ_DEVICE_REQUEST, [](RDeviceRequest &r) {
        r.Text2 = "SSB1";
        return LRESULT(0);
    });
    TDrawGridSE grid;
    a.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.Cells(1, RowOf(grid, T::RowUegEinbruchUsedFrom)).Text, "");
    EXPECT_EQ(main.Requests(WM_AZ_DEVICE_REQUEST).at(0).Code, AzRequest::UegEinbruchText);
}

TEST(TAzAlarmierung, FireAndHoldUpShowTheirSignalAsText) {
    struct Case {
        int typ;
        bool signal; // 'Feuer' (Bool9) for fire, 'Überfall' (Bool10) for hold-up
        const char *text;
    };
    const Case cases[] = {{0, true, "Ja"}, {0, false, "Nein"}, {1, true, "Ja"}, {1, false, "Nein"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.typ) + (c.signal ? " on" : " off"));
        TFakeMainWindow main;
        T a(main.Handle(), 1, 2, "A", 3);
        TDatenStruktur rec;
        rec.Param3 = c.typ;
        (c.typ == 0 ? rec.Bool9 : rec.Bool10) = c.signal;
        (c.typ == 0 ? rec.Bool10 : rec.Bool9) = !c.signal;
        a.InitFromDB(rec);
        TDrawGridSE grid;
        a.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckText);
        EXPECT_EQ(grid.Cells(1, 0).Text, c.text);
        EXPECT_TRUE(main.Requests(WM_AZ_DEVICE_REQUEST).empty());
    }
}

// Row 8: the device instance keeps one 'Einbruch' flag per arming area and must agree
// (request 18).
struct ToggleCase {
    const char *name;
    int select;
    LRESULT answer;
    Trace trace;
    bool member;
};

class EinbruchToggleTest : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(EinbruchToggleTest, RequestDecides) {
    const ToggleCase &c = GetParam();
    TFakeMainWindow main;
    T a(main.Handle(), 1, 2, "A", 3);
    a.SetAlarmierungTyp(AsTyp(5)); // 'Einbruch' on
    TDrawGridSE grid;
    a.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    main.ClearLog();
    main.Script(WM_AZ_DEVICE_REQUEST, c.answer);

    grid.ActivateCell(1, RowOf(grid, T::RowUegEinbruch));
    grid.SelectItem(c.select);
    DeliverPostedMessages();

    EXPECT_EQ(main.Trace(), c.trace);
    EXPECT_EQ(a.GetStatusAlarmierungUegEinbruch(), c.member);
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    if (!requests.empty()) {
        EXPECT_EQ(requests[0].Code, AzRequest::UegEinbruchSetzen);
        EXPECT_EQ(requests[0].Sender, &a);
        EXPECT_EQ(requests[0].Handle, 3);
        EXPECT_EQ(requests[0].Wert, 5);
        EXPECT_EQ(requests[0].Wert4, c.select);
    }
    if (const TDatenStruktur *stored = main.FindDatenSatz(1, 3)) {
        EXPECT_EQ(stored->Bool8, c.member);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, EinbruchToggleTest,
    ::testing::Values(ToggleCase{"Unchanged", 1, 1, {}, true},
                      ToggleCase{"OffAccepted", 0, 1, {"1133", "1127", "1130", "1126"}, false},
                      ToggleCase{"OffRefused", 0, 0, {"1133"}, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TAzAlarmierung, OutputRowsAndTheStoerungRowWriteAndRefreshTheOtherWindows) {
    struct Case {
        int rowId;
        bool TDatenStruktur::*field;
    };
    const Case cases[] = {{T::RowBlitz, &TDatenStruktur::Bool3},
                          {T::RowAussenSirene, &TDatenStruktur::Bool4},
                          {T::RowInnenSirene, &TDatenStruktur::Bool5},
                          {T::RowRelais, &TDatenStruktur::Bool6},
                          {T::RowUegStoerung, &TDatenStruktur::Bool7}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rowId);
        TFakeMainWindow main;
        T a(main.Handle(), 1, 2, "A", 3);
        TDatenStruktur rec;
        rec.Handle = 3;
        rec.Parent = 2;
        rec.System = 1;
        rec.Param3 = 2; // external sabotage: every yes/no row, all off
        a.InitFromDB(rec);
        TDrawGridSE grid;
        a.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
        grid.ActivateCell(1, RowOf(grid, c.rowId));
        grid.SelectItem(0);
        DeliverPostedMessages();
        EXPECT_TRUE(main.Log().empty());
        grid.SelectItem(1);
        DeliverPostedMessages();
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
        ASSERT_NE(main.FindDatenSatz(1, 3), nullptr);
        EXPECT_TRUE(main.FindDatenSatz(1, 3)->*c.field);
    }
}

TEST(TAzAlarmierung, TextRowsAndOtherSendersChangeNothing) {
    TFakeMainWindow main;
    T a(main.Handle(), 1, 2, "A", 3);
    a.SetAlarmierungTyp(AsTyp(0));
    TDrawGridSEComboBox ja;
    ja.ItemIndex = 1;
    TCell cell;
    for (const int row : {int(T::RowUegTyp), int(T::RowUegEinbruchUsedFrom), 99}) {
        cell.RowId = row;
        a.GridComboBoxChange(&ja, cell, 1, 0);
    }
    cell.RowId = T::RowRelais;
    a.GridComboBoxChange(nullptr, cell, 1, 0);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

} // namespace
