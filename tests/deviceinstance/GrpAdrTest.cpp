// The device's copy of the project's group-address tree: texts of the words, the tree in three
// and two levels, reading it again, new addresses, proposals, look-ups by word and the sending
// address of a link.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/bustool/TSqlDatabase.h"
#include "platform/objectbase/TOrdner.h"
#include "platform/win/CursorHourGlass.h"

#include <algorithm>

namespace {

struct TTextFall {
    uint16_t word;
    bool three;
    const char *text;
};
class GroupAddressString : public ::testing::TestWithParam<TTextFall> {};

TEST_P(GroupAddressString, FormatsEveryWord) {
    const TTextFall &c = GetParam();
    EXPECT_EQ(TDeviceInstanz::GetGroupAddressString(static_cast<short>(c.word), c.three), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Woerter, GroupAddressString,
    ::testing::Values(TTextFall{0x0A0B, true, "1/2/11"}, TTextFall{0x0A0B, false, "1/523"},
                      TTextFall{0, true, "0/0/0"}, TTextFall{0, false, "0/0"},
                      TTextFall{0x8A0B, true, "1/2/11"}, TTextFall{0x8A0B, false, "1/523"},
                      TTextFall{0x7FFF, true, "15/7/255"}, TTextFall{0x7FFF, false, "15/2047"},
                      TTextFall{0xFFFF, true, "15/7/255"}, TTextFall{0x0001, false, "0/1"}));

class GrpAdr : public TBusFixture {
protected:
    // 1/0/1, 1/0/2, 1/1/3, 2/0/7.
    void Baum() {
        Adresse(1, 0, 1);
        Adresse(1, 0, 2);
        Adresse(1, 1, 3);
        Adresse(2, 0, 7);
    }
    template <class T> std::vector<T *> Objekte() {
        std::vector<T *> out;
        for (const auto &[id, object] : Device->GetMidSubGroups())
            if (auto *t = dynamic_cast<T *>(object.get()))
                out.push_back(t);
        return out;
    }
    TVumaGrpAdrSub *Sub(int32_t id) {
        const auto it = Device->GetMidSubGroups().find(id);
        return it == Device->GetMidSubGroups().end()
                   ? nullptr
                   : dynamic_cast<TVumaGrpAdrSub *>(it->second.get());
    }
};

TEST_F(GrpAdr, TheTreeInThreeLevels) {
    Baum();
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    EXPECT_EQ(Device->GetMainGroups().size(), 2u);
    EXPECT_EQ(Objekte<TVumaGrpAdrMiddle>().size(), 3u);
    const auto subs = Objekte<TVumaGrpAdrSub>();
    ASSERT_EQ(subs.size(), 4u);
    std::vector<std::pair<uint16_t, int>> woerter;
    for (const TVumaGrpAdrSub *s : subs)
        woerter.emplace_back(s->GetGrpAddr(), s->GetPosId());
    std::sort(woerter.begin(), woerter.end());
    EXPECT_EQ(woerter, (std::vector<std::pair<uint16_t, int>>{
                           {0x0801, 1}, {0x0802, 2}, {0x0903, 3}, {0x1007, 7}}));
    for (const auto &[id, main] : Device->GetMainGroups()) {
        auto *m = dynamic_cast<TVumaGrpAdrMain *>(main.get());
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->GetGroupId(), id);
        EXPECT_EQ(m->GetPosId(), m->GetNumber());
        EXPECT_EQ(m->GetGrpAddr(), m->GetNumber() * 2048);
    }
    const TGrpAdrOrdner *folder = Device->GetGrpAdrFolder();
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->GetName(true), SprText(9141));
    EXPECT_EQ(folder->GetPosId(), 100);
    EXPECT_EQ(folder->GetTyp(), 203);
}

TEST_F(GrpAdr, TheTreeInTwoLevels) {
    Baum();
    Dienste.Levels = 2;
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    EXPECT_EQ(Device->GetMainGroups().size(), 2u);
    // One middle group per main group, only in the reader's view.
    EXPECT_EQ(Objekte<TVumaGrpAdrMiddle>().size(), 2u);
    std::vector<int> positionen;
    for (const TVumaGrpAdrSub *s : Objekte<TVumaGrpAdrSub>())
        positionen.push_back(s->GetPosId());
    std::sort(positionen.begin(), positionen.end());
    EXPECT_EQ(positionen, (std::vector<int>{1, 2, 7, 259})) << "word & 0x7FF";
}

TEST_F(GrpAdr, ReadingAgainRebuildsTheObjectsAndTheWindowsGroupNodes) {
    Baum();
    ASSERT_TRUE(Device->GetGrpAdrFromServer());
    EXPECT_TRUE(Dienste.Calls().empty()) << "no window holds group nodes before the first read";
    const size_t mains = Device->GetMainGroups().size();
    const size_t rest = Device->GetMidSubGroups().size();
    Adresse(3, 0, 1);
    ASSERT_TRUE(Device->GetGrpAdrFromServer());
    EXPECT_EQ(Dienste.Calls(), (std::vector<std::string>{"DeleteGrpAdr", "InitGrpAdr"}));
    EXPECT_EQ(Device->GetMainGroups().size(), mains + 1);
    EXPECT_EQ(Device->GetMidSubGroups().size(), rest + 2);
}

TEST_F(GrpAdr, TheAccessorReadsOnceAndMakesNoSecondSetOfObjects) {
    Baum();
    TEtsGruppenAdressen *reader = Device->GetGrpAdrOrdner();
    ASSERT_NE(reader, nullptr);
    std::vector<const TDataBasis *> vorher;
    for (const auto &[id, o] : Device->GetMidSubGroups())
        vorher.push_back(o.get());
    Adresse(4, 0, 1);
    EXPECT_EQ(Device->GetGrpAdrOrdner(), reader);
    Device->MakeMidSubAdrGrp();
    std::vector<const TDataBasis *> nachher;
    for (const auto &[id, o] : Device->GetMidSubGroups())
        nachher.push_back(o.get());
    EXPECT_EQ(nachher, vorher) << "the tree is not read again, no object is made twice";
}

TEST_F(GrpAdr, AFailedReadAnswersNullAndTheNextCallReadsAgain) {
    Baum();
    Db().InjectFailure("TEtsGruppenAdressen::Einlesen", 1);
    EXPECT_EQ(Device->GetGrpAdrOrdner(), nullptr);
    EXPECT_TRUE(Device->GetMainGroups().empty());
    TDataBasis *node = nullptr;
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    EXPECT_EQ(Device->GetMainGroups().size(), 2u);
    EXPECT_TRUE(Device->GetGrpAdrDataPointer(Db().SubGroupId(1, 0, 1).value(), node));
}

TEST_F(GrpAdr, CreateGrpAddrMakesTheMissingGroups) {
    Baum();
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    Dienste.ClearCalls();
    TVumaGrpAdrSub *sub = Device->CreateGrpAddr(3, 4, 5, "Neu");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->GetGrpAddr(), 3 * 2048 + 4 * 256 + 5);
    EXPECT_EQ(sub->GetName(true), "Neu");
    EXPECT_EQ(Db().SubGroupId(3, 4, 5), sub->GetGroupId());
    EXPECT_EQ(Device->GetMainGroups().size(), 3u);
    EXPECT_EQ(Dienste.Calls(),
              (std::vector<std::string>{
                  "CreateGroupAddressNodes Hauptgruppe 3 / Mittelgruppe 3/4 / Neu"}));
    // Under an existing main and middle group only the sub group is new.
    ASSERT_NE(Device->CreateGrpAddr(3, 4, 6, "Daneben"), nullptr);
    EXPECT_EQ(Device->GetMainGroups().size(), 3u);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(GrpAdr, CreateGrpAddrRefusesBit15AndAnAddressThatExists) {
    Baum();
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    EXPECT_EQ(Device->CreateGrpAddr(static_cast<short>(0x8001), 0, 1, "x"), nullptr);
    EXPECT_EQ(Device->CreateGrpAddr(1, 0, 1, "doppelt"), nullptr);
    EXPECT_EQ(Device->GetMidSubGroups().size(), 7u);
}

TEST_F(GrpAdr, CreateGrpAdrMakesNodesAndLinksTheObject) {
    TEtsObjekt *object = MelderObjekt();
    ASSERT_NE(object, nullptr);
    Dienste.ClearCalls();
    Device->CreateGrpAdr(object, 5, 1, 9, "Alarm");
    const int32_t id = Db().SubGroupId(5, 1, 9).value();
    EXPECT_TRUE(object->ExistSubGroupId(id));
    const auto links = Db().Links(Dienste.Project().PanelId());
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].groupAddress, 5 * 2048 + 256 + 9);
    const std::vector<std::string> &calls = Dienste.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "MakeNode Hauptgruppe 5 < Gruppenadressen");
    EXPECT_EQ(calls[1], "MakeNode Mittelgruppe 5/1 < Hauptgruppe 5");
    EXPECT_EQ(calls[2], "MakeNode Alarm < Mittelgruppe 5/1");
    EXPECT_EQ(calls.back(), "UpdateTreeNamesAndIcon");
    EXPECT_EQ(Device->GetDatenSatz(object)->Param14, id) << "the record carries the link";
}

TEST_F(GrpAdr, CreateGrpAdrInTwoLevelsHangsTheSubGroupUnderTheMainGroup) {
    Dienste.Levels = 2;
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    Device->CreateGrpAdr(nullptr, 2, 3, 232, "Zweistufig");
    EXPECT_EQ(Dienste.Calls(), (std::vector<std::string>{"MakeNode Hauptgruppe 2 < Gruppenadressen",
                                                         "MakeNode Zweistufig < Hauptgruppe 2"}));
}

TEST_F(GrpAdr, WithoutTheFolderNodeANewMainGroupIsRefused) {
    TEtsObjekt *object = MelderObjekt();
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    Dienste.GrpAdrOrdnerKnoten = false;
    Device->CreateGrpAdr(object, 6, 0, 1, "Ohne Ordner");
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Gruppenadress-Ordner existiert nicht.");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "FEHLER: TDeviceInstanz::InsertGrpAdr");
    EXPECT_TRUE(object->GetSubGroupLinks().empty());
}

TEST_F(GrpAdr, AFailingMakeNodeStopsBeforeTheLink) {
    TEtsObjekt *object = MelderObjekt();
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    Dienste.MakeNodeGelingt = false;
    Device->CreateGrpAdr(object, 6, 0, 1, "x");
    EXPECT_TRUE(object->GetSubGroupLinks().empty());
    EXPECT_TRUE(Db().Links(Dienste.Project().PanelId()).empty());
}

// Proposals: (used addresses, levels) -> text.
struct TVorschlag {
    std::vector<uint16_t> woerter;
    int levels;
    const char *text;
};
class Vorschlag : public GrpAdr, public ::testing::WithParamInterface<TVorschlag> {};

TEST_P(Vorschlag, ProposesTheNextFreeWord) {
    for (uint16_t w : GetParam().woerter)
        Adresse(w >> 11, (w >> 8) & 7, w & 0xFF);
    Dienste.Levels = GetParam().levels;
    bool three = !(GetParam().levels == 3);
    EXPECT_EQ(Device->GetNextHighestAndFreeGrpAdr(three), GetParam().text);
    EXPECT_EQ(three, GetParam().levels == 3);
}

INSTANTIATE_TEST_SUITE_P(Woerter, Vorschlag,
                         ::testing::Values(TVorschlag{{}, 3, "0/0/1"}, TVorschlag{{}, 2, "0/1"},
                                           TVorschlag{{0x0805, 0x0001}, 3, "1/0/6"},
                                           TVorschlag{{0x0805}, 2, "1/6"},
                                           TVorschlag{{0x7FFF, 1, 2, 3, 4}, 3, "0/0/5"},
                                           TVorschlag{{0x7FFF, 2}, 3, "0/0/1"},
                                           TVorschlag{{0x7FFF, 1, 2, 3, 4, 6}, 2, "0/5"}));

TEST_F(GrpAdr, WhenEveryLowWordIsTakenThereIsNoProposal) {
    {
        TSqlTransaction t(Db().Sql(), TSqlTransaction::Write);
        for (int w = 1; w <= 4095; ++w)
            Db().AddGroupAddress(w >> 11, (w >> 8) & 7, w & 0xFF, "x");
        Db().AddGroupAddress(15, 7, 255, "oben");
        t.Commit();
    }
    bool three = false;
    EXPECT_EQ(Device->GetNextHighestAndFreeGrpAdr(three), "");
}

TEST_F(GrpAdr, KonvertEtsGAIdChecksTheSubGroupsType) {
    Baum();
    ASSERT_NE(Device->GetGrpAdrOrdner(), nullptr);
    const int32_t id = Db().SubGroupId(1, 0, 2).value();
    TVumaGrpAdrSub *sub = Sub(id);
    ASSERT_NE(sub, nullptr);
    struct TFall {
        int subTyp, objektTyp;
        bool passt;
    };
    for (const TFall &f : {TFall{2, 3, true}, TFall{-1, 1, true}, TFall{-1, 15, true},
                           TFall{2, 1, false}, TFall{0, 3, false}}) {
        SCOPED_TRACE(testing::Message() << f.subTyp << " / " << f.objektTyp);
        sub->SetSubAdrTyp(f.subTyp);
        int found = -5;
        AnsiString message;
        EXPECT_EQ(Device->KonvertEtsGAId(found, 0x0802, message, f.objektTyp), f.passt);
        EXPECT_EQ(found, id) << "a misfit names its sub group too";
        EXPECT_EQ(message, f.passt ? "" : SprText(9132) + " 1/0/2 " + SprText(9213));
    }
    int untouched = -5;
    AnsiString message;
    EXPECT_FALSE(Device->KonvertEtsGAId(untouched, 0x0803, message, 1));
    EXPECT_EQ(untouched, -5);
    EXPECT_EQ(message, "");
}

TEST_F(GrpAdr, GetGaIdFromGaWordFindsTheSubGroupInEitherForm) {
    const int32_t hoch = Adresse(2, 3, 232); // two levels: 2/1000
    const int32_t tief = Adresse(2, 0, 5);
    for (const int levels : {3, 2}) {
        SCOPED_TRACE(levels);
        Dienste.Levels = levels;
        ASSERT_TRUE(Device->GetGrpAdrFromServer());
        int id = -1;
        EXPECT_TRUE(Device->GetGaIdFromGaWord(static_cast<short>(2 * 2048 + 1000), id));
        EXPECT_EQ(id, hoch);
        EXPECT_TRUE(Device->GetGaIdFromGaWord(static_cast<short>(2 * 2048 + 5), id));
        EXPECT_EQ(id, tief);
        EXPECT_FALSE(Device->GetGaIdFromGaWord(static_cast<short>(2 * 2048 + 6), id));
        EXPECT_EQ(id, 0);
    }
}

TEST_F(GrpAdr, ASubGroupListsTheObjectsLinkedToIt) {
    const int32_t id = Adresse(1, 0, 1);
    TEtsObjekt *object = MelderObjekt();
    ASSERT_TRUE(Device->LinkToSubGroup(id, object->GetHandle(), true));
    TDataBasis *node = nullptr;
    ASSERT_TRUE(Device->GetGrpAdrDataPointer(id, node));
    std::list<TDeviceInstanz::TSubGroupObjekt> rows;
    EXPECT_EQ(Device->GetObjektDataFromSubGroup(dynamic_cast<TVumaGrpAdrSub *>(node), rows), 1);
    ASSERT_EQ(rows.size(), 1u);
    const auto &row = rows.front();
    EXPECT_TRUE(row.Kommunikation);
    EXPECT_TRUE(row.Schreiben);
    EXPECT_FALSE(row.Lesen);
    EXPECT_EQ(row.Nummer, 0);
    EXPECT_EQ(row.GrpAdr, "1/0/1");
    EXPECT_EQ(row.PhysAdr, "01.01.001");
    EXPECT_EQ(row.TypText, "1 Bit");
    EXPECT_EQ(row.ObjektName, "Melder 1");
    EXPECT_EQ(row.Funktion, "Eingang");
    EXPECT_EQ(row.GeraeteName, "Alarmzentrale");
}

// An object that answers its flag operation with what it was given.
class TFlagObjekt : public TOrdner {
public:
    using TOrdner::TOrdner;
    int GetTyp() const override { return 6141; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis *) override { return false; }
    void Drop(TDataBasis *) override {}
    bool SetObjFkt(uint8_t value) override {
        Werte.push_back(value);
        return value != 0;
    }
    std::vector<int> Werte;
};

TEST_F(GrpAdr, SetObjFktToDataHandsTheFlagToTheObjectOfTheHandle) {
    EXPECT_FALSE(Device->SetObjFktToData(999, true));
    std::unique_ptr<TDataBasis> owner = std::make_unique<TFlagObjekt>(nullptr, 1, 1, "F", 50);
    auto *object = static_cast<TFlagObjekt *>(owner.get());
    ASSERT_TRUE(Device->SetPointer2List(owner));
    EXPECT_TRUE(Device->SetObjFktToData(50, true));
    EXPECT_FALSE(Device->SetObjFktToData(50, false));
    EXPECT_EQ(object->Werte, (std::vector<int>{1, 0}));
}

TEST_F(GrpAdr, TheSendFlagBothWays) {
    const int32_t eins = Adresse(1, 0, 1);
    const int32_t zwei = Adresse(1, 0, 2);
    TEtsObjekt *object = MelderObjekt();
    ASSERT_TRUE(Device->LinkToSubGroup(eins, object->GetHandle(), true));
    ASSERT_TRUE(Device->LinkToSubGroup(zwei, object->GetHandle(), true));
    const long objectId = object->GetDeviceObjectId();
    auto sendend = [&] {
        std::vector<uint16_t> out;
        for (const TLinkRow &l : Db().Links(Dienste.Project().PanelId()))
            if (l.sending)
                out.push_back(l.groupAddress);
        return out;
    };
    TCursorRecorder cursor;
    EXPECT_TRUE(Device->GrpAdrSendend(objectId, zwei, true)) << "a link made answers true";
    EXPECT_EQ(sendend(), std::vector<uint16_t>{0x0802});
    EXPECT_EQ(cursor.Cursors(), (std::vector<TCursor>{crHourGlass, crDefault}));
    EXPECT_TRUE(Device->GrpAdrSendend(objectId, zwei, false));
    EXPECT_TRUE(sendend().empty());
    EXPECT_FALSE(Device->GrpAdrSendend(objectId, Adresse(1, 0, 3), true)) << "no link";
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(GrpAdr, ADatabaseThatKeepsFailingEndsTheSendFlagWithFalse) {
    const int32_t eins = Adresse(1, 0, 1);
    TEtsObjekt *object = MelderObjekt();
    ASSERT_TRUE(Device->LinkToSubGroup(eins, object->GetHandle(), true));
    Db().InjectFailure("DalGetSubgroupToObjectData", 1000);
    EXPECT_FALSE(Device->GrpAdrSendend(object->GetDeviceObjectId(), eins, true));
    EXPECT_GT(Db().Failures().at(0).remaining, 990) << "one read, not a loop";
}

TEST_F(GrpAdr, AFailedRelinkShowsItsBox) {
    const int32_t eins = Adresse(1, 0, 1);
    TEtsObjekt *object = MelderObjekt();
    ASSERT_TRUE(Device->LinkToSubGroup(eins, object->GetHandle(), true));
    Db().InjectFailure("CoLinkObjectToSubGroup", 1, -2);
    EXPECT_FALSE(Device->GrpAdrSendend(object->GetDeviceObjectId(), eins, true));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9067));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9066));
}

} // namespace
