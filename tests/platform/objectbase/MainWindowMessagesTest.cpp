// The back channel's catalogue and codecs: the ids and ways as the main window expects them,
// what each codec puts on the wire, that decoding gives back what was encoded (and how the
// lossy 16-bit halves come back), and a message sent and posted end to end.
#include "platform/objectbase/MainWindowMessages.h"
#include "foundation/TDatenStruktur.h"
#include "objectmodel/RDeviceRequest.h"
#include "platform/busobjects/RObjektFlag.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using AzMsg::TArt;
using AzMsg::TWire;

TEST(MainWindowMessages, CatalogueHoldsEachIdOnceWithItsWay) {
    struct Soll {
        UINT id;
        UINT dezimal;
        TArt art;
    };
    const Soll soll[] = {
        {AzMsg::GetDataPointer::Id, 1125, TArt::Send},
        {AzMsg::AktualisiereAnsicht::Id, 1126, TArt::Post},
        {AzMsg::GetDatenSatz::Id, 1127, TArt::Send},
        {AzMsg::DeleteNextDatenSatz::Id, 1129, TArt::Send},
        {AzMsg::SetModified::Id, 1130, TArt::Send},
        {AzMsg::GetRootDevice::Id, 1131, TArt::Send},
        {AzMsg::TimeOutStart::Id, 1132, TArt::SendOrPost},
        {AzMsg::UpdateViews::Id, 1134, TArt::Send},
        {AzMsg::LoadColor::Id, 1135, TArt::SendOrPost},
        {AzMsg::LoadSize::Id, 1137, TArt::SendOrPost},
        {AzMsg::UpdateNodes::Id, 1166, TArt::Send},
        {AzMsg::DeviceRequest::Id, 1133, TArt::Send},
        {AzMsg::ActivateCell::Id, 1136, TArt::Post},
        {AzMsg::UpdateTreeNames::Id, 1138, TArt::Post},
        {AzMsg::UserObjectMessage::Id, 1144, TArt::Send},
        {AzMsg::LinkToSubGroup::Id, 1145, TArt::Send},
        {AzMsg::UnLinkFromSubGroup::Id, 1146, TArt::Send},
        {AzMsg::ProgressAbbruch::Id, 1147, TArt::Send},
        {AzMsg::GetGrpAdrNr::Id, 1148, TArt::Send},
        {AzMsg::GetGrpAdrNrAsZahl::Id, 1149, TArt::Send},
        {AzMsg::GrpAdrSendend::Id, 1150, TArt::Send},
        {AzMsg::GrpAdrNichtSendend::Id, 1151, TArt::Send},
        {AzMsg::ObjektFlag::Id, 1152, TArt::Send},
        {AzMsg::OpenDlgGrpAdrToObject::Id, 1153, TArt::Send},
        {AzMsg::AbgleichFormVerw::Id, 1157, TArt::Post},
        {AzMsg::GetPhysAdr::Id, 1158, TArt::Send},
        {AzMsg::SetObjFktToData::Id, 1159, TArt::Send},
        {AzMsg::EtsObjektCheck::Id, 1160, TArt::Send},
        {AzMsg::DeviceRequest2::Id, 1161, TArt::Send},
        {AzMsg::RefreshOtherWindows::Id, 1163, TArt::Post},
        {AzMsg::RegisterFormVerw::Id, 1154, TArt::Post},
        {AzMsg::UnregisterFormVerw::Id, 1155, TArt::Send},
        {AzMsg::ActivateFormVerw::Id, 1156, TArt::Post},
        {AzMsg::DeleteZellenKomponente::Id, 1162, TArt::SendOrPost},
        {AzMsg::GetDatenSatzSystem::Id, 1164, TArt::Send},
        {AzMsg::GetDeviceParam::Id, 1170, TArt::Send},
        {AzMsg::CheckGrpAdrOrdner::Id, 1167, TArt::Send},
        {AzMsg::SetFocusControl::Id, 1183, TArt::SendOrPost},
        {AzMsg::GetGaIdFromGaWord::Id, 1211, TArt::Send},
    };
    ASSERT_EQ(std::size(soll), AzMsg::Katalog.size());
    std::set<UINT> ids;
    for (const AzMsg::TInfo &info : AzMsg::Katalog) {
        EXPECT_TRUE(ids.insert(info.Id).second) << info.Name;
        EXPECT_NE(std::string(info.WParam), "") << info.Name;
        EXPECT_NE(std::string(info.LParam), "") << info.Name;
        EXPECT_NE(std::string(info.Result), "") << info.Name;
    }
    for (const Soll &s : soll) {
        SCOPED_TRACE(s.dezimal);
        EXPECT_EQ(s.id, s.dezimal);
        const AzMsg::TInfo *info = AzMsg::Find(s.id);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->Art, s.art);
    }
    EXPECT_EQ(AzMsg::Find(WM_USER + 104), nullptr);
    EXPECT_EQ(AzMsg::Find(0), nullptr);
}

// 1127 and 1129: a system and a low half packed into wParam, a handle in lParam.
struct PackCase {
    int system, low, lParam;
    WPARAM wParam;
    int systemBack, lowBack;
};

// M's three values in order (system, low half, lParam) encode to the case's wire and decode
// to its values back.
template <class M, int M::*Low, int M::*Lang>
void ExpectPacked(std::initializer_list<PackCase> cases) {
    for (const PackCase &c : cases) {
        SCOPED_TRACE(testing::Message() << M::Id << ": " << c.system << "/" << c.low);
        const TWire wire = M{c.system, c.low, c.lParam}.Encode();
        EXPECT_EQ(wire, (TWire{c.wParam, c.lParam}));
        const M back = M::Decode(wire.WParam, wire.LParam);
        EXPECT_EQ(back.System, c.systemBack);
        EXPECT_EQ(back.*Low, c.lowBack);
        EXPECT_EQ(back.*Lang, c.lParam);
    }
}

// 1127: the system comes back signed, the parent unsigned with 65535 as -1.
TEST(MainWindowMessages, GetDatenSatzPacksSystemAndParentIntoWParam) {
    using M = AzMsg::GetDatenSatz;
    ExpectPacked<M, &M::Parent, &M::Handle>({
        {1, -1, 42, 0x0001FFFF, 1, -1},        // any parent
        {3, 12, 40, 0x0003000C, 3, 12},        // a plain parent
        {-1, 5, 7, 0xFFFF0005, -1, 5},         // a negative system stays negative
        {-32768, 0, 1, 0x80000000, -32768, 0}, // the smallest system
        {32767, 65534, 3, 0x7FFFFFFE, 32767, 65534},
        {0x12345, 0x10006, 9, 0x23450006, 0x2345, 6}, // only the low 16 bits travel
    });
}

// 1129: both halves come back unsigned, 65535 included.
TEST(MainWindowMessages, DeleteNextDatenSatzKeepsBothHalvesUnsigned) {
    using M = AzMsg::DeleteNextDatenSatz;
    ExpectPacked<M, &M::Handle, &M::Next>({
        {1, 5, 1, 0x00010005, 1, 5},
        {1, 6, 900, 0x00010006, 1, 6},
        {-1, 6, 2, 0xFFFF0006, 65535, 6},
        {2, -1, 3, 0x0002FFFF, 2, 65535},
        {32768, 40000, 4, 0x80009C40, 32768, 40000},
    });
}

TEST(MainWindowMessages, SystemAndHandleMessagesCarryWholeNumbers) {
    for (const int system : {0, 1, -1, 70000}) {
        for (const int handle : {0, 7, 65535, 100000}) {
            SCOPED_TRACE(testing::Message() << system << "/" << handle);
            const TWire wire = AzMsg::GetDatenSatzSystem{system, handle}.Encode();
            EXPECT_EQ(wire.LParam, handle);
            const auto back = AzMsg::GetDatenSatzSystem::Decode(wire.WParam, wire.LParam);
            EXPECT_EQ(back.System, system);
            EXPECT_EQ(back.Handle, handle);

            const TWire pointer = AzMsg::GetDataPointer{handle}.Encode();
            EXPECT_EQ(pointer, (TWire{static_cast<WPARAM>(handle), 0}));
            EXPECT_EQ(AzMsg::GetDataPointer::Decode(pointer.WParam, pointer.LParam).Handle, handle);
        }
    }
}

template <class M> void ExpectCellRoundTrip() {
    for (const auto &[col, row] : {std::pair{3, 4}, {0, 2}, {-1, -1}, {1, 0}}) {
        SCOPED_TRACE(testing::Message() << M::Id << ": " << col << "/" << row);
        const TWire wire = M{col, row}.Encode();
        EXPECT_EQ(wire, (TWire{static_cast<WPARAM>(col), row}));
        const M back = M::Decode(wire.WParam, wire.LParam);
        EXPECT_EQ(back.Col, col);
        EXPECT_EQ(back.Row, row);
    }
}

TEST(MainWindowMessages, CellMessagesCarryColumnAndRow) {
    ExpectCellRoundTrip<AzMsg::AktualisiereAnsicht>();
    ExpectCellRoundTrip<AzMsg::ActivateCell>();
    ExpectCellRoundTrip<AzMsg::AbgleichFormVerw>();
}

TEST(MainWindowMessages, MessagesWithoutValuesSendZeros) {
    EXPECT_EQ(AzMsg::SetModified{}.Encode(), TWire{});
    EXPECT_EQ(AzMsg::UpdateTreeNames{}.Encode(), TWire{});
    EXPECT_EQ(AzMsg::RefreshOtherWindows{}.Encode(), TWire{});
    EXPECT_EQ(AzMsg::GetDeviceParam{}.Encode(), TWire{});
    EXPECT_EQ(AzMsg::EtsObjektCheck{}.Encode(), TWire{});
}

// 1145 and 1146: the sub-group id in wParam, the handle or device-object id in lParam.
TEST(MainWindowMessages, LinkMessagesCarryTheSubGroupInWParam) {
    for (const auto &[sub, other] : {std::pair{7L, 40L}, {1L, 0L}, {123456L, 99999L}}) {
        SCOPED_TRACE(testing::Message() << sub << "/" << other);
        const TWire link = AzMsg::LinkToSubGroup{sub, static_cast<int>(other)}.Encode();
        EXPECT_EQ(link, (TWire{static_cast<WPARAM>(sub), other}));
        const auto linkBack = AzMsg::LinkToSubGroup::Decode(link.WParam, link.LParam);
        EXPECT_EQ(linkBack.SubGroupId, sub);
        EXPECT_EQ(linkBack.Handle, other);

        const TWire unlink = AzMsg::UnLinkFromSubGroup{sub, other}.Encode();
        EXPECT_EQ(unlink, (TWire{static_cast<WPARAM>(sub), other}));
        const auto back = AzMsg::UnLinkFromSubGroup::Decode(unlink.WParam, unlink.LParam);
        EXPECT_EQ(back.SubGroupId, sub);
        EXPECT_EQ(back.DeviceObjectId, other);
    }
}

TEST(MainWindowMessages, ValuePairsAndOutputsRoundTrip) {
    for (const auto &[w, l] : {std::pair{0L, 0L}, {12L, 34L}, {-1L, -2L}}) {
        const auto back = AzMsg::GrpAdrSendend::Decode(AzMsg::GrpAdrSendend{w, l}.Encode().WParam,
                                                       AzMsg::GrpAdrSendend{w, l}.Encode().LParam);
        EXPECT_EQ(back.W, w);
        EXPECT_EQ(back.L, l);
    }
    AnsiString text;
    const TWire nr = AzMsg::GetGrpAdrNr{17, &text}.Encode();
    EXPECT_EQ(nr, (TWire{17, reinterpret_cast<LPARAM>(&text)}));
    EXPECT_EQ(AzMsg::GetGrpAdrNr::Decode(nr.WParam, nr.LParam).Out, &text);
    int id = 0;
    const TWire ga = AzMsg::GetGaIdFromGaWord{0x0801, &id}.Encode();
    EXPECT_EQ(AzMsg::GetGaIdFromGaWord::Decode(ga.WParam, ga.LParam).Wert, 0x0801);
    EXPECT_EQ(AzMsg::GetGaIdFromGaWord::Decode(ga.WParam, ga.LParam).Out, &id);
}

TEST(MainWindowMessages, TheFlagMessageTellsCompareFromWrite) {
    RObjektFlag flag;
    const TWire pruefen = AzMsg::ObjektFlag{true, &flag}.Encode();
    EXPECT_EQ(pruefen, (TWire{1, reinterpret_cast<LPARAM>(&flag)}));
    EXPECT_TRUE(AzMsg::ObjektFlag::Decode(pruefen.WParam, pruefen.LParam).Pruefen);
    EXPECT_EQ(AzMsg::ObjektFlag::Decode(pruefen.WParam, pruefen.LParam).Flag, &flag);
    EXPECT_FALSE(AzMsg::ObjektFlag::Decode(0, pruefen.LParam).Pruefen);
    EXPECT_TRUE(AzMsg::ObjektFlag::Decode(5, pruefen.LParam).Pruefen) << "any non-zero compares";
}

// 1159 takes only the low byte of lParam.
TEST(MainWindowMessages, SetObjFktToDataTakesTheLowByte) {
    const auto back = AzMsg::SetObjFktToData::Decode(40, 0x1FF);
    EXPECT_EQ(back.Handle, 40);
    EXPECT_EQ(back.Wert, 0xFF);
    EXPECT_EQ((AzMsg::SetObjFktToData{40, 1}.Encode()), (TWire{40, 1}));
}

TEST(MainWindowMessages, RequestsAndResultsCarryAddresses) {
    RDeviceRequest record;
    RDeviceRequest *request = &record;
    const TWire wire = AzMsg::DeviceRequest{request}.Encode();
    EXPECT_EQ(wire.WParam, 0u);
    EXPECT_EQ(wire.LParam, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(AzMsg::DeviceRequest::Decode(wire.WParam, wire.LParam).Request, request);
    EXPECT_EQ(
        AzMsg::DeviceRequest2::Decode(0, AzMsg::DeviceRequest2{request}.Encode().LParam).Request,
        request);
    EXPECT_EQ(AzMsg::DeviceRequest::Decode(0, 0).Request, nullptr);

    TDatenStruktur satz;
    const LRESULT value = AzMsg::GetDatenSatz::EncodeResult(&satz);
    EXPECT_EQ(value, reinterpret_cast<LRESULT>(&satz));
    EXPECT_EQ(AzMsg::GetDatenSatz::DecodeResult(value), &satz);
    EXPECT_EQ(AzMsg::GetDatenSatzSystem::DecodeResult(0), nullptr);
    EXPECT_EQ(AzMsg::GetDeviceParam::DecodeResult(0), nullptr);
    EXPECT_EQ(AzMsg::DeviceRequest::DecodeResult(AzMsg::DeviceRequest::EncodeResult(-2)), -2);
}

// A main window that answers 1127 and 1129 through the codecs and records the posted cells.
class TZiel : public TMessageTarget {
public:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case AzMsg::GetDatenSatz::Id:
            return AzMsg::Answer<AzMsg::GetDatenSatz>(
                wParam, lParam, [this](const AzMsg::GetDatenSatz &m) -> TDatenStruktur * {
                    Satz.System = m.System;
                    Satz.Parent = m.Parent;
                    Satz.Handle = m.Handle;
                    return m.Handle == 0 ? nullptr : &Satz;
                });
        case AzMsg::DeleteNextDatenSatz::Id:
            return AzMsg::Answer<AzMsg::DeleteNextDatenSatz>(
                wParam, lParam,
                [this](const AzMsg::DeleteNextDatenSatz &m) { Geloescht = m.Next; });
        case AzMsg::ActivateCell::Id:
            Zellen.push_back(AzMsg::ActivateCell::Decode(wParam, lParam));
            return 0;
        default:
            return 0;
        }
    }
    TDatenStruktur Satz;
    int Geloescht = 0;
    std::vector<AzMsg::ActivateCell> Zellen;
};

TEST(MainWindowMessages, SendPostAndAnswerMeetAtTheTarget) {
    TZiel ziel;
    TMessageTargetRegistration reg(&ziel);
    EXPECT_EQ(AzMsg::Send(reg.Handle(), AzMsg::GetDatenSatz{-2, -1, 40}), &ziel.Satz);
    EXPECT_EQ(ziel.Satz.System, -2);
    EXPECT_EQ(ziel.Satz.Parent, -1);
    EXPECT_EQ(ziel.Satz.Handle, 40);
    EXPECT_EQ(AzMsg::Send(reg.Handle(), AzMsg::GetDatenSatz{1, 2, 0}), nullptr);
    AzMsg::Send(reg.Handle(), AzMsg::DeleteNextDatenSatz{1, 6, 900});
    EXPECT_EQ(ziel.Geloescht, 900);

    EXPECT_TRUE(AzMsg::Post(reg.Handle(), AzMsg::ActivateCell{-1, 5}));
    EXPECT_TRUE(ziel.Zellen.empty()) << "posted: delivered later";
    DeliverPostedMessages();
    ASSERT_EQ(ziel.Zellen.size(), 1u);
    EXPECT_EQ(ziel.Zellen[0].Col, -1);
    EXPECT_EQ(ziel.Zellen[0].Row, 5);

    EXPECT_EQ(AzMsg::Send(HWND{}, AzMsg::GetDatenSatz{1, 2, 3}), nullptr) << "no window";
    EXPECT_FALSE(AzMsg::Post(HWND{}, AzMsg::ActivateCell{0, 0}));
}

} // namespace
