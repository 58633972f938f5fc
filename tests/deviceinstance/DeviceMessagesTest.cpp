// The main window's messages decoded into calls of the instance.
#include "deviceinstance/DeviceMessages.h"
#include "DeviceTestHilfen.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzOrdner.h"
#include "platform/objectbase/MainWindowMessages.h"

namespace {

using DeviceMessagesTest = TDeviceFixture;

// The message as its sender encodes it, or with the values given on the wire.
template <class M> LRESULT Senden(TDeviceInstanz *device, const AzMsg::TWire &wire) {
    LRESULT result = -7;
    EXPECT_TRUE(DeviceMessages::Dispatch(device, M::Id, wire.WParam, wire.LParam, result));
    return result;
}
template <class M> auto Senden(TDeviceInstanz *device, const M &message) {
    return M::DecodeResult(Senden<M>(device, message.Encode()));
}

TEST_F(DeviceMessagesTest, RecordOfSystemAndParent) {
    TDatenStruktur r = Datensatz(9, 2, 3, 1, 0, "A");
    Device->FillDataMaps(r);
    const TDatenStruktur *found = Senden(Device.get(), AzMsg::GetDatenSatz{1, 3, 9});
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Name, "A");
    EXPECT_EQ(found, Device->GetDatenSatz(1, 3, 9));
}

TEST_F(DeviceMessagesTest, Parent65535MeansAnyParent) {
    TDatenStruktur r = Datensatz(9, 2, 3, 1, 0, "A");
    Device->FillDataMaps(r);
    const auto *found = AzMsg::GetDatenSatz::DecodeResult(
        Senden<AzMsg::GetDatenSatz>(Device.get(), {(1u << 16) | 0xFFFFu, 9}));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Name, "A");
}

TEST_F(DeviceMessagesTest, TheSystemTravelsSigned) {
    const auto *made = AzMsg::GetDatenSatz::DecodeResult(
        Senden<AzMsg::GetDatenSatz>(Device.get(), {(0xFFFFu << 16) | 4u, 9}));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->System, -1);
    EXPECT_EQ(made->Parent, 4);
}

TEST_F(DeviceMessagesTest, RecordOfASystemUnderAnyParent) {
    TDatenStruktur r = Datensatz(9, 2, 3, 70000, 0, "A");
    Device->FillDataMaps(r);
    const TDatenStruktur *found = Senden(Device.get(), AzMsg::GetDatenSatzSystem{70000, 9});
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Name, "A");
}

TEST_F(DeviceMessagesTest, DeleteNextTakesBothHalvesUnsigned) {
    TDatenStruktur c = Datensatz(12, 2, 40000, 1, 13);
    TDatenStruktur d = Datensatz(13, 2, 40000, 1, 0);
    Device->FillDataMaps(c);
    Device->FillDataMaps(d);
    EXPECT_EQ(Senden<AzMsg::DeleteNextDatenSatz>(Device.get(), {(1u << 16) | 40000u, 12}), 0);
    EXPECT_EQ(Device->GetDatenTree().at(1)->size(), 0u);
}

TEST_F(DeviceMessagesTest, ObjectOfAHandle) {
    auto owned = std::make_unique<TAzOrdnerAlarmierung>(nullptr, 1, 1, "O", 5);
    TDataBasis *object = owned.get();
    std::unique_ptr<TDataBasis> base = std::move(owned);
    Device->SetPointer2List(base);
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetDataPointer{5}), object);
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetDataPointer{6}), nullptr);
}

TEST_F(DeviceMessagesTest, TheDeviceParameterWriter) {
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetDeviceParam{}), Device->GetEtsDeviceParam());
}

TEST_F(DeviceMessagesTest, WithoutAnInstanceEveryMessageAnswersZero) {
    EXPECT_EQ(Senden(nullptr, AzMsg::GetDataPointer{1}), nullptr);
    EXPECT_EQ(Senden(nullptr, AzMsg::GetDatenSatz{1, 1, 1}), nullptr);
    EXPECT_EQ(Senden<AzMsg::DeleteNextDatenSatz>(nullptr, {1, 1}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::GetDatenSatzSystem{1, 1}), nullptr);
    RDeviceRequest request;
    EXPECT_EQ(Senden(nullptr, AzMsg::DeviceRequest{&request}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::DeviceRequest2{&request}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::GetDeviceParam{}), nullptr);
    AnsiString text = "bleibt";
    int zahl = -3;
    EXPECT_EQ(Senden(nullptr, AzMsg::UserObjectMessage{1, 2}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::LinkToSubGroup{1, 2}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::UnLinkFromSubGroup{1, 2}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::GetGrpAdrNr{1, &text}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::GetGrpAdrNrAsZahl{1, &zahl}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::GrpAdrSendend{1, 2}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::GrpAdrNichtSendend{1, 2}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::ObjektFlag{true, nullptr}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::OpenDlgGrpAdrToObject{nullptr}), 0);
    EXPECT_EQ(Senden<AzMsg::GetPhysAdr>(nullptr, AzMsg::GetPhysAdr{1, &text}.Encode()), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::SetObjFktToData{1, 1}), 0);
    EXPECT_EQ(Senden<AzMsg::EtsObjektCheck>(nullptr, {}), 0);
    EXPECT_EQ(Senden(nullptr, AzMsg::GetGaIdFromGaWord{1, &zahl}), 0);
    EXPECT_EQ(text, "bleibt");
    EXPECT_EQ(zahl, -3);
}

TEST_F(DeviceMessagesTest, ThePhysicalAddressGoesIntoTheText) {
    AnsiString text;
    EXPECT_EQ(Senden<AzMsg::GetPhysAdr>(
                  Device.get(), AzMsg::GetPhysAdr{Dienste.Project().PanelId(), &text}.Encode()),
              0);
    EXPECT_EQ(text, "01.01.001");
    Senden<AzMsg::GetPhysAdr>(Device.get(), AzMsg::GetPhysAdr{1, nullptr}.Encode());
}

TEST_F(DeviceMessagesTest, ObjectMessagesRenewTheActiveWindowsTree) {
    EXPECT_EQ(Senden(Device.get(), AzMsg::UserObjectMessage{1, 2}), 0);
    EXPECT_EQ(Dienste.Calls(), std::vector<std::string>{"UpdateTreeNamesAndIcon"});
}

// 1147: code 3 stops adding detectors here; every other code is the main window's.
TEST_F(DeviceMessagesTest, OnlyCode3OfTheProgressMessageIsTheInstances) {
    LRESULT result = -7;
    for (const LPARAM code : {0, 1, 5})
        EXPECT_FALSE(
            DeviceMessages::Dispatch(Device.get(), AzMsg::ProgressAbbruch::Id, 0, code, result));
    EXPECT_EQ(result, -7);
    EXPECT_TRUE(DeviceMessages::Dispatch(Device.get(), AzMsg::ProgressAbbruch::Id, 0, 3, result));
    EXPECT_EQ(result, 0);
}

TEST_F(DeviceMessagesTest, GroupAddressLookUpsFillTheirOutput) {
    const int32_t id = Dienste.Project().Database().AddGroupAddress(2, 1, 3, "GA");
    AnsiString text;
    int zahl = 0;
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetGrpAdrNr{id, &text}), 1);
    EXPECT_EQ(text, "2/1/3");
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetGrpAdrNrAsZahl{id, &zahl}), 1);
    EXPECT_EQ(zahl, 2 * 2048 + 256 + 3);
    int gefunden = 0;
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetGaIdFromGaWord{2 * 2048 + 256 + 3, &gefunden}), 1);
    EXPECT_EQ(gefunden, id);
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetGaIdFromGaWord{5, &gefunden}), 0);
    EXPECT_EQ(Senden(Device.get(), AzMsg::GetGrpAdrNr{id, nullptr}), 0) << "no text to fill";
    EXPECT_EQ(Senden(Device.get(), AzMsg::SetObjFktToData{999, 1}), 0);
    EXPECT_EQ(Senden<AzMsg::EtsObjektCheck>(Device.get(), {}), 0);
}

TEST_F(DeviceMessagesTest, OtherMessagesAreNotTheInstances) {
    LRESULT result = -7;
    for (UINT msg :
         {AzMsg::SetModified::Id, AzMsg::AktualisiereAnsicht::Id, AzMsg::ActivateCell::Id})
        EXPECT_FALSE(DeviceMessages::Dispatch(Device.get(), msg, 0, 0, result));
    EXPECT_EQ(result, -7);
}

} // namespace
