// Date and time: the four clock parameters, the record, the one row and its change.
#include "objectmodel/TAzDatumUhrzeit.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;

struct DatumUhrzeitTest : ::testing::Test {
    TFakeMainWindow main;
    TAzDatumUhrzeit uhr{main.Handle(), 1, 1, "Datum/Uhrzeit", 30};
    TDrawGridSE grid;
};

TEST_F(DatumUhrzeitTest, DefaultsWriteTheFourParameters) {
    TTempProject &project = main.UseTemporaryProject();
    EXPECT_TRUE(uhr.GetStatusSystemUhrVorhanden());
    EXPECT_TRUE(uhr.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10050=1", "10020=1", "10030=10", "10040=3"}));
    EXPECT_EQ(project.Parameter(10030), 10);
    EXPECT_EQ(project.Parameter(10040), 3);
}

TEST_F(DatumUhrzeitTest, RecordRoundTripAndSignExtendedValues) {
    EXPECT_EQ(uhr.GetTyp(), 6147);
    EXPECT_EQ(uhr.GetIcon(), 59);
    EXPECT_EQ(uhr.GetQuickHelpIndexOffset(), 226);
    TDatenStruktur rec;
    rec.Handle = 30;
    rec.Parent = 1;
    rec.System = 1;
    rec.Name = "Uhr";
    rec.Bool3 = false;
    rec.Bool4 = true;
    rec.Param3 = 0x1FF; // low byte 0xFF: -1
    rec.Param4 = 0x80;  // -128
    uhr.InitFromDB(rec);
    EXPECT_FALSE(uhr.GetStatusSystemUhrVorhanden());
    TDatenStruktur out;
    uhr.Write(out);
    EXPECT_EQ(out.Name, "Uhr");
    EXPECT_FALSE(out.Bool3);
    EXPECT_TRUE(out.Bool4);
    EXPECT_EQ(out.Param3, -1);
    EXPECT_EQ(out.Param4, -128);

    main.UseTemporaryProject();
    main.ClearLog();
    EXPECT_TRUE(uhr.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10050=0", "10020=1", "10030=-1", "10040=-128"}));
}

TEST_F(DatumUhrzeitTest, WithoutWriterNothingIsWritten) {
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(uhr.WriteDataToDb());
    EXPECT_EQ(main.Trace(), Trace{"1170"});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler beim Zugriff auf Ets");
    EXPECT_EQ(boxes.Boxes()[0].style, 0u);
}

TEST_F(DatumUhrzeitTest, OneRowOnTheGridsOwnRow) {
    uhr.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(0, 0).Text, "System-Uhr vorhanden");
    EXPECT_EQ(grid.Cells(1, 0).RowId, 1);
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckComboBox);
    EXPECT_EQ(grid.Cells(1, 0).Text, "Ja");
    EXPECT_EQ(grid.Cells(1, 0).HelpIndex, 227);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

TEST_F(DatumUhrzeitTest, ChangingTheClockChoiceWritesAndRebuildsWithoutARequest) {
    uhr.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    grid.ActivateCell(1, 0);
    grid.SelectItem(1); // already "Ja"
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());

    grid.SelectItem(0);
    DeliverPostedMessages();
    // The device instance would switch the clock objects on request 16; this object never
    // sends it.
    EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1126"}));
    EXPECT_EQ(main.Log()[2].WParam, 1u);
    EXPECT_EQ(main.Log()[2].LParam, 0);
    const TDatenStruktur *rec = main.FindDatenSatz(1, 30);
    ASSERT_NE(rec, nullptr);
    EXPECT_FALSE(rec->Bool3);
    EXPECT_TRUE(rec->Bool4);

    main.UseTemporaryProject();
    main.ClearLog();
    EXPECT_TRUE(uhr.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10050=0", "10020=1", "10030=10", "10040=3"}));
}

} // namespace
