// pultor started by bustool run: the events' answers, the project afterwards, the exit codes.
#include "PultorE2E.h"

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

} // namespace
