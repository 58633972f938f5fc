// The alarming bus-object node: no rows, its tag, its one request.
#include "objectmodel/TAzEibObjekteZurAlarmierung.h"
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(TAzEibObjekteZurAlarmierung, NoRowsTheTagFollowsFlagA) {
    TFakeMainWindow main;
    TAzEibObjekteZurAlarmierung node(main.Handle(), 1, 2, "Objekte zur Alarmierung", 3);
    TDrawGridSE grid;
    grid.Tag = 5;
    node.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckEmpty);
    EXPECT_EQ(grid.Tag, 0);
    EXPECT_TRUE(grid.OnComboBoxChange) << "the handlers are installed";

    node.SetFlagA();
    node.BuildInfoWindow(&grid, nullptr, false, 0, 1);
    EXPECT_EQ(grid.Tag, -1);
    node.BuildInfoWindow(nullptr, nullptr, false, 1, 1);
    DeliverPostedMessages();
    ASSERT_EQ(main.Trace(), Trace{"1136"});
    EXPECT_EQ(main.Log()[0].WParam, 0u);
    EXPECT_EQ(main.Log()[0].LParam, 1);

    main.ClearLog();
    TCell cell;
    node.GridComboBoxChange(grid.ComboBox(), cell, 1, 0);
    node.GridExitCell(&grid, grid.SpinEdit(), cell, 1, 0);
    node.GridEllipseClick(&grid, cell, 1, 0);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty());
}

TEST(TAzEibObjekteZurAlarmierung, CallModifyIsRequest8OnTheSecondChannel) {
    for (const LRESULT answer : {LRESULT(1), LRESULT(0)}) {
        SCOPED_TRACE(answer);
        TFakeMainWindow main;
        TAzEibObjekteZurAlarmierung node(main.Handle(), 1, 2, "Objekte", 3);
        main.Script(WM_AZ_DEVICE_REQUEST_2, answer);
        EXPECT_EQ(node.CallModifyEibObjekteZurAlarmierung(1660, 1, 7), answer != 0);
        const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST_2);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].Code, AzRequest::EtsObjektHinzufuegen);
        EXPECT_EQ(requests[0].Handle, 3);
        EXPECT_EQ(requests[0].Sender, &node);
        EXPECT_EQ(requests[0].Wert2, 1660);
        EXPECT_EQ(requests[0].Wert3, 1);
        EXPECT_EQ(requests[0].Wert4, 7);
        EXPECT_TRUE(requests[0].Text2.empty());
        EXPECT_EQ(requests[0].Variante, 0);
    }
}

TEST(TAzEibObjekteZurAlarmierung, AlignmentTakesTheDefaultName) {
    TFakeMainWindow main;
    TAzEibObjekteZurAlarmierung node(main.Handle(), 1, 2, "Objekte", 3);
    main.Script(WM_AZ_DEVICE_REQUEST_2, [](RDeviceRequest &r) {
        *r.Text = "Objekte zur Alarmierung";
        return LRESULT(1);
    });
    EXPECT_TRUE(node.DatenAbgleich(true, true));
    EXPECT_EQ(node.GetName(false), "Objekte zur Alarmierung");
    EXPECT_EQ(main.Requests(WM_AZ_DEVICE_REQUEST_2).at(0).Code, AzRequest::DefaultName);
    EXPECT_FALSE(node.DatenAbgleich(true, true)) << "unscripted: refused";
    EXPECT_EQ(node.GetName(false), "Objekte zur Alarmierung");
}

} // namespace
