// A full four-area panel through the real object manager: every record and bus object the
// folders list, no report, and every record loads into its object-model class and writes back
// the same fields.
#include "FakeMainWindow.h"
#include "TRecoUmgebung.h"
#include "deviceinstance/AzFabrik.h"
#include "platform/objectbase/TDataBasis.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

class RecoVollesPanel : public ::testing::Test {
protected:
    RecoVollesPanel() : U(TRecoUmgebung::VollesPanel().Image()) { Ok = U.Alle(Variante); }
    std::map<int, int> Typen() {
        std::map<int, int> typen;
        for (int h = 1; h <= U.Datenbank.Count(); ++h)
            ++typen[U.Datenbank.Find(h)->Typ];
        return typen;
    }

    TRecoUmgebung U;
    uint32_t Variante = 0;
    bool Ok = false;
};

TEST_F(RecoVollesPanel, EveryRecordAndBusObjectWithoutAReport) {
    ASSERT_TRUE(Ok);
    EXPECT_TRUE(U.Errors.Eintraege().empty());
    const std::map<int, int> soll = {
        {105, 1},  {6122, 1}, {6123, 1}, {6125, 1},   {6126, 1}, {6127, 1},
        {6128, 1}, {6129, 1}, {6130, 1}, {6124, 161}, {6131, 1}, {6132, 1},
        {6133, 1}, {6134, 1}, {6135, 1}, {6136, 4},   {6137, 4}, {6139, 1},
        {6138, 6}, {6140, 1}, {6141, 1}, {6142, 1},   {6143, 4}, {6121, 1},
        {2, 50},   {6144, 1}, {6145, 1}, {6146, 2},   {6147, 1}, {806, TRecoUmgebung::kObjekte}};
    EXPECT_EQ(Typen(), soll);
    // Each bus object once, with the group address it is linked to, under a record made
    // before it.
    std::set<int> nummern;
    for (int h = 1; h <= U.Datenbank.Count(); ++h) {
        const TDatenStruktur &r = *U.Datenbank.Find(h);
        if (r.Typ != 806)
            continue;
        EXPECT_TRUE(nummern.insert(r.Param4).second) << r.Param4;
        EXPECT_EQ(r.Param15, 0x0800 + r.Param4);
        EXPECT_GT(r.Parent, 0);
        EXPECT_LT(r.Parent, r.Handle);
    }
    EXPECT_EQ(nummern.size(), static_cast<size_t>(TRecoUmgebung::kObjekte));
    EXPECT_EQ(*nummern.begin(), 0);
    EXPECT_EQ(*nummern.rbegin(), TRecoUmgebung::kObjekte - 1);
    // Every parent is a record made earlier (the system record has none).
    for (int h = 2; h <= U.Datenbank.Count(); ++h) {
        const TDatenStruktur &r = *U.Datenbank.Find(h);
        EXPECT_GE(r.Parent, 1) << h;
        EXPECT_LT(r.Parent, h) << h;
    }
}

TEST_F(RecoVollesPanel, EveryRecordLoadsIntoItsObjectModelClassAndWritesTheSameFields) {
    ASSERT_TRUE(Ok);
    // The main window answers record look-ups (the texts' chain) from the records made.
    TFakeMainWindow main;
    for (int h = 1; h <= U.Datenbank.Count(); ++h)
        main.AddDatenSatz(*U.Datenbank.Find(h));
    std::set<int> typen;
    for (int h = 1; h <= U.Datenbank.Count(); ++h) {
        TDatenStruktur r = *U.Datenbank.Find(h);
        if (AzFabrik::IstNurDatensatz(r.Typ))
            continue;
        // A bus object's group address becomes a link once the import found its sub-group id.
        if (r.Typ == 806)
            r.Param14 = 7000 + r.Param4;
        const TAzFabrikEintrag *eintrag = AzFabrik::VonTyp(r.Typ);
        ASSERT_TRUE(eintrag) << r.Typ;
        const std::unique_ptr<TDataBasis> objekt = eintrag->Erzeuge(main.Handle(), r);
        ASSERT_TRUE(objekt) << r.Typ;
        TDatenStruktur ein = r;
        objekt->InitFromDB(ein);
        // Next anchors a chain the device keeps: the object writes its chain along it.
        TDatenStruktur aus;
        aus.Next = r.Next;
        objekt->Write(aus);
        EXPECT_EQ(aus.GetDatensatzZeile(), r.GetDatensatzZeile()) << "type " << r.Typ;
        typen.insert(r.Typ);
    }
    EXPECT_EQ(typen.size(), 29u) << "every record type but the plain text records";
    // The texts folder wrote its texts back into the chain it loaded them from.
    for (int h = 1; h <= U.Datenbank.Count(); ++h) {
        const TDatenStruktur &r = *U.Datenbank.Find(h);
        const TDatenStruktur *kopie = main.FindDatenSatz(r.System, h);
        ASSERT_TRUE(kopie) << h;
        EXPECT_EQ(kopie->GetDatensatzZeile(), r.GetDatensatzZeile());
    }
}

} // namespace
