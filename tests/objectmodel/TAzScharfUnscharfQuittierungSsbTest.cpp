// Arming and disarming acknowledgement: area number, grid rows, the 'Scharf' signalling toggle
// that the device instance must agree to, the plain yes/no rows and the locking element.
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using T = TAzScharfUnscharfQuittierungSsb;
using Bereich = T::TEnumScharfschaltBereich;

struct QuittierungTest : ::testing::Test {
    TFakeMainWindow main;
    T quitt{main.Handle(), 1, 2, "Quittierung SSB 3", 3};
    TDrawGridSE grid;

    QuittierungTest() { quitt.SetScharfschaltBereich(static_cast<Bereich>(3)); }

    // The grid built (request 12 answered by the script or refused), the log cleared.
    void Show() {
        quitt.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
    }
    const TDatenStruktur *Stored() { return main.FindDatenSatz(1, 3); }
};

TEST_F(QuittierungTest, TheGridHasSevenRows) {
    main.Script(WM_AZ_DEVICE_REQUEST, [](RDeviceRequest &r) {
        EXPECT_TRUE(r.Text2.empty());
        r.Text2 = "SSB1 / SSB3";
        return LRESULT(1);
    });
    quitt.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    struct Row {
        const char *caption;
        TCell::TEnumCellKind kind;
        const char *text;
    };
    const Row rows[] = {
        {"Signalisierung durch \xDCG 'Scharf'", TCell::ckComboBox, "Ja"},
        {"Nutzung \xDCG 'Scharf' durch", TCell::ckText, "SSB1 / SSB3"},
        {"Quittierung durch Blitz", TCell::ckComboBox, "Ja"},
        {"Quittierung durch Au\xDF"
         "en-Sirene",
         TCell::ckComboBox, "Nein"},
        {"Quittierung durch Innen-Sirene", TCell::ckComboBox, "Nein"},
        {"Quittierung durch Relais", TCell::ckComboBox, "Nein"},
        {"Sperrelement \xF6"
         "ffnen bei Feuer/\xDC"
         "berfall",
         TCell::ckComboBox, "Nein"},
    };
    for (int r = 0; r < 7; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(grid.Cells(0, r).Text, rows[r].caption);
        EXPECT_EQ(grid.Cells(1, r).Kind, rows[r].kind);
        EXPECT_EQ(grid.Cells(1, r).Text, rows[r].text);
        EXPECT_EQ(grid.Cells(1, r).HelpIndex, 150 + r + 1);
    }
    EXPECT_EQ(grid.Cells(1, 0).Items, (std::vector<AnsiString>{"Nein", "Ja"}));
    EXPECT_EQ(grid.Cells(1, 6).Items,
              (std::vector<AnsiString>{"Ja Statisch Unscharfsignal", "Ja Impuls Unscharfsignal",
                                       "Nein"}));
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Code, AzRequest::UegScharfText);
    EXPECT_EQ(requests[0].Sender, &quitt);
    EXPECT_EQ(requests[0].Handle, 3);
}

TEST_F(QuittierungTest, ARefusedUsageQueryShowsAnEmptyText) {
    main.Script(WM_AZ_DEVICE_REQUEST, [](RDeviceRequest &r) {
        r.Text2 = "SSB2";
        return LRESULT(0);
    });
    quitt.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.Cells(1, RowOf(grid, T::RowUegScharfUsedFrom)).Text, "");
}

TEST_F(QuittierungTest, TheLockingElementRowSelectsThePairOfTheStoredValue) {
    for (const auto &[value, text] : std::vector<std::pair<int, const char *>>{
             {0, "Nein"}, {1, "Ja Statisch Unscharfsignal"}, {2, "Ja Impuls Unscharfsignal"}}) {
        TDatenStruktur rec;
        rec.Param3 = value;
        rec.Param4 = 3;
        quitt.InitFromDB(rec);
        quitt.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        EXPECT_EQ(grid.Cells(1, RowOf(grid, T::RowSperrelement)).Text, text);
    }
}

// Row 1: the device instance keeps one 'Scharf' flag per area and must agree (request 13).
struct ToggleCase {
    const char *name;
    int select;
    LRESULT answer;
    Trace trace;
    bool member;
};

class SignallingToggleTest : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(SignallingToggleTest, RequestDecides) {
    const ToggleCase &c = GetParam();
    TFakeMainWindow main;
    T quitt(main.Handle(), 1, 2, "Q", 3);
    quitt.SetScharfschaltBereich(static_cast<Bereich>(2));
    TDrawGridSE grid;
    quitt.BuildInfoWindow(&grid, nullptr, false, -1, -1); // request 12, unscripted
    main.ClearLog();
    main.Script(WM_AZ_DEVICE_REQUEST, c.answer);

    grid.ActivateCell(1, 0);
    grid.SelectItem(c.select);
    DeliverPostedMessages();

    EXPECT_EQ(main.Trace(), c.trace);
    EXPECT_EQ(quitt.GetStatusSignUegScharf(), c.member);
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    if (!requests.empty()) {
        EXPECT_EQ(requests[0].Code, AzRequest::UegScharfSetzen);
        EXPECT_EQ(requests[0].Handle, 3);
        EXPECT_EQ(requests[0].Sender, &quitt);
        EXPECT_EQ(requests[0].Wert, 2);
        EXPECT_EQ(requests[0].Wert4, c.select);
    }
    const TDatenStruktur *stored = main.FindDatenSatz(1, 3);
    EXPECT_EQ(stored != nullptr, c.trace.size() > 1);
    if (stored) {
        EXPECT_EQ(stored->Bool3, c.member);
    }
    for (const auto &e : main.Log())
        if (e.Msg == WM_AZ_AKTUALISIERE_ANSICHT) {
            EXPECT_EQ(e.WParam, 1u);
            EXPECT_EQ(e.LParam, 0);
        }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SignallingToggleTest,
    ::testing::Values(ToggleCase{"Unchanged", 1, 1, {}, true},
                      ToggleCase{"OffAccepted", 0, 1, {"1133", "1127", "1130", "1126"}, false},
                      ToggleCase{"OffRefused", 0, 0, {"1133"}, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(QuittierungTest, PlainRowsWriteAndRefreshTheOtherWindows) {
    struct Case {
        int rowId;
        int select;
        bool TDatenStruktur::*field;
    };
    const Case cases[] = {{T::RowBlitz, 0, &TDatenStruktur::Bool4},
                          {T::RowAussenSirene, 1, &TDatenStruktur::Bool5},
                          {T::RowInnenSirene, 1, &TDatenStruktur::Bool6},
                          {T::RowRelais, 1, &TDatenStruktur::Bool7}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rowId);
        Show();
        grid.ActivateCell(1, RowOf(grid, c.rowId));
        grid.SelectItem(1 - c.select); // the value it has
        DeliverPostedMessages();
        EXPECT_TRUE(main.Log().empty());
        grid.SelectItem(c.select);
        DeliverPostedMessages();
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
        ASSERT_NE(Stored(), nullptr);
        EXPECT_EQ(Stored()->*c.field, c.select == 1);
    }
    EXPECT_TRUE(main.Requests(WM_AZ_DEVICE_REQUEST).empty());
}

TEST_F(QuittierungTest, TheLockingElementTakesThePairsValue) {
    Show();
    const int row = RowOf(grid, T::RowSperrelement);
    grid.ActivateCell(1, row);
    grid.SelectItem(2); // "Nein", unchanged
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    grid.SelectItem(1); // impulse
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    EXPECT_EQ(Stored()->Param3, 2);
}

TEST_F(QuittierungTest, AComboBoxWithoutChoiceOrAnotherSenderChangesNothing) {
    Show();
    TCell cell;
    cell.RowId = T::RowBlitz;
    TDrawGridSEComboBox leer; // nothing selected
    quitt.GridComboBoxChange(&leer, cell, 1, 2);
    quitt.GridComboBoxChange(nullptr, cell, 1, 2);
    quitt.GridComboBoxChange(grid.SpinEdit(), cell, 1, 2);
    cell.RowId = T::RowUegScharfUsedFrom;
    TDrawGridSEComboBox nein;
    nein.ItemIndex = 0;
    quitt.GridComboBoxChange(&nein, cell, 1, 2);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_TRUE(quitt.GetStatusSignUegScharf());
}

TEST_F(QuittierungTest, AnAreaOutside1To4IsStoredWithoutIds) {
    quitt.SetScharfschaltBereich(static_cast<Bereich>(5));
    EXPECT_EQ(quitt.GetScharfschaltBereich(), 5);
    TDatenStruktur rec;
    quitt.Write(rec);
    EXPECT_EQ(rec.Param4, 5);
    main.ClearLog();
    EXPECT_FALSE(quitt.WriteDataToDb()) << "area 3's ids are not this object's any more";
    EXPECT_TRUE(main.Log().empty()) << "not even the writer is asked for";
}

} // namespace
