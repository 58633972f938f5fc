// The display folder: the union of the displays' acknowledgement masks, its record and its one
// device parameter, its empty grid.
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;
using Nr = T_DB_EnumAzAnzeige::TEnumAnzeigeNr;

struct OrdnerAnzeigeTest : ::testing::Test {
    TFakeMainWindow main;
    TAzOrdnerAnzeige ordner{main.Handle(), 1, 1, "Anzeigen", 9};

    int32_t Stored() {
        const TDatenStruktur *rec = main.FindDatenSatz(1, 9);
        EXPECT_NE(rec, nullptr);
        return rec ? rec->Param3 : -1;
    }
};

TEST_F(OrdnerAnzeigeTest, AnswersAsADataClassThatListsItsChildren) {
    EXPECT_EQ(ordner.GetTyp(), 6142);
    EXPECT_EQ(ordner.GetIcon(), 51);
    EXPECT_EQ(ordner.ListStyle(), 0);
    EXPECT_EQ(ordner.GetQuickHelpIndexOffset(), 182);
    EXPECT_FALSE(ordner.AllowChild(6143));
    EXPECT_EQ(ordner.GetQuittierungMelder(), 0);
}

TEST_F(OrdnerAnzeigeTest, TheTotalIsTheUnionOfTheLatestMaskOfEachDisplay) {
    struct Step {
        int mask;
        int nr;
        int32_t total;
    };
    const Step steps[] = {
        {0x05, 1, 0x05}, {0x02, 3, 0x07}, {0x00, 1, 0x02}, {0x30, 0, 0x32},
        {0x21, 2, 0x33}, {0x0F, 4, 0x33}, // no display 5: no mask changes, still written
        {0x00, 0, 0x23},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(std::to_string(s.mask) + " for " + std::to_string(s.nr));
        main.ClearLog();
        ordner.ModifyQuittierungMelder(s.mask, static_cast<Nr>(s.nr));
        EXPECT_EQ(ordner.GetQuittierungMelder(), s.total);
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130"})) << "the record is written each time";
        EXPECT_EQ(Stored(), s.total);
    }
}

TEST_F(OrdnerAnzeigeTest, ALoadedTotalIsReplacedByTheDisplaysReportedSince) {
    TDatenStruktur rec;
    rec.Handle = 9;
    rec.Parent = 1;
    rec.System = 1;
    rec.Name = "Anzeigen";
    rec.Param3 = 0x0F;
    ordner.InitFromDB(rec);
    EXPECT_EQ(ordner.GetQuittierungMelder(), 0x0F);

    TDatenStruktur out;
    ordner.Write(out);
    EXPECT_EQ(out.Param3, 0x0F);
    EXPECT_EQ(out.Typ, 6142);
    EXPECT_EQ(out.Name, "Anzeigen");

    ordner.ModifyQuittierungMelder(0x01, T_DB_EnumAzAnzeige::eAnzeige1);
    EXPECT_EQ(ordner.GetQuittierungMelder(), 0x01);
}

TEST_F(OrdnerAnzeigeTest, WriteDataToDbWritesTheTotal) {
    TTempProject &project = main.UseTemporaryProject();
    ordner.ModifyQuittierungMelder(0x13, T_DB_EnumAzAnzeige::eAnzeige2);
    ordner.ModifyQuittierungMelder(0x24, T_DB_EnumAzAnzeige::eAnzeige4);
    main.ClearLog();
    EXPECT_TRUE(ordner.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "10100=55"}));
    EXPECT_EQ(project.Parameter(10100), 0x37);
}

TEST_F(OrdnerAnzeigeTest, WriteDataToDbWithoutWriterTellsTheUser) {
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(ordner.WriteDataToDb());
    EXPECT_EQ(main.Trace(), Trace{"1170"});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Die Parameter konnten nicht in der Ets gespeichert werden.");
}

TEST_F(OrdnerAnzeigeTest, TheGridHasNoRowsAndTheTagFollowsFlagA) {
    TDrawGridSE grid;
    ordner.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckEmpty);
    EXPECT_EQ(grid.Tag, 0);
    EXPECT_TRUE(grid.OnComboBoxChange) << "the handlers are installed";

    ordner.SetFlagA();
    ordner.BuildInfoWindow(&grid, nullptr, false, 0, 2);
    EXPECT_EQ(grid.Tag, -1);
    ordner.BuildInfoWindow(nullptr, nullptr, false, 1, 1);
    DeliverPostedMessages();
    ASSERT_EQ(main.Trace(), Trace{"1136"});
    EXPECT_EQ(main.Log()[0].WParam, 0u);
    EXPECT_EQ(main.Log()[0].LParam, 2);

    ordner.ClearFlagA();
    ordner.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.Tag, 0);
}

TEST_F(OrdnerAnzeigeTest, DatenAbgleichTakesTheDefaultName) {
    main.Script(WM_AZ_DEVICE_REQUEST_2, [](RDeviceRequest &r) {
        *r.Text = "Anzeige";
        return LRESULT(1);
    });
    EXPECT_TRUE(ordner.DatenAbgleich(true, true));
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST_2);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Code, AzRequest::DefaultName);
    EXPECT_EQ(ordner.GetName(true), "Anzeige");
    EXPECT_FALSE(ordner.DatenAbgleich(true, true)) << "unscripted: refused";
    EXPECT_EQ(ordner.GetName(true), "Anzeige") << "a refusal keeps the name";
}

} // namespace
