// The instance's life: construction values, paths, status bar, root, base answers, and what it
// reads of the bus tool about its device.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi.h"

#include <cstring>

namespace {

using TDeviceInstanzLife = TDeviceFixture;

TEST_F(TDeviceInstanzLife, ANewInstanceShowsTheDetectorCountsInTheStatusBar) {
    EXPECT_EQ(Dienste.StatusPanels()[0], SprText(11286));
    EXPECT_EQ(Dienste.StatusPanels()[1], "160");
    EXPECT_EQ(Dienste.StatusPanels()[2], "0");
    EXPECT_EQ(Dienste.StatusPanels()[3], "160");
}

TEST_F(TDeviceInstanzLife, PathsFollowTheProgramFolderAndTheDeviceId) {
    DAL_DEVICE record{};
    record.deviceId = 4711;
    std::strcpy(record.name, "Zentrale");
    Dienste.ModulePath = "/opt/pultor/bin/pultor";
    TDeviceInstanzAz device(&Dienste, &record, &Dienste);
    EXPECT_EQ(device.GetDeviceId(), 4711);
    EXPECT_EQ(device.GetAutoSaveDir(), "/opt/pultor/bin/AZ/AutoSave/");
    EXPECT_EQ(device.GetAutoSaveFile(), "/opt/pultor/bin/AZ/AutoSave/4711.azs");
    EXPECT_EQ(device.GetReconstructionFile(), "/opt/pultor/bin/AZ/Reconstruction/4711.azr");
    EXPECT_EQ(device.GetImageFile(), "/opt/pultor/bin/AZ/Reconstruction/4711.x19");
    EXPECT_EQ(std::memcmp(&device.GetDeviceRecord(), &record, sizeof(record)), 0);
}

TEST_F(TDeviceInstanzLife, AProgramPathWithoutFolderGivesFolderlessPaths) {
    DAL_DEVICE record{};
    record.deviceId = 12;
    Dienste.ModulePath = "pultor";
    TDeviceInstanzAz device(&Dienste, &record, &Dienste);
    EXPECT_EQ(device.GetAutoSaveFile(), "AZ/AutoSave/12.azs");
}

TEST_F(TDeviceInstanzLife, BaseAnswersBeforeAnyData) {
    EXPECT_EQ(Device->GetDevice(), nullptr);
    EXPECT_TRUE(Device->IsReady(false));
    TMemoryStream stream;
    EXPECT_FALSE(Device->KonvertiereVersion(&stream, "SX Version: 2. 0 Typ:X"));
    EXPECT_EQ(Device->UserObjectMessage(1, 2), 0);
    EXPECT_EQ(Device->GetVersion(), "SX Version: 1. 1 Typ:VUMA/Alarmzentrale");
}

TEST_F(TDeviceInstanzLife, AnInstanceWithoutGroupTreeIsDeletedCleanly) {
    const DAL_DEVICE record = Dienste.PanelRecord();
    auto device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
    EXPECT_NO_THROW(device.reset());
}

TEST_F(TDeviceInstanzLife, ClearDatenStreamEmptiesTheStream) {
    TMemoryStream &stream = Device->GetDatenStream();
    stream.WriteBuffer("abc", 3);
    Device->ClearDatenStream();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
}

TEST_F(TDeviceInstanzLife, PhysicalAddressOfTheDemoPanel) {
    EXPECT_EQ(Device->GetPhysAdr(Dienste.Project().PanelId()), "01.01.001");
    EXPECT_EQ(Device->GetPhysAdr(987654), "");
}

TEST_F(TDeviceInstanzLife, PhysicalAddressIsEmptyWhenAReadFails) {
    Dienste.Project().Database().InjectFailure("DalGetLineData", 1);
    EXPECT_EQ(Device->GetPhysAdr(Dienste.Project().PanelId()), "");
    EXPECT_EQ(Device->GetPhysAdr(Dienste.Project().PanelId()), "01.01.001");
}

TEST_F(TDeviceInstanzLife, DeviceEtsInfoHoldsTheFourTexts) {
    const DAL_DEVICE record = Dienste.PanelRecord();
    TDeviceInstanz::TDeviceEtsInfo info;
    Device->GetDeviceEtsInfo(info);
    EXPECT_EQ(info.ProductText, AnsiString(record.productText));
    EXPECT_EQ(info.DeviceName, AnsiString(record.name));
    EXPECT_EQ(info.ProjectName, "Testprojekt");
    EXPECT_EQ(info.PhysAdr, "01.01.001");
    EXPECT_FALSE(info.ProductText.empty());
}

TEST_F(TDeviceInstanzLife, DeviceEtsInfoStaysEmptyWhenTheDeviceCannotBeRead) {
    Dienste.Project().Database().InjectFailure("DalGetDeviceData", 2);
    TDeviceInstanz::TDeviceEtsInfo info;
    Device->GetDeviceEtsInfo(info);
    EXPECT_EQ(info.ProductText, "");
    EXPECT_EQ(info.DeviceName, "");
    EXPECT_EQ(info.ProjectName, "");
    EXPECT_EQ(info.PhysAdr, "");
}

TEST_F(TDeviceInstanzLife, TheDeviceParameterWriterIsMadeOnce) {
    TEtsDeviceParam *first = Device->GetEtsDeviceParam();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Device->GetEtsDeviceParam(), first);
}

} // namespace
