// The panel's default tree and the parts that follow the configuration variant: objects by
// type, detector numbers, names, positions, the status bar, the device parameters and the bus
// objects that the bus tool switched on.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "objectmodel/TAzAnzeige.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/win/Messages.h"

#include <set>

namespace {

struct TVariantenFall {
    uint32_t Variante;
    std::vector<int> Bereiche; // the security and arming areas that exist
    std::vector<int> Melder;   // detector numbers (0: the wired input)
};

class NeuesPanel : public TPanelFixture, public ::testing::WithParamInterface<TVariantenFall> {};

TEST_P(NeuesPanel, HasTheTreeOfItsVariant) {
    const TVariantenFall &fall = GetParam();
    if (fall.Variante != TAzSystem::DefaultVarianteAz) {
        EXPECT_EQ(VarianteAnwenden(fall.Variante), 1);
        EXPECT_FALSE(Dienste.KeepCellEditor) << "the flag holds only while the variant changes";
    }
    const int k = static_cast<int>(fall.Bereiche.size());
    std::map<int, int> erwartet = {{105, 1},  {6121, 1}, {6122, 1}, {6123, 1}, {6125, 1},
                                   {6126, 1}, {6131, 1}, {6139, 1}, {6140, 1}, {6141, 1},
                                   {6142, 1}, {6144, 1}, {6145, 1}, {6146, 2}, {6147, 1}};
    for (int n : fall.Bereiche) {
        erwartet[6126 + n] = 1;
        erwartet[6131 + n] = 1;
    }
    if (k > 0) {
        erwartet[6136] = k;
        erwartet[6137] = k;
    }
    erwartet[6138] = 2 + k;
    erwartet[6143] = 2 + std::min(k, 2);
    erwartet[6124] = static_cast<int>(fall.Melder.size());
    EXPECT_EQ(AnzahlNachTyp(), erwartet);
    EXPECT_EQ(MelderNummern(), fall.Melder);

    const int count = static_cast<int>(fall.Melder.size());
    EXPECT_EQ(Device->GetAnzahlMelder(), count);
    EXPECT_EQ(Dienste.StatusPanels()[2], std::to_string(count - 1));
    EXPECT_EQ(Dienste.StatusPanels()[3], std::to_string(161 - count));

    // Every detector's bus objects are switched on by its own parameter with its area code.
    for (TAzMelder *m : Alle<TAzMelder>(6124)) {
        const int n = m->GetMelderNr();
        const int kind = m->GetMelderBereich();
        const int code = kind == 0 ? 5 : kind == 1 ? 6 : kind == 2 ? 1 : kind - 2;
        EXPECT_EQ(Parameter(n == 0 ? 1593 : 10 * n), code) << "detector " << n;
    }
    if (std::find(fall.Melder.begin(), fall.Melder.end(), 0) == fall.Melder.end()) {
        EXPECT_EQ(Parameter(1593), 0) << "no wired input, its objects are off";
    }
    // The arming areas' objects are on exactly for the areas there.
    for (int n = 1; n <= 4; ++n) {
        const bool da =
            std::find(fall.Bereiche.begin(), fall.Bereiche.end(), n) != fall.Bereiche.end();
        EXPECT_EQ(Parameter(1650 + 100 * (n - 1)), da ? 1 : 0) << "area " << n;
        EXPECT_EQ(Parameter(1660 + 100 * (n - 1)), da ? 1 : 0) << "area " << n;
        EXPECT_EQ(Parameter(5300 + 100 * (n - 1)), da ? 1 : 0) << "area " << n;
    }
    // What the tree holds is what the bus tool switched on.
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
    EXPECT_FALSE(AktiveObjekte().empty());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Varianten, NeuesPanel,
    ::testing::Values(TVariantenFall{0x11330000, {1, 2}, {0, 1, 2, 3, 4}},
                      TVariantenFall{0, {}, {1, 2}}, TVariantenFall{0x11000000, {1}, {0, 1, 2, 3}},
                      TVariantenFall{0x11111111, {1, 2, 3, 4}, {0, 1, 2, 3, 4, 5, 6}}));

class PanelBaum : public TPanelFixture {};

TEST_F(PanelBaum, NamesAndPositionsOfTheDefaultTree) {
    struct TZeile {
        int Typ;
        AnsiString Name;
        int PosId;
        int ParentTyp;
    };
    const std::vector<TZeile> zeilen = {
        {6121, SprText(11300), 6, 105},  {6122, SprText(11314), 2, 105},
        {6131, SprText(11312), 3, 105},  {6139, SprText(11310), 4, 105},
        {6142, SprText(11311), 5, 105},  {6144, SprText(11313), 7, 105},
        {6147, SprText(11299), 8, 105},  {6123, SprText(11326), 1, 6122},
        {6125, SprText(11327), 2, 6122}, {6126, SprText(11315), 4, 6122},
        {6127, SprText(11322), 5, 6122}, {6128, SprText(11323), 6, 6122},
        {6132, SprText(11316), 1, 6131}, {6133, SprText(11317), 2, 6131},
        {6140, SprText(11293), 8, 6139}, {6141, SprText(11302), 9, 6139},
        {6145, SprText(11301), 1, 6144},
    };
    for (const TZeile &z : zeilen) {
        SCOPED_TRACE(z.Typ);
        TDataBasis *o = Erstes(z.Typ);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(RecordName(o), z.Name);
        EXPECT_EQ(o->GetPosId(), z.PosId);
        TDataBasis *parent = Device->FindHandle(o->GetParent());
        ASSERT_NE(parent, nullptr);
        EXPECT_EQ(parent->GetTyp(), z.ParentTyp);
    }
    EXPECT_EQ(Root()->GetName(true), "Alarmzentrale");
    EXPECT_EQ(Device->GetPointerEdtitierbareTexte(), Erstes(6121));
    EXPECT_NE(Erstes(6121), nullptr);

    // Numbered objects: the text, a blank and the number.
    std::set<AnsiString> namen;
    for (const auto &[handle, object] : Device->GetObjekte())
        if (object->GetTyp() != TEtsObjekt::Typ)
            namen.insert(RecordName(object.get()));
    for (const AnsiString &name :
         {SprText(11320) + " 1", SprText(11320) + " 2", SprText(11321) + " 1",
          SprText(11321) + " 2", SprText(11297) + " 1", SprText(11297) + " 2",
          SprText(11298) + " 1", SprText(11298) + " 4", SprText(11295), SprText(11296),
          SprText(11328), SprText(11329), SprText(11309), SprText(11307), SprText(11308),
          SprText(11303), SprText(11304)})
        EXPECT_TRUE(namen.count(name)) << name;

    // The detectors: numbered from 1 in creation order, the wired input at position 3.
    TAzMelder *verdrahtet = Device->GetPointerVerdrahteterMelder();
    ASSERT_NE(verdrahtet, nullptr);
    EXPECT_EQ(verdrahtet->GetMelderNr(), 0);
    EXPECT_EQ(verdrahtet->GetPosId(), 3);
    EXPECT_EQ(verdrahtet->GetVarianteAz(), TAzSystem::DefaultVarianteAz);
    EXPECT_EQ(Device->GetPointerInstMelder(1)->GetParent(), Bereich(0)->GetHandle());
    EXPECT_EQ(Device->GetPointerInstMelder(2)->GetParent(), Bereich(-1)->GetHandle());
    EXPECT_EQ(Device->GetPointerInstMelder(3)->GetParent(), Bereich(1)->GetHandle());
    EXPECT_EQ(Device->GetPointerInstMelder(4)->GetParent(), Bereich(2)->GetHandle());
    EXPECT_EQ(Device->GetPointerInstMelder(4)->GetPosId(), 4);
    // No project window node and no progress dialog while the tree is built.
    EXPECT_EQ(PanelKnoten(), 0u);
    EXPECT_TRUE(Fortschritt.Aufrufe().empty());
    EXPECT_EQ(Parameter(10070), static_cast<int>(TAzSystem::DefaultVarianteAz));
}

TEST_F(PanelBaum, LookupsFindTheirObjects) {
    EXPECT_EQ(Device->GetPointerInstAzSystem(), Root());
    EXPECT_EQ(Device->GetPointerInstOrdnerSB(Root()), Erstes(6122));
    EXPECT_EQ(Device->GetPointerInstOrdnerSS(Root()), Erstes(6131));
    EXPECT_EQ(Device->GetPointerInstOrdnerAlarmierung(Root()), Erstes(6139));
    EXPECT_EQ(Device->GetPointerInstOrdnerAnzeige(), Erstes(6142));
    EXPECT_EQ(Device->GetPointerInstOrdnerSB(Erstes(6131)), nullptr);
    EXPECT_EQ(Device->GetPointerInstScharfschaltBereich(6133), Erstes(6133));
    EXPECT_EQ(Device->GetPointerInstScharfschaltBereich(6134), nullptr);
    ASSERT_NE(Device->GetPointerInstScharfschaltungSsb(2), nullptr);
    EXPECT_EQ(Device->GetPointerInstScharfschaltungSsb(2)->GetScharfschaltBereich(), 2);
    EXPECT_EQ(Device->GetPointerInstScharfschaltungSsb(3), nullptr);
    EXPECT_EQ(Device->GetPointerInstMelder(5), nullptr);
    for (int index = 0; index < 4; ++index) {
        TAzAnzeige *a = Device->GetPointerInstAnzeige(Erstes(6142), index);
        ASSERT_NE(a, nullptr);
        TAzAnzeige::TEnumAnzeigeNr nr{};
        EXPECT_EQ(a->GetAnzeigeNr(nr), index);
    }
    EXPECT_EQ(Device->GetPointerInstAnzeige(Erstes(6142), 4), nullptr);
    EXPECT_EQ(static_cast<TDataBasis *>(Device->GetPointerInstEdtitierbareTexte(nullptr, Root())),
              Erstes(6121));
}

TEST_F(PanelBaum, ApplyingTheSameVariantAgainChangesNothing) {
    std::set<int> vorher;
    for (const auto &[handle, object] : Device->GetObjekte())
        vorher.insert(handle);
    const size_t knoten = Dienste.Knoten().size();
    EXPECT_EQ(VarianteAnwenden(TAzSystem::DefaultVarianteAz), 1);
    std::set<int> nachher;
    for (const auto &[handle, object] : Device->GetObjekte())
        nachher.insert(handle);
    EXPECT_EQ(nachher, vorher);
    EXPECT_EQ(Dienste.Knoten().size(), knoten);
}

TEST_F(PanelBaum, DroppingAnAreaRemovesItsPartsAndAddingItBringsThemBack) {
    ASSERT_EQ(VarianteAnwenden(0x11000000), 1);
    EXPECT_EQ(Erstes(6128), nullptr);
    EXPECT_EQ(Erstes(6133), nullptr);
    EXPECT_EQ(Device->GetPointerInstScharfschaltungSsb(2), nullptr);
    EXPECT_EQ(Device->GetPointerInstAnzeige(Erstes(6142), 3), nullptr);
    EXPECT_EQ(Device->GetPointerInstMelder(4), nullptr);
    EXPECT_FALSE(Device->GetQuittierungUeg(2));
    EXPECT_FALSE(Device->GetAlarmierungUeg(2));
    // Every record of a removed object went with it.
    for (const auto &[system, tree] : Device->GetDatenTree())
        for (const auto &[parent, record] : *tree)
            if (record.Typ != TDataBasis::TypNebenDatensatz) {
                EXPECT_NE(Device->FindHandle(record.Handle), nullptr) << record.Name;
            }
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());

    Dienste.ClearCalls();
    ASSERT_EQ(VarianteAnwenden(TAzSystem::DefaultVarianteAz), 1);
    EXPECT_NE(Erstes(6128), nullptr);
    EXPECT_NE(Erstes(6133), nullptr);
    EXPECT_NE(Device->GetPointerInstAnzeige(Erstes(6142), 3), nullptr);
    EXPECT_EQ(MelderNummern(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
    // Made while the user works: with their nodes, and area 2's progress dialog.
    EXPECT_NE(KnotenVon(Erstes(6128)), nullptr);
    ASSERT_FALSE(Fortschritt.Aufrufe().empty());
    EXPECT_EQ(Fortschritt.Aufrufe().front().Aktion, TDlgProgressAktion::Start);
    EXPECT_EQ(Fortschritt.Offen(), 0);
    EXPECT_EQ(Dienste.Calls().front(), "KeepCellEditor 1");
    EXPECT_EQ(Dienste.Calls().back(), "KeepCellEditor 0");
}

// The variant change through the root's own row, the device answering its requests: 0x11000000
// drops security area 2, whose detector 4 is the sabotage input of arming area 2's switching
// device. No keeps the assignment, and so the whole change is refused; Yes lets it go with the
// area.
struct TBehaltenFall {
    const char *Name;
    int Antwort; // to the question whether the assignment is to go
    uint32_t Wort;
};

class SabotageEingangBehalten : public TPanelFixture,
                                public ::testing::WithParamInterface<TBehaltenFall> {
protected:
    // The tree: each object's handle, type, parent and name.
    std::vector<std::string> Baum() {
        std::vector<std::string> out;
        for (const auto &[handle, object] : Device->GetObjekte())
            out.push_back(std::to_string(handle) + " " + std::to_string(object->GetTyp()) + " " +
                          std::to_string(object->GetParent()) + " " + object->GetName(true));
        return out;
    }
    // The device parameters that differ from their defaults.
    std::vector<std::string> Geaendert() {
        std::vector<std::string> out;
        for (const auto &row : Db().ChangedParameters(Panel()))
            out.push_back(std::to_string(row.id) + "=" + std::to_string(row.value));
        return out;
    }
    void VarianteAendern(uint32_t wort) {
        Dienste.Dialoge.VarianteSkript = [wort](uint32_t &v) {
            v = wort;
            return 1;
        };
        TDrawGridSE grid;
        Root()->BuildInfoWindow(&grid, nullptr, false, -1, -1);
        grid.ActivateCell(1, 0);
        grid.ClickEllipsis();
        DeliverPostedMessages();
    }
};

TEST_P(SabotageEingangBehalten, TheWordTheTreeTheRecordsAndTheParametersAgree) {
    const TBehaltenFall &fall = GetParam();
    AlsSabotageEingang(Device->GetPointerInstMelder(4), 2);
    SabotageZuweisen(2, 4);
    ASSERT_TRUE(Device->WriteBlob());
    const std::vector<std::string> baumVorher = Baum();
    const AnsiString recordsVorher = Schreiben();
    const std::vector<std::string> parameterVorher = Geaendert();

    Boxes.Answer(IDYES); // change the configuration
    Boxes.Answer(fall.Antwort);
    VarianteAendern(0x11000000);

    std::vector<AnsiString> texte;
    for (const auto &box : Boxes.Boxes())
        texte.push_back(box.text);
    EXPECT_EQ(texte, (std::vector<AnsiString>{SprText(11089), SprText(11100)}))
        << "asked once, and no restart box";
    EXPECT_EQ(Root()->GetParamVarianteAz(), fall.Wort);
    EXPECT_EQ(static_cast<uint32_t>(Device->GetDatenSatz(Root())->Param7), fall.Wort);
    const bool behalten = fall.Antwort == IDNO;
    EXPECT_EQ(Erstes(6128) != nullptr, behalten);
    EXPECT_EQ(Erstes(6133) != nullptr, behalten);
    EXPECT_EQ(Device->GetPointerInstScharfschaltungSsb(2) != nullptr, behalten);
    EXPECT_EQ(Device->GetPointerInstAnzeige(Erstes(6142), 3) != nullptr, behalten);
    EXPECT_EQ(Device->GetPointerInstMelder(4) != nullptr, behalten);
    if (behalten) {
        EXPECT_TRUE(Device->GetPointerInstScharfschaltungSsb(2)->CheckMelderSaboSeLinked(4));
        EXPECT_EQ(Baum(), baumVorher);
        EXPECT_EQ(Schreiben(), recordsVorher);
        EXPECT_EQ(Geaendert(), parameterVorher);
    }
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());

    // The block as the bus tool keeps it gives the same tree again.
    ASSERT_TRUE(Device->WriteBlob());
    const std::vector<std::string> baum = Baum();
    const std::vector<std::string> parameter = Geaendert();
    Dienste.SetDevice(nullptr);
    const DAL_DEVICE record = Dienste.PanelRecord();
    Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
    Dienste.SetDevice(Device.get());
    ASSERT_TRUE(Device->GetDataFromServer(0, true));
    EXPECT_EQ(Baum(), baum);
    EXPECT_EQ(Root()->GetParamVarianteAz(), fall.Wort);
    EXPECT_EQ(Geaendert(), parameter);
}

INSTANTIATE_TEST_SUITE_P(Antworten, SabotageEingangBehalten,
                         ::testing::Values(TBehaltenFall{"Kept", IDNO, 0x11330000},
                                           TBehaltenFall{"LetGo", IDYES, 0x11000000}),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST_F(PanelBaum, ADisplayThatCannotTakeItsNumberIsNotMade) {
    const size_t vorher = Device->GetObjekte().size();
    EXPECT_FALSE(Device->CreateAzAnzeige(Dienste.GetHandle(), Erstes(6142), false, 4, 0));
    EXPECT_EQ(Device->GetObjekte().size(), vorher);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, "DeviceInstanzAz::CreateAzAnzeige");
}

TEST_F(PanelBaum, ADisplayWhoseObjectsStayIsStillDeletedAfterItsBox) {
    TDataBasis *folder = Erstes(6142);
    ASSERT_NE(Device->GetPointerInstAnzeige(folder, 3), nullptr);
    Db().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
    EXPECT_TRUE(Device->DeleteAzAnzeige(folder, 3));
    EXPECT_EQ(Device->GetPointerInstAnzeige(folder, 3), nullptr);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text,
              "Die Objekte der " + SprText(11298) + " 4konnten nicht gel\xF6scht werden.");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "DeviceInstanzAz::CreateAzAnzeige");
}

TEST_F(PanelBaum, EditableTextsAreMadeWhenMissing) {
    TDataBasis *texte = Erstes(6121);
    Device->SetPointerEdtitierbareTexte(nullptr);
    Device->DeletePointerFromList(texte);
    EXPECT_EQ(Device->GetPointerInstEdtitierbareTexte(Dienste.GetHandle(), Root()), nullptr)
        << "this call gives up; the next finds the new one";
    TDataBasis *neu = Erstes(6121);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->GetPosId(), 6);
    EXPECT_EQ(static_cast<TDataBasis *>(
                  Device->GetPointerInstEdtitierbareTexte(Dienste.GetHandle(), Root())),
              neu);
}

} // namespace
