// Detectors of a new panel: their numbers, making and deleting them, adding several as the user
// asks, the lists of the arming areas and the group addresses that detectors use.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "platform/objectbase/MainWindowMessages.h"

namespace {

class Melder : public TPanelFixture {
protected:
    HWND Fenster() { return Dienste.GetHandle(); }
    bool Neu(int bereich = 1) {
        return Device->CreateAzMelder(Fenster(), Bereich(bereich), true, 2 + bereich);
    }
    bool Loeschen(int n) { return Device->DeleteAzMelder(Device->GetPointerInstMelder(n)); }
    // Fills security area 1 until all 160 numbers are used.
    void Voll() {
        while (Device->GetMelderNrUsed().size() < 160)
            ASSERT_TRUE(Neu());
    }
};

TEST_F(Melder, TheSmallestFreeNumberIsTaken) {
    ASSERT_TRUE(Neu()); // 5
    ASSERT_TRUE(Loeschen(4));
    EXPECT_EQ(Device->GetMelderNrUsed(), (std::list<int>{1, 2, 3, 5}));
    EXPECT_EQ(Device->GetNextFreeMelderNr(), 4);
    EXPECT_EQ(Device->GetMelderNrUsed(), (std::list<int>{1, 2, 3, 4, 5}));
}

TEST_F(Melder, ADeletedNumberIsUsedAgain) {
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(Neu(2)); // 5 .. 8
    ASSERT_TRUE(Loeschen(7));
    EXPECT_EQ(Device->GetPointerInstMelder(7), nullptr);
    EXPECT_EQ(Parameter(70), 0) << "its bus objects are off";
    ASSERT_TRUE(Neu(1));
    ASSERT_NE(Device->GetPointerInstMelder(7), nullptr);
    EXPECT_EQ(Device->GetPointerInstMelder(7)->GetParent(), Bereich(1)->GetHandle());
    EXPECT_EQ(Parameter(70), 1);
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
}

TEST_F(Melder, TheLastNumberUsesItsOwnParameterAndThenNoneIsLeft) {
    Voll();
    EXPECT_EQ(Device->GetAnzahlMelder(), 161);
    EXPECT_EQ(Dienste.StatusPanels()[2], "160");
    EXPECT_EQ(Dienste.StatusPanels()[3], "0");
    ASSERT_NE(Device->GetPointerInstMelder(160), nullptr);
    EXPECT_EQ(Parameter(1591), 1);
    EXPECT_EQ(Device->GetNextFreeMelderNr(), 0);
    EXPECT_EQ(Device->GetMelderNrUsed().size(), 160u);
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());

    struct TFall {
        const char *Name;
        bool Paste;
    };
    for (const TFall fall : {TFall{"create", false}, TFall{"paste", true}}) {
        SCOPED_TRACE(fall.Name);
        Boxes.Clear();
        const size_t vorher = Device->GetObjekte().size();
        const bool made =
            fall.Paste ? Device->CreateAzMelderForPaste(Fenster(), Bereich(1), true, 3) != nullptr
                       : Neu();
        EXPECT_FALSE(made);
        EXPECT_EQ(Device->GetObjekte().size(), vorher);
        EXPECT_EQ(Device->GetAnzahlMelder(), 161);
        ASSERT_EQ(Boxes.Boxes().size(), 1u);
        EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9006));
        EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9028));
        EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONHAND));
    }
}

TEST_F(Melder, WithoutAWiredInputAllNumbersUsedStillRefuses) {
    Voll();
    ASSERT_TRUE(Device->DeleteVerdrahteterMelder(Device->GetPointerVerdrahteterMelder()));
    EXPECT_EQ(Device->GetAnzahlMelder(), 160);
    EXPECT_EQ(Parameter(1593), 0);
    for (const bool paste : {false, true}) {
        SCOPED_TRACE(paste);
        Boxes.Clear();
        const size_t vorher = Device->GetObjekte().size();
        const bool made =
            paste ? Device->CreateAzMelderForPaste(Fenster(), Bereich(1), true, 3) != nullptr
                  : Neu();
        EXPECT_FALSE(made);
        EXPECT_EQ(Device->GetObjekte().size(), vorher);
        EXPECT_EQ(Device->GetPointerInstMelder(0), nullptr) << "no detector of number 0";
        ASSERT_EQ(Boxes.Boxes().size(), 1u);
        EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9006));
    }
}

TEST_F(Melder, ANewDetectorGetsItsNodeInTheActiveWindowAndTheStatusBar) {
    Dienste.ClearCalls();
    ASSERT_TRUE(Neu(2));
    TAzMelder *m = Device->GetPointerInstMelder(5);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(RecordName(m), SprText(11304));
    EXPECT_EQ(m->GetPosId(), 5);
    EXPECT_EQ(m->GetMelderBereich(), T_DB_EnumAzMelder::eMelderSb2);
    ASSERT_NE(KnotenVon(m), nullptr);
    EXPECT_EQ(KnotenVon(m)->Parent, Bereich(2));
    EXPECT_EQ(Dienste.StatusPanels()[2], "5");
    EXPECT_EQ(Dienste.StatusPanels()[3], "155");
    EXPECT_GE(Dienste.ProcessMessagesCount, 2);
    // Its bus object takes one group address.
    TEtsObjekt *bus = Device->GetObjectFromObjectNr(4);
    ASSERT_NE(bus, nullptr);
    EXPECT_EQ(bus->GetParent(), m->GetHandle());
}

TEST_F(Melder, DeletingShowsItsProgressAndTakesEverythingAlong) {
    TAzMelder *m = Device->GetPointerInstMelder(3);
    const AnsiString name = m->GetName(true);
    const int handle = m->GetHandle();
    const int bus = Device->GetFirstChild(m);
    ASSERT_NE(bus, 0);
    Dienste.ClearCalls();
    ASSERT_TRUE(Loeschen(3));
    EXPECT_EQ(Device->FindHandle(handle), nullptr);
    EXPECT_EQ(Device->FindHandle(bus), nullptr);
    EXPECT_EQ(Device->GetAnzahlMelder(), 4);
    EXPECT_EQ(Dienste.StatusPanels()[2], "3");
    EXPECT_EQ(Parameter(30), 0);
    ASSERT_FALSE(Fortschritt.Aufrufe().empty());
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Caption, SprText(11360));
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Text, SprText(11361) + "3 " + SprText(11359));
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Max, 5);
    EXPECT_EQ(Fortschritt.Offen(), 0);
    EXPECT_NE(std::find(Dienste.Calls().begin(), Dienste.Calls().end(), "DeleteNode " + name),
              Dienste.Calls().end());
}

TEST_F(Melder, ASabotageInputLeavesTheArmingSettingsWhenDeleted) {
    TAzMelder *m = Device->GetPointerInstMelder(3);
    AlsSabotageEingang(m, 1);
    EXPECT_EQ(Device->GetSaboMelder(1), (std::list<int>{3}));
    TAzScharfschaltungSsb *ssb = SabotageZuweisen(1, 3);
    ASSERT_TRUE(ssb->CheckMelderSaboSeLinked(3));

    // No keeps the detector and its assignment.
    Boxes.Answer(IDNO);
    EXPECT_FALSE(Loeschen(3));
    EXPECT_NE(Device->GetPointerInstMelder(3), nullptr);
    EXPECT_TRUE(ssb->CheckMelderSaboSeLinked(3));
    EXPECT_EQ(Fortschritt.Offen(), 0);

    // Yes deletes both: the switching device keeps no deleted detector.
    Boxes.Clear();
    Boxes.Answer(IDYES);
    EXPECT_TRUE(Loeschen(3));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11100));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_FALSE(ssb->CheckMelderSaboSeLinked(3));
    EXPECT_TRUE(Device->GetSaboMelder(1).empty());
}

TEST_F(Melder, MelderLoeschenTakesOnlyADetector) {
    Dienste.Selektiert = nullptr;
    EXPECT_FALSE(Device->MelderLoeschen());
    Dienste.Selektiert = Bereich(1);
    EXPECT_FALSE(Device->MelderLoeschen());
    Dienste.Selektiert = Device->GetPointerInstMelder(4);
    EXPECT_TRUE(Device->MelderLoeschen());
    EXPECT_EQ(Device->GetPointerInstMelder(4), nullptr);
}

TEST_F(Melder, AddingOffersWhatIsFreeUnderTheSelectedArea) {
    struct TFall {
        int Typ;
        int Kind;
    };
    for (const TFall fall : {TFall{6123, 0}, TFall{6125, 1}, TFall{6127, 3}, TFall{6128, 4}}) {
        SCOPED_TRACE(fall.Typ);
        Dienste.Selektiert = Erstes(fall.Typ);
        Dienste.Dialoge.Aufrufe.clear();
        Dienste.Dialoge.MelderSkript = [](int &count, int) {
            count = 2;
            return 1;
        };
        const int vorher = Device->GetAnzahlMelder();
        EXPECT_TRUE(Device->MelderHinzufuegen());
        EXPECT_EQ(Dienste.Dialoge.Aufrufe,
                  std::vector<std::string>{"MelderHinzufuegen " + std::to_string(161 - vorher) +
                                           " " + SprText(11098)});
        EXPECT_EQ(Device->GetAnzahlMelder(), vorher + 2);
        for (TAzMelder *m : Alle<TAzMelder>(6124))
            if (m->GetParent() == Dienste.Selektiert->GetHandle()) {
                EXPECT_EQ(m->GetMelderBereich(), fall.Kind);
            }
    }
    EXPECT_EQ(Dienste.TreeUpdateTiefe, 0);
    EXPECT_EQ(Fortschritt.Offen(), 0);
}

TEST_F(Melder, AddingNeedsAnAreaAndAnOk) {
    Dienste.Dialoge.MelderSkript = [](int &count, int) {
        count = 3;
        return 2;
    };
    for (TDataBasis *selected : {static_cast<TDataBasis *>(nullptr), Erstes(6124), Erstes(6131)}) {
        Dienste.Selektiert = selected;
        EXPECT_FALSE(Device->MelderHinzufuegen());
    }
    EXPECT_TRUE(Dienste.Dialoge.Aufrufe.empty()) << "no dialog without an area";
    Dienste.Selektiert = Bereich(1);
    EXPECT_FALSE(Device->MelderHinzufuegen()) << "cancelled";
    EXPECT_EQ(Device->GetAnzahlMelder(), 5);
}

TEST_F(Melder, CancelledAtTheThirdLeavesThree) {
    Dienste.Selektiert = Bereich(2);
    Dienste.Dialoge.MelderSkript = [](int &count, int) {
        count = 10;
        return 1;
    };
    // The user presses cancel while the third detector is made: the progress dialog sends 1147
    // with 3, which the next round of the loop sees.
    const int vorher = Device->GetAnzahlMelder();
    Dienste.ProcessMessagesHook = [&] {
        if (Device->GetAnzahlMelder() == vorher + 3)
            AzMsg::Send(Dienste.GetHandle(),
                        AzMsg::ProgressAbbruch{0, AzMsg::kAbbruchMelderHinzufuegen});
    };
    EXPECT_TRUE(Device->MelderHinzufuegen());
    EXPECT_EQ(Device->GetAnzahlMelder(), vorher + 3);
    EXPECT_FALSE(Device->GetMelderHinzufuegenAbbrechen());
    EXPECT_EQ(Fortschritt.Offen(), 0);
    ASSERT_FALSE(Fortschritt.Aufrufe().empty());
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Caption, SprText(11358));
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Text, "10 " + SprText(11357));
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Max, 20);
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Art, AzMsg::kAbbruchMelderHinzufuegen)
        << "the code its cancel hands back";
    EXPECT_EQ(Dienste.TreeUpdateTiefe, 0);
    EXPECT_EQ(MelderNummern(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(Melder, AddingStopsWhenTheNumbersRunOut) {
    while (Device->GetAnzahlMelder() < 159)
        ASSERT_TRUE(Neu());
    Dienste.Selektiert = Bereich(1);
    Dienste.Dialoge.MelderSkript = [](int &count, int maximum) {
        EXPECT_EQ(maximum, 2);
        count = 5; // more than offered: the numbers stop it
        return 1;
    };
    EXPECT_TRUE(Device->MelderHinzufuegen());
    EXPECT_EQ(Device->GetAnzahlMelder(), 161);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9006));
    EXPECT_EQ(Fortschritt.Offen(), 0);
}

TEST_F(Melder, TheListsOfTheArmingAreas) {
    struct TFall {
        const char *Name;
        std::function<bool(TDeviceInstanzAz &)> Schritt;
        bool Ergebnis;
        std::list<int> Sabo1;
        std::list<int> Adressen1;
    };
    const std::vector<TFall> faelle = {
        {"sabotage 7", [](auto &d) { return d.SetMelderSaboSeToList(7, 1); }, true, {7}, {}},
        {"sabotage 3", [](auto &d) { return d.SetMelderSaboSeToList(3, 1); }, true, {3, 7}, {}},
        {"sabotage in 5", [](auto &d) { return d.SetMelderSaboSeToList(3, 5); }, false, {3, 7}, {}},
        {"clear 9", [](auto &d) { return d.ClearMelderSaboSeFromList(9, 1); }, false, {3, 7}, {}},
        {"clear 7", [](auto &d) { return d.ClearMelderSaboSeFromList(7, 1); }, true, {3}, {}},
        {"clear in 0", [](auto &d) { return d.ClearMelderSaboSeFromList(3, 0); }, false, {3}, {}},
        {"address 9",
         [](auto &d) { return d.UpdatePhysAdrUsedSsbFromList(9, 0, 1); },
         true,
         {3},
         {9}},
        {"address 4",
         [](auto &d) { return d.UpdatePhysAdrUsedSsbFromList(4, 0, 1); },
         true,
         {3},
         {4, 9}},
        {"address 4 again",
         [](auto &d) { return d.UpdatePhysAdrUsedSsbFromList(4, 0, 1); },
         true,
         {3},
         {4, 9}},
        {"9 becomes 6",
         [](auto &d) { return d.UpdatePhysAdrUsedSsbFromList(6, 9, 1); },
         true,
         {3},
         {4, 6}},
        {"6 goes", [](auto &d) { return d.UpdatePhysAdrUsedSsbFromList(0, 6, 1); }, true, {3}, {4}},
        {"address in 5",
         [](auto &d) { return d.UpdatePhysAdrUsedSsbFromList(1, 0, 5); },
         false,
         {3},
         {4}},
    };
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        EXPECT_EQ(fall.Schritt(*Device), fall.Ergebnis);
        EXPECT_EQ(Device->GetSaboMelder(1), fall.Sabo1);
        EXPECT_EQ(Device->GetPhysAdrUsed(1), fall.Adressen1);
        EXPECT_TRUE(Device->GetSaboMelder(2).empty());
    }
}

TEST_F(Melder, TheDetectorsGroupAddressList) {
    EXPECT_TRUE(Device->SetMelderGrpAdrToList(30));
    EXPECT_TRUE(Device->SetMelderGrpAdrToList(10));
    EXPECT_TRUE(Device->SetMelderGrpAdrToList(30));
    std::list<int> out{99};
    EXPECT_EQ(*Device->GetGrpAdrUsedFromMelder(out), (std::list<int>{30, 10, 30}));
    EXPECT_TRUE(Device->ClearMelderGrpAdrFromList(30));
    EXPECT_FALSE(Device->ClearMelderGrpAdrFromList(20));
    Device->SortiereListGrpAdrUsedFromMelder();
    EXPECT_EQ(*Device->GetGrpAdrUsedFromMelder(out), (std::list<int>{10, 30}));
    Device->ClearListGrpAdrUsedFromMelder();
    EXPECT_TRUE(Device->GetGrpAdrUsedFromMelder(out)->empty());
}

TEST(StringToSearchGrpAddr, NormalisesTypedAddresses) {
    struct TFall {
        const char *Text;
        int Levels;
        const char *Ergebnis;
    };
    const TFall faelle[] = {
        {"1 2 3", 3, "1/2/3"}, {"1-2-3", 3, "1/2/3"}, {" 1.2,3 ", 3, "1/2/3"},
        {"4.100", 2, "4/100"}, {"  ", 3, ""},         {"", 2, ""},
        {"1/2/3", 4, ""},      {"7", 2, "/7"},        {"01/2/3", 3, "01/2/3"},
        {"a/b/c", 3, "a/b/c"}, {"1/2/3", 2, "1/2/3"}, {"15/2047", 2, "15/2047"},
    };
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(fall.Text);
        AnsiString result = "vorher";
        TDeviceInstanzAz::StringToSearchGrpAddr(fall.Text, "/", result, fall.Levels);
        EXPECT_EQ(result, fall.Ergebnis);
    }
}

class GrpAdrVonMelder : public TBusFixture {};

TEST_F(GrpAdrVonMelder, AnAddressOfADetectorIsFoundByItsNumbers) {
    const int32_t used = Adresse(1, 2, 3);
    Adresse(1, 2, 4);
    ASSERT_TRUE(Device->GetGrpAdrFromServer());
    Device->SetMelderGrpAdrToList(used);
    struct TFall {
        const char *Text;
        bool Benutzt;
    };
    const TFall faelle[] = {
        {"1/2/3", true},  {"1 2 3", true},   {"01/2/03", true}, {"1/2/4", false},
        {"x/2/3", false}, {"1/2/3x", false}, {"  ", false},     {"1/10/3", false},
    };
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(fall.Text);
        Boxes.Clear();
        EXPECT_EQ(Device->CheckGrpAddrUsedFromMelder(fall.Text, 3), fall.Benutzt ? 1 : 0);
        EXPECT_EQ(Boxes.Boxes().size(), fall.Benutzt ? 1u : 0u);
        if (fall.Benutzt) {
            EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11094));
            EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11095));
        }
    }
    Device->ClearMelderGrpAdrFromList(used);
    EXPECT_EQ(Device->CheckGrpAddrUsedFromMelder("1/2/3", 3), 0);
}

} // namespace
