// The device root's base: a new root becomes its own system when it gets its handle; the
// device id and the physical address live in its record.
#include "platform/busobjects/TVumaEtsDevice.h"
#include "FakeMainWindow.h"

#include <gtest/gtest.h>

namespace {

class TRoot : public TVumaEtsDevice {
public:
    using TVumaEtsDevice::TVumaEtsDevice;
    int GetTyp() const override { return 105; }
    int ListStyle() const override { return 1; }
    int GetIcon() const override { return 29; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis *) override { return false; }
    void Drop(TDataBasis *) override {}
    void BuildInfoWindow(TDrawGridSE *, TListView *, bool, int, int) override {}
};

TEST(TVumaEtsDevice, ANewRootBecomesItsOwnSystem) {
    TFakeMainWindow main;
    TDatenStruktur used;
    used.Handle = 1;
    main.AddDatenSatz(used);
    TRoot neu(main.Handle(), 0, 0, "Alarmzentrale", 4711, -1, 0);
    neu.KonvertHandle(&main.HandleTable());
    EXPECT_EQ(neu.GetHandle(), 2);
    EXPECT_EQ(neu.GetSystem(), 2);
    EXPECT_EQ(neu.GetDeviceId(), 4711);
    EXPECT_EQ(neu.GetSpareId(), -1);

    TRoot geladen(main.Handle(), 9, 0, "Alarmzentrale", 0, 0, 9);
    geladen.KonvertHandle(&main.HandleTable());
    EXPECT_EQ(geladen.GetHandle(), 9);
    EXPECT_EQ(geladen.GetSystem(), 9);
}

TEST(TVumaEtsDevice, ObjectCountNeverGoesBelowZero) {
    TRoot root(nullptr, 1, 0, "A", 0, 0, 1);
    root.ObjektCountDecr();
    EXPECT_EQ(root.GetObjektCount(), 0);
    root.ObjektCountIncr();
    root.ObjektCountIncr();
    root.ObjektCountDecr();
    EXPECT_EQ(root.GetObjektCount(), 1);
}

TEST(TVumaEtsDeviceRecord, DeviceIdAndPhysicalAddressLiveInTheRecord) {
    TFakeMainWindow main;
    TRoot root(main.Handle(), 1, 0, "Zentrale", 4711, -1, 1);
    root.SetPhysAdrText("01.01.001");
    TDatenStruktur record;
    root.Write(record);
    EXPECT_EQ(record.Param4, 4711);
    EXPECT_EQ(record.String1, "01.01.001");

    TRoot loaded(main.Handle(), 1, 0, "", 0, 0, 1);
    loaded.InitFromDB(record);
    EXPECT_EQ(loaded.GetDeviceId(), 4711);
    EXPECT_EQ(loaded.GetPhysAdrText(), "01.01.001");
    loaded.SetDeviceId(815);
    EXPECT_EQ(loaded.GetDeviceId(), 815);
}

} // namespace
