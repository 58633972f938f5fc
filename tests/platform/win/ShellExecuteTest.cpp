#include "platform/win/ShellExecute.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// A temporary folder with a script that writes its arguments, one a line, and its folder into
// a file (through a temporary, so a reader never sees half of it).
class ShellExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "shellexec-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        Ausgabe = Dir / "args.txt";
    }
    void TearDown() override {
        if (!AlterPath.empty())
            setenv("PATH", AlterPath.c_str(), 1);
        std::error_code ec;
        fs::remove_all(Dir, ec);
    }
    fs::path Skript(const std::string &name) {
        const fs::path p = Dir / name;
        std::ofstream(p) << "#!/bin/sh\n"
                         << "{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > '"
                         << Ausgabe.string() << ".tmp'\n/bin/mv '" << Ausgabe.string() << ".tmp' '"
                         << Ausgabe.string() << "'\n";
        fs::permissions(p, fs::perms::owner_all);
        return p;
    }
    // The lines the script wrote (waits up to 5 s for the detached program); empty when none.
    std::vector<std::string> Zeilen() {
        for (int i = 0; i < 500 && !fs::exists(Ausgabe); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::vector<std::string> out;
        std::ifstream in(Ausgabe);
        for (std::string line; std::getline(in, line);)
            out.push_back(line);
        return out;
    }
    void NurDiesPath() {
        AlterPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", Dir.c_str(), 1);
    }
    fs::path Dir;
    fs::path Ausgabe;
    std::string AlterPath;
};
} // namespace

TEST(SplitShellParameters, BlanksAndQuotes) {
    struct TFall {
        const char *text;
        std::vector<std::string> args;
    };
    const TFall faelle[] = {
        {"", {}},
        {"   ", {}},
        {"a b", {"a", "b"}},
        {"  a\t b  ", {"a", "b"}},
        {"\"a b\" c", {"a b", "c"}},
        {"x\"y z\"w", {"xy zw"}},
        {"\"\"", {""}},
        {"\"offen bis zum ende", {"offen bis zum ende"}},
    };
    for (const TFall &f : faelle)
        EXPECT_EQ(SplitShellParameters(f.text), f.args) << f.text;
}

TEST_F(ShellExecuteTest, AProgramStartsWithItsParametersInItsFolder) {
    const fs::path p = Skript("werkzeug");
    const fs::path work = Dir / "arbeit";
    fs::create_directory(work);
    EXPECT_GT(ShellExecute(nullptr, "open", p.string(), "-x \"zwei Worte\" 3", work.string(),
                           SW_SHOWNORMAL),
              32);
    EXPECT_EQ(Zeilen(), (std::vector<std::string>{work.string(), "-x", "zwei Worte", "3"}));
}

TEST_F(ShellExecuteTest, AProgramOnThePathIsFoundByName) {
    Skript("werkzeug");
    NurDiesPath();
    EXPECT_GT(ShellExecute(nullptr, "open", "werkzeug", "a", "", SW_SHOWNORMAL), 32);
    const auto zeilen = Zeilen();
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[1], "a");
}

TEST_F(ShellExecuteTest, ADocumentGoesToTheOpenerWithoutTheParameters) {
    Skript("xdg-open");
    NurDiesPath();
    const fs::path doc = Dir / "notiz.txt";
    std::ofstream(doc) << "text";
    EXPECT_GT(ShellExecute(nullptr, "open", doc.string(), "nicht weiter", "", SW_SHOWNORMAL), 32);
    const auto zeilen = Zeilen();
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[1], doc.string());
}

TEST_F(ShellExecuteTest, WhatCannotBeOpenedAnswersAnError) {
    NurDiesPath(); // no opener either
    const fs::path doc = Dir / "notiz.txt";
    std::ofstream(doc) << "text";
    EXPECT_EQ(ShellExecute(nullptr, "open", (Dir / "fehlt").string(), "", "", SW_SHOWNORMAL),
              SE_ERR_FNF);
    EXPECT_EQ(ShellExecute(nullptr, "open", "", "", "", SW_SHOWNORMAL), SE_ERR_FNF);
    EXPECT_EQ(ShellExecute(nullptr, "open", doc.string(), "", "", SW_SHOWNORMAL), SE_ERR_FNF);
    EXPECT_EQ(ShellExecute(nullptr, "print", doc.string(), "", "", SW_SHOWNORMAL), SE_ERR_FNF);
    // A program whose folder does not exist does not start.
    const fs::path p = Skript("werkzeug");
    EXPECT_EQ(
        ShellExecute(nullptr, "open", p.string(), "", (Dir / "nirgends").string(), SW_SHOWNORMAL),
        SE_ERR_FNF);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(fs::exists(Ausgabe));
}
