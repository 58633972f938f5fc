// The main window's messages decoded into calls of the instance.
#include "deviceinstance/DeviceMessages.h"
#include "DeviceTestHilfen.h"
#include "objectmodel/TAzOrdner.h"
#include "platform/objectbase/MainWindowMessages.h"

namespace {

using DeviceMessagesTest = TDeviceFixture;

LRESULT Senden(TDeviceInstanz *device, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = -7;
    EXPECT_TRUE(DeviceMessages::Dispatch(device, msg, wParam, lParam, result));
    return result;
}

TEST_F(DeviceMessagesTest, RecordOfSystemAndParent) {
    TDatenStruktur r = Datensatz(9, 2, 3, 1, 0, "A");
    Device->FillDataMaps(r);
    const auto *found = reinterpret_cast<TDatenStruktur *>(
        Senden(Device.get(), WM_AZ_GET_DATENSATZ, (1u << 16) | 3u, 9));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Name, "A");
    EXPECT_EQ(found, Device->GetDatenSatz(1, 3, 9));
}

TEST_F(DeviceMessagesTest, Parent65535MeansAnyParent) {
    TDatenStruktur r = Datensatz(9, 2, 3, 1, 0, "A");
    Device->FillDataMaps(r);
    const auto *found = reinterpret_cast<TDatenStruktur *>(
        Senden(Device.get(), WM_AZ_GET_DATENSATZ, (1u << 16) | 0xFFFFu, 9));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Name, "A");
}

TEST_F(DeviceMessagesTest, TheSystemTravelsSigned) {
    const auto *made = reinterpret_cast<TDatenStruktur *>(
        Senden(Device.get(), WM_AZ_GET_DATENSATZ, (0xFFFFu << 16) | 4u, 9));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->System, -1);
    EXPECT_EQ(made->Parent, 4);
}

TEST_F(DeviceMessagesTest, RecordOfASystemUnderAnyParent) {
    TDatenStruktur r = Datensatz(9, 2, 3, 70000, 0, "A");
    Device->FillDataMaps(r);
    const auto *found = reinterpret_cast<TDatenStruktur *>(
        Senden(Device.get(), WM_AZ_GET_DATENSATZ_SYSTEM, 70000, 9));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Name, "A");
}

TEST_F(DeviceMessagesTest, DeleteNextTakesBothHalvesUnsigned) {
    TDatenStruktur c = Datensatz(12, 2, 40000, 1, 13);
    TDatenStruktur d = Datensatz(13, 2, 40000, 1, 0);
    Device->FillDataMaps(c);
    Device->FillDataMaps(d);
    EXPECT_EQ(Senden(Device.get(), WM_AZ_DELETE_NEXT_DATENSATZ, (1u << 16) | 40000u, 12), 0);
    EXPECT_EQ(Device->GetDatenTree().at(1)->size(), 0u);
}

TEST_F(DeviceMessagesTest, ObjectOfAHandle) {
    auto owned = std::make_unique<TAzOrdnerAlarmierung>(nullptr, 1, 1, "O", 5);
    TDataBasis *object = owned.get();
    std::unique_ptr<TDataBasis> base = std::move(owned);
    Device->SetPointer2List(base);
    EXPECT_EQ(Senden(Device.get(), WM_AZ_GET_DATA_POINTER, 5, 0),
              reinterpret_cast<LRESULT>(object));
    EXPECT_EQ(Senden(Device.get(), WM_AZ_GET_DATA_POINTER, 6, 0), 0);
}

TEST_F(DeviceMessagesTest, TheDeviceParameterWriter) {
    EXPECT_EQ(Senden(Device.get(), WM_AZ_GET_DEVICE_PARAM, 0, 0),
              reinterpret_cast<LRESULT>(Device->GetEtsDeviceParam()));
}

TEST_F(DeviceMessagesTest, WithoutAnInstanceEveryMessageAnswersZero) {
    for (UINT msg : {WM_AZ_GET_DATA_POINTER, WM_AZ_GET_DATENSATZ, WM_AZ_DELETE_NEXT_DATENSATZ,
                     WM_AZ_GET_DATENSATZ_SYSTEM, WM_AZ_DEVICE_REQUEST, WM_AZ_DEVICE_REQUEST_2,
                     WM_AZ_GET_DEVICE_PARAM})
        EXPECT_EQ(Senden(nullptr, msg, 1, 1), 0) << msg;
}

TEST_F(DeviceMessagesTest, OtherMessagesAreNotTheInstances) {
    LRESULT result = -7;
    for (UINT msg : {WM_AZ_SET_MODIFIED, WM_AZ_AKTUALISIERE_ANSICHT, WM_AZ_ACTIVATE_CELL})
        EXPECT_FALSE(DeviceMessages::Dispatch(Device.get(), msg, 0, 0, result));
    EXPECT_EQ(result, -7);
}

} // namespace
