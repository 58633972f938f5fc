// The panel root: its record, its grid, its handlers and the variant change.
#include "objectmodel/TAzSystem.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct SystemTest : ::testing::Test {
    TFakeMainWindow main;
    TAzSystem system{main.Handle(), 1, 0, "Alarmzentrale", 0, 0, 1};
    TDrawGridSE grid;

    TDatenStruktur Record() {
        TDatenStruktur rec;
        system.Write(rec);
        return rec;
    }
    // The grid built, its 1136 delivered, the log cleared.
    void Show() {
        system.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
    }
};

TEST_F(SystemTest, DefaultsReachTheRecord) {
    const TDatenStruktur rec = Record();
    EXPECT_EQ(rec.Typ, 105);
    EXPECT_EQ(static_cast<uint32_t>(rec.Param7), 0x11330000u);
    EXPECT_FALSE(rec.Bool3);
    EXPECT_EQ(rec.Param9, 5);
    EXPECT_EQ(rec.Param10, 5);
    EXPECT_EQ(rec.Param11, 10);
    EXPECT_FALSE(rec.Bool4);
    EXPECT_EQ(rec.Param12, 160);
    EXPECT_EQ(system.GetQuickHelpIndexOffset(), 1);
    EXPECT_EQ(system.GetIcon(), 29);
    EXPECT_EQ(system.ListStyle(), 1);
    EXPECT_FALSE(system.AllowChild(6122));
    EXPECT_TRUE(system.DatenAbgleich(true, true));
}

TEST_F(SystemTest, RecordRoundTripKeepsEveryField) {
    TDatenStruktur rec;
    rec.Handle = 7;
    rec.System = 7;
    rec.Name = "Zentrale";
    rec.Param1 = 0;
    rec.Param7 = static_cast<int32_t>(0x112244B8u);
    rec.Bool3 = true;
    rec.Param9 = 200;
    rec.Param10 = 3;
    rec.Param11 = 4;
    rec.Bool4 = true;
    rec.Param12 = 0x1FF; // only the low byte is the depth
    rec.Next = 12;
    system.InitFromDB(rec);
    EXPECT_EQ(system.GetParamVarianteAz(), 0x112244B8u);
    EXPECT_EQ(system.GetEreignisspeichertiefe(), 255);
    EXPECT_EQ(system.GetName(true), "Zentrale");

    TDatenStruktur out;
    out.Next = 5;
    system.Write(out);
    EXPECT_EQ(out.Handle, 7);
    EXPECT_EQ(out.Name, "Zentrale");
    EXPECT_EQ(out.Param7, rec.Param7);
    EXPECT_TRUE(out.Bool3);
    EXPECT_EQ(out.Param9, 200);
    EXPECT_EQ(out.Param10, 3);
    EXPECT_EQ(out.Param11, 4);
    EXPECT_TRUE(out.Bool4);
    EXPECT_EQ(out.Param12, 255);
    EXPECT_EQ(out.Next, 5) << "Write never touches Next";
}

TEST_F(SystemTest, WriteDataToDbWritesTheSevenParametersInOrder) {
    TTempProject &project = main.UseTemporaryProject();
    TDatenStruktur rec = Record();
    rec.Param7 = 0x112244B8;
    rec.Bool3 = true;
    rec.Param9 = 9;
    rec.Param10 = 20;
    rec.Param11 = 30;
    rec.Bool4 = true;
    rec.Param12 = 80;
    system.InitFromDB(rec);
    main.ClearLog();
    EXPECT_TRUE(system.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10070=287458488", "10060=1", "10110=9", "10120=20",
                                   "10130=30", "10010=1", "10140=80"}));
    const std::pair<int, int32_t> expected[] = {{10070, 0x112244B8}, {10060, 1},  {10110, 9},
                                                {10120, 20},         {10130, 30}, {10010, 1},
                                                {10140, 80}};
    for (const auto &[id, value] : expected)
        EXPECT_EQ(project.Parameter(id), value) << id;
}

TEST_F(SystemTest, WriteDataToDbWithoutWriterWritesNothing) {
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(system.WriteDataToDb());
    EXPECT_EQ(main.Trace(), Trace{"1170"});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler beim Zugriff auf Ets");
}

TEST(TAzSystemStatic, VariantLabelsAndEventMemoryDepth) {
    struct Case {
        uint32_t word;
        const char *label;
    };
    const Case cases[] = {
        {0x00000000, "Konfiguration 1"},
        {0x11330000, "Konfiguration 2.1"},
        {0x113344CC, "Konfiguration 2.2"},
        {0x110044CC, "Konfiguration 3.1"},
        {0x112244CC, "Konfiguration 3.2"},
        {0x11000000, "Konfiguration 4.1"},
        {0x11220000, "Konfiguration 4.2"},
        {0x11224400, "Konfiguration 4.3"},
        {0x11224488, "Konfiguration 4.4"},
        {0x11000098, "Konfiguration 5.1"},
        {0x112200B8, "Konfiguration 5.2"},
        {0x112244F8, "Konfiguration 5.3"},
        {0x112244B8, "Konfiguration 6"},
        {0x11004498, "Konfiguration 7.1"},
        {0x11224498, "Konfiguration 7.2"},
        {0x11330001, ""},
        {0xFFFFFFFF, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TAzSystem::GetTextVarianteAz(c.word), c.label) << std::hex << c.word;

    TAzSystem system(nullptr, 1, 0, "A", 0, 0, 1);
    const std::pair<int, int> depths[] = {{5, 160}, {1, 255}, {0, 255}, {3, 106},
                                          {4, 80},  {-1, 80}, {2, 160}};
    for (const auto &[typ, depth] : depths) {
        system.SetEreignisspeichertiefe(typ);
        EXPECT_EQ(system.GetEreignisspeichertiefe(), depth) << typ;
    }
}

TEST_F(SystemTest, BuildInfoWindowGivesTheFiveRows) {
    system.SetParamVarianteAz(0x11224498);
    system.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(grid.RowCount(), 5);
    struct Row {
        int id;
        const char *caption;
        TCell::TEnumCellKind kind;
        const char *text;
    };
    const Row rows[] = {
        {1, "Konfiguration der Sicherungsbereiche", TCell::ckEllipse, "Konfiguration 7.2"},
        {3, "Impuls Scharf-/Unscharf-Signal [s]", TCell::ckSpinEdit, "5"},
        {4, "Scharf-Quittierungszeit [s]", TCell::ckSpinEdit, "5"},
        {5, "Unscharf-Quittierungszeit [s]", TCell::ckSpinEdit, "10"},
        {6, "Busspannungswiederkehr", TCell::ckComboBox, "Letzter Zustand"},
    };
    for (int r = 0; r < 5; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(grid.Cells(0, r).Text, rows[r].caption);
        EXPECT_EQ(grid.Cells(0, r).RowId, rows[r].id);
        EXPECT_EQ(grid.Cells(1, r).RowId, rows[r].id);
        EXPECT_EQ(grid.Cells(1, r).HelpIndex, 1 + rows[r].id);
        EXPECT_EQ(grid.Cells(1, r).Kind, rows[r].kind);
        EXPECT_EQ(grid.Cells(1, r).Text, rows[r].text);
    }
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(grid.Cells(1, r).MaxValue, 255);
        EXPECT_EQ(grid.Cells(1, r).MinValue, 2);
        EXPECT_EQ(grid.Cells(1, r).Increment, 1);
    }
    EXPECT_EQ(grid.Cells(1, 3).Value, 10);
    EXPECT_EQ(grid.Cells(1, 4).Items,
              (std::vector<AnsiString>{"Letzter Zustand", "Alle SSB unscharf"}));
    EXPECT_EQ(grid.Cells(1, 4).ItemIndex, 0);
    EXPECT_TRUE(grid.OnEllipseClick);
    EXPECT_TRUE(grid.OnExitCell);
    EXPECT_TRUE(grid.OnGroupTitleClick);
}

TEST_F(SystemTest, BuildInfoWindowPosts1136OnlyForACell) {
    struct Case {
        int col, row;
        bool posts;
    };
    const Case cases[] = {{-1, -1, false}, {-1, 0, true}, {0, -1, true}, {1, 3, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
        main.ClearLog();
        system.BuildInfoWindow(&grid, nullptr, false, c.col, c.row);
        DeliverPostedMessages();
        if (!c.posts) {
            EXPECT_TRUE(main.Log().empty());
            continue;
        }
        ASSERT_EQ(main.Trace(), Trace{"1136"});
        EXPECT_EQ(static_cast<int>(main.Log()[0].WParam), c.col);
        EXPECT_EQ(main.Log()[0].LParam, c.row);
    }
    main.ClearLog();
    system.BuildInfoWindow(nullptr, nullptr, false, 1, 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

TEST_F(SystemTest, BusVoltageChoiceWritesAndRefreshesOnlyWhenItChanges) {
    Show();
    const int row = RowOf(grid, TAzSystem::RowBusspannung);
    grid.ActivateCell(1, row);
    grid.SelectItem(0); // unchanged
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());

    grid.SelectItem(1);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    const TDatenStruktur *rec = main.FindDatenSatz(1, 1);
    ASSERT_NE(rec, nullptr);
    EXPECT_TRUE(rec->Bool4);
}

TEST_F(SystemTest, TheBusVoltageRowTakesNoTypedText) {
    Show();
    const int row = RowOf(grid, TAzSystem::RowBusspannung);
    EXPECT_EQ(grid.Cells(1, row).Style, csDropDownList);
    grid.ActivateCell(1, row);
    grid.ComboText("Vielleicht");
    grid.LeaveCell();
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(grid.Cells(1, row).Text, "Letzter Zustand") << "the cell shows what is stored";
    EXPECT_EQ(grid.Cells(1, row).ItemIndex, 0);
}

TEST_F(SystemTest, ABusVoltageComboWithoutChoiceChangesNothing) {
    Show();
    TCell cell;
    cell.RowId = TAzSystem::RowBusspannung;
    TDrawGridSEComboBox leer; // nothing selected, as after typing into the box
    system.GridComboBoxChange(&leer, cell, 1, 4);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    const TDatenStruktur rec = Record();
    EXPECT_FALSE(rec.Bool4);
    main.UseTemporaryProject();
    main.ClearLog();
    ASSERT_TRUE(system.WriteDataToDb());
    const Trace trace = main.Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "10010=0"), trace.end());
}

TEST_F(SystemTest, LeavingASpinCellTakesTheSpinValue) {
    struct Case {
        int rowId;
        int value;
        int32_t TDatenStruktur::*field;
    };
    const Case cases[] = {{TAzSystem::RowImpuls, 17, &TDatenStruktur::Param9},
                          {TAzSystem::RowScharfQuittierung, 30, &TDatenStruktur::Param10},
                          {TAzSystem::RowUnscharfQuittierung, 2, &TDatenStruktur::Param11}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rowId);
        Show();
        const int row = RowOf(grid, c.rowId);
        grid.ActivateCell(1, row);
        grid.LeaveCell(); // unchanged: nothing written, nothing posted
        DeliverPostedMessages();
        EXPECT_TRUE(main.Log().empty());

        grid.ActivateCell(1, row);
        grid.SpinValue(c.value);
        grid.LeaveCell();
        DeliverPostedMessages();
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
        EXPECT_EQ(Record().*c.field, c.value);
    }
}

TEST_F(SystemTest, SpinOverflowAndUnderflowClampTheEditorWithoutWriting) {
    Show();
    grid.ActivateCell(1, RowOf(grid, TAzSystem::RowImpuls));
    grid.SpinValue(300);
    EXPECT_EQ(grid.SpinEdit()->Value, 255);
    EXPECT_EQ(grid.SpinEdit()->Position, 255);
    grid.SpinValue(1);
    EXPECT_EQ(grid.SpinEdit()->Value, 2);
    EXPECT_EQ(grid.SpinEdit()->Position, 2);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    grid.LeaveCell();
    EXPECT_EQ(Record().Param9, 2);
}

TEST_F(SystemTest, ExitCellWithAnotherEditorChangesNothing) {
    Show();
    TCell cell;
    cell.RowId = TAzSystem::RowImpuls;
    grid.SpinEdit()->Value = 99;
    system.GridExitCell(&grid, grid.EditField(), cell, 1, 1);
    system.GridExitCell(&grid, nullptr, cell, 1, 1);
    system.GridExitCell(nullptr, grid.SpinEdit(), cell, 1, 1);
    system.GridComboBoxChange(grid.EditField(), cell, 1, 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(Record().Param9, 5);
}

// The variant change behind row 1: the dialog (request 0) may set a new word; the user is
// asked; request 4 applies it.
struct VariantCase {
    const char *name;
    bool dialogChanges;
    int answer; // IDYES or IDNO
    LRESULT applied;
    Trace trace;
    size_t boxes;
    uint32_t finalWord;
    bool written;
};
void PrintTo(const VariantCase &c, std::ostream *os) {
    *os << c.name;
}

class VariantTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantTest, MessagesBoxesAndTheFinalWord) {
    const VariantCase &c = GetParam();
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    boxes.Answer(c.answer);
    TAzSystem system(main.Handle(), 1, 0, "Alarmzentrale", 0, 0, 1);
    TDrawGridSE grid;
    system.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    constexpr uint32_t neu = 0x112244B8;
    main.Script(WM_AZ_DEVICE_REQUEST, [&](RDeviceRequest &r) {
        EXPECT_EQ(r.Sender, &system);
        if (c.dialogChanges)
            system.SetParamVarianteAz(neu);
        return LRESULT(0);
    });
    main.Script(WM_AZ_DEVICE_REQUEST, [&](RDeviceRequest &r) {
        r.Wert = 4; // four areas: depth 80
        return c.applied;
    });

    grid.ActivateCell(1, 0);
    grid.ClickEllipsis();
    DeliverPostedMessages();

    EXPECT_EQ(main.Trace(), c.trace);
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    ASSERT_GE(requests.size(), 1u);
    EXPECT_EQ(requests[0].Code, AzRequest::VarianteDialog);
    EXPECT_EQ(requests[0].Handle, 1);
    if (requests.size() > 1) {
        EXPECT_EQ(requests[1].Code, AzRequest::VarianteAnwenden);
        EXPECT_EQ(static_cast<uint32_t>(requests[1].Variante), neu);
        EXPECT_EQ(requests[1].Wert, 0) << "the result field starts at zero";
    }
    for (const auto &e : main.Log())
        if (e.Msg == WM_AZ_ABGLEICH_FORMVERW || e.Msg == WM_AZ_AKTUALISIERE_ANSICHT) {
            EXPECT_EQ(e.WParam, 1u);
            EXPECT_EQ(e.LParam, 0);
        }
    ASSERT_EQ(boxes.Boxes().size(), c.boxes);
    if (c.boxes >= 1) {
        EXPECT_EQ(boxes.Boxes()[0].caption, "Konfiguration der Sicherungsbereiche");
        EXPECT_EQ(boxes.Boxes()[0].text,
                  "Soll die Konfiguration der Sicherungsbereiche wirklich ge\xE4ndert "
                  "werden?\n\rDurch die \xC4nderung werden Sicherungsbereiche mit allen "
                  "untergeordneten\n\rEing\xE4ngen gel\xF6scht.");
        EXPECT_EQ(boxes.Boxes()[0].style, 0x24u);
    }
    if (c.boxes == 2) {
        EXPECT_EQ(boxes.Boxes()[1].caption, "Fehler");
        EXPECT_EQ(boxes.Boxes()[1].text,
                  "Fehler beim umschalten der Konfiguration.\n\rPlug-In muss neu gestartet "
                  "werden");
        EXPECT_EQ(boxes.Boxes()[1].style, 0u);
    }
    EXPECT_EQ(system.GetParamVarianteAz(), c.finalWord);
    EXPECT_EQ(system.GetEreignisspeichertiefe(), c.written ? 80 : 160);
    const TDatenStruktur *rec = main.FindDatenSatz(1, 1);
    EXPECT_EQ(rec != nullptr, c.written);
    if (rec) {
        EXPECT_EQ(static_cast<uint32_t>(rec->Param7), neu);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Flows, VariantTest,
    ::testing::Values(
        VariantCase{"DialogUnchanged", false, IDYES, 1, {"1133"}, 0, 0x11330000, false},
        VariantCase{"AnsweredNo", true, IDNO, 1, {"1133"}, 1, 0x11330000, false},
        VariantCase{"Applied",
                    true,
                    IDYES,
                    1,
                    {"1133", "1133", "1127", "1130", "1157", "1126"},
                    1,
                    0x112244B8,
                    true},
        VariantCase{"Refused", true, IDYES, 0, {"1133", "1133"}, 2, 0x112244B8, false},
        VariantCase{"DetectorKept",
                    true,
                    IDYES,
                    AzRequest::VarianteBehalten,
                    {"1133", "1133"},
                    1,
                    0x11330000,
                    false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
