// pultor started by bustool run with a failure of the bus tool injected into the project: what
// each event answers, and the project afterwards compared with the project before.
#include "PultorE2E.h"
#include "TPanelImageFixture.h"

#include "platform/bustool/TProjectDatabase.h"

#include <map>
#include <ostream>

namespace fs = std::filesystem;
using namespace e2e;

namespace {

const std::string kFehlgeschlagen = "answer: done 1, result 0";
const std::string kGelungen = "answer: done 1, result 1";
const std::string kSpeicherFehler = "Beim Speichern der Daten ist ein Fehler aufgetreten.";

// The show output cut into the sections of its devices (by address) and the rest (the project's
// file name left out).
struct TProjektBild {
    std::map<std::string, std::string> Geraete;
    std::string Gruppen;

    static TProjektBild Von(const std::string &show) {
        TProjektBild bild;
        const size_t geraete = show.find("\ndevices:\n");
        const size_t gruppen = show.find("\ngroup addresses:");
        const size_t fehler = show.find("\ninjected failures:");
        if (geraete == std::string::npos || gruppen == std::string::npos)
            return bild;
        const std::string teil = show.substr(geraete + 10, gruppen - geraete - 10);
        size_t anfang = 0;
        while (anfang < teil.size()) {
            size_t ende = teil.find("\n  0", anfang + 1);
            ende = ende == std::string::npos ? teil.size() : ende + 1;
            const std::string geraet = teil.substr(anfang, ende - anfang);
            bild.Geraete[geraet.substr(2, geraet.find(' ', 2) - 2)] = geraet;
            anfang = ende;
        }
        bild.Gruppen = show.substr(gruppen, fehler - gruppen);
        return bild;
    }
    static std::string Block(const std::string &geraet) {
        const size_t p = geraet.find("data block: ");
        return p == std::string::npos ? "" : geraet.substr(p, geraet.find('\n', p) - p);
    }
};

class PultorSchreibfehlerE2E : public PultorE2E {
protected:
    TProjectDatabase Datenbank() { return TProjectDatabase(Projekt); }
    void Einspeisen(const std::string &call, int times) { Datenbank().InjectFailure(call, times); }
    // The demo panel's memory with a few detectors, as the bus tool would read it.
    void PanelBildLaden() {
        TPanelImageFixture panel(0x1101);
        for (int n = 1; n <= 4; ++n) {
            panel.SetMelder(n, {.MelderTyp = 1, .Aktiv = true, .EingangsTyp = n % 4, .Bereich = 1});
            panel.SetMelderText(n, "Melder " + std::to_string(n));
        }
        TProjectDatabase db = Datenbank();
        db.SetMemoryImage(*db.DeviceByAddress(0x1101), panel.Image());
    }
    std::string Ersetzt(std::string text) const {
        for (size_t p = text.find("{DIR}"); p != std::string::npos; p = text.find("{DIR}"))
            text.replace(p, 5, Dir.string());
        return text;
    }
};

// One event with one failed BlobWrite. MitBlock: the panel 01.01.001 has its data block, a
// link of object 0 to 3/0/1, an export file and an image of its memory before; without, it is
// the demo project's panel, which has no block yet. Frei: the event's device, whose section may
// change besides its block (what the bus tool did around the event, or the device parameters
// of the device's default tree that the load of a device without a block writes).
struct TBlobFall {
    const char *Name;
    const char *Ereignis;
    bool MitBlock;
    const char *Frei;
    bool GruppenGleich;
};

void PrintTo(const TBlobFall &fall, std::ostream *out) {
    *out << fall.Ereignis;
}

class PultorBlobWriteE2E : public PultorSchreibfehlerE2E,
                           public ::testing::WithParamInterface<TBlobFall> {};

TEST_P(PultorBlobWriteE2E, AFailedWriteIsAnsweredAsFailureAndTheBlocksStayAsTheyWere) {
    const TBlobFall &fall = GetParam();
    const fs::path bilder = Dir / "Bilder";
    fs::create_directories(bilder);
    if (fall.MitBlock) {
        PanelBildLaden();
        const TLauf vorbereitung =
            Run({"download 1.1.1 0", "link 1.1.1 0 3/0/1", "export 1.1.1",
                 "reconstruct 1.1.1 0 " + (bilder / "bild.x19").string(), "stop"});
        ASSERT_EQ(Anzahl(vorbereitung.ausgabe, kGelungen), 4u) << vorbereitung.ausgabe;
        ASSERT_TRUE(fs::exists(bilder / "1101.x19"));
    }
    const std::string vorherShow = Show();
    const TProjektBild vorher = TProjektBild::Von(vorherShow);
    ASSERT_FALSE(vorher.Geraete.empty()) << vorherShow;

    Einspeisen("BlobWrite", 1);
    const TLauf lauf = Run({Ersetzt(fall.Ereignis), "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, kFehlgeschlagen), 1u) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, kGelungen), 0u) << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find(kSpeicherFehler), std::string::npos) << lauf.ausgabe;

    const std::string nachherShow = Show();
    EXPECT_NE(nachherShow.find("injected failures: none"), std::string::npos)
        << "the write was made and failed\n"
        << nachherShow;
    const TProjektBild nachher = TProjektBild::Von(nachherShow);
    for (const auto &[adresse, geraet] : vorher.Geraete) {
        SCOPED_TRACE(adresse);
        ASSERT_EQ(nachher.Geraete.count(adresse), 1u) << nachherShow;
        const std::string &jetzt = nachher.Geraete.at(adresse);
        EXPECT_EQ(TProjektBild::Block(jetzt), TProjektBild::Block(geraet));
        if (adresse != fall.Frei) {
            EXPECT_EQ(jetzt, geraet);
        }
    }
    // A device the bus tool made for the event got no block.
    for (const auto &[adresse, geraet] : nachher.Geraete)
        if (!vorher.Geraete.count(adresse)) {
            EXPECT_EQ(TProjektBild::Block(geraet), "data block: none") << geraet;
        }
    if (fall.GruppenGleich) {
        EXPECT_EQ(nachher.Gruppen, vorher.Gruppen);
    }
    // The import's file stays for the next try; a failed export names no file.
    EXPECT_EQ(fs::exists(Dir / "1.azp"), std::string(fall.Name) == "Import");
    EXPECT_EQ(lauf.ausgabe.find("exported file:"), std::string::npos) << lauf.ausgabe;
}

INSTANTIATE_TEST_SUITE_P(
    Ereignisse, PultorBlobWriteE2E,
    ::testing::Values(
        TBlobFall{"Create", "create 1.1.21 Zentrale 0", true, "", true},
        TBlobFall{"Copy", "copy 1.1.30 1.1.1", true, "", true},
        TBlobFall{"Import", "import 1.1.40 {DIR}/AZ/AutoSave/1.azp 1", true, "", true},
        TBlobFall{"Export", "export 1.1.1", false, "01.01.001", true},
        TBlobFall{"Download", "download 1.1.1 0", true, "", true},
        TBlobFall{"Link", "link 1.1.1 201 2/0/1", true, "", true},
        // The bus tool removes the link before the event.
        TBlobFall{"Unlink", "unlink 1.1.1 0 3/0/1", true, "01.01.001", false},
        // The rebuilt parameters and links are undone with the block.
        TBlobFall{"Reconstruct", "reconstruct 1.1.1 2 {DIR}/Bilder/1101.x19", true, "", true}),
    [](const ::testing::TestParamInfo<TBlobFall> &info) { return std::string(info.param.Name); });

TEST_F(PultorSchreibfehlerE2E, AnImportWhoseBlockWasNotWrittenCanBeMadeAgainFromItsFile) {
    ASSERT_EQ(Anzahl(Run({"download 1.1.1 0", "export 1.1.1", "stop"}).ausgabe, kGelungen), 2u);
    const fs::path exportiert = Dir / "AZ" / "AutoSave" / "1.azp";
    Einspeisen("BlobWrite", 1);
    const TLauf erste = Run({"import 1.1.40 " + exportiert.string() + " 1", "stop"});
    EXPECT_EQ(Anzahl(erste.ausgabe, kFehlgeschlagen), 1u) << erste.ausgabe;
    const fs::path platziert = Dir / "1.azp";
    ASSERT_TRUE(fs::exists(platziert)) << erste.ausgabe;
    const std::string ohne = Geraet(Show(), "01.01.040");
    EXPECT_NE(ohne.find("data block: none"), std::string::npos) << ohne;
    // The device still names the export it came from, so that the next import finds the file.
    EXPECT_NE(ohne.find("DeviceId = 1\n"), std::string::npos) << ohne;

    const TLauf zweite = Run({"import 1.1.41 " + platziert.string() + " 1", "stop"});
    EXPECT_EQ(Anzahl(zweite.ausgabe, kGelungen), 1u) << zweite.ausgabe;
    EXPECT_FALSE(fs::exists(platziert));
    const std::string neu = Geraet(Show(), "01.01.041");
    EXPECT_EQ(neu.find("data block: none"), std::string::npos) << neu;
    EXPECT_NE(neu.find("10 Melder 1 Objekte = 5"), std::string::npos) << neu;
    EXPECT_NE(neu.find("DeviceId = " + GemachteId(zweite.ausgabe, "01.01.041") + "\n"),
              std::string::npos)
        << neu;
}

// A create whose device parameters cannot all be written: every time, once (the first
// detector's bus objects), or only the last write of the tree (parameter 10040 of the date and
// time, which the project refuses to take); or whose device id is refused.
struct TErzeugenFall {
    const char *Name;
    const char *Aufruf; // injected this often, or the parameter the project refuses
    int Mal;
    const char *Box;
    bool Block; // the block reached the bus tool
};

void PrintTo(const TErzeugenFall &fall, std::ostream *out) {
    *out << fall.Name;
}

class PultorErzeugenE2E : public PultorSchreibfehlerE2E,
                          public ::testing::WithParamInterface<TErzeugenFall> {};

TEST_P(PultorErzeugenE2E, ANewPanelThatCouldNotBeWrittenWhollyIsAnsweredAsFailure) {
    const TErzeugenFall &fall = GetParam();
    if (fall.Mal > 0) {
        Einspeisen(fall.Aufruf, fall.Mal);
    } else {
        Datenbank().Sql().Execute(
            std::string("CREATE TRIGGER verweigert BEFORE UPDATE ON device_parameters "
                        "WHEN NEW.reference IN (SELECT reference FROM parameters WHERE "
                        "parameter_id = ") +
            fall.Aufruf + ") BEGIN SELECT RAISE(ABORT, 'refused'); END");
    }
    const TLauf lauf = Run({"create 1.1.21 Zentrale 0", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, kFehlgeschlagen), 1u) << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find(fall.Box), std::string::npos) << lauf.ausgabe;
    const std::string neu = Geraet(Show(), "01.01.021");
    ASSERT_FALSE(neu.empty());
    EXPECT_EQ(neu.find("data block: none") == std::string::npos, fall.Block) << neu;
}

INSTANTIATE_TEST_SUITE_P(
    Erzeugen, PultorErzeugenE2E,
    ::testing::Values(
        TErzeugenFall{"ParameterJedesMal", "TEtsDeviceParam::SetDeviceParamData", 100000,
                      "[Fehler] Das Objekt konnte nicht erzeugt werden.", false},
        TErzeugenFall{"ParameterEinmal", "TEtsDeviceParam::SetDeviceParamData", 1,
                      "[Fehler] Das Objekt konnte nicht erzeugt werden.", false},
        TErzeugenFall{"LetzterParameter", "10040", 0,
                      "[Fehler] Fehler: Parameter konnte nicht in die Ets-Datenbank geschrieben "
                      "werden.\n\nDatum/Uhrzeit\n",
                      false},
        TErzeugenFall{"DeviceId", "CoSetDeviceParameterValueLong", 1,
                      "[SetDeviceParameter] Fehler: Parameter konnte nicht in die Ets-Datenbank "
                      "geschrieben werden.\n\nDeviceId",
                      true}),
    [](const ::testing::TestParamInfo<TErzeugenFall> &info) {
        return std::string(info.param.Name);
    });

// A panel whose data block is damaged does not load; the bus tool's reconstruction rebuilds it
// from the panel's memory, and it loads afterwards.
TEST_F(PultorSchreibfehlerE2E, AReconstructionRebuildsAPanelWhoseBlockDoesNotLoad) {
    PanelBildLaden();
    const std::string kaputt = "\x01\x02 kein Block\r\n\xFF\xFE\r\n";
    {
        TProjectDatabase db = Datenbank();
        ASSERT_TRUE(db.WriteDataBlock(*db.DeviceByAddress(0x1101),
                                      reinterpret_cast<const unsigned char *>(kaputt.data()),
                                      kaputt.size()));
    }
    const fs::path bilder = Dir / "Bilder";
    fs::create_directories(bilder);
    const TLauf lauf =
        Run({"reconstruct 1.1.1 0 " + (bilder / "bild.x19").string(),
             "reconstruct 1.1.1 2 " + (bilder / "1101.x19").string(), "download 1.1.1 0", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, kGelungen), 3u) << lauf.ausgabe;
    // The panel did not load: the event says so and goes on.
    EXPECT_NE(lauf.ausgabe.find("[Fehler] TFormMain::OnCdiDoReconstruct"), std::string::npos)
        << lauf.ausgabe;
    TProjectDatabase db = Datenbank();
    const auto block = db.ReadDataBlock(*db.DeviceByAddress(0x1101));
    ASSERT_TRUE(block.has_value());
    const std::string text(block->begin(), block->end());
    EXPECT_NE(text.find("<DB>"), std::string::npos);
    EXPECT_EQ(text.find("kein Block"), std::string::npos);
    const std::string panel = Geraet(Show(), "01.01.001");
    EXPECT_NE(panel.find("3010 Melder 1 Parameterwort = "), std::string::npos) << panel;
    EXPECT_EQ(panel.find("3010 Melder 1 Parameterwort = 0\n"), std::string::npos) << panel;
}

// A read of the bus tool that fails while the panel loads: the stored block is not rewritten
// from what could not be read (the physical address, the links). Mal: how often the call fails.
struct TLeseFall {
    const char *Aufruf;
    int Mal;
    const char *Ereignis;
    bool Gelingt; // the event's answer
};

void PrintTo(const TLeseFall &fall, std::ostream *out) {
    *out << fall.Aufruf;
}

class PultorLesefehlerE2E : public PultorSchreibfehlerE2E,
                            public ::testing::WithParamInterface<TLeseFall> {};

TEST_P(PultorLesefehlerE2E, TheStoredBlockIsNotRewrittenFromAFailedRead) {
    const TLeseFall &fall = GetParam();
    ASSERT_EQ(Anzahl(Run({"download 1.1.1 0", "stop"}).ausgabe, kGelungen), 1u);
    const std::string vorher = Show();
    Einspeisen(fall.Aufruf, fall.Mal);
    const TLauf lauf = Run({fall.Ereignis, "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, fall.Gelingt ? kGelungen : kFehlgeschlagen), 1u) << lauf.ausgabe;
    const std::string nachher = Show();
    // The failure was taken.
    EXPECT_EQ(nachher.find(std::string(fall.Aufruf) + ": " + std::to_string(fall.Mal) + " more"),
              std::string::npos)
        << nachher;
    if (fall.Mal == 1) {
        EXPECT_NE(nachher.find("injected failures: none"), std::string::npos) << nachher;
    }
    const TProjektBild bildVorher = TProjektBild::Von(vorher);
    const TProjektBild bildNachher = TProjektBild::Von(nachher);
    EXPECT_EQ(bildNachher.Geraete, bildVorher.Geraete);
    EXPECT_EQ(bildNachher.Gruppen, bildVorher.Gruppen);
    // An export that could not read the links writes no file without them.
    if (!fall.Gelingt) {
        EXPECT_EQ(lauf.ausgabe.find("exported file:"), std::string::npos) << lauf.ausgabe;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lesen, PultorLesefehlerE2E,
    ::testing::Values(TLeseFall{"DalGetAreaData", 1, "download 1.1.1 0", true},
                      TLeseFall{"DalGetLineData", 1, "download 1.1.1 0", true},
                      TLeseFall{"DalGetDeviceData", 1, "download 1.1.1 0", true},
                      TLeseFall{"DalGetSubgroupToObjectData", 1000, "export 1.1.1", false}),
    [](const ::testing::TestParamInfo<TLeseFall> &info) { return std::string(info.param.Aufruf); });

} // namespace
