// The end-to-end harness: pultor copied into a temporary folder of its own (own settings and
// autosave) beside a demo project, driven by bustool run.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace e2e {

namespace fs = std::filesystem;

struct TLauf {
    int code = -1;
    std::string ausgabe;
};

// Runs a command line through the shell and collects its output (stdout and stderr).
inline TLauf Ausfuehren(const std::string &befehl) {
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
    // bustool run with the events as a script, each answer awaited this many seconds.
    TLauf Run(const std::vector<std::string> &events, int sekunden = 60) {
        const fs::path script = Dir / "events.txt";
        std::ofstream out(script);
        for (const std::string &e : events)
            out << e << "\n";
        out.close();
        return Bustool("run " + Projekt.string() + " --editor " + (Dir / "pultor").string() +
                       " --timeout " + std::to_string(sekunden) + " --script " + script.string());
    }
    // The lines of one device in the project's show output (from its address to the next
    // device or the group addresses).
    static std::string Geraet(const std::string &show, const std::string &adresse) {
        const size_t anfang = show.find("\n  " + adresse + "  ");
        if (anfang == std::string::npos)
            return {};
        size_t ende = anfang + 1;
        do
            ende = show.find("\n  ", ende + 1);
        while (ende != std::string::npos && ende + 3 < show.size() && show[ende + 3] == ' ');
        return show.substr(anfang + 1,
                           ende == std::string::npos ? std::string::npos : ende - anfang);
    }
    std::string Show() { return Bustool("show " + Projekt.string()).ausgabe; }
    // The id the host gave the device it made at that address during a run.
    static std::string GemachteId(const std::string &ausgabe, const std::string &adresse) {
        const std::string marke = "made device " + adresse + " (id ";
        const size_t p = ausgabe.find(marke);
        if (p == std::string::npos)
            return {};
        const size_t anfang = p + marke.size();
        return ausgabe.substr(anfang, ausgabe.find(')', anfang) - anfang);
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

} // namespace e2e
