// The sabotage input: its word, its one grid row and the resistor choice.
#include "objectmodel/TAzSabotageKontakt.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

namespace {

struct SabotageTest : ::testing::Test {
    TFakeMainWindow main;
    TAzSabotageKontakt kontakt{main.Handle(), 1, 2, "Verdrahteter Sabotage-Eingang", 4};
    TDrawGridSE grid;
};

TEST_F(SabotageTest, DefaultsGiveTheWord0x8039AndType2Gives0xC039) {
    EXPECT_EQ(kontakt.GetMelderParameterblock(), 0x8039u);
    EXPECT_EQ(kontakt.GetWiderstand(), 0);
    EXPECT_EQ(kontakt.GetTyp(), 6126);
    EXPECT_EQ(kontakt.GetIcon(), 35);
    EXPECT_EQ(kontakt.ListStyle(), 1);
    EXPECT_EQ(kontakt.GetQuickHelpIndexOffset(), 112);
    EXPECT_EQ(kontakt.GetName(true), "Verdrahteter Sabotage-Eingang");

    TDatenStruktur rec;
    kontakt.Write(rec);
    rec.Param7 = 2;
    kontakt.InitFromDB(rec);
    EXPECT_EQ(kontakt.GetMelderParameterblock(), 0xC039u);
}

TEST_F(SabotageTest, OneResistorRow) {
    kontakt.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(0, 0).Text, Utf8ToAnsi("Sabotage-Abschluß-Widerstand"));
    const TCell &cell = grid.Cells(1, 0);
    EXPECT_EQ(cell.RowId, 2);
    EXPECT_EQ(cell.Kind, TCell::ckComboBox);
    EXPECT_EQ(cell.Items, (std::vector<AnsiString>{"0 Ohm", "12 KOhm", "47 KOhm"}));
    EXPECT_EQ(cell.ItemIndex, 0);
    EXPECT_EQ(cell.HelpIndex, 114);
}

TEST_F(SabotageTest, ChoosingAResistorWritesOnlyWhenItChanges) {
    kontakt.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    grid.ActivateCell(1, 0);
    grid.SelectItem(0);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());

    grid.SelectItem(2);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
    const TDatenStruktur *rec = main.FindDatenSatz(1, 4);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->Param3, 2);
    EXPECT_EQ(kontakt.GetMelderParameterblock(), 0x8039u) << "the word does not change";
}

TEST_F(SabotageTest, WithoutAWriterOneMessageNothingWritten) {
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(kontakt.WriteDataToDb());
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(main.Trace(), Trace{"1170"});
}

} // namespace
