// Copy and paste of a detector: the copy's lines, a paste onto a security area (a new
// detector) and onto a detector (overwritten), the area rules, sabotage inputs and a paste
// without data.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

class Kopie : public TPanelFixture {
protected:
    HWND Fenster() { return Dienste.GetHandle(); }
    // A detector of that area (0 fire, -1 hold-up, 1 to 4) with its own settings.
    TAzMelder *Neu(int bereich, int melderTyp, int art = 0) {
        const int kind = bereich == 0 ? 0 : bereich < 0 ? 1 : 2 + bereich;
        TAzMelder *m = Device->CreateAzMelderForPaste(Fenster(), Bereich(bereich), true, kind);
        EXPECT_NE(m, nullptr);
        if (!m)
            return nullptr;
        TDatenStruktur record;
        m->Write(record);
        record.Param6 = melderTyp;
        record.Param3 = art;
        m->InitFromDB(record);
        m->WriteDatensatz();
        return m;
    }
    TStringList Kopiere(TDataBasis *object) {
        TStringList lines;
        EXPECT_EQ(Device->GetCopyData(object, &lines), 1);
        return lines;
    }
    std::vector<TDataBasis *> Kinder(TDataBasis *o) { return Device->GetKinder(o); }
};

TEST_F(Kopie, OnlyADetectorIsCopied) {
    TStringList lines;
    EXPECT_EQ(Device->GetCopyData(Bereich(1), &lines), 0);
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(Device->GetCopyData(nullptr, &lines), 1);
    EXPECT_EQ(lines.Count(), 0);
}

TEST_F(Kopie, TheCopyHoldsTheDetectorFirstThenItsChildren) {
    TAzMelder *m = Neu(1, 7);
    const TStringList lines = Kopiere(m);
    const AnsiString text = lines.Text();
    TDatenManager<TDatenStruktur> store(text.data(), static_cast<int32_t>(text.size()));
    TDatenStruktur *erster = store.GetFirst();
    ASSERT_NE(erster, nullptr);
    EXPECT_EQ(erster->Handle, m->GetHandle());
    EXPECT_EQ(erster->Param6, 7);
    int kinder = 0;
    for (TDataBasis *k : Kinder(m)) {
        TDatenStruktur r;
        EXPECT_TRUE(store.Find("Handle", k->GetHandle(), r)) << k->GetTyp();
        ++kinder;
    }
    EXPECT_GT(kinder, 0) << "a detector has its bus objects";
    // Every handle stands once.
    std::set<int> handles;
    for (TDatenStruktur *r = store.GetFirst(); r; r = store.GetNext())
        EXPECT_TRUE(handles.insert(r->Handle).second) << r->Handle;
}

TEST_F(Kopie, ADetectorOfArea1PastedOntoArea3GetsTheNextNumber) {
    ASSERT_EQ(VarianteAnwenden(0x11111111), 1); // four security areas
    ASSERT_NE(Bereich(3), nullptr);
    TAzMelder *m = Neu(1, 7);
    const int naechste = m->GetMelderNr() + 1;
    TStringList lines = Kopiere(m);
    const auto vorher = MelderNummern();
    DeliverPostedMessages();
    Dienste.ClearCalls();
    EXPECT_EQ(Device->Einfuegen(Bereich(3), &lines), 1);
    EXPECT_TRUE(Boxes.Boxes().empty()) << (Boxes.Boxes().empty() ? "" : Boxes.Boxes()[0].text);
    TAzMelder *neu = Device->GetPointerInstMelder(naechste);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(MelderNummern().size(), vorher.size() + 1);
    EXPECT_EQ(neu->GetParent(), Bereich(3)->GetHandle());
    EXPECT_EQ(neu->GetSicherungsBereichMelder(), 3);
    EXPECT_EQ(neu->GetMelderTyp(), 7);
    EXPECT_EQ(Device->GetDatenSatz(neu)->Param6, 7) << "the record is written";
    EXPECT_EQ(Kinder(neu).size(), Kinder(m).size());
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
    DeliverPostedMessages();
    const std::string abgleich = std::to_string(AzMsg::AbgleichFormVerw::Id);
    EXPECT_NE(std::find(Dienste.Calls().begin(), Dienste.Calls().end(), abgleich),
              Dienste.Calls().end());
}

TEST_F(Kopie, ADetectorPastedOntoADetectorOverwritesItsSettings) {
    TAzMelder *quelle = Neu(1, 7);
    TAzMelder *ziel = Neu(2, 2);
    const int nummer = ziel->GetMelderNr();
    const auto vorher = MelderNummern();
    TStringList lines = Kopiere(quelle);
    EXPECT_EQ(Device->Einfuegen(ziel, &lines), 1);
    EXPECT_EQ(MelderNummern(), vorher) << "nothing made";
    EXPECT_EQ(ziel->GetMelderNr(), nummer);
    EXPECT_EQ(ziel->GetSicherungsBereichMelder(), 2);
    EXPECT_EQ(ziel->GetMelderTyp(), 7);
    EXPECT_EQ(Device->GetDatenSatz(ziel)->Param6, 7);
}

TEST_F(Kopie, TheAreaRulesRefuseAndMakeNothing) {
    struct TFall {
        const char *Name;
        int Quelle; // area of the copied detector
        int Ziel;   // the target area; 10 + n: a detector of area n
    };
    const TFall faelle[] = {
        {"fire onto SB 2", 0, 2},
        {"SB 1 onto fire", 1, 0},
        {"SB 1 onto hold-up", 1, -1},
        {"hold-up onto a detector of SB 1", -1, 11},
        {"SB 1 onto a fire detector", 1, 10},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        TAzMelder *quelle = Neu(f.Quelle, 4);
        TDataBasis *ziel = f.Ziel >= 10 ? Neu(f.Ziel - 10, 1) : Bereich(f.Ziel);
        TStringList lines = Kopiere(quelle);
        const auto vorher = MelderNummern();
        Boxes.Clear();
        // The box is the refusal: the paste itself is done (no second box from the caller).
        EXPECT_EQ(Device->Einfuegen(ziel, &lines), 1);
        EXPECT_EQ(MelderNummern(), vorher);
        ASSERT_EQ(Boxes.Boxes().size(), 1u);
        EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11222));
        EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11221));
        if (auto *m = dynamic_cast<TAzMelder *>(ziel)) {
            EXPECT_EQ(m->GetMelderTyp(), 1);
        }
    }
}

TEST_F(Kopie, APastedSabotageInputIsRegistered) {
    TAzMelder *quelle = Neu(1, 3, TAzMelder::eSabotageSchalteinrichtung);
    TStringList lines = Kopiere(quelle);
    ASSERT_EQ(Device->Einfuegen(Bereich(2), &lines), 1);
    const int neu = quelle->GetMelderNr() + 1;
    EXPECT_EQ(Device->GetSaboMelder(2), (std::list<int>{neu}));
}

TEST_F(Kopie, ASabotageInputOverwrittenByAnotherTypeIsUnlinkedAfterYes) {
    TAzMelder *ziel = Device->GetPointerInstMelder(3);
    AlsSabotageEingang(ziel, 1);
    TAzScharfschaltungSsb *ssb = SabotageZuweisen(1, 3);
    ASSERT_TRUE(ssb->CheckMelderSaboSeLinked(3));
    TStringList lines = Kopiere(Neu(1, 5));

    Boxes.Answer(IDNO);
    EXPECT_EQ(Device->Einfuegen(ziel, &lines), 0);
    EXPECT_EQ(ziel->GetMelderArt(), TAzMelder::eSabotageSchalteinrichtung) << "No cancels";
    EXPECT_TRUE(ssb->CheckMelderSaboSeLinked(3));

    Boxes.Clear();
    Boxes.Answer(IDYES);
    EXPECT_EQ(Device->Einfuegen(ziel, &lines), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11100));
    EXPECT_EQ(ziel->GetMelderArt(), 0);
    EXPECT_FALSE(ssb->CheckMelderSaboSeLinked(3));
    EXPECT_TRUE(Device->GetSaboMelder(1).empty());
}

TEST_F(Kopie, APasteWithoutDataDoesNothingAndWithoutADetectorIsCancelled) {
    TStringList leer;
    const auto vorher = MelderNummern();
    EXPECT_EQ(Device->Einfuegen(nullptr, &leer), 1);
    EXPECT_EQ(Device->Einfuegen(Bereich(1), nullptr), 1);
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(MelderNummern(), vorher);
    // Lines without a detector record: the allowed type is not found.
    EXPECT_EQ(Device->Einfuegen(Bereich(1), &leer), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Erlaubter Datentyp wurde nicht gefunden");
    EXPECT_EQ(MelderNummern(), vorher);
}

// What each paste answers, which boxes it shows and whether it asks the windows to align
// (message 1157): 0 only when nothing of the copy fits the target or the user keeps the input.
TEST_F(Kopie, TheAnswerOfEachPaste) {
    TAzMelder *quelle = Neu(1, 7);
    const TStringList kopie = Kopiere(quelle);
    TStringList nurMelder;
    nurMelder.Add(Device->GetDatenSatz(quelle)->GetDatensatzZeile());
    TStringList leer;
    TAzMelder *sabotage = Device->GetPointerInstMelder(3);
    AlsSabotageEingang(sabotage, 1);
    SabotageZuweisen(1, 3);
    TDataBasis *busObjekt = Kinder(quelle).front();
    ASSERT_EQ(busObjekt->GetTyp(), TEtsObjekt::Typ);
    struct TFall {
        const char *Name;
        TDataBasis *Ziel;
        const TStringList *Text;
        std::optional<int> Antwort; // to the question about the linked sabotage input
        int Ergebnis;
        std::vector<AnsiString> Boxen;
        bool Abgleich; // message 1157 posted
        int NeueMelder;
    };
    const TFall faelle[] = {
        {"no target", nullptr, &kopie, {}, 1, {}, false, 0},
        {"no data of this version", Bereich(1), nullptr, {}, 1, {}, false, 0},
        {"a bus object: nothing to paste onto", busObjekt, &kopie, {}, 1, {}, true, 0},
        {"a folder: no record of its type",
         Erstes(6122),
         &kopie,
         {},
         0,
         {"Erlaubter Datentyp wurde nicht gefunden"},
         false,
         0},
        {"no detector record",
         Bereich(1),
         &leer,
         {},
         0,
         {"Erlaubter Datentyp wurde nicht gefunden"},
         false,
         0},
        {"another area", Bereich(0), &kopie, {}, 1, {SprText(11222)}, true, 0},
        {"no records for the children", Bereich(1), &nurMelder, {}, 1, {}, true, 1},
        {"the linked sabotage input kept", sabotage, &kopie, IDNO, 0, {SprText(11100)}, false, 0},
        {"a new detector", Bereich(1), &kopie, {}, 1, {}, true, 1},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        DeliverPostedMessages();
        Dienste.ClearCalls();
        Boxes.Clear();
        if (f.Antwort)
            Boxes.Answer(*f.Antwort);
        const size_t vorher = MelderNummern().size();
        TStringList text;
        if (f.Text)
            text = *f.Text;
        EXPECT_EQ(Device->Einfuegen(f.Ziel, f.Text ? &text : nullptr), f.Ergebnis);
        std::vector<AnsiString> boxen;
        for (const auto &b : Boxes.Boxes())
            boxen.push_back(b.text);
        EXPECT_EQ(boxen, f.Boxen);
        DeliverPostedMessages();
        const std::string abgleich = std::to_string(AzMsg::AbgleichFormVerw::Id);
        EXPECT_EQ(std::count(Dienste.Calls().begin(), Dienste.Calls().end(), abgleich),
                  f.Abgleich ? 1 : 0);
        EXPECT_EQ(MelderNummern().size(), vorher + static_cast<size_t>(f.NeueMelder));
    }
    EXPECT_EQ(sabotage->GetMelderArt(), TAzMelder::eSabotageSchalteinrichtung);
}

// A paste at the detector limit: the creation's own box says why, and the paste ends as done.
TEST_F(Kopie, AtTheDetectorLimitOnlyTheLimitsBoxIsShown) {
    const TStringList kopie = Kopiere(Neu(1, 7));
    while (Device->GetMelderNrUsed().size() < 160)
        ASSERT_TRUE(Device->CreateAzMelder(Fenster(), Bereich(1), true, 3));
    DeliverPostedMessages();
    Dienste.ClearCalls();
    Boxes.Clear();
    TStringList text = kopie;
    const size_t vorher = Device->GetObjekte().size();
    EXPECT_EQ(Device->Einfuegen(Bereich(1), &text), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9006));
    EXPECT_EQ(Device->GetObjekte().size(), vorher);
    EXPECT_EQ(Device->GetAnzahlMelder(), 161);
    DeliverPostedMessages();
    const std::string abgleich = std::to_string(AzMsg::AbgleichFormVerw::Id);
    EXPECT_EQ(std::count(Dienste.Calls().begin(), Dienste.Calls().end(), abgleich), 1);
}

TEST_F(Kopie, AMalformedLineIsReportedNotThrown) {
    TStringList lines;
    lines.Add("kein Datensatz");
    Boxes.Clear();
    EXPECT_EQ(Device->Einfuegen(Bereich(1), &lines), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11366));
}

} // namespace

namespace {
// The children's records missing from the copy: the detector's settings are pasted, and the
// paste is done although its bus objects found nothing to take.
TEST_F(Kopie, ChildrenWithoutRecordsStillPasteTheDetector) {
    TAzMelder *quelle = Neu(1, 7);
    TAzMelder *ziel = Neu(2, 2);
    const TStringList alle = Kopiere(quelle);
    const AnsiString text = alle.Text();
    TDatenManager<TDatenStruktur> store(text.data(), static_cast<int32_t>(text.size()));
    TStringList ohneKinder;
    for (TDatenStruktur *r = store.GetFirst(); r; r = store.GetNext())
        if (r->Typ == 6124)
            ohneKinder.Add(r->GetDatensatzZeile());
    ASSERT_LT(ohneKinder.Count(), alle.Count());
    EXPECT_EQ(Device->Einfuegen(ziel, &ohneKinder), 1);
    EXPECT_EQ(ziel->GetMelderTyp(), 7) << "the detector itself is pasted";
    EXPECT_TRUE(Boxes.Boxes().empty());
}
} // namespace
