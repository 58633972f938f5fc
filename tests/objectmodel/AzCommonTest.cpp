// What all panel classes share: the handler epilogue, the request record, the default-name
// alignment, the class table and the four folders.
#include "AzTestHilfen.h"
#include "FakeMainWindow.h"
#include "objectmodel/AzGrid.h"
#include "objectmodel/AzKlassen.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzObjekt.h"
#include "objectmodel/TAzOrdner.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

// A data class of the detector's entry whose Write notes itself in the main window's log.
class TProbe : public TAzObjekt<TDataBasis, AzKlasse::Melder> {
public:
    TProbe(TFakeMainWindow &main, int handle)
        : TAzObjekt(main.Handle(), 1, 2, "Probe", handle), FMain(main) {}
    void Write(TDatenStruktur &record) override {
        FMain.Note("Write");
        TAzObjekt::Write(record);
    }
    void BuildInfoWindow(TDrawGridSE *, TListView *, bool, int, int) override {}
    bool DatenAbgleich(bool, bool) override { return DatenAbgleichDefaultName(); }

private:
    TFakeMainWindow &FMain;
};

struct EpilogCase {
    const char *name;
    TAzEpilog flags;
    bool noRecord;
    Trace expected;
};
void PrintTo(const EpilogCase &c, std::ostream *os) {
    *os << c.name;
}

class EpilogTest : public ::testing::TestWithParam<EpilogCase> {};

TEST_P(EpilogTest, WritesTheRecordBeforeEveryPostInTheFixedOrder) {
    const EpilogCase &c = GetParam();
    TFakeMainWindow main;
    main.AnswerNoRecord = c.noRecord;
    TProbe probe(main, 40);
    c.flags.Run(probe, 3, 4);
    EXPECT_EQ(PostedMessageCount(), static_cast<int>(c.flags.Post1157) + c.flags.Post1126 +
                                        c.flags.Post1163 + c.flags.Post1138);
    for (const auto &e : main.Log())
        EXPECT_EQ(e.Queued, 0) << "the record is written before anything is posted";
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), c.expected);
    for (const auto &e : main.Log()) {
        if (e.Msg == WM_AZ_ABGLEICH_FORMVERW || e.Msg == WM_AZ_AKTUALISIERE_ANSICHT) {
            EXPECT_EQ(e.WParam, 3u);
            EXPECT_EQ(e.LParam, 4);
        } else if (e.Msg == WM_AZ_REFRESH_OTHER_WINDOWS || e.Msg == WM_AZ_UPDATE_TREE_NAMES) {
            EXPECT_EQ(e.WParam, 0u);
            EXPECT_EQ(e.LParam, 0);
        }
    }
    if (c.flags.Write && !c.noRecord) {
        const TDatenStruktur *rec = main.FindDatenSatz(1, 40);
        ASSERT_NE(rec, nullptr);
        EXPECT_EQ(rec->Typ, 6124);
        EXPECT_EQ(rec->Name, "Probe");
    }
}

TAzEpilog Flags(bool write, bool p1157, bool p1126, bool p1163, bool p1138) {
    TAzEpilog e;
    e.Write = write;
    e.Post1157 = p1157;
    e.Post1126 = p1126;
    e.Post1163 = p1163;
    e.Post1138 = p1138;
    return e;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, EpilogTest,
    ::testing::Values(EpilogCase{"Nothing", Flags(false, false, false, false, false), false, {}},
                      EpilogCase{"WriteOnly",
                                 Flags(true, false, false, false, false),
                                 false,
                                 {"1127", "Write", "1130"}},
                      EpilogCase{"Write1163",
                                 Flags(true, false, false, true, false),
                                 false,
                                 {"1127", "Write", "1130", "1163"}},
                      EpilogCase{"Write1163And1138",
                                 Flags(true, false, false, true, true),
                                 false,
                                 {"1127", "Write", "1130", "1163", "1138"}},
                      EpilogCase{"Write1157And1126",
                                 Flags(true, true, true, false, false),
                                 false,
                                 {"1127", "Write", "1130", "1157", "1126"}},
                      EpilogCase{"All",
                                 Flags(true, true, true, true, true),
                                 false,
                                 {"1127", "Write", "1130", "1157", "1126", "1163", "1138"}},
                      EpilogCase{"PostsWithoutWrite",
                                 Flags(false, true, false, true, true),
                                 false,
                                 {"1157", "1163", "1138"}},
                      EpilogCase{"NoRecordStillPosts",
                                 Flags(true, false, true, true, false),
                                 true,
                                 {"1127", "1126", "1163"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RDeviceRequest, EveryFieldStartsAtZeroHoweverTheRecordIsMade) {
    alignas(RDeviceRequest) unsigned char buffer[sizeof(RDeviceRequest)];
    std::memset(buffer, 0xAB, sizeof buffer);
    auto *r = new (buffer) RDeviceRequest;
    EXPECT_EQ(r->Handle, 0);
    EXPECT_EQ(r->Code, 0);
    EXPECT_EQ(r->Sender, nullptr);
    EXPECT_EQ(r->Datensatz, nullptr);
    EXPECT_TRUE(r->Text2.empty());
    EXPECT_EQ(r->Text, nullptr);
    EXPECT_EQ(r->Wert, 0);
    EXPECT_EQ(r->Wert2, 0);
    EXPECT_EQ(r->Wert3, 0);
    EXPECT_EQ(r->Wert4, 0);
    EXPECT_EQ(r->Variante, 0);
    r->~RDeviceRequest();

    TFakeMainWindow main;
    TProbe probe(main, 40);
    std::memset(buffer, 0xCD, sizeof buffer);
    r = new (buffer) RDeviceRequest(probe, 7);
    EXPECT_EQ(r->Handle, 40);
    EXPECT_EQ(r->Code, 7);
    EXPECT_EQ(r->Sender, &probe);
    EXPECT_EQ(r->Datensatz, nullptr);
    EXPECT_EQ(r->Wert4, 0);
    EXPECT_EQ(r->Variante, 0);
    r->~RDeviceRequest();
}

TEST(RDeviceRequest, SendGoesToTheSendersWindowWithTheRecordAddress) {
    TFakeMainWindow main;
    TProbe probe(main, 40);
    RDeviceRequest r(probe, 13);
    r.Wert = 2;
    main.Script(WM_AZ_DEVICE_REQUEST, [&r](RDeviceRequest &got) {
        EXPECT_EQ(&got, &r);
        got.Wert2 = 99;
        return LRESULT(1);
    });
    EXPECT_EQ(r.Send(WM_AZ_DEVICE_REQUEST), 1);
    EXPECT_EQ(r.Wert2, 99);
    ASSERT_EQ(main.Trace(), Trace{"1133"});
    EXPECT_EQ(main.Log()[0].WParam, 0u);
    EXPECT_EQ(RDeviceRequest().Send(WM_AZ_DEVICE_REQUEST), 0) << "no sender, no message";
    EXPECT_EQ(main.Log().size(), 1u);
    main.Script(WM_AZ_SET_MODIFIED, LRESULT(1));
    EXPECT_EQ(r.Send(WM_AZ_SET_MODIFIED), 0) << "a record travels only as a request";
    EXPECT_EQ(main.Log().size(), 1u);
}

TEST(RDeviceRequest, SendTakesTheSecondChannelWhenAskedTo) {
    TFakeMainWindow main;
    TProbe probe(main, 40);
    RDeviceRequest r(probe, AzRequest::DefaultName);
    main.Script(WM_AZ_DEVICE_REQUEST_2, [&r](RDeviceRequest &got) {
        EXPECT_EQ(&got, &r);
        return LRESULT(5);
    });
    EXPECT_EQ(r.Send(WM_AZ_DEVICE_REQUEST_2), 5);
    EXPECT_EQ(main.Trace(), Trace{"1161"});
    EXPECT_TRUE(main.Requests(WM_AZ_DEVICE_REQUEST).empty());
}

TEST(AzDatenAbgleich, TakesTheDefaultNameOnlyWhenTheRequestIsDone) {
    for (const LRESULT answer : {LRESULT(1), LRESULT(0)}) {
        SCOPED_TRACE(answer);
        TFakeMainWindow main;
        TProbe probe(main, 40);
        main.Script(WM_AZ_DEVICE_REQUEST_2, [answer](RDeviceRequest &r) {
            if (r.Text)
                *r.Text = "Eingang 7";
            return answer;
        });
        EXPECT_EQ(probe.DatenAbgleich(true, false), answer != 0);
        EXPECT_EQ(probe.GetName(true), answer ? "Eingang 7" : "Probe");
        const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST_2);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].Code, AzRequest::DefaultName);
        EXPECT_EQ(requests[0].Handle, 40);
        EXPECT_EQ(requests[0].Sender, &probe);
        EXPECT_TRUE(requests[0].HasText);
    }
}

TEST(AzDatenAbgleich, AnAnswerThatGivesNoNameKeepsTheName) {
    TFakeMainWindow main;
    TProbe probe(main, 40);
    AnsiString gefragt = "nicht gefragt";
    main.Script(WM_AZ_DEVICE_REQUEST_2, [&gefragt](RDeviceRequest &r) {
        gefragt = *r.Text;
        return LRESULT(1);
    });
    EXPECT_TRUE(probe.DatenAbgleich(true, false));
    EXPECT_EQ(gefragt, "Probe");
    EXPECT_EQ(probe.GetName(true), "Probe");
}

TEST(AzKlassen, TypeIdsAreUniqueAndFoundAgain) {
    std::set<int> typen;
    for (const TAzKlasse *k : AzKlasse::Alle) {
        EXPECT_TRUE(typen.insert(k->Typ).second) << k->Name;
        EXPECT_EQ(AzKlasse::VonTyp(k->Typ), k);
        EXPECT_TRUE(k->ListStyle == 0 || k->ListStyle == 1) << k->Name;
    }
    EXPECT_EQ(AzKlasse::VonTyp(806), nullptr);
}

TEST(AzDrop, NoPanelObjectAcceptsADroppedObjectOrANullOne) {
    TFakeMainWindow main;
    TProbe probe(main, 40);
    TProbe other(main, 41);
    TAzOrdnerSicherungsBereich folder(main.Handle(), 1, 1, "Melder / Sabotage", 3);
    EXPECT_FALSE(probe.AllowDrop(&other));
    EXPECT_FALSE(probe.AllowDrop(nullptr));
    EXPECT_FALSE(folder.AllowDrop(&probe));
    EXPECT_FALSE(folder.AllowDrop(nullptr));
    folder.Drop(&probe);
    EXPECT_TRUE(main.Log().empty());
}

struct FolderCase {
    const char *name;
    std::function<std::unique_ptr<TDataBasis>(HWND)> make;
    int typ;
    int icon;
};
void PrintTo(const FolderCase &c, std::ostream *os) {
    *os << c.name;
}

class FolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderTest, ListsItsChildrenAcceptsNoneAndHasNoParameters) {
    const FolderCase &c = GetParam();
    TFakeMainWindow main;
    const std::unique_ptr<TDataBasis> folder = c.make(main.Handle());
    EXPECT_EQ(folder->GetTyp(), c.typ);
    EXPECT_EQ(folder->GetIcon(), c.icon);
    EXPECT_EQ(folder->ListStyle(), 0);
    EXPECT_EQ(folder->GetQuickHelpIndexOffset(), 0);
    EXPECT_EQ(folder->GetName(true), "Ordner");
    EXPECT_FALSE(folder->AllowChild(6124));
    EXPECT_FALSE(folder->AllowChild(c.typ));
    EXPECT_TRUE(folder->DatenAbgleich(true, true));
    EXPECT_TRUE(main.Log().empty()) << "no default-name request for a folder";

    TDrawGridSE grid;
    grid.Tag = -1;
    folder->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0).Kind, TCell::ckEmpty);
    EXPECT_FALSE(grid.OnComboBoxChange);
    folder->BuildInfoWindow(nullptr, nullptr, false, 1, 1);
    folder->BuildInfoWindow(&grid, nullptr, false, -1, 0);
    DeliverPostedMessages();
    EXPECT_EQ(main.Trace(), Trace{"1136"});

    main.ClearLog();
    EXPECT_TRUE(folder->WriteDatensatz());
    const TDatenStruktur *rec = main.FindDatenSatz(1, 3);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->Typ, c.typ);
    EXPECT_EQ(rec->Name, "Ordner");
}

template <class T> FolderCase Folder(const char *name, int typ, int icon) {
    return {name,
            [](HWND w) -> std::unique_ptr<TDataBasis> {
                return std::make_unique<T>(w, 1, 1, "Ordner", 3);
            },
            typ, icon};
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderTest,
    ::testing::Values(Folder<TAzOrdnerSicherungsBereich>("SicherungsBereich", 6122, 31),
                      Folder<TAzOrdnerScharfschaltung>("Scharfschaltung", 6131, 40),
                      Folder<TAzOrdnerAlarmierung>("Alarmierung", 6139, 48),
                      Folder<TAzOrdnerSicherheitStoerung>("SicherheitStoerung", 6144, 56)),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
