// pultor started by bustool run: the events' answers, the project afterwards, the exit codes.
#include "PultorE2E.h"
#include "TPanelImageFixture.h"

namespace fs = std::filesystem;
using namespace e2e;

namespace {

TEST_F(PultorE2E, CreateAnswersBothModesAndStoresTheNewBlock) {
    const TLauf lauf = Run({"create 1.1.20 Neu -2", "create 1.1.21 Zentrale 0", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 2u) << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find("the editor has ended"), std::string::npos) << lauf.ausgabe;
    const TLauf show = Bustool("show " + Projekt.string());
    ASSERT_EQ(show.code, 0);
    EXPECT_NE(show.ausgabe.find("01.01.021"), std::string::npos) << show.ausgabe;
}

TEST_F(PultorE2E, DeleteAndReconstructAnswerZero) {
    const TLauf lauf = Run({"create 1.1.21 Zentrale 0", "delete 1.1.21",
                            "reconstruct 1.1.1 1 image.x19", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 1u) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 0"), 2u) << lauf.ausgabe;
    const TLauf show = Bustool("show " + Projekt.string());
    EXPECT_EQ(show.ausgabe.find("01.01.021"), std::string::npos) << show.ausgabe;
}

TEST_F(PultorE2E, TheEndOfTheConnectionEndsTheEditor) {
    const TLauf lauf = Run({"create 1.1.20 Neu -2"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find("the editor has ended"), std::string::npos) << lauf.ausgabe;
}

TEST_F(PultorE2E, DownloadAnswersByItsFlagsAndWritesTheBlockBothTimes) {
    const TLauf erste = Run({"download 1.1.1 0", "stop"});
    EXPECT_EQ(erste.code, 0) << erste.ausgabe;
    EXPECT_EQ(Anzahl(erste.ausgabe, "answer: done 1, result 1"), 1u) << erste.ausgabe;
    const std::string vorher = Bustool("show " + Projekt.string()).ausgabe;
    EXPECT_EQ(vorher.find("data block: none\n             objects switched on: none"),
              std::string::npos)
        << vorher;
    const TLauf zweite = Run({"download 1.1.1 1", "stop"});
    EXPECT_EQ(zweite.code, 0) << zweite.ausgabe;
    EXPECT_EQ(Anzahl(zweite.ausgabe, "answer: done 1, result 0"), 1u) << zweite.ausgabe;
    EXPECT_NE(Bustool("show " + Projekt.string()).ausgabe.find("data block: 1"),
              std::string::npos);
}

TEST_F(PultorE2E, LinkIsKeptAndUnlinkRemovesIt) {
    const TLauf lauf = Run({"download 1.1.1 0", "link 1.1.1 0 3/0/1", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 2u) << lauf.ausgabe;
    const std::string verbunden = Bustool("show " + Projekt.string()).ausgabe;
    EXPECT_NE(verbunden.find("-> 3/0/1"), std::string::npos) << verbunden;
    const TLauf los = Run({"unlink 1.1.1 0 3/0/1", "stop"});
    EXPECT_EQ(los.code, 0) << los.ausgabe;
    EXPECT_EQ(Anzahl(los.ausgabe, "answer: done 1, result 1"), 1u) << los.ausgabe;
    const std::string getrennt = Bustool("show " + Projekt.string()).ausgabe;
    EXPECT_EQ(getrennt.find("-> 3/0/1"), std::string::npos) << getrennt;
}

TEST_F(PultorE2E, ExportNamesTheFileWhoseBytesAreTheBlock) {
    const TLauf lauf = Run({"download 1.1.1 0", "export 1.1.1", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 2u) << lauf.ausgabe;
    const fs::path datei = Dir / "AZ" / "AutoSave" / "1.azp";
    EXPECT_NE(lauf.ausgabe.find("exported file: " + datei.string()), std::string::npos)
        << lauf.ausgabe;
    ASSERT_TRUE(fs::exists(datei));
    const std::string show = Bustool("show " + Projekt.string()).ausgabe;
    EXPECT_NE(show.find("data block: " + std::to_string(fs::file_size(datei)) + " bytes"),
              std::string::npos)
        << show;
}

TEST_F(PultorE2E, CopyGivesTheTargetTheSourcesSettings) {
    const TLauf lauf = Run({"download 1.1.1 0", "copy 1.1.30 1.1.1", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 2u) << lauf.ausgabe;
    const std::string show = Bustool("show " + Projekt.string()).ausgabe;
    const size_t ziel = show.find("01.01.030");
    ASSERT_NE(ziel, std::string::npos) << show;
    const std::string teil = show.substr(ziel, show.find("group addresses:") - ziel);
    EXPECT_EQ(teil.find("data block: none"), std::string::npos) << teil;
    EXPECT_NE(teil.find("10 Melder 1 Objekte = 5"), std::string::npos) << teil;
}

TEST_F(PultorE2E, ARefusedLinkIsUndoneByTheHost) {
    // The input's object takes one address: a second one is refused.
    const TLauf lauf =
        Run({"download 1.1.1 0", "link 1.1.1 0 3/0/1", "link 1.1.1 0 2/0/1", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 2u) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 0"), 1u) << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find("result 0: the link is undone"), std::string::npos) << lauf.ausgabe;
    const std::string panel = Geraet(Show(), "01.01.001");
    ASSERT_FALSE(panel.empty());
    EXPECT_NE(panel.find("-> 3/0/1"), std::string::npos) << panel;
    EXPECT_EQ(panel.find("-> 2/0/1"), std::string::npos) << panel;
}

TEST_F(PultorE2E, AnUnlinkAfterTheDeviceWasDeletedTouchesNothing) {
    const std::vector<std::string> vorher = {"download 1.1.1 0", "link 1.1.1 0 3/0/1",
                                             "delete 1.1.1"};
    // The same events in a second project, without the unlink: the projects end alike.
    const fs::path projekt = Projekt;
    Projekt = Dir / "vergleich.db";
    ASSERT_EQ(Bustool("init --demo " + Projekt.string()).code, 0);
    std::vector<std::string> ohne = vorher;
    ohne.push_back("stop");
    ASSERT_EQ(Run(ohne).code, 0);
    std::string vergleich = Show();
    Projekt = projekt;

    std::vector<std::string> mit = vorher;
    mit.push_back("unlink @1 0 3/0/1");
    mit.push_back("stop");
    const TLauf lauf = Run(mit);
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    const size_t unlink = lauf.ausgabe.find("sent: UnlinkObjFromSubGroup 1 0");
    ASSERT_NE(unlink, std::string::npos) << lauf.ausgabe;
    EXPECT_EQ(lauf.ausgabe.find("answer: done 1, result 1", unlink),
              lauf.ausgabe.find("answer:", unlink))
        << lauf.ausgabe;
    std::string show = Show();
    // Past the first line (the project's file name) the two are the same.
    show.erase(0, show.find('\n'));
    vergleich.erase(0, vergleich.find('\n'));
    EXPECT_EQ(show, vergleich);
    EXPECT_TRUE(Geraet(show, "01.01.001").empty()) << show;
}

TEST_F(PultorE2E, ImportGivesTheNewDeviceTheExportedBlockAndDeletesTheFile) {
    ASSERT_EQ(Run({"download 1.1.1 0", "export 1.1.1", "stop"}).code, 0);
    const fs::path exportiert = Dir / "AZ" / "AutoSave" / "1.azp";
    ASSERT_TRUE(fs::exists(exportiert));
    const TLauf lauf = Run({"import 1.1.40 " + exportiert.string() + " 1", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 1u) << lauf.ausgabe;
    // The host placed the file as <old id>.azp in its folder; the editor took it and deleted it.
    EXPECT_NE(lauf.ausgabe.find("as " + (Dir / "1.azp").string()), std::string::npos)
        << lauf.ausgabe;
    EXPECT_FALSE(fs::exists(Dir / "1.azp"));
    const std::string id = GemachteId(lauf.ausgabe, "01.01.040");
    ASSERT_FALSE(id.empty()) << lauf.ausgabe;
    const std::string neu = Geraet(Show(), "01.01.040");
    ASSERT_FALSE(neu.empty());
    EXPECT_EQ(neu.find("data block: none"), std::string::npos) << neu;
    EXPECT_NE(neu.find("10 Melder 1 Objekte = 5"), std::string::npos) << neu;
    // The id the next export is found under is the new device's own.
    EXPECT_NE(neu.find("DeviceId = " + id + "\n"), std::string::npos) << neu;
}

TEST_F(PultorE2E, AnImportTheNewDeviceCannotTakeAnswersZeroAtOnce) {
    // No panel of the project has the old id: the new device lacks the exported objects. The
    // editor's boxes go to standard error, where nobody has to answer them.
    ASSERT_EQ(Run({"download 1.1.1 0", "export 1.1.1", "stop"}).code, 0);
    const fs::path exportiert = Dir / "AZ" / "AutoSave" / "1.azp";
    const TLauf lauf = Run({"import 1.1.40 " + exportiert.string() + " 77", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 0"), 1u) << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find("Objekt nicht gefunden."), std::string::npos) << lauf.ausgabe;
    EXPECT_TRUE(fs::exists(Dir / "77.azp")) << "a failed import keeps its file";
}

TEST_F(PultorE2E, ACopyDropsTheSourcesLinks) {
    const TLauf lauf = Run({"download 1.1.1 0", "link 1.1.1 0 3/0/1", "copy 1.1.30 1.1.1",
                            "download 1.1.30 0", "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 4u) << lauf.ausgabe;
    const std::string show = Show();
    EXPECT_NE(Geraet(show, "01.01.001").find("-> 3/0/1"), std::string::npos) << show;
    // The target has the source's settings but not its links, also once the editor has loaded
    // its block again.
    const std::string ziel = Geraet(show, "01.01.030");
    ASSERT_FALSE(ziel.empty()) << show;
    EXPECT_NE(ziel.find("10 Melder 1 Objekte = 5"), std::string::npos) << ziel;
    EXPECT_NE(ziel.find("links: none"), std::string::npos) << ziel;
    EXPECT_EQ(ziel.find("->"), std::string::npos) << ziel;
}

// The demo panel's memory, loaded with a fixture image: detectors in the fire and hold-up
// areas with texts.
class PultorReconstructE2E : public PultorE2E {
protected:
    void SetUp() override {
        PultorE2E::SetUp();
        TPanelImageFixture panel(0x1101);
        for (int n = 1; n <= kMelder; ++n) {
            panel.SetMelder(
                n, {.MelderTyp = 1, .Aktiv = true, .EingangsTyp = n % 4, .Bereich = n % 2 ? 5 : 6});
            panel.SetMelderText(n, "Melder " + std::to_string(n));
        }
        const fs::path memory = Dir / "memory.bin";
        std::ofstream out(memory, std::ios::binary);
        out.write(reinterpret_cast<const char *>(panel.Image().data()),
                  static_cast<std::streamsize>(panel.Image().size()));
        out.close();
        ASSERT_EQ(Bustool("memory " + Projekt.string() + " load 1.1.1 " + memory.string()).code, 0);
    }
    // The detector's word in the project's device parameters ("<id> <name> = <value>").
    static std::string Wort(const std::string &show, int n) {
        const std::string id = "  " + std::to_string(3000 + 10 * n) + " ";
        const size_t at = show.find(id);
        if (at == std::string::npos)
            return "";
        const size_t gleich = show.find(" = ", at);
        return show.substr(gleich + 3, show.find('\n', gleich) - gleich - 3);
    }
    static constexpr int kMelder = 6;
};

TEST_F(PultorReconstructE2E, ModeZeroWritesTheImageAndTheBusTableReportBesideIt) {
    const fs::path folder = Dir / "Bilder";
    fs::create_directories(folder);
    const TLauf lauf = Run({"reconstruct 1.1.1 0 " + (folder / "bild.x19").string(), "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 1u) << lauf.ausgabe;
    // Named after the panel's physical address, whatever name the bus tool gave.
    EXPECT_FALSE(fs::exists(folder / "bild.x19"));
    ASSERT_TRUE(fs::exists(folder / "1101.x19"));
    std::ifstream image(folder / "1101.x19", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(image), {}};
    EXPECT_NE(text.find("UserSoftware"), std::string::npos);
    ASSERT_TRUE(fs::exists(folder / "ItRecoCommunicationData.txt"));
    EXPECT_GT(fs::file_size(folder / "ItRecoCommunicationData.txt"), 0u);
}

TEST_F(PultorReconstructE2E, ModeTwoFillsTheDataBlockAndWritesTheDetectorWords) {
    const fs::path folder = Dir / "Bilder";
    fs::create_directories(folder);
    const std::string vorher = Bustool("show " + Projekt.string()).ausgabe;
    EXPECT_NE(vorher.find("data block: none"), std::string::npos) << vorher;
    const TLauf lauf = Run({"reconstruct 1.1.1 0 " + (folder / "bild.x19").string(),
                            "reconstruct 1.1.1 2 " + (folder / "1101.x19").string(), "stop"});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
    EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result 1"), 2u) << lauf.ausgabe;
    const std::string show = Bustool("show " + Projekt.string()).ausgabe;
    const std::string panel = show.substr(0, show.find("01.01.010"));
    EXPECT_EQ(panel.find("data block: none"), std::string::npos) << panel;
    for (int n = 1; n <= kMelder; ++n) {
        SCOPED_TRACE(n);
        const std::string wort = Wort(panel, n);
        EXPECT_FALSE(wort.empty() || wort == "0") << panel;
    }
    EXPECT_TRUE(Wort(panel, kMelder + 1).empty()) << "an unused detector keeps its default";
}

} // namespace
