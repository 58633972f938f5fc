// pultor started by bustool run: the events' answers, the project afterwards, the exit codes.
#include "TPanelImageFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TLauf {
    int code = -1;
    std::string ausgabe;
};

// Runs a command line through the shell and collects its output (stdout and stderr).
TLauf Ausfuehren(const std::string &befehl) {
    TLauf lauf;
    FILE *pipe = popen((befehl + " 2>&1").c_str(), "r");
    if (!pipe)
        return lauf;
    std::array<char, 4096> puffer{};
    size_t n = 0;
    while ((n = fread(puffer.data(), 1, puffer.size(), pipe)) > 0)
        lauf.ausgabe.append(puffer.data(), n);
    const int status = pclose(pipe);
    lauf.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return lauf;
}

class PultorE2E : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pultor-e2e-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        fs::copy_file(PULTOR_PATH, Dir / "pultor");
        Projekt = Dir / "project.db";
        ASSERT_EQ(Bustool("init --demo " + Projekt.string()).code, 0);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(Dir, ec);
    }
    TLauf Bustool(const std::string &args) {
        return Ausfuehren(std::string(BUSTOOL_PATH) + " " + args);
    }
    // bustool run with the events as a script.
    TLauf Run(const std::vector<std::string> &events) {
        const fs::path script = Dir / "events.txt";
        std::ofstream out(script);
        for (const std::string &e : events)
            out << e << "\n";
        out.close();
        return Bustool("run " + Projekt.string() + " --editor " + (Dir / "pultor").string() +
                       " --timeout 60 --script " + script.string());
    }
    static size_t Anzahl(const std::string &text, const std::string &teil) {
        size_t n = 0;
        for (size_t p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1))
            ++n;
        return n;
    }

    fs::path Dir;
    fs::path Projekt;
};

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
