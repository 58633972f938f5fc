// Hard failures: a record that cannot be made, a UserSoftware block that ends early, a bus
// object that fails. The folder answers false, what was made stays, later siblings are missing.
#include "RecoTestHilfen.h"
#include "foundation/SprTexte.h"
#include "reconstruction/TRecoAzAlarmierung.h"
#include "reconstruction/TRecoAzAnzeige.h"
#include "reconstruction/TRecoAzEditierbareTexte.h"
#include "reconstruction/TRecoAzMelder.h"
#include "reconstruction/TRecoAzOrdnerSicherungsBereich.h"
#include "reconstruction/TRecoAzScharfschaltung.h"
#include "reconstruction/TRecoAzSystem.h"
#include "reconstruction/TRecoAzSystemUeberwachung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using D = TDatenStruktur;

bool Hat(const std::vector<int> &nummern, int n) {
    return std::find(nummern.begin(), nummern.end(), n) != nummern.end();
}

// Every record limit below what a full panel needs: the run fails at that record, the records
// made before it stay, and no bus object hangs under a record that was not made.
TEST(RecoFehler, ARecordLimitFailsTheRunAtTheNthRecord) {
    const TPanelImageFixture panel = TRecoUmgebung::VollesPanel();
    TRecoLauf voll(panel);
    ASSERT_TRUE(voll.Ok);
    const int alle = voll.U.Datenbank.Count();
    for (int n = 0; n < alle; ++n) {
        TRecoUmgebung u(panel.Image());
        u.Datenbank.SetLimit(n);
        TRecoObjekteRecorder objekte;
        uint32_t variante = 0;
        EXPECT_FALSE(u.Alle(variante, &objekte)) << n;
        ASSERT_EQ(u.Datenbank.Count(), n);
        for (int h = 1; h <= n; ++h) {
            // A chain ends where its next record could not be made.
            TDatenStruktur soll = *voll.U.Datenbank.Find(h);
            if (soll.Next > n)
                soll.Next = 0;
            EXPECT_EQ(u.Datenbank.Find(h)->GetDatensatzZeile(), soll.GetDatensatzZeile())
                << n << " " << h;
        }
        for (const auto &a : objekte.Aufrufe)
            EXPECT_LE(a.Parent, n) << n;
    }
}

TEST(RecoFehler, AnArmingAreaThatCannotBeMadeEndsTheFolderWithoutItsObjects) {
    // The records: folder, SSB 1, its settings and acknowledgement, then SSB 2.
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
    u.Datenbank.SetLimit(4);
    TRecoObjekteRecorder objekte;
    TRecoAzOrdnerScharfschaltung ordner(u.User(), u.User(), &u.Datenbank, SprText(11312), &u.Errors,
                                        &objekte, 3, 0x113344CC);
    EXPECT_FALSE(ordner.RecoParameter());
    EXPECT_EQ(u.Datenbank.Find(2)->Typ, 6132);
    EXPECT_EQ(u.Datenbank.Find(4)->Typ, 6137);
    std::vector<int> nummern;
    for (const auto &a : objekte.Aufrufe)
        nummern.push_back(a.Nummer);
    EXPECT_EQ(nummern, (std::vector<int>{162, 166, 170, 174, 178, 182, 186, 194}));
}

// The UserSoftware block ends at 0xBEA8: SSB 1's settings are the last that can be read.
TEST(RecoFehler, AShortBlockFailsSsb2AndTheFolderMakesNoObjectsOfItsOwn) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image(), 0xBEA8);
    TRecoObjekteRecorder objekte;
    TRecoAzOrdnerScharfschaltung ordner(u.User(), u.User(), &u.Datenbank, SprText(11312), &u.Errors,
                                        &objekte, 3, 0x113344CC);
    EXPECT_FALSE(ordner.RecoParameter());
    std::vector<int> typen;
    for (int h = 1; h <= u.Datenbank.Count(); ++h)
        typen.push_back(u.Datenbank.Find(h)->Typ);
    // SSB 2 and its settings record stay; its acknowledgement, SSB 3 and SSB 4 are missing.
    EXPECT_EQ(typen, (std::vector<int>{6131, 6132, 6136, 6137, 6133, 6136}));
    EXPECT_EQ(u.Datenbank.Find(6)->Param9, 2);
    std::vector<int> nummern;
    for (const auto &a : objekte.Aufrufe)
        nummern.push_back(a.Nummer);
    EXPECT_FALSE(Hat(nummern, 225));
    EXPECT_FALSE(Hat(nummern, 226));
    EXPECT_FALSE(Hat(nummern, 163));
    EXPECT_TRUE(Hat(nummern, 194));
}

// The block ends before the hold-up behaviour byte 0xBE73.
TEST(RecoFehler, AFailingChildStopsTheMonitoringFolderBeforeItsObject) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image(), 0xBE72);
    TRecoObjekteRecorder objekte;
    TRecoAzOrdnerSystemUeberwachung ordner(u.User(), u.User(), &u.Datenbank, SprText(11313),
                                           &u.Errors, &objekte, 7);
    EXPECT_FALSE(ordner.RecoParameter());
    std::vector<int> typen;
    for (int h = 1; h <= u.Datenbank.Count(); ++h)
        typen.push_back(u.Datenbank.Find(h)->Typ);
    EXPECT_EQ(typen, (std::vector<int>{6144, 6145, 6146}));
    std::vector<int> nummern;
    for (const auto &a : objekte.Aufrufe)
        nummern.push_back(a.Nummer);
    EXPECT_EQ(nummern, (std::vector<int>{227, 228, 229}));
}

TEST(RecoFehler, AShortBlockEndsTheSystemRecordAfterTheVariant) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image(), 0xBE1D);
    uint32_t variante = 0;
    TRecoAzSystem system(u.User(), u.User(), &u.Datenbank, SprText(11384), &u.Errors, variante);
    EXPECT_FALSE(system.RecoParameter());
    EXPECT_EQ(variante, 0x113344CCu) << "handed out at once";
    ASSERT_EQ(u.Datenbank.Count(), 1);
    EXPECT_EQ(u.Datenbank.Find(1)->Param7, 0x113344CC);
    EXPECT_EQ(u.Datenbank.Find(1)->Param12, 0);
}

TEST(RecoFehler, AFailingBusObjectStopsTheAlarmFolder) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
    TRecoObjekteRecorder objekte;
    objekte.FehlerBei = 3; // 202, the hold-up output's
    TRecoAzOrdnerAlarmierung ordner(u.User(), u.User(), &u.Datenbank, SprText(11310), &u.Errors,
                                    &objekte, 4, 0x113344CC);
    EXPECT_FALSE(ordner.RecoParameter());
    EXPECT_EQ(u.Datenbank.Count(), 3) << "folder, fire and hold-up outputs";
    EXPECT_EQ(objekte.Aufrufe.size(), 3u);
}

// A failing detector does not keep the later ones from being made.
TEST(RecoFehler, EveryDetectorIsTriedAfterOneFailed) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
    TRecoObjekteRecorder objekte;
    objekte.FehlerBei = 3; // tamper input 160, wired input 161, then detector 1's object 0
    TRecoAzOrdnerSicherungsBereich ordner(u.User(), u.User(), &u.Datenbank, SprText(11314),
                                          &u.Errors, &objekte, 2, 0x113344CC, u.Texte());
    EXPECT_FALSE(ordner.RecoParameter());
    EXPECT_EQ(objekte.Aufrufe.size(), 162u);
    int melder = 0;
    for (int h = 1; h <= u.Datenbank.Count(); ++h)
        melder += u.Datenbank.Find(h)->Typ == 6124 ? 1 : 0;
    EXPECT_EQ(melder, 161);
}

TEST(RecoFehler, ADetectorWithoutItsTextBlockStaysWithoutText) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
    TRecoObjekteRecorder objekte;
    TRecoAzMelder melder(u.User(), u.User(), &u.Datenbank, "", &u.Errors, &objekte, 4, 0, nullptr,
                         4, 0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(melder.RecoParameter());
    ASSERT_EQ(u.Datenbank.Count(), 1);
    EXPECT_EQ(u.Datenbank.Find(1)->Param9, 4);
    EXPECT_EQ(u.Datenbank.Find(1)->String4, "");
    EXPECT_TRUE(objekte.Aufrufe.empty());
}

TEST(RecoFehler, NoDatabaseNoRecord) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
    TRecoObjekteRecorder objekte;
    uint32_t variante = 5;
    EXPECT_FALSE(
        TRecoAzSystem(u.User(), u.User(), nullptr, "A", &u.Errors, variante).RecoParameter());
    EXPECT_EQ(variante, 5u);
    EXPECT_FALSE(
        TRecoAzEditierbareTexte(u.User(), u.User(), nullptr, "T", &u.Errors, 6).RecoParameter());
    EXPECT_FALSE(TRecoAzMelder(u.User(), u.User(), nullptr, "", &u.Errors, &objekte, 1, 0,
                               u.Texte(), 1, 0, 0, 0, 0, 0, 0)
                     .RecoParameter());
    EXPECT_TRUE(objekte.Aufrufe.empty());
}

// The chain needs every text record's handle: one that cannot be made ends the folder.
TEST(RecoFehler, ATextRecordThatCannotBeMadeEndsTheTexts) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
    u.Datenbank.SetLimit(11);
    TRecoAzEditierbareTexte texte(u.User(), u.User(), &u.Datenbank, SprText(11300), &u.Errors, 6);
    EXPECT_FALSE(texte.RecoParameter());
    EXPECT_EQ(u.Datenbank.Count(), 11);
    EXPECT_EQ(u.Datenbank.Find(11)->Next, 0);
    TDatenStruktur *record = reinterpret_cast<TDatenStruktur *>(1);
    EXPECT_FALSE(texte.CreateDsText(0xB8F2, 1, record));
    EXPECT_EQ(record, nullptr);
}

// A text whose bytes lie outside the block stays in the chain, empty.
TEST(RecoFehler, ATextThatCannotBeReadStaysEmptyInTheChain) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image(), 0xBDFF);
    TRecoAzEditierbareTexte texte(u.User(), u.User(), &u.Datenbank, SprText(11300), &u.Errors, 6);
    EXPECT_TRUE(texte.RecoParameter());
    ASSERT_EQ(u.Datenbank.Count(), 51);
    // Texts 49 (0xBDF6) and 50 (0xBE04) reach past 0xBDFF.
    EXPECT_EQ(u.Datenbank.Find(49)->String1, "Text 48");
    EXPECT_EQ(u.Datenbank.Find(50)->String1, "");
    EXPECT_EQ(u.Datenbank.Find(51)->String1, "");
    EXPECT_EQ(u.Datenbank.Find(50)->Next, 51);
    TDatenStruktur *record = nullptr;
    EXPECT_FALSE(texte.CreateDsText(0xBDF6, 1, record));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->String1, "");
}

// An instance number outside its set: false, and no record (the behaviour record is made
// before its case is looked at); nothing is read from another instance's cells.
TEST(RecoFehler, InstanceNumbersOutsideTheirSets) {
    struct Fall {
        const char *Name;
        std::function<bool(TRecoUmgebung &, TRecoObjectManagement *)> Lauf;
        int Datensaetze;
    };
    auto ssb = [](int n) {
        return static_cast<T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich>(n);
    };
    const Fall faelle[] = {
        {"Scharfschaltbereich 0",
         [&](TRecoUmgebung &u, TRecoObjectManagement *o) {
             return TRecoAzScharfschaltBereich(u.User(), u.User(), &u.Datenbank, "", &u.Errors, o,
                                               1, 1, ssb(0))
                 .RecoParameter();
         },
         0},
        {"Scharfschaltung 5",
         [&](TRecoUmgebung &u, TRecoObjectManagement *o) {
             return TRecoAzScharfschaltung(u.User(), u.User(), &u.Datenbank, "", &u.Errors, o, 1, 1,
                                           ssb(5))
                 .RecoParameter();
         },
         0},
        {"Quittierung 5",
         [](TRecoUmgebung &u, TRecoObjectManagement *o) {
             return TRecoAzScharfUnscharfQuittierung(
                        u.User(), u.User(), &u.Datenbank, "", &u.Errors, o, 2, 1,
                        static_cast<
                            T_DB_EnumScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich>(5))
                 .RecoParameter();
         },
         0},
        {"Alarmierung 2",
         [](TRecoUmgebung &u, TRecoObjectManagement *o) {
             return TRecoAzAlarmierung(u.User(), u.User(), &u.Datenbank, "", &u.Errors, o, 3, 1,
                                       T_DB_EnumAzAlarmierung::eSabotageExternScharf)
                 .RecoParameter();
         },
         0},
        {"Alarmierung 7",
         [](TRecoUmgebung &u, TRecoObjectManagement *o) {
             return TRecoAzAlarmierung(u.User(), u.User(), &u.Datenbank, "", &u.Errors, o, 3, 1,
                                       static_cast<T_DB_EnumAzAlarmierung::TEnumAlarmierungTyp>(7))
                 .RecoParameter();
         },
         0},
        {"Anzeige 4",
         [](TRecoUmgebung &u, TRecoObjectManagement *o) {
             return TRecoAzAnzeige(u.User(), u.User(), &u.Datenbank, "", &u.Errors, o, 5, 1,
                                   static_cast<T_DB_EnumAzAnzeige::TEnumAnzeigeNr>(4))
                 .RecoParameter();
         },
         0},
        {"Verhalten 2",
         [](TRecoUmgebung &u, TRecoObjectManagement *o) {
             return TRecoAzVerhaltenUegR(
                        u.User(), u.User(), &u.Datenbank, "", &u.Errors, o, 2, 1,
                        static_cast<T_DB_EnumAzVerhaltenDurchUeGR::TEnumUeGBereich>(2))
                 .RecoParameter();
         },
         1},
    };
    for (const Fall &f : faelle) {
        TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
        TRecoObjekteRecorder objekte;
        EXPECT_FALSE(f.Lauf(u, &objekte)) << f.Name;
        EXPECT_EQ(u.Datenbank.Count(), f.Datensaetze) << f.Name;
        EXPECT_TRUE(objekte.Aufrufe.empty()) << f.Name;
        EXPECT_TRUE(u.Errors.Eintraege().empty()) << f.Name;
    }
    for (int n : {0, 161, 163}) {
        TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
        TRecoObjekteRecorder objekte;
        EXPECT_FALSE(TRecoAzMelder(u.User(), u.User(), &u.Datenbank, "", &u.Errors, &objekte, n, 0,
                                   u.Texte(), n, 0, 0, 0, 0, 0, 0)
                         .RecoParameter())
            << n;
        EXPECT_EQ(u.Datenbank.Count(), 0) << n;
    }
}

} // namespace
