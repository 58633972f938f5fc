// The project's devices by physical address on the demo project: which devices share a group
// address with a panel object, a device's address as text and value, and the check of an
// arming area's switching devices against the project.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi.h"
#include "tools/bustool/TDemoProject.h"

#include <cstdio>

namespace {

using RPhysAdr = TDeviceInstanzAz::RPhysAdr;

class PhysAdr : public TPanelFixture {
protected:
    PhysAdr() {
        AddDemoSurroundings(Db());
        EXPECT_TRUE(Device->GetGrpAdrFromServer());
        Boxes.Clear();
    }
    TObjektBasis::RecGrpAdrId Gruppe(int main, int middle, int sub) {
        return {*Db().SubGroupId(main, middle, sub),
                static_cast<uint16_t>(main * 2048 + middle * 256 + sub)};
    }
    // Links arming area k's arming input to the group address in the bus tool and the object.
    void EingangVerbinden(int k, int main, int middle, int sub) {
        TEtsObjekt *eingang = Device->GetObjectFromObjectNr(161 + k);
        ASSERT_NE(eingang, nullptr);
        ASSERT_TRUE(Device->LinkToSubGroup(Gruppe(main, middle, sub).SubGroupId,
                                           eingang->GetHandle(), true));
    }
    // Sets switching device i (1 to 4) of arming area k to the address, as the record holds it.
    TAzScharfschaltungSsb *Schalteinrichtung(int k, int i, int32_t adresse) {
        TAzScharfschaltungSsb *ssb = Device->GetPointerInstScharfschaltungSsb(k);
        EXPECT_NE(ssb, nullptr);
        TDatenStruktur *record = Device->GetDatenSatz(ssb);
        const auto j = static_cast<size_t>(i - 1);
        record->*(std::array{&TDatenStruktur::Param5, &TDatenStruktur::Param6,
                             &TDatenStruktur::Param7, &TDatenStruktur::Param8}[j]) = adresse;
        char text[16] = "";
        if (adresse)
            std::snprintf(text, sizeof(text), "%02d.%02d.%03d", adresse >> 12, (adresse >> 8) & 15,
                          adresse & 255);
        record->*(std::array{&TDatenStruktur::String1, &TDatenStruktur::String2,
                             &TDatenStruktur::String3, &TDatenStruktur::String4}[j]) = text;
        ssb->InitFromDB(*record);
        return ssb;
    }
};

const RPhysAdr kEingang{0x110A, "01.01.010", "Schalteinrichtung Eingang"};
const RPhysAdr kLager{0x110B, "01.01.011", "Schalteinrichtung Lager"};
const RPhysAdr kReserve{0x110C, "01.01.012", "Schalteinrichtung Reserve"};

TEST_F(PhysAdr, LinkedDevicesEachOnceNeverThePanel) {
    struct TFall {
        std::vector<std::array<int, 3>> Gruppen;
        std::vector<RPhysAdr> Geraete;
    };
    const TFall faelle[] = {
        {{{1, 0, 1}}, {kEingang}},
        {{{1, 0, 1}, {1, 0, 2}}, {kEingang}},
        {{{1, 1, 2}, {1, 0, 1}}, {kEingang, kLager}},
        {{{3, 0, 2}}, {kEingang, kLager, kReserve}},
        {{{2, 0, 1}}, {}},
        {{}, {}},
    };
    // The panel's arming input shares 1/0/1 with the first switching device.
    EingangVerbinden(1, 1, 0, 1);
    for (const TFall &f : faelle) {
        std::vector<TObjektBasis::RecGrpAdrId> links;
        for (const auto &g : f.Gruppen)
            links.push_back(Gruppe(g[0], g[1], g[2]));
        EXPECT_EQ(Device->GetDevicePhysAdrLinkedWithGrpAdr(links), f.Geraete) << f.Gruppen.size();
    }
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(PhysAdr, AddressOfADeviceAsTextAndValue) {
    const int32_t id = Db().AddSwitchingDevice(Db().EnsureLine(1, 2), 5, "Neu");
    AnsiString text = "alt";
    uint16_t wert = 7;
    EXPECT_TRUE(Device->GetPhysAdr(id, text, wert));
    EXPECT_EQ(text, "01.02.005");
    EXPECT_EQ(wert, 0x1205);
    EXPECT_EQ(Device->GetPhysAdr(id), "01.02.005");
    uint16_t v = 0;
    TDeviceInstanzAz::PhysAdrMergeToInt(v, 1, 5, 2);
    EXPECT_EQ(v, 0x1205);
    TDeviceInstanzAz::PhysAdrMergeToInt(v, 15, 255, 15);
    EXPECT_EQ(v, 0xFFFF);

    // A failed read of any of the three leaves the outputs as they were.
    for (const char *call : {"DalGetDeviceData", "DalGetLineData", "DalGetAreaData"}) {
        Db().InjectFailure(call, 1);
        text = "alt";
        wert = 7;
        EXPECT_FALSE(Device->GetPhysAdr(id, text, wert)) << call;
        EXPECT_EQ(text, "alt");
        EXPECT_EQ(wert, 7);
    }
    EXPECT_FALSE(Device->GetPhysAdr(987654, text, wert));
}

TEST_F(PhysAdr, AFailedAddressReadIsAFailedDeviceRead) {
    std::vector<RPhysAdr> devices;
    const std::list<long> ids = {*Db().DeviceByAddress(0x110A), *Db().DeviceByAddress(0x110B)};
    EXPECT_TRUE(Device->GetDevicesPhysAdr(devices, ids));
    EXPECT_EQ(devices, (std::vector<RPhysAdr>{kEingang, kLager}));
    devices.clear();
    Db().InjectFailure("DalGetLineData", 1);
    EXPECT_FALSE(Device->GetDevicesPhysAdr(devices, ids));
    EXPECT_TRUE(devices.empty()) << "never a device at 00.00.000";
    // Through the search: the devices found so far.
    Db().InjectFailure("DalGetLineData", 1);
    EXPECT_TRUE(Device->GetDevicePhysAdrLinkedWithGrpAdr({Gruppe(3, 0, 2)}).empty());
}

TEST_F(PhysAdr, UnknownAnswersOfTheBusToolAreShown) {
    std::list<long> objekte;
    Db().InjectFailure("DalGetSubgroupToObjectData", 1, 7);
    EXPECT_TRUE(Device->GetDeviceObjectIds(Gruppe(3, 0, 2).SubGroupId, objekte));
    EXPECT_TRUE(objekte.empty());
    Db().InjectFailure("DalGetSubgroupToObjectData", 1, DAL_ERR);
    EXPECT_FALSE(Device->GetDeviceObjectIds(Gruppe(3, 0, 2).SubGroupId, objekte));
    EXPECT_TRUE(Device->GetDeviceObjectIds(Gruppe(3, 0, 2).SubGroupId, objekte));
    EXPECT_EQ(objekte.size(), 3u);

    std::list<long> geraete;
    Db().InjectFailure("DalGetDeviceObjectData", 1, 7);
    EXPECT_FALSE(Device->GetDeviceIds(geraete, objekte));
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "DalGetSubgroupToObjectData: unknown DAL_ReturnValue = 7");
    EXPECT_EQ(Boxes.Boxes()[1].text, "DalGetDeviceObjectData: unknown DAL_ReturnValue = 7");
    EXPECT_EQ(Boxes.Boxes()[1].caption, "TDeviceInstanzAz::GetDevicePhysAdrLinkedWithGrpAdr");
    geraete.clear();
    Db().InjectFailure("DalGetDeviceObjectData", 1, DAL_END);
    EXPECT_TRUE(Device->GetDeviceIds(geraete, objekte));
    EXPECT_EQ(geraete.size(), 2u) << "an object the bus tool does not find is skipped";
}

TEST_F(PhysAdr, CheckPhysAdrSeExistBranches) {
    struct TFall {
        const char *Name;
        bool Verbinden;             // the arming input linked to 1/0/1 (reaches 01.01.010)
        bool Niemand;               // ... to 2/0/1 instead (reaches no device)
        std::vector<int32_t> Se;    // switching devices 1..4
        std::vector<int> Antworten; // to the questions, in order
        std::vector<AnsiString> Fragen;
        std::vector<int32_t> Danach;
        std::list<int> Liste; // the area's list afterwards
    };
    const AnsiString caption = SprText(11312) + " " + SprText(11297) + " 1";
    const AnsiString fehlt = SprText(11151) + " 01.01.011 " + SprText(11264);
    const TFall faelle[] = {
        {"found", true, false, {0x110A, 0, 0, 0}, {}, {}, {0x110A, 0, 0, 0}, {0x110A}},
        {"missing yes",
         true,
         false,
         {0x110A, 0x110B, 0, 0},
         {IDYES},
         {fehlt},
         {0x110A, 0, 0, 0},
         {0x110A}},
        {"missing no", true, false, {0, 0x110B, 0, 0}, {IDNO}, {fehlt}, {0, 0x110B, 0, 0}, {}},
        {"no device yes",
         false,
         true,
         {0x110A, 0, 0, 0x110B},
         {IDYES},
         {SprText(11249)},
         {0, 0, 0, 0},
         {}},
        {"no device no",
         false,
         true,
         {0x110A, 0, 0, 0},
         {IDNO},
         {SprText(11249)},
         {0x110A, 0, 0, 0},
         {}},
        {"no address yes",
         false,
         false,
         {0, 0, 0x110A, 0},
         {IDYES},
         {SprText(11258)},
         {0, 0, 0, 0},
         {}},
        {"no address no",
         false,
         false,
         {0, 0, 0x110A, 0},
         {IDNO},
         {SprText(11258)},
         {0, 0, 0x110A, 0},
         {}},
        {"nothing set", false, false, {0, 0, 0, 0}, {}, {}, {0, 0, 0, 0}, {}},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        TEtsObjekt *eingang = Device->GetObjectFromObjectNr(162);
        ASSERT_NE(eingang, nullptr);
        for (const auto &link : std::vector(eingang->GetSubGroupLinks()))
            Device->UnLinkFromSubGroup(link.SubGroupId, eingang->GetDeviceObjectId());
        if (f.Verbinden)
            EingangVerbinden(1, 1, 0, 1);
        if (f.Niemand)
            EingangVerbinden(1, 2, 0, 1);
        TAzScharfschaltungSsb *ssb = nullptr;
        for (int i = 1; i <= 4; ++i)
            ssb = Schalteinrichtung(1, i, f.Se[static_cast<size_t>(i - 1)]);
        Device->UpdatePhysAdrUsedSsbFromList(0, 0x110A, 1);
        Device->UpdatePhysAdrUsedSsbFromList(0, 0x110B, 1);
        Boxes.Clear();
        for (int a : f.Antworten)
            Boxes.Answer(a);
        Device->CheckPhysAdrSeExist(1, ssb);
        std::vector<AnsiString> fragen;
        for (const auto &b : Boxes.Boxes()) {
            fragen.push_back(b.text);
            EXPECT_EQ(b.caption, caption);
            EXPECT_EQ(b.style, static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION));
        }
        EXPECT_EQ(fragen, f.Fragen);
        std::vector<int32_t> danach;
        for (int i = 1; i <= 4; ++i)
            danach.push_back(ssb->GetPhysAdrSe(i));
        EXPECT_EQ(danach, f.Danach);
        EXPECT_EQ(Device->GetPhysAdrUsed(1), f.Liste);
    }
}

TEST_F(PhysAdr, CheckPhysAdrSeExistKeepsTheListFreeOfRepeatsAndWaitsInTheSpecialState) {
    EingangVerbinden(1, 1, 0, 1);
    TAzScharfschaltungSsb *ssb = Schalteinrichtung(1, 1, 0x110A);
    Device->UpdatePhysAdrUsedSsbFromList(0x1105, 0, 1);
    Device->UpdatePhysAdrUsedSsbFromList(0x1200, 0, 1);
    Device->CheckPhysAdrSeExist(1, ssb);
    Device->CheckPhysAdrSeExist(1, ssb);
    EXPECT_EQ(Device->GetPhysAdrUsed(1), (std::list<int>{0x1105, 0x110A, 0x1200}));

    Schalteinrichtung(1, 2, 0x110B);
    Dienste.Sonderzustand = true;
    Device->CheckPhysAdrSeExist(1, ssb);
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(ssb->GetPhysAdrSe(2), 0x110B);
}

} // namespace
