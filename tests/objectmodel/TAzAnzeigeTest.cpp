// A display unit: its number picks icon and parameter, the shown-areas mask follows the
// configuration variant, the grid's rows follow "present", and the requests 5, 14 and 19.
#include "objectmodel/TAzAnzeige.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;
using Nr = T_DB_EnumAzAnzeige::TEnumAnzeigeNr;

struct AnzeigeTest : ::testing::Test {
    TFakeMainWindow main;
    // Made under another name than its default one, which the display keeps apart.
    TAzAnzeige anzeige{main.Handle(), 1, 9, "Anzeige 1", 12};
    TDrawGridSE grid;

    // The grid built, its posts delivered, the log cleared.
    void Show() {
        anzeige.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        DeliverPostedMessages();
        main.ClearLog();
    }
    const TDatenStruktur *Stored() { return main.FindDatenSatz(1, 12); }
    void Choose(int rowId, int index) {
        grid.ActivateCell(1, RowOf(grid, rowId));
        grid.SelectItem(index);
        DeliverPostedMessages();
    }
};

TEST_F(AnzeigeTest, DefaultsReachTheRecordAndComeBack) {
    TDatenStruktur rec;
    anzeige.Write(rec);
    EXPECT_EQ(rec.Typ, 6143);
    EXPECT_EQ(rec.Name, "Anzeige 1");
    EXPECT_EQ(rec.String2, "Anzeige");
    EXPECT_TRUE(rec.Bool3);
    EXPECT_EQ(rec.Param4, 0);
    EXPECT_EQ(rec.Param3, 63);
    EXPECT_EQ(anzeige.GetName(true), "Anzeige");
    EXPECT_EQ(anzeige.GetIcon(), 52);
    EXPECT_EQ(anzeige.ListStyle(), 1);
    EXPECT_EQ(anzeige.GetQuickHelpIndexOffset(), 184);
    main.ClearLog();
    EXPECT_TRUE(anzeige.DatenAbgleich(true, true));
    EXPECT_TRUE(main.Log().empty()) << "no default-name request";

    rec.String2 = "Flur";
    rec.Bool3 = false;
    rec.Param4 = 0x103; // the number is the low byte
    rec.Param3 = 0x21;
    anzeige.InitFromDB(rec);
    EXPECT_EQ(anzeige.GetName(false), "Flur");
    EXPECT_FALSE(anzeige.GetStatusAnzeigeVorhanden());
    Nr nr = T_DB_EnumAzAnzeige::eAnzeige1;
    EXPECT_EQ(anzeige.GetAnzeigeNr(nr), T_DB_EnumAzAnzeige::eAnzeige4);
    EXPECT_EQ(nr, T_DB_EnumAzAnzeige::eAnzeige4);
    EXPECT_EQ(anzeige.GetAnzeigeSsb(), 0x21);
    TDatenStruktur out;
    anzeige.Write(out);
    EXPECT_EQ(out.String2, "Flur");
    EXPECT_FALSE(out.Bool3);
    EXPECT_EQ(out.Param4, 3);
    EXPECT_EQ(out.Param3, 0x21);
}

TEST_F(AnzeigeTest, TheNumberPicksIconAndParameter) {
    TTempProject &project = main.UseTemporaryProject();
    struct Case {
        int nr;
        int icon;
        int16_t id;
    };
    const Case cases[] = {{0, 52, 14010}, {1, 53, 14020}, {2, 54, 14030}, {3, 55, 14040}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nr);
        EXPECT_TRUE(anzeige.SetAnzeigeNr(static_cast<Nr>(c.nr)));
        anzeige.SetAnzeigeSsb(0x10 + c.nr);
        EXPECT_EQ(anzeige.GetIcon(), c.icon);
        main.ClearLog();
        EXPECT_TRUE(anzeige.WriteDataToDb());
        EXPECT_EQ(main.Trace(),
                  (Trace{"1170", std::to_string(c.id) + "=" + std::to_string(16 + c.nr)}));
        EXPECT_EQ(project.Parameter(c.id), 0x10 + c.nr);
    }
}

TEST_F(AnzeigeTest, NoParameterIsWrittenBeforeTheNumberChoseIt) {
    main.UseTemporaryProject();
    // A new object: no number set yet.
    EXPECT_FALSE(anzeige.WriteDataToDb());
    EXPECT_TRUE(main.Log().empty()) << "not even the writer is asked for";

    // A number without a display: stored, no parameter of its own, icon 51.
    anzeige.SetAnzeigeNr(T_DB_EnumAzAnzeige::eAnzeige2);
    EXPECT_TRUE(anzeige.SetAnzeigeNr(static_cast<Nr>(4)));
    EXPECT_EQ(anzeige.GetIcon(), 51);
    main.ClearLog();
    EXPECT_FALSE(anzeige.WriteDataToDb());
    EXPECT_TRUE(main.Log().empty()) << "not to display 2's parameter";
}

TEST_F(AnzeigeTest, ALoadedNumberCountsOnlyAfterInitAnzeige) {
    TTempProject &project = main.UseTemporaryProject();
    anzeige.SetAnzeigeNr(T_DB_EnumAzAnzeige::eAnzeige1); // as the device instance makes it
    TDatenStruktur rec;
    anzeige.Write(rec);
    rec.Param4 = 2;
    rec.Param3 = 0x31;
    anzeige.InitFromDB(rec);
    EXPECT_EQ(anzeige.GetIcon(), 54);
    main.ClearLog();
    EXPECT_FALSE(anzeige.WriteDataToDb());
    EXPECT_TRUE(main.Log().empty()) << "display 1's parameter is left alone";
    EXPECT_EQ(project.Parameter(14010), 0);

    EXPECT_TRUE(anzeige.InitAnzeige());
    EXPECT_TRUE(anzeige.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "14030=49"}));
    EXPECT_EQ(project.Parameter(14030), 0x31);
}

TEST(TAzAnzeigeStatic, TheNamesOfTheShownAreas) {
    EXPECT_EQ(TAzAnzeige::GetTextAnzeigeSsb(0x13), "SSB1, SSB2, Feuermelder");
    EXPECT_EQ(TAzAnzeige::GetTextAnzeigeSsb(0), "");
    EXPECT_EQ(TAzAnzeige::GetTextAnzeigeSsb(0x3F), "SSB1, SSB2, SSB3, SSB4, Feuermelder, \xDC"
                                                   "berfallmelder");
    EXPECT_EQ(TAzAnzeige::GetTextAnzeigeSsb(0x28), "SSB4, \xDC"
                                                   "berfallmelder");
    EXPECT_EQ(TAzAnzeige::GetTextAnzeigeSsb(0xC0), "") << "bits above the six name nothing";
}

TEST(TAzAnzeigeStatic, EachBitAndEachArmingAreaHasItsTest) {
    using A = TAzAnzeige;
    bool (*const shows[])(int32_t) = {A::Anzeige_Ssb1, A::Anzeige_Ssb2, A::Anzeige_Ssb3,
                                      A::Anzeige_Ssb4, A::Anzeige_Feuer, A::Anzeige_Ueberfall};
    for (int bit = 0; bit < 6; ++bit)
        for (int other = 0; other < 8; ++other) {
            SCOPED_TRACE(::testing::Message() << "bit " << bit << ", mask bit " << other);
            EXPECT_EQ(shows[bit](1 << other), bit == other);
            EXPECT_EQ(shows[bit](~(1 << other)), bit != other);
        }
    bool (*const exists[])(uint32_t) = {A::Exist_SSB1, A::Exist_SSB2, A::Exist_SSB3,
                                        A::Exist_SSB4};
    struct TCase {
        uint32_t variante;
        bool area[4];
    };
    const TCase cases[] = {
        {0x00000000u, {false, false, false, false}}, {0x01000000u, {true, false, false, false}},
        {0x00FFFFFFu, {false, true, true, true}},    {0x00000100u, {false, false, true, false}},
        {0x000000FFu, {false, false, false, true}},  {0x113344CCu, {true, true, true, true}},
        {0x00010000u, {false, true, false, false}},
    };
    for (const auto &c : cases)
        for (int n = 0; n < 4; ++n)
            EXPECT_EQ(exists[n](c.variante), c.area[n])
                << std::hex << c.variante << " arming area " << n + 1;
}

TEST_F(AnzeigeTest, ModifyAnzeigeSsbDropsTheMissingArmingAreasAndWritesTheRecord) {
    struct Case {
        uint32_t word;
        int32_t from;
        int32_t to;
    };
    const Case cases[] = {{0x11220000, 63, 0x33},   {0x00000000, 63, 0x30},
                          {0x11000098, 63, 0x39},   {0x11224498, 0x15, 0x15},
                          {0x112200B8, 0x0C, 0x08}, {0x00000100, 63, 0x34}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.word));
        anzeige.SetAnzeigeSsb(c.from);
        main.ClearLog();
        anzeige.ModifyAnzeigeSsb(c.word);
        EXPECT_EQ(anzeige.GetAnzeigeSsb(), c.to);
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130"}));
        ASSERT_NE(Stored(), nullptr);
        EXPECT_EQ(Stored()->Param3, c.to);
    }
}

TEST_F(AnzeigeTest, TheGridFollowsPresentAndTheNumber) {
    anzeige.SetAnzeigeNr(T_DB_EnumAzAnzeige::eAnzeige3);
    anzeige.SetDefaultName("Eingang");
    anzeige.SetAnzeigeSsb(0x13);
    anzeige.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(grid.Cells(0, 0).Text, "Bezeichnung Anzeige");
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckEdit);
    EXPECT_EQ(grid.Cells(1, 0).Text, "Eingang");
    EXPECT_EQ(grid.Cells(1, 0).MaxLength, 0);
    EXPECT_EQ(grid.Cells(0, 1).Text, "Anzeige 3 vorhanden");
    EXPECT_EQ(grid.Cells(1, 1).Text, "Ja");
    EXPECT_EQ(grid.Cells(0, 2).Text, "Angezeigte Bereiche");
    EXPECT_EQ(grid.Cells(1, 2).Kind, TCell::ckEllipse);
    EXPECT_EQ(grid.Cells(1, 2).Text, "SSB1, SSB2, Feuermelder");
    EXPECT_EQ(grid.Cells(1, 2).HelpIndex, 184 + 3);

    TDatenStruktur rec;
    anzeige.Write(rec);
    rec.Bool3 = false;
    anzeige.InitFromDB(rec);
    main.ClearLog();
    anzeige.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(RowIds(grid), (std::vector<int>{1, 2}));
    EXPECT_EQ(grid.Cells(1, 1).Text, "Nein");
    EXPECT_EQ(anzeige.GetAnzeigeSsb(), 0) << "a display that is not there shows nothing";
    EXPECT_TRUE(main.Log().empty()) << "without writing the record";
}

TEST_F(AnzeigeTest, TheAreaRowFollowsTheVariantWord) {
    struct Case {
        uint32_t word;
        const char *text;
    };
    const Case cases[] = {
        {0x11224498, "SSB1, SSB2, SSB3, SSB4, Feuermelder, \xDC"
                     "berfallmelder"},
        {0x11330000, "SSB1, SSB2, Feuermelder, \xDC"
                     "berfallmelder"},
        {0x11000098, "SSB1, SSB4, Feuermelder, \xDC"
                     "berfallmelder"},
        {0x00000000, "Feuermelder, \xDC"
                     "berfallmelder"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.word));
        anzeige.SetAnzeigeSsb(TAzAnzeige::AlleBereiche);
        anzeige.ModifyAnzeigeSsb(c.word);
        anzeige.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        EXPECT_EQ(grid.Cells(1, RowOf(grid, TAzAnzeige::RowBereiche)).Text, c.text);
    }
}

TEST_F(AnzeigeTest, SwitchingPresentOffAndOnTellsTheDeviceInstance) {
    anzeige.SetAnzeigeNr(T_DB_EnumAzAnzeige::eAnzeige2);
    anzeige.SetVarianteAz(0x11220000);
    Show();
    main.Script(WM_AZ_DEVICE_REQUEST, 1);
    Choose(TAzAnzeige::RowVorhanden, 0);
    EXPECT_EQ(main.Trace(), (Trace{"1133", "1133", "1127", "1130", "1126"}));
    auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Code, AzRequest::AnzeigeSchalten);
    EXPECT_EQ(requests[0].Wert, 0);
    EXPECT_EQ(requests[0].Wert2, 1);
    EXPECT_EQ(requests[1].Code, AzRequest::AnzeigeQuittierungMelder);
    EXPECT_EQ(requests[1].Wert, 0);
    EXPECT_EQ(requests[1].Wert2, 1);
    EXPECT_FALSE(anzeige.GetStatusAnzeigeVorhanden());
    EXPECT_FALSE(Stored()->Bool3);
    EXPECT_EQ(Stored()->Param3, 0);

    Show();
    main.Script(WM_AZ_DEVICE_REQUEST, 1);
    Choose(TAzAnzeige::RowVorhanden, 1);
    // The mask is written by the variant reduction and again by the handler.
    EXPECT_EQ(main.Trace(), (Trace{"1133", "1127", "1130", "1133", "1127", "1130", "1126"}));
    requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    EXPECT_EQ(requests[0].Code, AzRequest::AnzeigeSchalten);
    EXPECT_EQ(requests[0].Wert, 1);
    EXPECT_EQ(requests[1].Code, AzRequest::AnzeigeQuittierungMelder);
    EXPECT_EQ(requests[1].Wert, 0x33) << "all areas but those the variant lacks";
    EXPECT_TRUE(Stored()->Bool3);
    EXPECT_EQ(Stored()->Param3, 0x33);

    Show();
    Choose(TAzAnzeige::RowVorhanden, 1); // the same choice
    EXPECT_TRUE(main.Log().empty());
}

TEST_F(AnzeigeTest, ARefusedSwitchKeepsPresentButStillResetsTheMask) {
    anzeige.SetVarianteAz(0x11330000);
    anzeige.SetAnzeigeSsb(0x01);
    Show();
    main.Script(WM_AZ_DEVICE_REQUEST, 0); // request 14 refused
    Choose(TAzAnzeige::RowVorhanden, 0);
    EXPECT_TRUE(anzeige.GetStatusAnzeigeVorhanden());
    EXPECT_EQ(anzeige.GetAnzeigeSsb(), 0x33) << "recomputed from the kept value";
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].Code, AzRequest::AnzeigeQuittierungMelder);
    EXPECT_EQ(requests[1].Wert, 0x33);
    EXPECT_TRUE(Stored()->Bool3);
    EXPECT_EQ(main.Trace().back(), "1126") << "the combo box shows the kept value again";
}

TEST_F(AnzeigeTest, TheAreaDialogMayChangeTheMask) {
    anzeige.SetAnzeigeNr(T_DB_EnumAzAnzeige::eAnzeige4);
    for (const bool changes : {false, true}) {
        SCOPED_TRACE(changes);
        anzeige.SetAnzeigeSsb(0x3F);
        Show();
        main.Script(WM_AZ_DEVICE_REQUEST, [&](RDeviceRequest &r) {
            EXPECT_EQ(r.Code, AzRequest::AnzeigeDialog);
            EXPECT_EQ(r.Wert, 0x3F);
            EXPECT_EQ(r.Sender, &anzeige);
            if (changes)
                anzeige.SetAnzeigeSsb(0x11);
            return LRESULT(0); // the device instance answers the dialog with 0
        });
        grid.ActivateCell(1, RowOf(grid, TAzAnzeige::RowBereiche));
        grid.ClickEllipsis();
        DeliverPostedMessages();
        if (!changes) {
            EXPECT_EQ(main.Trace(), Trace{"1133"});
            continue;
        }
        EXPECT_EQ(main.Trace(), (Trace{"1133", "1133", "1127", "1130", "1126"}));
        const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST);
        EXPECT_EQ(requests[1].Code, AzRequest::AnzeigeQuittierungMelder);
        EXPECT_EQ(requests[1].Wert, 0x11);
        EXPECT_EQ(requests[1].Wert2, 3);
        EXPECT_EQ(Stored()->Param3, 0x11);
    }
}

TEST_F(AnzeigeTest, TheComboAndEllipsisHandlersServeOnlyTheirOwnRows) {
    Show();
    main.Script(WM_AZ_DEVICE_REQUEST, 1);
    TCell cell;
    grid.ComboBox()->ItemIndex = 0;
    for (const int rowId : {TAzAnzeige::RowBezeichnung, TAzAnzeige::RowBereiche}) {
        cell.RowId = rowId;
        anzeige.GridComboBoxChange(grid.ComboBox(), cell, 1, 0);
    }
    for (const int rowId : {TAzAnzeige::RowBezeichnung, TAzAnzeige::RowVorhanden}) {
        cell.RowId = rowId;
        anzeige.GridEllipseClick(nullptr, cell, 1, 0);
    }
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
    EXPECT_TRUE(anzeige.GetStatusAnzeigeVorhanden());
}

TEST_F(AnzeigeTest, ANewNameIsWrittenAndTheTreeRefreshed) {
    Show();
    grid.ActivateCell(1, RowOf(grid, TAzAnzeige::RowBezeichnung));
    grid.LeaveCell(); // unchanged
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());

    grid.ActivateCell(1, RowOf(grid, TAzAnzeige::RowBezeichnung));
    grid.EditText("Eingang Nord");
    grid.LeaveCell();
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163", "1138"}));
    EXPECT_EQ(Stored()->String2, "Eingang Nord");
    EXPECT_EQ(anzeige.GetName(true), "Eingang Nord");

    main.ClearLog();
    TCell cell;
    cell.RowId = TAzAnzeige::RowBezeichnung;
    grid.EditField()->Text = "Anders";
    anzeige.GridExitCell(&grid, grid.SpinEdit(), cell, 1, 0);
    anzeige.GridExitCell(&grid, nullptr, cell, 1, 0);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty()) << "only the edit field names the display";
}

} // namespace
