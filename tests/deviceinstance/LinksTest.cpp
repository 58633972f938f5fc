// Links between communication objects and group addresses, kept in step on the object and in
// the bus tool; the flags of a device object; the group-address dialog with a scripted choice.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/RObjektFlag.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/Exception.h"
#include "platform/win/CursorHourGlass.h"

namespace {

class Links : public TBusFixture {
protected:
    Links() {
        Eins = Adresse(1, 0, 1);
        Zwei = Adresse(1, 0, 2);
        Object = MelderObjekt();
        EXPECT_NE(Object, nullptr);
    }
    std::vector<long> LinkIds() {
        std::vector<long> ids;
        for (const auto &l : Object->GetSubGroupLinks())
            ids.push_back(l.SubGroupId);
        return ids;
    }
    size_t ProjektLinks() { return Db().Links(Dienste.Project().PanelId()).size(); }
    int32_t Eins = 0;
    int32_t Zwei = 0;
    TEtsObjekt *Object = nullptr;
};

TEST_F(Links, ALinkGoesIntoTheBusToolTheObjectAndItsRecord) {
    TCursorRecorder cursor;
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    EXPECT_EQ(LinkIds(), std::vector<long>{Eins});
    EXPECT_EQ(Object->GetSubGroupLinks()[0].GrpAdr, 0x0801);
    EXPECT_EQ(ProjektLinks(), 1u);
    EXPECT_EQ(Device->GetDatenSatz(Object)->Param14, Eins);
    EXPECT_EQ(Device->GetDatenSatz(Object)->Param15, 0x0801);
    TDataBasis *node = nullptr;
    ASSERT_TRUE(Device->GetGrpAdrDataPointer(Eins, node));
    EXPECT_EQ(static_cast<TVumaGrpAdrSub *>(node)->GetSubAdrTyp(), 0) << "the object's type";
    EXPECT_EQ(cursor.Cursors(), (std::vector<TCursor>{crHourGlass, crDefault}));
    // The node the fake made for the object shows the linked icon.
    const TTreeNode *knoten = Dienste.GetNodeFromData(Object);
    ASSERT_NE(knoten, nullptr);
    EXPECT_EQ(knoten->Image, TEtsObjekt::IconMitGrpAdr);
    EXPECT_EQ(knoten->Selected, TEtsObjekt::IconMitGrpAdr);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

// The base body (the panel's own answers true here).
TEST_F(Links, ASubGroupHeldAlreadyGives9065WithoutABusToolCall) {
    ASSERT_TRUE(Device->TDeviceInstanz::LinkToSubGroup(Eins, Object->GetHandle(), true));
    Db().InjectFailure("CoLinkObjectToSubGroup", 1, -1);
    EXPECT_FALSE(Device->TDeviceInstanz::LinkToSubGroup(Eins, Object->GetHandle(), true));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9065));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9066));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONWARNING));
    ASSERT_EQ(Db().Failures().size(), 1u) << "the bus tool was not called";
}

struct TAbsage {
    int antwort;
    int text;
};
class LinkAbsage : public Links, public ::testing::WithParamInterface<TAbsage> {};

TEST_P(LinkAbsage, LeavesTheObjectAndItsRecordAsTheyWere) {
    Db().InjectFailure("CoLinkObjectToSubGroup", 1, GetParam().antwort);
    TCursorRecorder cursor;
    EXPECT_FALSE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(GetParam().text));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9066));
    EXPECT_TRUE(LinkIds().empty());
    EXPECT_EQ(Device->GetDatenSatz(Object)->Param14, 0);
    EXPECT_EQ(cursor.Cursors().back(), crDefault) << "the cursor is back after the refusal";
}

INSTANTIATE_TEST_SUITE_P(Antworten, LinkAbsage,
                         ::testing::Values(TAbsage{-1, 9044}, TAbsage{-2, 9067}));

TEST_F(Links, BadArgumentsAreReportedAndLinkNothing) {
    struct TFall {
        long sub;
        int handle;
        const char *text;
    };
    for (const TFall &f :
         {TFall{Eins, 999, "Object not found.\nAbort function"},
          TFall{424242, Object->GetHandle(), "Group Address not found.\nAbort function"},
          TFall{Eins, 3, "Invalid DataPointer"}}) {
        Boxes.Clear();
        EXPECT_FALSE(Device->LinkToSubGroup(f.sub, f.handle, true));
        ASSERT_EQ(Boxes.Boxes().size(), 1u);
        EXPECT_EQ(Boxes.Boxes()[0].text, f.text);
        EXPECT_EQ(Boxes.Boxes()[0].caption, "Error: TDeviceInstanz::LinkToSubGroup");
    }
    EXPECT_EQ(ProjektLinks(), 0u);
}

TEST_F(Links, WithoutTheBusToolFlagOnlyTheObjectTakesTheLink) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), false));
    EXPECT_EQ(LinkIds(), std::vector<long>{Eins});
    EXPECT_EQ(ProjektLinks(), 0u);
}

TEST_F(Links, AnUnlinkTheBusToolDoesNotKnowStillRemovesTheLocalLink) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), false));
    EXPECT_TRUE(Device->UnLinkFromSubGroup(Eins, Object->GetDeviceObjectId()));
    EXPECT_TRUE(LinkIds().empty());
    EXPECT_EQ(Device->GetDatenSatz(Object)->Param14, 0) << "the record no longer carries it";
    EXPECT_EQ(Dienste.GetNodeFromData(Object)->Image, TEtsObjekt::IconOhneGrpAdr);
}

TEST_F(Links, ARefusedUnlinkAnswersFalseAndStillRemovesTheLocalLink) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    Db().InjectFailure("CoUnlinkObjectFromSubGroup", 1);
    EXPECT_FALSE(Device->UnLinkFromSubGroup(Eins, Object->GetDeviceObjectId()));
    EXPECT_TRUE(LinkIds().empty());
    EXPECT_EQ(ProjektLinks(), 1u);
}

TEST_F(Links, UnLinkAllRemovesEveryLinkAndTheChainedRecords) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    ASSERT_TRUE(Device->LinkToSubGroup(Zwei, Object->GetHandle(), true));
    const int next = Device->GetDatenSatz(Object)->Next;
    EXPECT_GT(next, 0) << "the second link sits in a chained record";
    EXPECT_EQ(Device->CheckObjectVerbunden(Object), 1);
    EXPECT_EQ(Device->UnLinkAllSubGroups(Object), 1);
    EXPECT_EQ(Device->CheckObjectVerbunden(Object), 0);
    EXPECT_EQ(ProjektLinks(), 0u);
    EXPECT_EQ(Device->GetDatenSatz(Object)->Next, 0);
    EXPECT_EQ(Device->UnLinkAllSubGroups(Melder()), 0) << "no communication object";
    EXPECT_THROW(Device->CheckObjectVerbunden(Melder()), Exception);
}

TEST_F(Links, TheGroupAddressOfASubGroupOnly) {
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    AnsiString text = "unberuehrt";
    int zahl = -1;
    EXPECT_TRUE(Device->GetGrpAdrNr(Zwei, text));
    EXPECT_EQ(text, "1/0/2");
    EXPECT_TRUE(Device->GetGrpAdrNrAsZahl(Zwei, zahl));
    EXPECT_EQ(zahl, 0x0802);
    for (const auto &[id, node] : Device->GetMidSubGroups())
        if (node->GetTyp() == TVumaGrpAdrMiddle::Typ) {
            text = "unberuehrt";
            EXPECT_FALSE(Device->GetGrpAdrNr(id, text));
            EXPECT_EQ(text, "unberuehrt");
            EXPECT_FALSE(Device->GetGrpAdrNrAsZahl(id, zahl));
        }
    const int32_t main = Device->GetMainGroups().begin()->first;
    EXPECT_FALSE(Device->GetGrpAdrNr(main, text)) << "main groups are not in the sub-group map";
    EXPECT_FALSE(Device->GetGrpAdrNr(999999, text));
}

TEST_F(Links, TheObjectsByDeviceObjectIdAndByNumber) {
    EXPECT_EQ(Device->GetObjectFromDeviceObjectId(Object->GetDeviceObjectId()), Object);
    EXPECT_EQ(Device->GetObjectFromObjectNr(0), Object);
    EXPECT_EQ(Device->GetObjectFromObjectNr(1), nullptr);
    EXPECT_EQ(Device->GetObjectFromDeviceObjectId(-7), nullptr);
}

// Flags: write each kind, compare it both ways.
struct TFlagFall {
    int32_t kind;
    TEtsObjectFlags flag;
};
class Flags : public Links, public ::testing::WithParamInterface<TFlagFall> {};

TEST_P(Flags, AreWrittenAndCompared) {
    RObjektFlag request;
    request.DeviceObjectId = static_cast<int32_t>(Object->GetDeviceObjectId());
    request.Kind = GetParam().kind;
    for (const int32_t value : {1, 0, 1}) {
        request.Value = value;
        EXPECT_TRUE(Device->ChangeObjektFlag(request));
        EXPECT_TRUE(Device->CheckObjektFlag(request));
        request.Value = !value;
        EXPECT_FALSE(Device->CheckObjektFlag(request));
    }
    EXPECT_TRUE(Boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Arten, Flags,
                         ::testing::Values(TFlagFall{0, ETS_FLAG_COMM}, TFlagFall{1, ETS_FLAG_READ},
                                           TFlagFall{2, ETS_FLAG_WRITE},
                                           TFlagFall{3, ETS_FLAG_TRANS},
                                           TFlagFall{4, ETS_FLAG_UPDATE}));

TEST_F(Links, FlagKind5IsWrittenWithoutACallAndCannotBeCompared) {
    RObjektFlag request;
    request.DeviceObjectId = static_cast<int32_t>(Object->GetDeviceObjectId());
    request.Kind = RObjektFlag::Keins;
    Db().InjectFailure("SqlSetDeviceObjectCommFlag", 1);
    EXPECT_TRUE(Device->ChangeObjektFlag(request));
    EXPECT_TRUE(Boxes.Boxes().empty());
    try {
        Device->CheckObjektFlag(request);
        ADD_FAILURE() << "kind 5 is not compared";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message, "unknown flag: 5");
    }
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "unknown flag: 5");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Error: TDeviceInstanz::CheckObjektFlag");
}

TEST_F(Links, FlagFailuresAreReported) {
    RObjektFlag request;
    request.DeviceObjectId = 987654;
    request.Kind = RObjektFlag::Lesen;
    request.Value = 1;
    EXPECT_FALSE(Device->ChangeObjektFlag(request));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Setting flag: 1");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Error: TDeviceInstanz::ChangeObjektFlag");
    Boxes.Clear();
    request.Kind = 9;
    EXPECT_FALSE(Device->ChangeObjektFlag(request)) << "an unknown kind is a failure";
    Boxes.Clear();
    request.Kind = RObjektFlag::Lesen;
    EXPECT_THROW(Device->CheckObjektFlag(request), Exception);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "DAL_ERR: DalGetDeviceObjectData");
}

// The message answers 0 and shows the failure when the compare throws.
TEST_F(Links, TheFlagMessageShowsAnExceptionAndAnswers0) {
    RObjektFlag request;
    request.DeviceObjectId = static_cast<int32_t>(Object->GetDeviceObjectId());
    request.Kind = RObjektFlag::Keins;
    EXPECT_EQ(AzMsg::Send(Dienste.GetHandle(), AzMsg::ObjektFlag{true, &request}), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[1].text, SprText(9128) + "\n\nunknown flag: 5");
    EXPECT_EQ(Boxes.Boxes()[1].caption, SprText(9041));
    EXPECT_EQ(Boxes.Boxes()[1].style, static_cast<unsigned>(MB_ICONWARNING));
    EXPECT_EQ(AzMsg::Send(Dienste.GetHandle(), AzMsg::ObjektFlag{false, &request}), 1);
}

TEST_F(Links, TheLinkMessagesCarrySubGroupAndObject) {
    EXPECT_EQ(AzMsg::Send(Dienste.GetHandle(), AzMsg::LinkToSubGroup{Eins, Object->GetHandle()}),
              1);
    EXPECT_EQ(ProjektLinks(), 1u);
    EXPECT_EQ(AzMsg::Send(Dienste.GetHandle(),
                          AzMsg::UnLinkFromSubGroup{Eins, Object->GetDeviceObjectId()}),
              1);
    EXPECT_EQ(ProjektLinks(), 0u);
    EXPECT_TRUE(LinkIds().empty());
}

// The dialog: what it is offered, cancel, and a choice that adds one address and drops one.
class Dialog : public Links {
protected:
    std::vector<long> Angebot() { return Dienste.Dialoge.SelGrpAddrAufrufe.back().Offered; }
};

TEST_F(Dialog, AnObjectWithOneAddressIsOfferedFreeSubGroupsAndItsOwn) {
    const int32_t drei = Adresse(1, 0, 3);
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    // Another object holds 1/0/2.
    std::unique_ptr<TDataBasis> other = std::make_unique<TEtsObjekt>(
        nullptr, 1, 3, "Anderes", -1, -1, 7, -1, -1, -1, 0, 1, 2, 0, 77);
    static_cast<TEtsObjekt *>(other.get())->AddSubGroupLink(Zwei, 0x0802, false);
    ASSERT_TRUE(Device->SetPointer2List(other));
    Object->SetNumberSelectableGrpAdr(1);
    EXPECT_TRUE(Device->OpenDlgGrpAdrToObject(Object));
    ASSERT_EQ(Dienste.Dialoge.SelGrpAddrAufrufe.size(), 1u);
    EXPECT_EQ(Angebot(), (std::vector<long>{Eins, drei}));
    const auto &aufruf = Dienste.Dialoge.SelGrpAddrAufrufe.back();
    EXPECT_EQ(aufruf.Levels, 3);
    EXPECT_EQ(aufruf.Object, Object);
    EXPECT_EQ(aufruf.Links.size(), 1u);
    EXPECT_EQ(aufruf.Reader, Device->GetGrpAdrOrdner());
    EXPECT_EQ(aufruf.Device, Device.get());

    Object->SetNumberSelectableGrpAdr(3);
    EXPECT_TRUE(Device->OpenDlgGrpAdrToObject(Object));
    EXPECT_EQ(Angebot(), (std::vector<long>{Eins, Zwei, drei})) << "no detector uses any";
}

TEST_F(Dialog, CancelChangesNothing) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    Dienste.Dialoge.SelGrpAddrSkript = [&](std::vector<TObjektBasis::RecGrpAdrId> &links) {
        links.clear();
        links.push_back({Zwei, 0x0802});
        return 2;
    };
    EXPECT_TRUE(Device->OpenDlgGrpAdrToObject(Object));
    EXPECT_EQ(LinkIds(), std::vector<long>{Eins});
    EXPECT_EQ(ProjektLinks(), 1u);
}

TEST_F(Dialog, OkAddsTheChosenAndDropsTheDeselected) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    Dienste.Dialoge.SelGrpAddrSkript = [&](std::vector<TObjektBasis::RecGrpAdrId> &links) {
        links.clear();
        links.push_back({Zwei, 0x0802});
        return 1;
    };
    Dienste.ClearCalls();
    EXPECT_TRUE(Device->OpenDlgGrpAdrToObject(Object));
    EXPECT_EQ(LinkIds(), std::vector<long>{Zwei});
    const auto links = Db().Links(Dienste.Project().PanelId());
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].groupAddress, 0x0802);
    EXPECT_EQ(Device->GetDatenSatz(Object)->Param14, Zwei);
    DeliverPostedMessages();
    EXPECT_EQ(Dienste.Calls().back(), std::to_string(AzMsg::UpdateTreeNames::Id));
}

TEST_F(Dialog, ALinkThatFailsEndsWithFalseAndKeepsTheOldLinks) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
    Dienste.Dialoge.SelGrpAddrSkript = [&](std::vector<TObjektBasis::RecGrpAdrId> &links) {
        links = {{Zwei, 0x0802}};
        return 1;
    };
    Db().InjectFailure("CoLinkObjectToSubGroup", 1, -1);
    EXPECT_FALSE(Device->OpenDlgGrpAdrToObject(Object));
    EXPECT_EQ(LinkIds(), std::vector<long>{Eins}) << "the deselection is skipped";
}

// The group tree cannot be read: the dialog still opens, empty, without a box; only a new link
// that fails makes the answer false, and the object keeps the links the dialog could not show.
TEST_F(Dialog, WhenTheGroupTreeCannotBeReadTheDialogOpensEmpty) {
    struct TFall {
        const char *Name;
        int Ergebnis;               // of the dialog
        std::vector<long> Gewaehlt; // what it hands back on OK (1 Eins, 2 Zwei)
        bool LinkScheitert;         // the bus tool refuses a new link
        bool Antwort;
        std::vector<long> Danach; // the object's links afterwards
        std::vector<AnsiString> Boxen;
    };
    const TFall faelle[] = {
        {"cancel", 2, {}, false, true, {1}, {}},
        {"OK with nothing shown", 1, {}, false, true, {1}, {}},
        {"OK with a new address", 1, {2}, false, true, {1, 2}, {}},
        {"OK with a new address refused", 1, {2}, true, false, {1}, {SprText(9044)}},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        for (long id : LinkIds())
            ASSERT_TRUE(Device->UnLinkFromSubGroup(id, Object->GetDeviceObjectId()));
        ASSERT_TRUE(Device->LinkToSubGroup(Eins, Object->GetHandle(), true));
        // The tree is dropped by a failed read, and the dialog's own read fails too.
        Db().InjectFailure("TEtsGruppenAdressen::Einlesen", 2);
        ASSERT_FALSE(Device->GetGrpAdrFromServer());
        Dienste.Dialoge.SelGrpAddrAufrufe.clear();
        Dienste.Dialoge.SelGrpAddrSkript = [&](std::vector<TObjektBasis::RecGrpAdrId> &links) {
            links.clear();
            for (long id : f.Gewaehlt)
                links.push_back({id == 1 ? Eins : Zwei, 0});
            return f.Ergebnis;
        };
        if (f.LinkScheitert)
            Db().InjectFailure("CoLinkObjectToSubGroup", 1, -1);
        Boxes.Clear();
        EXPECT_EQ(Device->OpenDlgGrpAdrToObject(Object), f.Antwort);
        Db().ClearFailures();
        ASSERT_EQ(Dienste.Dialoge.SelGrpAddrAufrufe.size(), 1u);
        const auto &aufruf = Dienste.Dialoge.SelGrpAddrAufrufe.back();
        EXPECT_EQ(aufruf.Reader, nullptr);
        EXPECT_TRUE(aufruf.Offered.empty());
        ASSERT_EQ(aufruf.Links.size(), 1u) << "the object's links as they are";
        EXPECT_EQ(aufruf.Links[0].SubGroupId, Eins);
        std::vector<long> danach;
        for (long id : f.Danach)
            danach.push_back(id == 1 ? Eins : Zwei);
        EXPECT_EQ(LinkIds(), danach);
        EXPECT_EQ(ProjektLinks(), danach.size()) << "the bus tool holds the same";
        std::vector<AnsiString> boxen;
        for (const auto &b : Boxes.Boxes())
            boxen.push_back(b.text);
        EXPECT_EQ(boxen, f.Boxen);
    }
}

TEST_F(Dialog, OnlyACommunicationObjectGetsTheDialog) {
    EXPECT_FALSE(Device->OpenDlgGrpAdrToObject(Melder()));
    EXPECT_TRUE(Dienste.Dialoge.SelGrpAddrAufrufe.empty());
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
}

} // namespace
