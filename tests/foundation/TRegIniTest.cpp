// The settings file through TRegIni, and StringReplaceAll.
#include "foundation/TRegIni.h"
#include "foundation/RegIniNamen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const AnsiString kLong(1100, 'x');

const AnsiString kIni = "[Window]\r\n"
                        "MainTop=12\r\n"
                        "  mainleft  =  -30  \r\n"
                        "Empty=\r\n"
                        "Blanks=   \r\n"
                        "Text=  zwei Worte  \r\n"
                        "Umlaut=Gr\xFC\xDF"
                        "e\r\n"
                        "Bool2=2\r\n"
                        "NotANumber=abc\r\n"
                        "Trailing=7px\r\n"
                        "Hex=0x1F\r\n"
                        "Colour=-2147483632\r\n"
                        "Long=" +
                        kLong +
                        "\r\n"
                        "\r\n"
                        "[OnlyComment]\r\n"
                        "; kein Eintrag\r\n"
                        "[options]\r\n"
                        "AutoSave=0\r\n"
                        "[Window]\r\n"
                        "Late=1\r\n";

AnsiString ReadAll(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path &p, const AnsiString &content) {
    std::ofstream(p, std::ios::binary) << content;
}

class RegIni : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = fs::temp_directory_path() /
               ("regini_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        FFile = (FDir / "pultor.ini").string();
    }
    void TearDown() override { fs::remove_all(FDir); }

    fs::path FDir;
    AnsiString FFile;
    TRegIni FIni;
};

// What an operation delivered: its result and its value as text.
struct TOutcome {
    bool result;
    AnsiString value;
};
using TOp = std::function<TOutcome(const TRegIni &, const AnsiString &file)>;

TOp Str(const char *section, const char *key, const char *def) {
    return [=](const TRegIni &ini, const AnsiString &file) {
        AnsiString v = "unchanged";
        const bool r = ini.ReadString(file, section, key, v, def);
        return TOutcome{r, v};
    };
}
TOp Int(const char *section, const char *key, int32_t def) {
    return [=](const TRegIni &ini, const AnsiString &file) {
        int32_t v = 4711;
        const bool r = ini.ReadInteger(file, section, key, v, def);
        return TOutcome{r, std::to_string(v)};
    };
}
TOp Bool(const char *section, const char *key, bool def) {
    return [=](const TRegIni &ini, const AnsiString &file) {
        bool v = !def;
        const bool r = ini.ReadBool(file, section, key, v, def);
        return TOutcome{r, v ? "true" : "false"};
    };
}
TOp Exists(const char *section, const char *key) {
    return [=](const TRegIni &ini, const AnsiString &file) {
        return TOutcome{ini.ValueExists(file, section, key), ""};
    };
}
TOp Section(const char *section) {
    return [=](const TRegIni &ini, const AnsiString &file) {
        return TOutcome{ini.ReadSection(file, section), ""};
    };
}

struct TIniCase {
    const char *what;
    bool fileExists;
    TOp op;
    bool result;
    AnsiString value;
};

TEST_F(RegIni, ReadsAsTheProgramExpects) {
    const TIniCase cases[] = {
        {"string present", true, Str("Window", "MainTop", "d"), true, "12"},
        {"string: missing key gives the default", true, Str("Window", "Nope", "d"), true, "d"},
        {"string: missing key, empty default", true, Str("Window", "Nope", ""), false, ""},
        {"string: missing section gives the default", true, Str("Nope", "MainTop", "d"), true, "d"},
        {"string: missing file gives the default", false, Str("Window", "MainTop", "d"), true, "d"},
        {"string: empty value is not the default", true, Str("Window", "Empty", "d"), false, ""},
        {"string: blanks only read as empty", true, Str("Window", "Blanks", "d"), false, ""},
        {"string: surrounding blanks dropped, inner kept", true, Str("Window", "Text", ""), true,
         "zwei Worte"},
        {"string: bytes beyond ASCII kept", true, Str("Window", "Umlaut", ""), true,
         "Gr\xFC\xDF"
         "e"},
        {"string: section and key ignore case", true, Str("WINDOW", "MAINLEFT", "d"), true, "-30"},
        {"string: first section of a name wins", true, Str("Window", "Late", "d"), true, "d"},
        {"string: cut to 1023 characters", true, Str("Window", "Long", ""), true,
         AnsiString(1023, 'x')},
        {"integer present", true, Int("Window", "MainTop", 0), true, "12"},
        {"integer: negative with blanks", true, Int("Window", "MainLeft", 0), true, "-30"},
        {"integer: missing key gives the default", true, Int("Window", "Nope", 480), true, "480"},
        {"integer: missing file gives the default", false, Int("Debug", "LogFreigabe", -1), true,
         "-1"},
        {"integer: empty value gives the default", true, Int("Window", "Empty", 640), true, "640"},
        {"integer: non-numeric gives the default", true, Int("Window", "NotANumber", 5), true, "5"},
        {"integer: leading digits count", true, Int("Window", "Trailing", 5), true, "7"},
        {"integer: hexadecimal", true, Int("Window", "Hex", 0), true, "31"},
        {"integer: system colour code", true, Int("Window", "Colour", 0), true, "-2147483632"},
        {"bool: 2 is true", true, Bool("Window", "Bool2", false), true, "true"},
        {"bool: 0 is false", true, Bool("OPTIONS", "autosave", true), true, "false"},
        {"bool: missing key, default false", true, Bool("Window", "Nope", false), true, "false"},
        {"bool: missing key, default true", true, Bool("Window", "Nope", true), true, "true"},
        {"bool: non-numeric gives the default", true, Bool("Window", "NotANumber", true), true,
         "true"},
        {"exists: present", true, Exists("Window", "MainTop"), true, ""},
        {"exists: empty value is present", true, Exists("Window", "Empty"), true, ""},
        {"exists: missing key", true, Exists("Window", "Nope"), false, ""},
        {"exists: missing file", false, Exists("Window", "MainTop"), false, ""},
        {"section with entries", true, Section("options"), true, ""},
        {"section with a comment only", true, Section("OnlyComment"), false, ""},
        {"missing section", true, Section("Tools"), false, ""},
        {"section of a missing file", false, Section("Window"), false, ""},
    };
    WriteAll(FFile, kIni);
    const AnsiString missing = (FDir / "missing.ini").string();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const TOutcome out = c.op(FIni, c.fileExists ? FFile : missing);
        EXPECT_EQ(out.result, c.result);
        EXPECT_EQ(out.value, c.value);
    }
    EXPECT_FALSE(fs::exists(missing)) << "reading must not create a file";
    EXPECT_EQ(ReadAll(FFile), kIni) << "reading must not change the file";
}

TEST_F(RegIni, WritesKeepEverythingElse) {
    WriteAll(FFile, "; Einstellungen\r\n"
                    "[Window]\r\n"
                    "MainTop=1\r\n"
                    "Unknown=keep me\r\n"
                    "\r\n"
                    "[Tools]\r\n"
                    "ToolName0=Editor\r\n");
    EXPECT_TRUE(FIni.WriteInteger(FFile, RegSecWindow, "MAINTOP", -25));
    EXPECT_TRUE(FIni.WriteBool(FFile, RegSecWindow, RegKeyMainState, true));
    EXPECT_TRUE(FIni.WriteString(FFile, RegSecDebug, RegKeyReadBlob, "ReadBlob.txt"));
    EXPECT_EQ(ReadAll(FFile), "; Einstellungen\r\n"
                              "[Window]\r\n"
                              "MainTop=-25\r\n"
                              "Unknown=keep me\r\n"
                              "MainState=1\r\n"
                              "\r\n"
                              "[Tools]\r\n"
                              "ToolName0=Editor\r\n"
                              "[Debug]\r\n"
                              "ReadBlob=ReadBlob.txt\r\n");
}

TEST_F(RegIni, WriteCreatesAMissingFileAndReadsBack) {
    ASSERT_FALSE(fs::exists(FFile));
    EXPECT_TRUE(FIni.WriteBool(FFile, RegSecOptions, RegKeyAutoSave, true));
    EXPECT_TRUE(FIni.WriteInteger(FFile, RegSecOptions, RegKeyColorGridCommmon,
                                  static_cast<int32_t>(0x80000010u)));
    EXPECT_TRUE(FIni.WriteString(FFile, RegSecTools, RegKeyToolName, " "));
    EXPECT_EQ(ReadAll(FFile), "[Options]\r\nAutoSave=1\r\nColorGridCommmon=-2147483632\r\n"
                              "[Tools]\r\nToolName= \r\n");

    int32_t v = 0;
    EXPECT_TRUE(FIni.ReadInteger(FFile, RegSecOptions, RegKeyAutoSave, v, 0));
    EXPECT_EQ(v, 1);
    EXPECT_TRUE(FIni.ReadInteger(FFile, RegSecOptions, RegKeyColorGridCommmon, v, 0));
    EXPECT_EQ(v, static_cast<int32_t>(0x80000010u));
    AnsiString s = "x";
    EXPECT_FALSE(FIni.ReadString(FFile, RegSecTools, RegKeyToolName, s, ""))
        << "a blank tool name reads as empty, which ends the tool list";
    EXPECT_EQ(s, "");
    EXPECT_TRUE(FIni.ValueExists(FFile, RegSecTools, RegKeyToolName));
    EXPECT_TRUE(FIni.ReadSection(FFile, RegSecTools));
}

TEST_F(RegIni, ALineWithoutEqualsIsNoKeyButAnEntryOfItsSection) {
    WriteAll(FFile, "[Tools]\r\nToolName0\r\n");
    EXPECT_FALSE(FIni.ValueExists(FFile, RegSecTools, "ToolName0"));
    EXPECT_TRUE(FIni.ReadSection(FFile, RegSecTools));
    AnsiString v;
    EXPECT_TRUE(FIni.ReadString(FFile, RegSecTools, "ToolName0", v, "d"));
    EXPECT_EQ(v, "d");
    EXPECT_TRUE(FIni.WriteString(FFile, RegSecTools, "ToolName0", "Editor"));
    EXPECT_EQ(ReadAll(FFile), "[Tools]\r\nToolName0\r\nToolName0=Editor\r\n");
}

TEST_F(RegIni, FailedWritesReportFalse) {
    EXPECT_FALSE(FIni.WriteString((FDir / "no" / "such.ini").string(), "A", "B", "C"));
    // A folder in place of the file: nothing can be written.
    fs::create_directories(FDir / "folder.ini");
    EXPECT_FALSE(FIni.WriteBool((FDir / "folder.ini").string(), "A", "B", true));
}

TEST_F(RegIni, NamesAreStoredAsEarlierVersionsWroteThem) {
    EXPECT_STREQ(RegKeyColorGridCommmon, "ColorGridCommmon");
    EXPECT_STREQ(RegKeyTabelAutoCellActivateRowNumber, "TabelAutoCellActivateRowNumber");
    EXPECT_STREQ(RegKeyShowResMon2yte, "ShowResMon2yte");
    EXPECT_STREQ(RegKeyShowResMon6te, "ShowResMon6te");
}

struct TReplaceCase {
    const char *what;
    AnsiString text, oldText, newText, expected;
};

TEST(StringReplaceAll, ReplacesEveryOccurrence) {
    const TReplaceCase cases[] = {
        {"CR LF by a blank", "Zeile 1\r\nZeile 2", "\r\n", " ", "Zeile 1 Zeile 2"},
        {"every occurrence", "a\r\nb\r\nc\r\n", "\r\n", "; ", "a; b; c; "},
        {"empty replacement gives empty", "Zeile 1\r\nZeile 2", "\r\n", "", ""},
        {"empty text gives empty", "", "\r\n", " ", ""},
        {"empty search leaves the text", "abc", "", "x", "abc"},
        {"nothing found leaves the text", "abc", "\r\n", " ", "abc"},
        {"searches again from the start", "aab", "ab", "b", "b"},
        {"replacement containing the search: one pass", "a-a", "a", "aa", "aa-aa"},
        {"replacement equal to the search", "xyx", "x", "x", "xyx"},
        {"occurrence made across the replacement", "aabb", "ab", "c", "acb"},
        {"growing pair that ends", "aab", "ab", "bba", "bbbbaa"},
        {"replacement makes the next to its left", "aaab", "ab", "b", "b"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(StringReplaceAll(c.text, c.oldText, c.newText), c.expected);
    }
}

TEST(StringReplaceAll, EndsWhereTheTextWouldGrowWithoutBound) {
    // Each "ab" becomes "bba", which makes a new "ab" of every "a" before it: the text would
    // double with each leading "a".
    const AnsiString text = AnsiString(21, 'a') + "b";
    const AnsiString result = StringReplaceAll(text, "ab", "bba");
    EXPECT_LE(result.size(), kStringReplaceAllLimit + 2);
    EXPECT_GT(result.size(), text.size());
    EXPECT_EQ(result.find_first_not_of("ab"), AnsiString::npos);
}

} // namespace
