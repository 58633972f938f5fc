// Arming settings: area number, grid rows, sabotage choices, switching-device address requests,
// delays, and the device instance's operations on the switching devices.
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using T = TAzScharfschaltungSsb;
using Bereich = T::TEnumScharfschaltBereich;

struct ScharfschaltungSsbTest : ::testing::Test {
    TFakeMainWindow main;
    T ssb{main.Handle(), 1, 2, "Scharfschaltung SSB 2", 3};
    TDrawGridSE grid;

    ScharfschaltungSsbTest() { ssb.SetScharfschaltBereich(static_cast<Bereich>(2)); }

    // Loads the object from a record with these switching devices (address, sabotage number).
    void Load(std::array<std::pair<int, int>, 4> se) {
        TDatenStruktur rec;
        rec.Handle = 3;
        rec.Parent = 2;
        rec.System = 1;
        rec.Name = "Scharfschaltung SSB 2";
        rec.Param9 = 2;
        int32_t TDatenStruktur::*adr[] = {&TDatenStruktur::Param5, &TDatenStruktur::Param6,
                                          &TDatenStruktur::Param7, &TDatenStruktur::Param8};
        int32_t TDatenStruktur::*sabo[] = {&TDatenStruktur::Param10, &TDatenStruktur::Param11,
                                           &TDatenStruktur::Param12, &TDatenStruktur::Param13};
        AnsiString TDatenStruktur::*text[] = {&TDatenStruktur::String1, &TDatenStruktur::String2,
                                              &TDatenStruktur::String3, &TDatenStruktur::String4};
        for (size_t k = 0; k < 4; ++k) {
            rec.*adr[k] = se[k].first;
            rec.*sabo[k] = se[k].second;
            rec.*text[k] = se[k].first ? "1.1." + std::to_string(se[k].first & 0xFF) : "";
        }
        ssb.InitFromDB(rec);
    }
    TDatenStruktur Record() {
        TDatenStruktur rec;
        ssb.Write(rec);
        return rec;
    }
    void Show() {
        ssb.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
    }
    const TDatenStruktur *Stored() { return main.FindDatenSatz(1, 3); }
};

std::vector<int> Values(const std::list<TComboWert> &werte) {
    std::vector<int> v;
    for (const TComboWert &w : werte)
        v.push_back(w.Wert);
    return v;
}

TEST_F(ScharfschaltungSsbTest, AreaNumberOutside1To4IsRefusedAndChangesNothing) {
    for (const int n : {0, 5, -1, 127}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(ssb.SetScharfschaltBereich(static_cast<Bereich>(n)));
        EXPECT_EQ(ssb.GetScharfschaltBereich(), 2);
    }
    EXPECT_TRUE(ssb.SetScharfschaltBereich(static_cast<Bereich>(4)));
    EXPECT_EQ(ssb.GetScharfschaltBereich(), 4);
    EXPECT_EQ(Record().Param9, 4);
}

TEST_F(ScharfschaltungSsbTest, WithoutSwitchingDevicesTheGridHasTheDelaysAndFourAddressRows) {
    ssb.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 5, 7, 9}));
    EXPECT_EQ(grid.Cells(0, 0).Text, "Scharf-Verz\xF6gerungszeit SSB 2 [s]");
    EXPECT_EQ(grid.Cells(0, 1).Text, "Alarm-Verz\xF6gerungszeit SSB 2 [s]");
    for (int r = 0; r < 2; ++r) {
        const TCell &spin = grid.Cells(1, r);
        EXPECT_EQ(spin.Kind, TCell::ckSpinEdit);
        EXPECT_EQ(spin.MaxValue, 255);
        EXPECT_EQ(spin.MinValue, 0);
        EXPECT_EQ(spin.Increment, 1);
        EXPECT_EQ(spin.Value, 0);
        EXPECT_EQ(spin.HelpIndex, 140 + spin.RowId);
    }
    for (int k = 1; k <= 4; ++k) {
        const int r = 1 + k;
        EXPECT_EQ(grid.Cells(0, r).Text,
                  "Physikalische Adresse Schalteinrichtung" + std::to_string(k));
        EXPECT_EQ(grid.Cells(1, r).Kind, TCell::ckEllipse);
        EXPECT_EQ(grid.Cells(1, r).Text, "");
    }
    EXPECT_TRUE(grid.OnEllipseClick);
}

TEST_F(ScharfschaltungSsbTest, ASwitchingDeviceWithAnAddressShowsItsSabotageRow) {
    Load({{{4609, 7}, {0, 255}, {4610, 255}, {0, 255}}});
    ssb.UpdateListeMelderNrSaboSeSb({5, 7, 9});
    ssb.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9}));
    EXPECT_EQ(grid.Cells(1, 2).Text, "1.1.1");
    const TCell &sabo1 = grid.Cells(1, RowOf(grid, T::RowMelderNrSaboSe1));
    EXPECT_EQ(grid.Cells(0, RowOf(grid, T::RowMelderNrSaboSe1)).Text,
              "Eingangs-Nummer Sabotage-Schalteinrichtung SB2");
    EXPECT_EQ(grid.Cells(0, RowOf(grid, T::RowMelderNrSaboSe3)).Text,
              "Eingangs-Nummer Sabotage-Schalteinrichtung SB2");
    EXPECT_EQ(sabo1.Kind, TCell::ckComboBox);
    EXPECT_EQ(sabo1.Items,
              (std::vector<AnsiString>{"Keine Sabotage Schalteinrichtung", "5", "7", "9"}));
    EXPECT_EQ(sabo1.Text, "7");
    const TCell &sabo3 = grid.Cells(1, RowOf(grid, T::RowMelderNrSaboSe3));
    EXPECT_EQ(sabo3.Items, (std::vector<AnsiString>{"Keine Sabotage Schalteinrichtung", "5", "9"}));
    EXPECT_EQ(sabo3.ItemIndex, 0);
    for (const TComboWert &w : sabo3.Werte) {
        EXPECT_EQ(w.Extra1, -1);
        EXPECT_EQ(w.Extra2, -1);
        EXPECT_EQ(w.Extra3, -1);
    }
}

TEST_F(ScharfschaltungSsbTest, CaptionsOfAnAreaOutside1To4AreEmpty) {
    TDatenStruktur rec;
    rec.Param9 = 7;
    rec.Param5 = 4609;
    ssb.InitFromDB(rec);
    ssb.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 4, 5, 7, 9}));
    EXPECT_EQ(grid.Cells(0, 0).Text, "");
    EXPECT_EQ(grid.Cells(0, 1).Text, "");
    EXPECT_EQ(grid.Cells(0, 3).Text, "");
    EXPECT_EQ(grid.Cells(0, 2).Text, "Physikalische Adresse Schalteinrichtung1");
}

TEST_F(ScharfschaltungSsbTest, SabotageChoicesLeaveOutTheNumbersOfTheOtherDevices) {
    Load({{{4609, 255}, {4610, 7}, {0, 255}, {4611, 9}}});
    ssb.UpdateListeMelderNrSaboSeSb({5, 7, 9});
    const auto choices = ssb.GetliCbxItemsSaboSe(1);
    EXPECT_EQ(Values(choices), (std::vector<int>{255, 5}));
    EXPECT_EQ(choices.front().Text, "Keine Sabotage Schalteinrichtung");
    EXPECT_EQ(Values(ssb.GetliCbxItemsSaboSe(2)), (std::vector<int>{255, 5, 7}));
    EXPECT_EQ(Values(ssb.GetliCbxItemsSaboSe(4)), (std::vector<int>{255, 5, 9}));
    EXPECT_EQ(Values(ssb.GetliCbxItemsSaboSe(0)), (std::vector<int>{255}));
    EXPECT_EQ(Values(ssb.GetliCbxItemsSaboSe(5)), (std::vector<int>{255}));

    // A stored number no longer among the candidates stays, it is just not offered.
    ssb.UpdateListeMelderNrSaboSeSb({5});
    EXPECT_EQ(Values(ssb.GetliCbxItemsSaboSe(2)), (std::vector<int>{255, 5}));
    EXPECT_TRUE(ssb.CheckMelderSaboSeLinked(7));
}

TEST_F(ScharfschaltungSsbTest, ChoosingASabotageInputWritesAndRebuildsTheView) {
    Load({{{0, 255}, {4610, 255}, {0, 255}, {0, 255}}});
    ssb.UpdateListeMelderNrSaboSeSb({5, 7});
    Show();
    const int row = RowOf(grid, T::RowMelderNrSaboSe2);
    grid.ActivateCell(1, row);
    grid.SelectItem(0); // "Keine", unchanged
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());

    grid.SelectItem(2); // 7
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1126"}));
    EXPECT_EQ(main.Log().back().WParam, 1u);
    EXPECT_EQ(main.Log().back().LParam, row);
    ASSERT_NE(Stored(), nullptr);
    EXPECT_EQ(Stored()->Param11, 7);

    // Only a combo box is read; another sender changes nothing.
    main.ClearLog();
    ssb.GridComboBoxChange(nullptr, grid.Cells(1, row), 1, row);
    ssb.GridComboBoxChange(grid.EditField(), grid.Cells(1, row), 1, row);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

// The address selection of a switching device: request 6 offers the choice, request 11 tells
// the device instance of the move.
struct AddressCase {
    const char *name;
    int32_t oldAddress;
    int32_t answeredAddress; // what request 6 leaves in Wert2
    LRESULT answer;
    LRESULT answer11; // not examined
    Trace trace;
    int32_t address;
    int32_t sabotage;
};

class AddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressTest, RequestsRecordAndRows) {
    const AddressCase &c = GetParam();
    TFakeMainWindow main;
    T ssb(main.Handle(), 1, 2, "SSB", 3);
    ssb.SetScharfschaltBereich(static_cast<Bereich>(3));
    TDatenStruktur rec;
    rec.Handle = 3;
    rec.Parent = 2;
    rec.System = 1;
    rec.Param9 = 3;
    rec.Param7 = c.oldAddress; // switching device 3
    rec.String3 = c.oldAddress ? "1.1.1" : "";
    rec.Param12 = 9;
    ssb.InitFromDB(rec);
    TDrawGridSE grid;
    ssb.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    main.Script(WM_AZ_DEVICE_REQUEST, [&](RDeviceRequest &r) {
        r.Wert2 = c.answeredAddress;
        r.Text2 = c.answeredAddress ? "1.1.9" : "";
        return c.answer;
    });
    main.Script(WM_AZ_DEVICE_REQUEST, c.answer11);

    const int row = RowOf(grid, T::RowPhysAdrSe3);
    grid.ActivateCell(1, row);
    grid.ClickEllipsis();
    DeliverPostedMessages();

    EXPECT_EQ(main.Trace(), c.trace);
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    ASSERT_GE(requests.size(), 1u);
    EXPECT_EQ(requests[0].Code, AzRequest::PhysAdrSeDialog);
    EXPECT_EQ(requests[0].Handle, 3);
    EXPECT_EQ(requests[0].Sender, &ssb);
    EXPECT_EQ(requests[0].Wert, 3);
    EXPECT_EQ(requests[0].Wert2, c.oldAddress);
    EXPECT_EQ(requests[0].Text2, rec.String3);
    if (requests.size() == 2) {
        EXPECT_EQ(requests[1].Code, AzRequest::PhysAdrSeErsetzen);
        EXPECT_EQ(requests[1].Wert, 3);
        EXPECT_EQ(requests[1].Wert2, c.answeredAddress);
        EXPECT_EQ(requests[1].Wert3, c.oldAddress);
    }
    EXPECT_EQ(ssb.GetPhysAdrSe(3), c.address);
    TDatenStruktur out;
    ssb.Write(out);
    EXPECT_EQ(out.Param7, c.address);
    EXPECT_EQ(out.Param12, c.sabotage);
    EXPECT_EQ(out.String3, c.address ? (c.address == c.oldAddress ? "1.1.1" : "1.1.9") : "");
    if (const TDatenStruktur *stored = main.FindDatenSatz(1, 3)) {
        EXPECT_EQ(stored->Param7, c.address);
    }

    // The rebuilt grid shows the sabotage row only while the device has an address.
    ssb.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    const std::vector<int> ids = RowIds(grid);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), int(T::RowMelderNrSaboSe3)), c.address ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Flows, AddressTest,
    ::testing::Values(
        AddressCase{"NewAddress", 0, 4617, 1, 1, {"1133", "1133", "1127", "1130", "1126"}, 4617, 9},
        AddressCase{"ChangedAddressMoveRefused",
                    4609,
                    4617,
                    1,
                    0,
                    {"1133", "1133", "1127", "1130", "1126"},
                    4617,
                    9},
        AddressCase{"Cancelled", 4609, 4609, 0, 1, {"1133"}, 4609, 9},
        AddressCase{"AnsweredZeroWithANewAddress",
                    4609,
                    4617,
                    0,
                    1,
                    {"1133", "1133", "1127", "1130", "1126"},
                    4617,
                    9},
        AddressCase{
            "AddressRemoved", 4609, 0, 1, 1, {"1133", "1133", "1127", "1130", "1126"}, 0, 255}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScharfschaltungSsbTest, LeavingADelayCellTakesTheNumberWithinItsLimits) {
    struct Case {
        int rowId;
        int typed;
        int32_t stored;
        int32_t TDatenStruktur::*field;
    };
    const Case cases[] = {{T::RowScharfVerzoegerung, 30, 30, &TDatenStruktur::Param3},
                          {T::RowAlarmVerzoegerung, 255, 255, &TDatenStruktur::Param4},
                          {T::RowScharfVerzoegerung, 300, 255, &TDatenStruktur::Param3},
                          {T::RowAlarmVerzoegerung, -4, 0, &TDatenStruktur::Param4}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.rowId) + ": " + std::to_string(c.typed));
        Show();
        const int row = RowOf(grid, c.rowId);
        grid.ActivateCell(1, row);
        grid.LeaveCell(); // unchanged
        DeliverPostedMessages();
        EXPECT_TRUE(main.Log().empty());

        grid.ActivateCell(1, row);
        grid.SpinValue(c.typed);
        grid.LeaveCell();
        DeliverPostedMessages();
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
        EXPECT_EQ(Stored()->*c.field, c.stored);
        EXPECT_EQ(grid.Cells(1, row).Value, c.stored) << "the cell shows what was taken";
    }
}

TEST_F(ScharfschaltungSsbTest, ExitCellWithoutTheSpinEditorChangesNothing) {
    Show();
    TCell cell;
    cell.RowId = T::RowScharfVerzoegerung;
    grid.SpinEdit()->Value = 99;
    ssb.GridExitCell(&grid, grid.EditField(), cell, 1, 0);
    ssb.GridExitCell(&grid, nullptr, cell, 1, 0);
    ssb.GridExitCell(nullptr, grid.SpinEdit(), cell, 1, 0);
    ssb.GridSpinEditOverflow(&grid, grid.SpinEdit(), cell, 1, 0, 300);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(Record().Param3, 0);
}

TEST_F(ScharfschaltungSsbTest, SwitchingDeviceQueries) {
    Load({{{0, 255}, {4609, 7}, {0, 255}, {4610, 7}}});
    std::list<int> addresses{1};
    EXPECT_TRUE(ssb.GetPhysikalischenAdressenSE(addresses));
    EXPECT_EQ(addresses, (std::list<int>{1, 4609, 4610}));
    EXPECT_EQ(ssb.GetPhysAdrSe(2), 4609);
    EXPECT_EQ(ssb.GetPhysAdrSe(1), 0);
    EXPECT_EQ(ssb.GetPhysAdrSe(0), 0);
    EXPECT_EQ(ssb.GetPhysAdrSe(5), 0);
    EXPECT_EQ(ssb.GetStringPhysAdrSe(4), "1.1.2");
    EXPECT_EQ(ssb.GetStringPhysAdrSe(5), "");
    EXPECT_TRUE(ssb.CheckMelderSaboSeLinked(7));
    EXPECT_FALSE(ssb.CheckMelderSaboSeLinked(9));
}

TEST_F(ScharfschaltungSsbTest, UnlinkClearsEveryDeviceOfThatDetectorToZeroAndWrites) {
    Load({{{0, 255}, {4609, 7}, {0, 255}, {4610, 7}}});
    EXPECT_TRUE(ssb.UnlinkMelderNrSaboSe(7));
    EXPECT_FALSE(ssb.CheckMelderSaboSeLinked(7));
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130"}));
    ASSERT_NE(Stored(), nullptr);
    EXPECT_EQ(Stored()->Param11, 0);
    EXPECT_EQ(Stored()->Param13, 0);
    EXPECT_EQ(Stored()->Param10, 255);
}

TEST_F(ScharfschaltungSsbTest, ClearResetsOneDeviceAndAlwaysWrites) {
    Load({{{0, 255}, {4609, 7}, {0, 255}, {4610, 9}}});
    for (const int k : {5, 0}) {
        main.ClearLog();
        EXPECT_TRUE(ssb.ClearPhysAdrSeAndMelderNrSe(k));
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130"}));
        EXPECT_EQ(Stored()->Param6, 4609) << k;
    }
    EXPECT_TRUE(ssb.ClearPhysAdrSeAndMelderNrSe(4));
    EXPECT_EQ(Stored()->Param8, 0);
    EXPECT_EQ(Stored()->Param13, 255);
    EXPECT_EQ(Stored()->String4, "");
    EXPECT_EQ(Stored()->Param6, 4609);
    EXPECT_EQ(Stored()->Param11, 7);
}

TEST_F(ScharfschaltungSsbTest, AlignmentTakesTheDefaultNameButAnswersFalse) {
    for (const LRESULT answer : {LRESULT(1), LRESULT(0)}) {
        SCOPED_TRACE(answer);
        main.Script(WM_AZ_DEVICE_REQUEST_2, [answer](RDeviceRequest &r) {
            *r.Text = "Scharfschaltung SSB 3";
            return answer;
        });
        EXPECT_FALSE(ssb.DatenAbgleich(true, true));
        EXPECT_EQ(ssb.GetName(false), answer ? "Scharfschaltung SSB 3" : "Scharfschaltung SSB 2");
        ASSERT_FALSE(main.Requests(WM_AZ_DEVICE_REQUEST_2).empty());
        EXPECT_EQ(main.Requests(WM_AZ_DEVICE_REQUEST_2).back().Code, AzRequest::DefaultName);
        ssb.SetName("Scharfschaltung SSB 2");
    }
}

} // namespace
