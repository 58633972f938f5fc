// The reset: a panel with a linked detector goes back to a new panel's default tree, its bus
// objects and links gone from the bus tool, without asking about the linked object.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"

namespace {

class Reset : public TPanelFixture {
protected:
    // Detector 5 in security area 1 with its bus object linked to 1/0/1.
    void VerbundenerMelder() {
        ASSERT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), Bereich(1), true, 3));
        TAzMelder *m = Device->GetPointerInstMelder(5);
        ASSERT_NE(m, nullptr);
        TDataBasis *objekt = nullptr;
        for (TDataBasis *k : Device->GetKinder(m))
            if (k->GetTyp() == TEtsObjekt::Typ)
                objekt = k;
        ASSERT_NE(objekt, nullptr);
        const int32_t id = Db().AddGroupAddress(1, 0, 1, "GA 1/0/1");
        ASSERT_TRUE(Device->LinkToSubGroup(id, objekt->GetHandle(), true));
        ASSERT_EQ(Db().Links(Panel()).size(), 1u);
    }
};

TEST_F(Reset, APanelWithALinkedDetectorGetsTheDefaultTree) {
    const auto typen = AnzahlNachTyp();
    const auto nummern = MelderNummern();
    const auto objekte = AktiveObjekte();
    VerbundenerMelder();
    Boxes.Clear();
    EXPECT_EQ(Device->Reset(true), 1);
    EXPECT_TRUE(Boxes.Boxes().empty()) << "no question about the linked object";
    EXPECT_TRUE(Db().Links(Panel()).empty());
    EXPECT_EQ(AnzahlNachTyp(), typen);
    EXPECT_EQ(MelderNummern(), nummern);
    EXPECT_EQ(AktiveObjekte(), objekte);
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
    EXPECT_EQ(Device->GetPointerInstMelder(5), nullptr);
    EXPECT_FALSE(Device->GetResetFlag()) << "later deletions ask again";
    EXPECT_EQ(Fortschritt.Offen(), 0);
    ASSERT_FALSE(Fortschritt.Aufrufe().empty());
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Caption, SprText(9200));
}

TEST_F(Reset, TheListsOfTheOldTreeAreEmptied) {
    TAzMelder *m = Device->GetPointerInstMelder(3);
    AlsSabotageEingang(m, 1);
    ASSERT_TRUE(Device->UpdatePhysAdrUsedSsbFromList(0x1105, 0, 1));
    ASSERT_FALSE(Device->GetPhysAdrUsed(1).empty());
    EXPECT_EQ(Device->Reset(false), 1);
    EXPECT_TRUE(Device->GetSaboMelder(1).empty());
    EXPECT_TRUE(Device->GetPhysAdrUsed(1).empty());
    EXPECT_TRUE(Fortschritt.Aufrufe().empty()) << "no progress dialog asked for";
}

} // namespace
