// Function monitoring: its parameters, the rows that follow the on/off choice, the question
// before switching off, request 15, and the spin cells.
#include "objectmodel/TAzEibAlarmSystemSicherheit.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;
using T = TAzEibAlarmSystemSicherheit;

struct UeberwachungTest : ::testing::Test {
    TFakeMainWindow main;
    T sicherheit{main.Handle(), 1, 40, "EIB-Alarm-System, Sicherheit", 41};
    TDrawGridSE grid;
    TMessageBoxRecorder boxes;

    void Show() {
        sicherheit.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        DeliverPostedMessages();
        main.ClearLog();
    }
    const TDatenStruktur *Stored() { return main.FindDatenSatz(1, 41); }
    void Choose(int rowId, int index) {
        grid.ActivateCell(1, RowOf(grid, rowId));
        grid.SelectItem(index);
        DeliverPostedMessages();
    }
    // The combo-box handler of row rowId called directly, whether or not the grid shows that
    // row, with item index chosen (-1: nothing).
    void ChooseDirectly(int rowId, int index) {
        TCell cell;
        cell.RowId = rowId;
        grid.ComboBox()->ItemIndex = index;
        sicherheit.GridComboBoxChange(grid.ComboBox(), cell, 1, 1);
        DeliverPostedMessages();
    }
    // Its own record, off, but still holding an interval (45 s) and the reaction "fault".
    void LoadOffWithLeftovers() {
        TDatenStruktur rec;
        sicherheit.Write(rec);
        rec.Param4 = 45;
        rec.Bool3 = true;
        sicherheit.InitFromDB(rec);
    }
    void SwitchOn() {
        Show();
        Choose(T::RowUeberwachung, 1);
        main.ClearLog();
    }
};

TEST_F(UeberwachungTest, ANewObjectWritesItsDefaultsAndShowsTwoRows) {
    TTempProject &project = main.UseTemporaryProject();
    EXPECT_EQ(sicherheit.GetTyp(), 6145);
    EXPECT_EQ(sicherheit.GetIcon(), 57);
    EXPECT_EQ(sicherheit.GetQuickHelpIndexOffset(), 212);
    EXPECT_FALSE(sicherheit.GetStatusHeartBeatUeberwachung());
    EXPECT_TRUE(sicherheit.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10090=10", "10080=0", "7160=0"}));
    EXPECT_EQ(project.Parameter(10090), 10);

    sicherheit.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2}));
    EXPECT_EQ(grid.Cells(0, 0).Text, "Melder Abfrage-Intervall [s]");
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckSpinEdit);
    EXPECT_EQ(grid.Cells(1, 0).Value, 10);
    EXPECT_EQ(grid.Cells(1, 0).MaxValue, 255);
    EXPECT_EQ(grid.Cells(1, 0).MinValue, 2);
    EXPECT_EQ(grid.Cells(1, 0).Increment, 1);
    EXPECT_EQ(grid.Cells(0, 1).Text, "Funktions\xFC"
                                     "berwachung");
    EXPECT_EQ(grid.Cells(1, 1).Text, "Nein");
}

TEST_F(UeberwachungTest, RecordRoundTrip) {
    TDatenStruktur rec;
    rec.Handle = 41;
    rec.Parent = 40;
    rec.System = 1;
    rec.Name = "Sicherheit";
    rec.Param3 = 20;
    rec.Param4 = 60;
    rec.Bool3 = true;
    rec.Bool4 = true;
    sicherheit.InitFromDB(rec);
    EXPECT_TRUE(sicherheit.GetStatusHeartBeatUeberwachung());
    TDatenStruktur out;
    sicherheit.Write(out);
    EXPECT_EQ(out.Typ, 6145);
    EXPECT_EQ(out.Param3, 20);
    EXPECT_EQ(out.Param4, 60);
    EXPECT_TRUE(out.Bool3);
    EXPECT_TRUE(out.Bool4);

    main.UseTemporaryProject();
    main.ClearLog();
    EXPECT_TRUE(sicherheit.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10090=20", "10080=60", "7160=1"}));
}

TEST_F(UeberwachungTest, AMonitoringThatIsOffSendsNoIntervalOrReaction) {
    // A record whose monitoring is off but still holds an interval and a reaction: the grid
    // would clear them, the parameters must not depend on whether it was shown.
    TDatenStruktur rec;
    rec.Param3 = 12;
    rec.Param4 = 45;
    rec.Bool3 = true;
    rec.Bool4 = false;
    sicherheit.InitFromDB(rec);
    main.UseTemporaryProject();
    main.ClearLog();
    EXPECT_TRUE(sicherheit.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10090=12", "10080=0", "7160=0"}));
}

TEST_F(UeberwachungTest, TheGridOfAMonitoringThatIsOffClearsItsIntervalAndReaction) {
    LoadOffWithLeftovers();
    Show();
    EXPECT_TRUE(main.Log().empty()) << "building the grid writes no record";
    grid.ActivateCell(1, RowOf(grid, T::RowAbfrageIntervall));
    grid.LeaveCell();
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    ASSERT_NE(Stored(), nullptr);
    EXPECT_EQ(Stored()->Param4, 0);
    EXPECT_FALSE(Stored()->Bool3);
}

TEST_F(UeberwachungTest, AChoiceThatKeepsTheStateDoesNothing) {
    Show();
    Choose(T::RowUeberwachung, 0); // already off
    EXPECT_TRUE(main.Log().empty());
    SwitchOn();
    Choose(T::RowUeberwachung, 1); // already on
    EXPECT_TRUE(main.Log().empty());
    ChooseDirectly(T::RowUeberwachung, -1); // nothing selected
    EXPECT_TRUE(main.Log().empty());
    EXPECT_TRUE(boxes.Boxes().empty()) << "no question either";
    EXPECT_TRUE(sicherheit.GetStatusHeartBeatUeberwachung());
}

TEST_F(UeberwachungTest, SwitchingOnShowsTheRowsAndSendsRequest15) {
    Show();
    Choose(T::RowUeberwachung, 1);
    EXPECT_EQ(main.Trace(), (Trace{"1133", "1127", "1130", "1126"}));
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Code, AzRequest::FunktionsUeberwachung);
    EXPECT_EQ(requests[0].Wert, 1);
    EXPECT_EQ(requests[0].Handle, 41);
    EXPECT_EQ(requests[0].Sender, &sicherheit);
    EXPECT_TRUE(boxes.Boxes().empty()) << "switching on asks nothing";
    EXPECT_TRUE(Stored()->Bool4);
    EXPECT_EQ(Stored()->Param4, 30);

    sicherheit.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(grid.Cells(0, 2).Text, "Funktions\xFC"
                                     "berwachungs-Intervall [s]");
    EXPECT_EQ(grid.Cells(1, 2).Value, 30);
    EXPECT_EQ(grid.Cells(0, 3).Text, "Fehlende Funktions\xFC"
                                     "berwachung");
    EXPECT_EQ(grid.Cells(1, 3).Items,
              (std::vector<AnsiString>{"Wie Sabotage", "\xDCG 'St\xF6rung'"}));
    EXPECT_EQ(grid.Cells(1, 3).Text, "Wie Sabotage");
}

TEST_F(UeberwachungTest, SwitchingOnStartsFromThirtySecondsAndLikeSabotage) {
    // Switched on before this object's grid cleared what the record left over.
    LoadOffWithLeftovers();
    ChooseDirectly(T::RowUeberwachung, 1);
    ASSERT_NE(Stored(), nullptr);
    EXPECT_TRUE(Stored()->Bool4);
    EXPECT_EQ(Stored()->Param4, 30);
    EXPECT_FALSE(Stored()->Bool3);
}

TEST_F(UeberwachungTest, SwitchingOffAsksFirst) {
    for (const int answer : {IDNO, IDCANCEL, IDYES}) {
        SCOPED_TRACE(answer);
        SwitchOn();
        boxes.Clear();
        boxes.Answer(answer);
        Choose(T::RowUeberwachung, 0);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Funktions\xFC"
                                            "berwachung");
        EXPECT_EQ(boxes.Boxes()[0].text,
                  "Soll die Funktions\xFC"
                  "berwachung wirklich ausgeschaltet werden?\n\rDie Objekte zur "
                  "Funktions\xFC"
                  "berwachung werden dadurch gel\xF6scht.");
        EXPECT_EQ(boxes.Boxes()[0].style, 0x24u);
        if (answer != IDYES) {
            // Refused: the record is rewritten unchanged and the view rebuilt; no request.
            EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1126"}));
            EXPECT_TRUE(sicherheit.GetStatusHeartBeatUeberwachung());
            EXPECT_TRUE(Stored()->Bool4);
            EXPECT_EQ(Stored()->Param4, 30);
            continue;
        }
        EXPECT_EQ(main.Trace(), (Trace{"1133", "1127", "1130", "1126"}));
        const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].Code, AzRequest::FunktionsUeberwachung);
        EXPECT_EQ(requests[0].Wert, 0);
        EXPECT_FALSE(sicherheit.GetStatusHeartBeatUeberwachung());
        EXPECT_FALSE(Stored()->Bool4);
        EXPECT_EQ(Stored()->Param4, 0);
    }
}

TEST_F(UeberwachungTest, TheReactionIsWrittenOnlyWhenItChanges) {
    SwitchOn();
    sicherheit.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    main.ClearLog();
    Choose(T::RowReaktion, 0);
    EXPECT_TRUE(main.Log().empty());
    Choose(T::RowReaktion, 1);
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    EXPECT_TRUE(Stored()->Bool3);

    main.ClearLog();
    ChooseDirectly(T::RowReaktion, -1); // nothing selected
    EXPECT_TRUE(main.Log().empty());
    EXPECT_TRUE(Stored()->Bool3);
}

TEST_F(UeberwachungTest, LeavingASpinCellAlwaysRewritesTheRecord) {
    SwitchOn();
    sicherheit.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    main.ClearLog();
    grid.ActivateCell(1, RowOf(grid, T::RowAbfrageIntervall));
    grid.LeaveCell(); // unchanged, still written
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    EXPECT_EQ(Stored()->Param3, 10);

    struct Case {
        int rowId;
        int typed;
        int32_t stored;
        int32_t TDatenStruktur::*field;
    };
    const Case cases[] = {{T::RowAbfrageIntervall, 99, 99, &TDatenStruktur::Param3},
                          {T::RowUeberwachungsIntervall, 120, 120, &TDatenStruktur::Param4},
                          // Typed beyond the limits: the nearest limit.
                          {T::RowAbfrageIntervall, 300, 255, &TDatenStruktur::Param3},
                          {T::RowUeberwachungsIntervall, 1, 2, &TDatenStruktur::Param4}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        main.ClearLog();
        grid.ActivateCell(1, RowOf(grid, c.rowId));
        grid.SpinValue(c.typed);
        grid.LeaveCell();
        DeliverPostedMessages();
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
        EXPECT_EQ(Stored()->*c.field, c.stored);
    }

    main.ClearLog();
    TCell cell;
    cell.RowId = T::RowAbfrageIntervall;
    sicherheit.GridExitCell(&grid, grid.EditField(), cell, 1, 0);
    sicherheit.GridExitCell(&grid, nullptr, cell, 1, 0);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty()) << "only the spin editor counts";
}

} // namespace
