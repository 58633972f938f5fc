// The bus objects: their group-address links, how they keep them in their records, their
// bus-tool values, and the default-name alignment.
#include "platform/busobjects/TEtsObjekt.h"
#include "FakeMainWindow.h"
#include "objectmodel/RDeviceRequest.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

namespace {

using Link = TObjektBasis::RecGrpAdrId;

// A record of system 1.
TDatenStruktur Satz(int handle, int16_t typ, int parent, int next) {
    TDatenStruktur r;
    r.Handle = handle;
    r.Typ = typ;
    r.Parent = parent;
    r.System = 1;
    r.Next = next;
    return r;
}

std::unique_ptr<TEtsObjekt> Objekt(TFakeMainWindow &main, int handle) {
    auto o = std::make_unique<TEtsObjekt>(main.Handle(), 1, 2, "Objekt", 11, 22, 33, 44, 55, 66, 0,
                                          8, 2, 0, handle);
    o->KonvertHandle(&main.HandleTable());
    return o;
}

TEST(TObjektBasis, LinksKeepTheirOrderAndEachSubGroupOnce) {
    TFakeMainWindow main;
    auto o = Objekt(main, 5);
    EXPECT_FALSE(o->ExistSubGroupId(7));
    o->AddSubGroupLink(7, 0x0801, false);
    o->AddSubGroupLink(9, 0x0802, false);
    o->AddSubGroupLink(7, 0x0803, false);
    EXPECT_EQ(o->GetSubGroupLinks(), (std::vector<Link>{{7, 0x0803}, {9, 0x0802}}));
    EXPECT_TRUE(o->ExistSubGroupId(9));
    EXPECT_TRUE(o->DeleteSubGroupLink(7));
    EXPECT_FALSE(o->DeleteSubGroupLink(7));
    EXPECT_EQ(o->GetSubGroupLinks(), (std::vector<Link>{{9, 0x0802}}));
    o->ClearAllSubGroupLink();
    EXPECT_TRUE(o->GetSubGroupLinks().empty());
}

TEST(TObjektBasis, SelectableGroupAddressesAndIcon) {
    TFakeMainWindow main;
    auto o = Objekt(main, 5);
    EXPECT_EQ(o->GetNumberSelectableGrpAdr(), TObjektBasis::DefaultSelectableGrpAdr);
    o->SetNumberSelectableGrpAdr(1);
    EXPECT_EQ(o->GetNumberSelectableGrpAdr(), 1);
    EXPECT_EQ(o->GetIcon(), TEtsObjekt::IconOhneGrpAdr);
    o->AddSubGroupLink(7, 1, false);
    EXPECT_EQ(o->GetIcon(), TEtsObjekt::IconMitGrpAdr);
    EXPECT_EQ(o->GetTyp(), 806);
    EXPECT_EQ(o->GetEtsObjektTyp(), 7) << "the object type less one: the bus type code";
}

TEST(TEtsObjekt, WritesItsValuesAndLinksIntoItsRecordAndChain) {
    TFakeMainWindow main;
    auto o = Objekt(main, 5);
    o->SetParameterWert(3);
    o->SetEtsDeviceId(77);
    o->SetPosId(33);
    o->AddSubGroupLink(7, 0x0801, false);
    o->AddSubGroupLink(8, 0x0802, false);
    o->AddSubGroupLink(9, 0x0803, false);
    TDatenStruktur *record = main.GetDatenSatz(1, 2, 5);
    o->Write(*record);

    EXPECT_EQ(record->Typ, 806);
    EXPECT_EQ(record->Param1, 33);
    EXPECT_EQ(record->Param3, 3);
    EXPECT_EQ(record->Param17, 3);
    EXPECT_EQ(record->Param4, 33);
    EXPECT_EQ(record->Param5, 77);
    EXPECT_EQ(record->Param6, 44);
    EXPECT_EQ(record->Param7, 66);
    EXPECT_EQ(record->Param8, 8);
    EXPECT_EQ(record->Param9, 11);
    EXPECT_EQ(record->Param10, 22);
    EXPECT_EQ(record->Param11, 0);
    EXPECT_EQ(record->Param12, 2);
    EXPECT_EQ(record->Param16, 55);
    EXPECT_EQ(record->Param14, 7);
    EXPECT_EQ(record->Param15, 0x0801);
    // The further links hang under the object as chained records.
    const TDatenStruktur *second = main.FindDatenSatz(1, record->Next);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Typ, TDataBasis::TypNebenDatensatz);
    EXPECT_EQ(second->Parent, 5);
    EXPECT_EQ(second->Param14, 8);
    const TDatenStruktur *third = main.FindDatenSatz(1, second->Next);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->Param14, 9);
    EXPECT_EQ(third->Param15, 0x0803);
    EXPECT_EQ(third->Next, 0);
    EXPECT_EQ(main.DatenSatzCount(), 3);

    // Written again with the same links: the chain is overwritten in place.
    const int secondHandle = record->Next;
    o->Write(*record);
    EXPECT_EQ(record->Next, secondHandle);
    EXPECT_EQ(main.DatenSatzCount(), 3);

    // Fewer links: the chain is cut behind the last one (1129).
    o->DeleteSubGroupLink(8);
    o->DeleteSubGroupLink(9);
    o->Write(*record);
    EXPECT_EQ(record->Next, 0);
    EXPECT_EQ(main.DatenSatzCount(), 1);
    o->ClearAllSubGroupLink();
    o->Write(*record);
    EXPECT_EQ(record->Param14, 0);
    EXPECT_EQ(record->Param15, 0);
}

TEST(TEtsObjekt, ALinkWithoutARecordIsReportedNotLost) {
    TFakeMainWindow main;
    TMessageBoxRecorder boxes;
    // Without the handle table no chained record can be made.
    TEtsObjekt o(main.Handle(), 1, 2, "Objekt", 11, 22, 33, 44, 55, 66, 0, 8, 2, 0, 5);
    o.AddSubGroupLink(7, 0x0801, false);
    o.AddSubGroupLink(8, 0x0802, false);
    TDatenStruktur *record = main.GetDatenSatz(1, 2, 5);
    o.Write(*record);
    EXPECT_EQ(record->Param14, 7);
    EXPECT_EQ(record->Next, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "TObjektBasis::Write");
    EXPECT_NE(boxes.Boxes()[0].text.find("2050"), AnsiString::npos);
    EXPECT_EQ(o.GetSubGroupLinks().size(), 2u) << "the object keeps both";
}

TEST(TEtsObjekt, LoadsWhatItWrote) {
    TFakeMainWindow main;
    auto o = Objekt(main, 5);
    o->SetParameterWert(4);
    o->AddSubGroupLink(7, 0x0801, false);
    o->AddSubGroupLink(8, 0x0802, false);
    TDatenStruktur *record = main.GetDatenSatz(1, 2, 5);
    o->Write(*record);

    TEtsObjekt loaded(main.Handle(), 1, 2, "", -1, -1, -1, -1, -1, -1, 0, 0, 1, 0, 5);
    TDatenStruktur copy = *record;
    loaded.InitFromDB(copy);
    EXPECT_EQ(loaded.GetCommObjectId(), 11);
    EXPECT_EQ(loaded.GetDeviceObjectId(), 22);
    EXPECT_EQ(loaded.GetObjectNumber(), 33);
    EXPECT_EQ(loaded.GetReference(), 44);
    EXPECT_EQ(loaded.GetParameterId(), 55);
    EXPECT_EQ(loaded.GetFlags(), 66);
    EXPECT_EQ(loaded.GetObjectType(), 8);
    EXPECT_EQ(loaded.GetDirection(), 2);
    EXPECT_EQ(loaded.GetParameterWert(), 4);
    EXPECT_EQ(loaded.GetSubGroupLinks(), o->GetSubGroupLinks());
}

TEST(TEtsObjekt, TheLinksAreReadFromTheRecordChain) {
    // One link field of a record: sub-group id and word.
    struct TGlied {
        int32_t Id;
        int32_t Wort;
        int Next;
    };
    struct TFall {
        const char *Name;
        std::vector<TGlied> Kette; // the object's record (handle 5), then 6, 7, ...
        std::vector<Link> Links;
    };
    const TFall faelle[] = {
        {"a looping chain is read once", {{7, 0, 6}, {8, 0, 5}}, {{7, 0}, {8, 0}}},
        // A reconstruction reads only the words of an object's links from the panel.
        {"a word without a sub group is a link to convert",
         {{0, 0x0801, 6}, {0, 0x0802, 7}, {0, 0, 0}},
         {{0, 0x0801}, {0, 0x0802}}},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        TFakeMainWindow main;
        std::vector<TDatenStruktur> records;
        for (size_t i = 0; i < f.Kette.size(); ++i) {
            const int handle = 5 + static_cast<int>(i);
            TDatenStruktur r = Satz(handle, i == 0 ? 806 : TDataBasis::TypNebenDatensatz,
                                    i == 0 ? 2 : 5, f.Kette[i].Next);
            r.Param14 = f.Kette[i].Id;
            r.Param15 = f.Kette[i].Wort;
            main.AddDatenSatz(r);
            records.push_back(r);
        }
        TEtsObjekt o(main.Handle(), 1, 2, "", -1, -1, -1, -1, -1, -1, 0, 0, 1, 0, 5);
        o.InitFromDB(records.front());
        EXPECT_EQ(o.GetSubGroupLinks(), f.Links);
    }
}

// A main window that knows the words of some sub groups (message 1149) and answers 0 for
// every other sub group.
class TWortFenster : public TMessageTarget {
public:
    std::map<long, int> Worte;
    std::vector<long> Gefragt;
    HWND Handle() const { return FRegistration.Handle(); }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != AzMsg::GetGrpAdrNrAsZahl::Id)
            return 0;
        return AzMsg::Answer<AzMsg::GetGrpAdrNrAsZahl>(wParam, lParam, [&](const auto &m) {
            Gefragt.push_back(m.Wert);
            const auto it = Worte.find(m.Wert);
            if (it == Worte.end() || !m.Out)
                return LRESULT{0};
            *m.Out = it->second;
            return LRESULT{1};
        });
    }

private:
    TMessageTargetRegistration FRegistration{this};
};

TEST(TObjektBasis, EachLinkTakesItsWordAnewFromTheMainWindow) {
    TWortFenster fenster;
    fenster.Worte = {{7, 0x0A05}, {9, 0x0102}};
    TEtsObjekt o(fenster.Handle(), 1, 2, "Objekt", 11, 22, 33, 44, 55, 66, 0, 1, 2, 0, 5);
    o.AddSubGroupLink(7, 0x0801, false);
    o.AddSubGroupLink(9, 0x0802, false);
    AnsiString detail = "vorher";
    EXPECT_TRUE(o.UpdateAssociatedAddress(detail));
    EXPECT_EQ(o.GetSubGroupLinks(), (std::vector<Link>{{7, 0x0A05}, {9, 0x0102}}));
    EXPECT_EQ(detail, "vorher");
    EXPECT_EQ(fenster.Gefragt, (std::vector<long>{7, 9}));
}

TEST(TObjektBasis, AnUnknownSubGroupKeepsItsWordAndIsNamedInTheDetail) {
    TWortFenster fenster;
    fenster.Worte = {{9, 0x0102}};
    TEtsObjekt o(fenster.Handle(), 1, 2, "Objekt", 11, 22, 33, 44, 55, 66, 0, 1, 2, 0, 5);
    o.AddSubGroupLink(7, 0x0801, false);
    o.AddSubGroupLink(9, 0x0802, false);
    AnsiString detail;
    EXPECT_FALSE(o.UpdateAssociatedAddress(detail));
    EXPECT_EQ(o.GetSubGroupLinks(), (std::vector<Link>{{7, 0x0801}, {9, 0x0102}}))
        << "the unknown link stays as it was, the next one is still renewed";
    EXPECT_EQ(detail, "\nSubGroupId not found: 7");
}

} // namespace
