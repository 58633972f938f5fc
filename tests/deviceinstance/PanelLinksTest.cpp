// The panel's own link rules: a detector input's group address belongs to it alone, a
// single-address object has its address replaced after a question (and keeps it when the new
// one is refused), the bus tool's link event is checked against what the object may carry,
// and unlinking what the bus tool does not know still clears the tables.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/win/CursorHourGlass.h"

#include <optional>

namespace {

class PanelLinks : public TPanelFixture {
protected:
    PanelLinks() {
        for (int i = 0; i < 2; ++i)
            EXPECT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), Bereich(1), true, 3));
        Eins = Db().AddGroupAddress(1, 0, 1, "Eins");
        Zwei = Db().AddGroupAddress(1, 0, 2, "Zwei");
        EXPECT_TRUE(Device->GetGrpAdrFromServer());
        Melder1 = Device->GetObjectFromObjectNr(0);
        Melder2 = Device->GetObjectFromObjectNr(1);
        EXPECT_NE(Melder1, nullptr);
        EXPECT_NE(Melder2, nullptr);
        Boxes.Clear();
    }
    static std::vector<long> Ids(const TEtsObjekt *object) {
        std::vector<long> ids;
        for (const auto &l : object->GetSubGroupLinks())
            ids.push_back(l.SubGroupId);
        return ids;
    }
    // The sub groups the bus tool links to the object.
    std::vector<long> ProjektIds(const TEtsObjekt *object) {
        std::vector<long> ids;
        for (const int32_t id : {Eins, Zwei})
            if (Db().LinkId(static_cast<int32_t>(object->GetDeviceObjectId()), id))
                ids.push_back(id);
        return ids;
    }
    std::list<int> MelderListe() {
        std::list<int> out;
        Device->GetGrpAdrUsedFromMelder(out);
        out.sort();
        return out;
    }
    std::vector<AnsiString> BoxTexte() {
        std::vector<AnsiString> out;
        for (const auto &b : Boxes.Boxes())
            out.push_back(b.text);
        return out;
    }
    int32_t Eins = 0, Zwei = 0;
    TEtsObjekt *Melder1 = nullptr;
    TEtsObjekt *Melder2 = nullptr;
};

const AnsiString kFrage =
    "Soll die Gruppenadresse 1/0/1 durch die Gruppenadresse 1/0/2 ersetzt werden?";

TEST_F(PanelLinks, LinkToSubGroupTable) {
    struct TFall {
        const char *Name;
        bool Einzeln;               // the object may carry one address
        bool VorherEins;            // it is linked to Eins before
        bool ZweiVonMelder2;        // detector 2's input uses Zwei
        std::optional<int> Antwort; // to the replacement question
        std::optional<int> CoLink;  // the bus tool's refusal of the new link
        bool Ergebnis;
        std::vector<long> Danach; // the object's links afterwards (Eins 1, Zwei 2)
        std::vector<AnsiString> Boxen;
    };
    const TFall faelle[] = {
        {"new", false, false, false, {}, {}, true, {2}, {}},
        {"second", false, true, false, {}, {}, true, {1, 2}, {}},
        {"detector's", false, false, true, {}, {}, false, {}, {SprText(11094)}},
        {"link failed", false, false, false, {}, -1, false, {}, {SprText(9044)}},
        {"wrong type", false, true, false, {}, -2, false, {1}, {SprText(9067)}},
        {"replace cancel", true, true, false, IDCANCEL, {}, false, {1}, {kFrage}},
        {"replace ok", true, true, false, IDOK, {}, true, {2}, {kFrage}},
        {"replace ok refused", true, true, false, IDOK, -2, false, {1}, {kFrage, SprText(9067)}},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        // Every case from no links.
        for (TEtsObjekt *o : {Melder1, Melder2})
            for (long id : Ids(o))
                ASSERT_TRUE(Device->UnLinkFromSubGroup(id, o->GetDeviceObjectId()));
        Melder1->SetNumberSelectableGrpAdr(f.Einzeln ? 1 : 255);
        if (f.VorherEins) {
            ASSERT_TRUE(Device->LinkToSubGroup(Eins, Melder1->GetHandle(), true));
        }
        if (f.ZweiVonMelder2) {
            ASSERT_TRUE(Device->LinkToSubGroup(Zwei, Melder2->GetHandle(), true));
        }
        const long neu = Zwei;
        Boxes.Clear();
        if (f.Antwort)
            Boxes.Answer(*f.Antwort);
        if (f.CoLink)
            Db().InjectFailure("CoLinkObjectToSubGroup", 1, *f.CoLink);
        TCursorRecorder cursor;
        EXPECT_EQ(Device->LinkToSubGroup(neu, Melder1->GetHandle(), true), f.Ergebnis);
        Db().ClearFailures();
        std::vector<long> danach;
        for (long id : f.Danach)
            danach.push_back(id == 1 ? Eins : Zwei);
        EXPECT_EQ(Ids(Melder1), danach);
        EXPECT_EQ(ProjektIds(Melder1), danach) << "the bus tool holds the same";
        EXPECT_EQ(BoxTexte(), f.Boxen);
        // Detector 1's addresses are the detectors' (and detector 2's, when it has one).
        std::list<int> liste(danach.begin(), danach.end());
        if (f.ZweiVonMelder2)
            liste.push_back(Zwei);
        liste.sort();
        EXPECT_EQ(MelderListe(), liste);
        EXPECT_EQ(GetScreenCursor(), crDefault);
        EXPECT_EQ(Device->GetDatenSatz(Melder1)->Param14, danach.empty() ? 0 : danach.front());
    }
}

TEST_F(PanelLinks, ASubGroupHeldAlreadyIsTrueWithoutABusToolCall) {
    ASSERT_TRUE(Device->AddEtsObjectByDisplayOrder(1599, 1, -100, Root(), false));
    TEtsObjekt *reset = Device->GetObjectFromObjectNr(225);
    ASSERT_NE(reset, nullptr);
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, reset->GetHandle(), true));
    Db().InjectFailure("CoLinkObjectToSubGroup", 1, -1);
    EXPECT_TRUE(Device->LinkToSubGroup(Eins, reset->GetHandle(), true));
    EXPECT_EQ(Ids(reset), std::vector<long>{Eins});
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Db().Failures().size(), 1u) << "the bus tool was not called";
    EXPECT_TRUE(MelderListe().empty()) << "not a detector's input";
}

TEST_F(PanelLinks, LinkToSubGroupChecksItsPartners) {
    EXPECT_FALSE(Device->LinkToSubGroup(Eins, 987654, true));
    EXPECT_FALSE(Device->LinkToSubGroup(987654, Melder1->GetHandle(), true));
    EXPECT_FALSE(Device->LinkToSubGroup(Eins, Root()->GetHandle(), true));
    EXPECT_EQ(BoxTexte(), (std::vector<AnsiString>{"Object not found.\nAbort function",
                                                   "Group Address not found.\nAbort function",
                                                   "Invalid DataPointer"}));
}

TEST_F(PanelLinks, LinkAzObjToEtsSubGroupTruthTable) {
    struct TFall {
        int M;
        std::vector<uint16_t> Worte; // the object's links before (by word)
        bool AndererMelderHatEins;
        int Ergebnis;
    };
    constexpr uint16_t kEins = 0x0801, kZwei = 0x0802;
    const TFall faelle[] = {
        {255, {}, false, 1},    {2, {kEins, kZwei}, false, 1},
        {1, {}, false, 1},      {2, {kEins, kZwei, 3}, false, 0},
        {0, {kZwei}, false, 0}, {1, {kEins, kZwei}, false, 0},
        {1, {kZwei}, false, 0}, {1, {kEins}, false, 1},
        {1, {kEins}, true, 0},  {255, {kEins}, true, 1},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.M << " " << f.Worte.size());
        Melder1->ClearAllSubGroupLink();
        Melder2->ClearAllSubGroupLink();
        Melder1->SetNumberSelectableGrpAdr(f.M);
        long id = 100;
        for (uint16_t w : f.Worte)
            Melder1->AddSubGroupLink(w == kEins ? Eins : w == kZwei ? Zwei : ++id, w, false);
        if (f.AndererMelderHatEins)
            Melder2->AddSubGroupLink(Eins, kEins, false);
        EXPECT_EQ(Device->LinkAzObjToEtsSubGroup(Melder1, Eins), f.Ergebnis);
    }
    EXPECT_EQ(Device->LinkAzObjToEtsSubGroup(nullptr, Eins), 0);
    EXPECT_EQ(Device->LinkAzObjToEtsSubGroup(Root(), Eins), 0);
    EXPECT_EQ(Device->LinkAzObjToEtsSubGroup(Melder1, 987654), 0);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(PanelLinks, UnlinkingALinkTheBusToolDoesNotKnowIsTrue) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Melder1->GetHandle(), true));
    ASSERT_TRUE(Db().Unlink(Melder1->GetDeviceObjectId(), Eins));
    EXPECT_TRUE(Device->UnLinkFromSubGroup(Eins, Melder1->GetDeviceObjectId()));
    EXPECT_TRUE(Ids(Melder1).empty());
    EXPECT_EQ(Device->GetDatenSatz(Melder1)->Param14, 0);
}

TEST_F(PanelLinks, UnlinkingFreesTheDetectorsAddress) {
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Melder1->GetHandle(), true));
    EXPECT_EQ(MelderListe(), std::list<int>{Eins});
    EXPECT_TRUE(Device->UnLinkFromSubGroup(Eins, Melder1->GetDeviceObjectId()));
    EXPECT_TRUE(MelderListe().empty());
    EXPECT_TRUE(ProjektIds(Melder1).empty());
    // Refused by the bus tool: false, the tables still drop it.
    ASSERT_TRUE(Device->LinkToSubGroup(Eins, Melder1->GetHandle(), true));
    Db().InjectFailure("CoUnlinkObjectFromSubGroup", 1);
    EXPECT_FALSE(Device->UnLinkFromSubGroup(Eins, Melder1->GetDeviceObjectId()));
    EXPECT_TRUE(Ids(Melder1).empty());
    EXPECT_EQ(ProjektIds(Melder1), std::vector<long>{Eins});
}

} // namespace
