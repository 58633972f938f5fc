// The import of exported project data: group-address words taken apart into their levels and
// remapped by the check's table; a panel exported from one simulated project imported into
// another, with and without the group-address check.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <set>
#include <tuple>

namespace {

TEST(ImportGruppenAdresse, AWordIsTakenApartByItsLevels) {
    struct TFall {
        int Wort;
        bool DreiStufig;
        uint16_t Main, Middle, Sub;
    };
    const TFall faelle[] = {
        {0, true, 0, 0, 0},           {0, false, 0, 0, 0},          {0x0A05, true, 1, 2, 5},
        {0x0A05, false, 1, 0, 0x205}, {0x0FFF, false, 1, 0, 2047},  {0x0FFF, true, 1, 7, 0xFF},
        {0x8A05, true, 1, 2, 5},      {0xFFFF, false, 15, 0, 2047},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(testing::Message() << std::hex << f.Wort << (f.DreiStufig ? " 3" : " 2"));
        uint16_t main = 99, middle = 99, sub = 99;
        TDeviceInstanzAz::GetMainMiddleAndSubGroupAddr(f.Wort, f.DreiStufig, main, middle, sub);
        EXPECT_EQ(main, f.Main);
        EXPECT_EQ(middle, f.Middle);
        EXPECT_EQ(sub, f.Sub);
    }
}

// A communication object's record (10), its chained record (11) and a detector's record (20),
// each with a link word; the check's table applied to them.
TEST(ImportGruppenAdresse, EachRecordTakesItsNewWordFromItsImportedWord) {
    constexpr int A = 0x0801, B = 0x0802, C = 0x0803;
    struct TFall {
        const char *Name;
        std::vector<std::pair<int, int>> Tabelle; // imported word -> wanted word
        std::array<int, 3> Vorher, Nachher;       // Param15 of records 10, 11, 20
    };
    const TFall faelle[] = {
        {"A->B", {{A, B}}, {A, A, A}, {B, B, A}},
        {"swap", {{A, B}, {B, A}}, {A, B, A}, {B, A, A}},
        {"chain", {{A, B}, {B, C}}, {A, B, A}, {B, C, A}},
        {"chain, either order", {{B, C}, {A, B}}, {A, B, B}, {B, C, B}},
        {"unchanged entry", {{A, A}}, {A, A, A}, {A, A, A}},
        {"dropped", {{A, 0}}, {A, B, A}, {0, B, A}},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        TDatenStruktur objekt = Datensatz(10, TEtsObjekt::Typ, 3, 1, 11);
        TDatenStruktur kette = Datensatz(11, TDataBasis::TypNebenDatensatz, 10, 1);
        TDatenStruktur melder = Datensatz(20, 6124, 2, 1);
        TDatenStruktur *records[] = {&objekt, &kette, &melder};
        for (size_t i = 0; i < 3; ++i) {
            records[i]->Param15 = f.Vorher[i];
            records[i]->Param14 = 70 + static_cast<int>(i);
        }
        const AnsiString text = objekt.GetDatensatzZeile() + "\r\n" + kette.GetDatensatzZeile() +
                                "\r\n" + melder.GetDatensatzZeile() + "\r\n";
        TDatenManager<TDatenStruktur> store(text.data(), static_cast<int32_t>(text.size()));
        std::map<int, TRecGroupAddrInfo> tabelle;
        for (const auto &[ist, soll] : f.Tabelle) {
            TRecGroupAddrInfo info;
            info.IstWord = ist;
            info.SollWord = soll;
            tabelle[ist] = info;
        }
        TDeviceInstanzAz::GruppenAdressWorteUmsetzen(store, tabelle);
        size_t i = 0;
        for (TDatenStruktur *r = store.GetFirst(); r; r = store.GetNext(), ++i) {
            ASSERT_LT(i, 3u);
            EXPECT_EQ(r->Param15, f.Nachher[i]) << "record " << r->Handle;
            EXPECT_EQ(r->Param14, f.Nachher[i] == 0 ? 0 : 70 + static_cast<int>(i))
                << "record " << r->Handle;
        }
        EXPECT_EQ(i, 3u);
    }
}

// Project A's panel with a detector of its own settings whose object is linked to 1/0/1 and
// an arming-status object linked to 1/0/2 and 1/0/3, exported; project B's panel (the
// fixture's device) imports it.
class Import : public TPanelFixture {
protected:
    static constexpr int kStatusObjekt = 166;
    Import() {
        const DAL_DEVICE record = Quelle.PanelRecord();
        QuellGeraet = std::make_unique<TDeviceInstanzAz>(&Quelle, &record, &Quelle);
        Quelle.SetDevice(QuellGeraet.get());
        EXPECT_EQ(QuellGeraet->CreateNewDevice(0), 1);
        QuelleEinrichten();
        QuellGeraet->CopyStrukturDatenToDB(nullptr, &Export);
        // B's sub groups get other ids than A's.
        Db().AddGroupAddress(3, 0, 9, "Fremd");
        Boxes.Clear();
        Fortschritt.Clear();
        Dienste.ClearCalls();
    }
    ~Import() override { Quelle.SetDevice(nullptr); }

    TProjectDatabase &QuellDb() { return Quelle.Project().Database(); }
    template <class T> T *In(TDeviceInstanzAz &device, int typ) {
        for (const auto &[handle, object] : device.GetObjekte())
            if (object->GetTyp() == typ)
                return dynamic_cast<T *>(object.get());
        return nullptr;
    }
    TEtsObjekt *BusObjekt(TDeviceInstanzAz &device, TDataBasis *parent) {
        for (TDataBasis *k : device.GetKinder(parent))
            if (auto *o = dynamic_cast<TEtsObjekt *>(k))
                return o;
        return nullptr;
    }
    void QuelleEinrichten() {
        std::set<int> vorher;
        for (const auto &[h, o] : QuellGeraet->GetObjekte())
            if (auto *m = dynamic_cast<TAzMelder *>(o.get()))
                vorher.insert(m->GetMelderNr());
        ASSERT_TRUE(QuellGeraet->CreateAzMelder(Quelle.GetHandle(),
                                                In<TDataBasis>(*QuellGeraet, 6127), true, 3));
        for (const auto &[h, o] : QuellGeraet->GetObjekte())
            if (auto *m = dynamic_cast<TAzMelder *>(o.get()); m && !vorher.count(m->GetMelderNr()))
                MelderNr = m->GetMelderNr();
        TAzMelder *m = QuellGeraet->GetPointerInstMelder(MelderNr);
        ASSERT_NE(m, nullptr);
        TDatenStruktur record;
        m->Write(record);
        record.Param6 = 7; // the detector's own type
        m->InitFromDB(record);
        m->WriteDatensatz();
        TEtsObjekt *objekt = BusObjekt(*QuellGeraet, m);
        ASSERT_NE(objekt, nullptr);
        MelderObjekt = static_cast<int>(objekt->GetObjectNumber());
        // The addresses first: the device reads the project's tree once, at its first link.
        std::vector<int32_t> ids;
        for (int sub = 1; sub <= 3; ++sub)
            ids.push_back(QuellDb().AddGroupAddress(1, 0, sub, "A " + std::to_string(sub)));
        ASSERT_TRUE(QuellGeraet->LinkToSubGroup(ids[0], objekt->GetHandle(), true));
        TEtsObjekt *status = QuellGeraet->GetObjectFromObjectNr(kStatusObjekt);
        ASSERT_NE(status, nullptr);
        for (size_t i : {1u, 2u})
            ASSERT_TRUE(QuellGeraet->LinkToSubGroup(ids[i], status->GetHandle(), true));
        ASSERT_EQ(QuellDb().Links(Quelle.Project().PanelId()).size(), 3u);
        QuellObjekte = QuellDb().ActiveObjectNumbers(Quelle.Project().PanelId());
    }
    // Project B's addresses 1/0/1 to 1/0/3.
    void AdressenInB() {
        for (int sub = 1; sub <= 3; ++sub)
            Db().AddGroupAddress(1, 0, sub, "B " + std::to_string(sub));
    }
    int Importieren(bool check) { return Device->VumaImport(&Export, check); }
    // A's panel exported as the editor exports it: loaded again and its links refreshed from
    // the bus tool, which lists each object's sending address first.
    void GeladenExportieren() {
        ASSERT_TRUE(QuellGeraet->WriteBlob());
        ASSERT_TRUE(QuellGeraet->GetDataFromServer(0, false));
        ASSERT_TRUE(QuellGeraet->UpdateObjectAssociations());
        Export.Clear();
        QuellGeraet->CopyStrukturDatenToDB(nullptr, &Export);
        Boxes.Clear();
    }
    // B's links as (object number, word), in the bus tool and on the objects.
    std::set<std::pair<int, int>> LinksImBusTool() {
        std::set<std::pair<int, int>> out;
        for (const TLinkRow &l : Db().Links(Panel()))
            out.emplace(l.objectNumber, l.groupAddress);
        return out;
    }
    std::set<std::pair<int, int>> LinksDerObjekte() {
        std::set<std::pair<int, int>> out;
        for (TEtsObjekt *o : Alle<TEtsObjekt>(TEtsObjekt::Typ))
            for (const auto &l : o->GetSubGroupLinks()) {
                out.emplace(static_cast<int>(o->GetObjectNumber()), l.GrpAdr);
                const auto row = Db().Group(static_cast<int32_t>(l.SubGroupId));
                EXPECT_TRUE(row && row->word == l.GrpAdr) << "a sub group of B with that word";
            }
        return out;
    }
    // What B's device and bus tool hold, to compare before and after a refused import.
    struct TStand {
        std::map<int, int> Typen;
        std::vector<int> Melder, Aktiv;
        std::set<std::pair<int, int>> Links;
        size_t Objekte;
        bool operator==(const TStand &) const = default;
    };
    TStand Stand() {
        return {AnzahlNachTyp(), MelderNummern(), AktiveObjekte(), LinksImBusTool(),
                Device->GetObjekte().size()};
    }
    bool BaumGeleert() {
        const auto &c = Dienste.Calls();
        return std::find(c.begin(), c.end(), "DeleteAllNodes") != c.end();
    }

    TFakeDienste Quelle;
    std::unique_ptr<TDeviceInstanzAz> QuellGeraet;
    TMemoryStream Export;
    int MelderNr = 0;
    int MelderObjekt = -1;
    std::vector<int> QuellObjekte;
};

TEST_F(Import, WithoutTheCheckTheSettingsComeAndNoLinks) {
    AdressenInB();
    ASSERT_EQ(Importieren(false), 1);
    TAzMelder *m = Device->GetPointerInstMelder(MelderNr);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(Device->GetDatenSatz(m)->Param6, 7);
    EXPECT_EQ(AktiveObjekte(), QuellObjekte);
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
    EXPECT_TRUE(LinksImBusTool().empty());
    EXPECT_TRUE(LinksDerObjekte().empty());
    for (TEtsObjekt *o : Alle<TEtsObjekt>(TEtsObjekt::Typ)) {
        const TDatenStruktur *r = Device->GetDatenSatz(o);
        EXPECT_EQ(r->Param10, Dienste.Project().DeviceObject(r->Param4)) << "B's device object";
        EXPECT_EQ(r->Param14, 0);
        EXPECT_EQ(r->Param15, 0);
        EXPECT_EQ(r->Next, 0);
    }
    EXPECT_EQ(Device->GetDatenSatz(Root())->Param4, Panel()) << "B's device id in the root";
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_TRUE(BaumGeleert());
    EXPECT_EQ(Fortschritt.Offen(), 0);
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Caption, SprText(9013));
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Art, AzMsg::kAbbruchImport);
    EXPECT_FALSE(Device->GetBestaetigung()) << "as after every import";
}

TEST_F(Import, WithTheCheckTheLinksFindBsAddressesByWord) {
    AdressenInB();
    ASSERT_NO_FATAL_FAILURE(GeladenExportieren());
    ASSERT_EQ(Importieren(true), 1);
    const std::set<std::pair<int, int>> erwartet = {
        {MelderObjekt, 0x0801}, {kStatusObjekt, 0x0802}, {kStatusObjekt, 0x0803}};
    EXPECT_EQ(LinksImBusTool(), erwartet);
    EXPECT_EQ(LinksDerObjekte(), erwartet);
    // Each object sends on the address it sent on in A: the one linked last there.
    const std::set<std::tuple<int, int, bool>> senden = {{MelderObjekt, 0x0801, true},
                                                         {kStatusObjekt, 0x0802, false},
                                                         {kStatusObjekt, 0x0803, true}};
    EXPECT_EQ(Quelle.Project().SendingLinks(), senden);
    EXPECT_EQ(Dienste.Project().SendingLinks(), senden);
    ASSERT_EQ(Dienste.Dialoge.Aufrufe.size(), 1u);
    EXPECT_EQ(Dienste.Dialoge.Aufrufe[0].rfind("GaCheck 1 ", 0), 0u);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Import, TheAddressesTheCheckAsksForAreCreated) {
    Dienste.Dialoge.GaCheckSkript = [](TDatenManager<TDatenStruktur> *,
                                       std::vector<RecNewGroupAddr> &neu,
                                       std::map<int, TRecGroupAddrInfo> &) {
        neu.push_back({0x0801, "Neu 1", -1});
        neu.push_back({0x0802, "Neu 2", -1});
        neu.push_back({0x0803, "Neu 3", -1});
        return 1;
    };
    ASSERT_EQ(Importieren(true), 1);
    const auto sub = Db().SubGroupId(1, 0, 2);
    ASSERT_TRUE(sub.has_value());
    EXPECT_EQ(Db().Group(*sub)->name, "Neu 2");
    EXPECT_EQ(LinksImBusTool().size(), 3u);
    EXPECT_EQ(LinksDerObjekte(), LinksImBusTool());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Import, TheCheckSwapsTwoWordsAndDropsOne) {
    AdressenInB();
    Dienste.Dialoge.GaCheckSkript = [](TDatenManager<TDatenStruktur> *,
                                       std::vector<RecNewGroupAddr> &,
                                       std::map<int, TRecGroupAddrInfo> &worte) {
        for (const auto &[ist, soll] : {std::pair{0x0801, 0}, {0x0802, 0x0803}, {0x0803, 0x0802}}) {
            worte[ist].IstWord = ist;
            worte[ist].SollWord = soll;
        }
        return 1;
    };
    ASSERT_EQ(Importieren(true), 1);
    const std::set<std::pair<int, int>> erwartet = {{kStatusObjekt, 0x0802},
                                                    {kStatusObjekt, 0x0803}};
    EXPECT_EQ(LinksImBusTool(), erwartet);
    EXPECT_EQ(LinksDerObjekte(), erwartet);
    TEtsObjekt *status = Device->GetObjectFromObjectNr(kStatusObjekt);
    ASSERT_NE(status, nullptr);
    ASSERT_EQ(status->GetSubGroupLinks().size(), 2u);
    EXPECT_EQ(status->GetSubGroupLinks()[0].GrpAdr, 0x0803) << "the first link took the other word";
    EXPECT_EQ(status->GetSubGroupLinks()[1].GrpAdr, 0x0802);
}

TEST_F(Import, ARefusedLinkFailsTheImportAndLeavesNoLinkInTheRecord) {
    AdressenInB();
    Db().InjectFailure("CoLinkObjectToSubGroup", 1, -2);
    EXPECT_EQ(Importieren(true), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text.rfind(SprText(9067) + "\n" + SprText(9135) + ": ", 0), 0u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9066));
    EXPECT_EQ(LinksImBusTool().size(), 2u);
    EXPECT_EQ(LinksDerObjekte(), LinksImBusTool()) << "record and bus tool agree";
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte()) << "the rest of the import is done";
}

TEST_F(Import, AnAddressMissingInBFailsItsLinkOnly) {
    Db().AddGroupAddress(1, 0, 1, "B 1");
    EXPECT_EQ(Importieren(true), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9096) + "\n");
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9013));
    const std::set<std::pair<int, int>> erwartet = {{MelderObjekt, 0x0801}};
    EXPECT_EQ(LinksImBusTool(), erwartet);
    EXPECT_EQ(LinksDerObjekte(), erwartet);
}

TEST_F(Import, AnAddressThatCannotBeMadeIsShownAndTheImportGoesOn) {
    AdressenInB();
    Dienste.Dialoge.GaCheckSkript = [](TDatenManager<TDatenStruktur> *,
                                       std::vector<RecNewGroupAddr> &neu,
                                       std::map<int, TRecGroupAddrInfo> &) {
        neu.push_back({0x0801, "gibt es schon", -1});
        neu.push_back({0x0A05, "nicht mehr versucht", -1});
        return 1;
    };
    ASSERT_EQ(Importieren(true), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Gruppenadresse [1/0/1] konnte nicht angelegt werden!");
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9012));
    EXPECT_EQ(Boxes.Boxes()[1].text, "Fehler beim GAs anlegen");
    EXPECT_EQ(Boxes.Boxes()[1].caption, SprText(9013));
    EXPECT_FALSE(Db().SubGroupId(1, 2, 5).has_value()) << "the list stops at the first failure";
    EXPECT_EQ(LinksImBusTool().size(), 3u);
}

TEST_F(Import, EachStepShowsItsTextInTheProgressDialog) {
    ASSERT_EQ(Importieren(false), 1);
    std::vector<std::pair<int, AnsiString>> schritte;
    for (const auto &a : Fortschritt.Aufrufe())
        if (a.Aktion == TDlgProgressAktion::Set)
            schritte.emplace_back(a.Position, a.Daten.Text);
    const AnsiString vor = SprText(9147) + "\n";
    const std::vector<std::pair<int, AnsiString>> erwartet = {
        {1, vor + SprText(9024)}, {2, vor + SprText(9020)}, {3, vor + SprText(9017)},
        {4, vor + SprText(9000)}, {5, vor + SprText(9153)}, {6, vor + SprText(9207)}};
    EXPECT_EQ(schritte, erwartet);
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Max, 6);
}

// A record chain that runs back into itself, or names a record that is not there, ends.
TEST_F(Import, AChainOfLinksThatRunsInACircleEnds) {
    AdressenInB();
    TDatenStruktur root = Datensatz(1, 105, 0, 1, 0, "Zentrale");
    TDatenStruktur objekt = Datensatz(10, TEtsObjekt::Typ, 1, 1, 11, "Eingang");
    objekt.Param4 = 161; // the wired panel input's object, switched on by 1593 = 1
    objekt.Param8 = 1;
    objekt.Param16 = 1593;
    objekt.Param17 = 1;
    objekt.Param15 = 0x0801;
    TDatenStruktur kette = Datensatz(11, TDataBasis::TypNebenDatensatz, 10, 1, 10);
    kette.Param15 = 0x0802;
    TDatenStruktur offen = objekt;
    offen.Handle = 12;
    offen.Param4 = 160; // the sabotage input's object, its chain naming no record
    offen.Param16 = 1592;
    offen.Next = 99;
    offen.Param15 = 0x0803;
    const AnsiString text =
        Block(root.GetDatensatzZeile() + "\r\n" + objekt.GetDatensatzZeile() + "\r\n" +
              kette.GetDatensatzZeile() + "\r\n" + offen.GetDatensatzZeile() + "\r\n");
    Export.Clear();
    Export.WriteBuffer(text.data(), static_cast<long long>(text.size()));
    EXPECT_EQ(Importieren(true), 1);
    const std::set<std::pair<int, int>> erwartet = {{161, 0x0801}, {161, 0x0802}, {160, 0x0803}};
    EXPECT_EQ(LinksImBusTool(), erwartet);
    EXPECT_EQ(LinksDerObjekte(), erwartet);
}

// The import refused before anything is replaced: device, windows and bus tool as they were.
TEST_F(Import, ACancelledCheckLeavesEverythingAsItWas) {
    AdressenInB();
    const TStand vorher = Stand();
    Dienste.Dialoge.GaCheckSkript = [](TDatenManager<TDatenStruktur> *,
                                       std::vector<RecNewGroupAddr> &neu,
                                       std::map<int, TRecGroupAddrInfo> &) {
        neu.push_back({0x0A05, "nicht angelegt", -1});
        return 2;
    };
    EXPECT_EQ(Importieren(true), 0);
    EXPECT_EQ(Stand(), vorher);
    EXPECT_FALSE(BaumGeleert());
    EXPECT_FALSE(Db().SubGroupId(1, 2, 5).has_value());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Import, AnotherVersionIsRefused) {
    const TStand vorher = Stand();
    AnsiString text = StreamText(Export);
    const size_t pos = text.find("Version: 1. 1");
    ASSERT_NE(pos, AnsiString::npos);
    text.replace(pos, 13, "Version: 2. 1");
    Export.Clear();
    Export.WriteBuffer(text.data(), static_cast<long long>(text.size()));
    EXPECT_EQ(Importieren(true), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9209));
    EXPECT_EQ(Stand(), vorher);
    EXPECT_FALSE(BaumGeleert());
    EXPECT_TRUE(Dienste.Dialoge.Aufrufe.empty()) << "no check for a refused version";
}

TEST_F(Import, AMalformedLineIsShownWithTheStoresMessage) {
    const TStand vorher = Stand();
    const AnsiString text = Block("1,105,0,kaputt\r\n");
    Export.Clear();
    Export.WriteBuffer(text.data(), static_cast<long long>(text.size()));
    EXPECT_EQ(Importieren(false), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    const AnsiString &box = Boxes.Boxes()[0].text;
    EXPECT_EQ(box.rfind(SprText(9121), 0), 0u);
    const size_t zeile = box.find('\n');
    ASSERT_NE(zeile, AnsiString::npos);
    EXPECT_GT(box.size(), zeile + 1) << "the store's message follows";
    EXPECT_EQ(Stand(), vorher);
    EXPECT_FALSE(BaumGeleert());
}

// Done when: the device exported from A keeps its settings and links in B through B's data
// block.
TEST_F(Import, AnImportedDeviceKeepsSettingsAndLinksThroughBsDataBlock) {
    AdressenInB();
    ASSERT_NO_FATAL_FAILURE(GeladenExportieren());
    ASSERT_EQ(Importieren(true), 1);
    ASSERT_TRUE(Device->WriteBlob());
    const DAL_DEVICE record = Dienste.PanelRecord();
    auto neu = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
    Dienste.SetDevice(neu.get());
    Device.swap(neu);
    neu.reset();
    ASSERT_TRUE(Device->GetDataFromServer(0, true));
    TAzMelder *m = Device->GetPointerInstMelder(MelderNr);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(Device->GetDatenSatz(m)->Param6, 7);
    const std::set<std::pair<int, int>> erwartet = {
        {MelderObjekt, 0x0801}, {kStatusObjekt, 0x0802}, {kStatusObjekt, 0x0803}};
    EXPECT_EQ(LinksDerObjekte(), erwartet);
    EXPECT_EQ(LinksImBusTool(), erwartet);
    // With their send flags as A had them, and each object's sending address first again.
    EXPECT_EQ(Dienste.Project().SendingLinks(), Quelle.Project().SendingLinks());
    TEtsObjekt *status = Device->GetObjectFromObjectNr(kStatusObjekt);
    ASSERT_NE(status, nullptr);
    ASSERT_EQ(status->GetSubGroupLinks().size(), 2u);
    EXPECT_EQ(status->GetSubGroupLinks()[0].GrpAdr, 0x0803);
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
    // The bus tool agrees with the configuration.
    Boxes.Clear();
    EXPECT_EQ(Device->EtsObjektCheck(), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9021));
}

} // namespace
