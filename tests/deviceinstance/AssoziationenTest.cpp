// The refresh of the communication objects' links from the bus tool: the sending link first,
// the sub groups read once, a failed read in one detail box; the links' words renewed by the
// main window's message.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/dialogs/ShowDetailMessageBox.h"

namespace {

using Link = TObjektBasis::RecGrpAdrId;

class Assoziationen : public TBusFixture {
protected:
    Assoziationen() {
        Eins = Adresse(1, 0, 1);
        Zwei = Adresse(2, 3, 4);
        Object = MelderObjekt();
        EXPECT_NE(Object, nullptr);
    }
    // Links made in the bus tool only, as another program would make them.
    void ImBusTool(int32_t subGroupId, bool sending) {
        ASSERT_GT(Db().Link(static_cast<int32_t>(Object->GetDeviceObjectId()), subGroupId, sending),
                  0);
    }
    int32_t Eins = 0;
    int32_t Zwei = 0;
    TEtsObjekt *Object = nullptr;
    TShowDetailMessageBoxRecorder Details;
};

TEST_F(Assoziationen, TheSendingLinkComesFirst) {
    ImBusTool(Eins, false);
    ImBusTool(Zwei, true);
    std::list<TDeviceInstanz::TSubGroupInfo> table;
    AnsiString error;
    ASSERT_TRUE(Device->GetEtsAssociationTable(static_cast<int>(Object->GetDeviceObjectId()), table,
                                               error));
    using Info = TDeviceInstanz::TSubGroupInfo;
    EXPECT_EQ(table, (std::list<Info>{{Zwei, 2 * 2048 + 3 * 256 + 4}, {Eins, 0x0801}}));
    EXPECT_EQ(error, "");
}

TEST_F(Assoziationen, EveryObjectTakesItsLinksFromTheBusTool) {
    Object->AddSubGroupLink(999, 0x1234, false); // a link the bus tool does not hold
    ImBusTool(Eins, false);
    ImBusTool(Zwei, true);
    ASSERT_TRUE(Device->UpdateObjectAssociations());
    EXPECT_EQ(Object->GetSubGroupLinks(),
              (std::vector<Link>{{Zwei, 2 * 2048 + 3 * 256 + 4}, {Eins, 0x0801}}));
    EXPECT_EQ(Device->GetDatenSatz(Object)->Param14, Zwei) << "the record is written";
    std::list<int> melder;
    Device->GetGrpAdrUsedFromMelder(melder);
    EXPECT_EQ(melder, (std::list<int>{Eins, Zwei})) << "a detector's object, sorted";
    EXPECT_TRUE(Details.Boxes().empty());
}

TEST_F(Assoziationen, ASubGroupIsReadOnceUntilTheRootIsSetAgain) {
    TDeviceInstanz::TSubGroupInfo info;
    AnsiString error;
    ASSERT_TRUE(Device->GetSubGroupAddressInfo(Zwei, info, error));
    Db().InjectFailure("DalGetSubgroupData", 1);
    ASSERT_TRUE(Device->GetSubGroupAddressInfo(Zwei, info, error)) << "from the cache";
    EXPECT_EQ(info, (TDeviceInstanz::TSubGroupInfo{Zwei, 2 * 2048 + 3 * 256 + 4}));
    Device->SetDevice(Device->GetDevice());
    EXPECT_FALSE(Device->GetSubGroupAddressInfo(Zwei, info, error));
    EXPECT_EQ(error, "\nSubGroupId not found: " + std::to_string(Zwei));
}

TEST_F(Assoziationen, EachFailedGroupReadNamesItsLevel) {
    struct TFall {
        const char *Call;
        std::string Text;
    };
    const int32_t middle = Db().Group(Zwei).value().parentId;
    const int32_t main = Db().Group(middle).value().parentId;
    const TFall faelle[] = {
        {"DalGetSubgroupData", "\nSubGroupId not found: " + std::to_string(Zwei)},
        {"DalGetMiddlegroupData", "\nMiddleGroupId not found: " + std::to_string(middle)},
        {"DalGetMaingroupData", "\nMainGroupId not found: " + std::to_string(main)},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Call);
        Device->SetDevice(Device->GetDevice()); // empties the cache
        Db().InjectFailure(f.Call, 1);
        TDeviceInstanz::TSubGroupInfo info{-1, 0};
        AnsiString error = "vorher";
        EXPECT_FALSE(Device->GetSubGroupAddressInfo(Zwei, info, error));
        EXPECT_EQ(error, "vorher" + f.Text);
        EXPECT_EQ(info, (TDeviceInstanz::TSubGroupInfo{-1, 0}));
    }
}

TEST_F(Assoziationen, AFailedReadGivesOneDetailBox) {
    ImBusTool(Eins, false);
    ImBusTool(Zwei, true);
    Db().InjectFailure("DalGetSubgroupData", 2);
    EXPECT_FALSE(Device->UpdateObjectAssociations());
    ASSERT_EQ(Details.Boxes().size(), 1u);
    const TDetailMessageBox &box = Details.Boxes()[0];
    EXPECT_EQ(box.Text, SprText(9109));
    EXPECT_EQ(box.Caption, "Az");
    EXPECT_EQ(box.Methode, "TDeviceInstanz::UpdateObjectAssociations");
    EXPECT_EQ(box.Icon, MB_ICONSTOP);
    EXPECT_EQ(box.Detail, "\nSubGroupId not found: " + std::to_string(Eins) +
                              "\nSubGroupId not found: " + std::to_string(Zwei))
        << "in the bus tool's order of the links";
    EXPECT_TRUE(Object->GetSubGroupLinks().empty()) << "only what could be read";
    EXPECT_TRUE(Boxes.Boxes().empty()) << "no plain box besides";
}

TEST_F(Assoziationen, LinksTheBusToolCannotListStayAsStored) {
    ImBusTool(Eins, false);
    ImBusTool(Zwei, true);
    ASSERT_TRUE(Device->UpdateObjectAssociations());
    ASSERT_TRUE(Device->WriteBlob());
    auto gespeichert = [this] { return Db().ReadDataBlock(Dienste.Project().PanelId()).value(); };
    const std::vector<unsigned char> vorher = gespeichert();
    const std::vector<Link> links = Object->GetSubGroupLinks();
    ASSERT_EQ(links.size(), 2u);

    for (const int antwort : {static_cast<int>(DAL_ERR), 7}) {
        SCOPED_TRACE(antwort);
        Details.Clear();
        Db().InjectFailure("DalGetSubgroupToObjectData", 1, antwort);
        EXPECT_FALSE(Device->UpdateObjectAssociations());
        ASSERT_EQ(Details.Boxes().size(), 1u);
        EXPECT_EQ(Details.Boxes()[0].Methode, "TDeviceInstanz::UpdateObjectAssociations");
        EXPECT_EQ(Details.Boxes()[0].Detail, "\nLinks of DeviceObjectId not read: " +
                                                 std::to_string(Object->GetDeviceObjectId()));
        EXPECT_EQ(Object->GetSubGroupLinks(), links);
        std::list<int> melder;
        Device->GetGrpAdrUsedFromMelder(melder);
        EXPECT_EQ(melder, (std::list<int>{Eins, Zwei})) << "the kept links are a detector's";
        ASSERT_TRUE(Device->WriteBlob());
        EXPECT_EQ(gespeichert(), vorher);
    }

    std::list<TDeviceInstanz::TSubGroupInfo> table;
    AnsiString error;
    Db().InjectFailure("DalGetSubgroupToObjectData", 1);
    EXPECT_FALSE(Device->GetEtsAssociationTable(static_cast<int>(Object->GetDeviceObjectId()),
                                                table, error));
    EXPECT_TRUE(table.empty());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Assoziationen, TheLinksWordsAreRenewedFromTheTree) {
    Object->AddSubGroupLink(Zwei, 0x0001, false); // an old word
    ASSERT_TRUE(Device->UpdateGroupAddressFromId());
    EXPECT_EQ(Object->GetSubGroupLinks(), (std::vector<Link>{{Zwei, 2 * 2048 + 3 * 256 + 4}}));
    EXPECT_EQ(Device->GetDatenSatz(Object)->Param15, 2 * 2048 + 3 * 256 + 4);
    EXPECT_TRUE(Details.Boxes().empty());
}

TEST_F(Assoziationen, AnUnknownSubGroupNamesTheObjectInTheDetail) {
    Object->AddSubGroupLink(4711, 0x0001, false);
    Object->AddSubGroupLink(Eins, 0x0002, false);
    EXPECT_FALSE(Device->UpdateGroupAddressFromId());
    EXPECT_EQ(Object->GetSubGroupLinks(), (std::vector<Link>{{4711, 0x0001}, {Eins, 0x0801}}));
    ASSERT_EQ(Details.Boxes().size(), 1u);
    EXPECT_EQ(Details.Boxes()[0].Methode, "TDeviceInstanz::UpdateGroupAddressFromId");
    EXPECT_EQ(Details.Boxes()[0].Detail, "\nSubGroupId not found: 4711\n Object No. 0");
}

} // namespace
