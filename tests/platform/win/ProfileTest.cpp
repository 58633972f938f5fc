// Private-profile functions: the buffer rules and the file handling that TRegIni builds on.
#include "platform/win/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Profile : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = fs::temp_directory_path() /
               ("profile_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        FPath = (FDir / "x.ini").string();
    }
    void TearDown() override { fs::remove_all(FDir); }

    void Write(const std::string &content) { std::ofstream(FPath, std::ios::binary) << content; }
    std::string Read() const {
        std::ifstream in(FPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    const char *File() const { return FPath.c_str(); }

    fs::path FDir;
    std::string FPath;
};

TEST_F(Profile, StringIsCutToTheBufferAndAlwaysEnded) {
    Write("[A]\r\nKey = abcdef \r\n");
    char buf[8];
    std::fill(std::begin(buf), std::end(buf), '#');
    EXPECT_EQ(GetPrivateProfileString("a", "KEY", "", buf, 4, File()), 3u);
    EXPECT_EQ(std::string(buf), "abc");
    EXPECT_EQ(buf[4], '#') << "nothing written beyond the buffer";
    EXPECT_EQ(GetPrivateProfileString("A", "Key", "", buf, 1, File()), 0u);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(GetPrivateProfileString("A", "None", "vorgabe", buf, 5, File()), 4u);
    EXPECT_EQ(std::string(buf), "vorg") << "the default is cut as well";
    EXPECT_EQ(GetPrivateProfileString("A", "None", nullptr, buf, 8, File()), 0u);
    EXPECT_EQ(std::string(buf), "");
}

TEST_F(Profile, IntegersAsTheSettingsHoldThem) {
    const std::pair<const char *, int> cases[] = {{"  42 ", 42}, {"-0x10", -16},
                                                  {"+7", 7},     {"4294967295", -1},
                                                  {"007", 7},    {"0x", 0},
                                                  {"x1", 99},    {"", 99},
                                                  {"- 5", 99},   {"-2147483648", -2147483647 - 1}};
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text);
        Write(std::string("[A]\nK=") + text + "\n");
        EXPECT_EQ(GetPrivateProfileInt("A", "K", 99, File()), expected);
    }
}

TEST_F(Profile, SectionIsAListOfEntries) {
    Write("[A]\r\nOne = 1\r\n; comment\r\nBare\r\nEmpty=\r\n\r\n[B]\r\nX=2\r\n");
    char buf[64];
    const DWORD n = GetPrivateProfileSection("a", buf, sizeof buf, File());
    EXPECT_EQ(std::string(buf, n + 1), std::string("One=1\0Bare\0Empty=\0\0", 19));

    EXPECT_EQ(GetPrivateProfileSection("Missing", buf, sizeof buf, File()), 0u);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], '\0');
}

TEST_F(Profile, SectionTooLongForTheBufferIsCut) {
    Write("[A]\nFirst=1\nSecond=2\n");
    char buf[10];
    EXPECT_EQ(GetPrivateProfileSection("A", buf, sizeof buf, File()), 8u);
    EXPECT_EQ(std::string(buf, 10), std::string("First=1\0Se", 8) + std::string("\0\0", 2));
}

TEST_F(Profile, WriteLeavesUntouchedLinesByteForByte) {
    Write("[Ets]\nEtsIniName = Ets20.ini\nmore text without equals\n[Other]\nKey=1");
    EXPECT_EQ(WritePrivateProfileString("ETS", "etsininame", "Ets30.ini", File()), 1);
    EXPECT_EQ(WritePrivateProfileString("Other", "New", "2", File()), 1);
    EXPECT_EQ(Read(), "[Ets]\nEtsIniName=Ets30.ini\r\nmore text without equals\n[Other]\nKey=1\r\n"
                      "New=2\r\n");
}

TEST_F(Profile, EveryWrittenLineEndsInCrLfAndANewSectionFollowsDirectly) {
    struct TCase {
        const char *what;
        const char *before;
        const char *section;
        const char *key;
        const char *after;
    };
    const TCase cases[] = {
        {"new section after a last line without line end", "[B]\r\nX=2", "C", "Y",
         "[B]\r\nX=2\r\n[C]\r\nY=1\r\n"},
        {"new section after a full line", "[B]\r\nX=2\r\n", "C", "Y",
         "[B]\r\nX=2\r\n[C]\r\nY=1\r\n"},
        {"new key after a last line without line end", "[B]\nX=2", "B", "Y",
         "[B]\nX=2\r\nY=1\r\n"},
        {"replaced last line without line end", "[B]\nX=2", "B", "X", "[B]\nX=1\r\n"},
        {"untouched last line without line end stays so", "[B]\nX=2\n[C]\nZ=3", "B", "X",
         "[B]\nX=1\r\n[C]\nZ=3"},
        {"lone CR line ends are kept", "[B]\rX=2\rZ=3\r", "B", "X", "[B]\rX=1\r\nZ=3\r"},
        {"blanks around the names asked for", "[A]\r\nK=0\r\n", " A ", " K ", "[A]\r\nK=1\r\n"},
        {"a new section and key without their blanks", "", " A\t", "\vK ", "[A]\r\nK=1\r\n"},
        {"a line without '=' is no key: a new line", "[A]\r\nK\r\n", "A", "K",
         "[A]\r\nK\r\nK=1\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Write(c.before);
        EXPECT_EQ(WritePrivateProfileString(c.section, c.key, "1", File()), 1);
        EXPECT_EQ(Read(), c.after);
    }
}

TEST_F(Profile, ReadsAsThePlatformDoes) {
    Write("[A]\rQuoted=\"abc\"\rSingle='abc'\rMixed=\"abc'\rInner=a\"b\"c\rOne=\"\r"
          "Empty=\"\"\rNum=\"42\"\r\vVt\f=\f x \v\rBare\r\xC4=1\r");
    struct TCase {
        const char *section;
        const char *key;
        const char *expected;
    };
    const TCase cases[] = {
        {"A", "Quoted", "abc"},   {"A", "Single", "abc"},   {"A", "Mixed", "\"abc'"},
        {"A", "Inner", "a\"b\"c"}, {"A", "One", "\""},      {"A", "Empty", ""},
        {"A", "Vt", "x"},         {" A ", "\tQuoted ", "abc"}, {"A", "Bare", "def"},
        {"A", "\xE4", "1"},       {"\xE4", "x", "def"},
    };
    char buf[16];
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        GetPrivateProfileString(c.section, c.key, "def", buf, sizeof buf, File());
        EXPECT_EQ(std::string(buf), c.expected);
    }
    EXPECT_EQ(GetPrivateProfileInt("A", "Num", 0, File()), 42);
    EXPECT_EQ(GetPrivateProfileInt("A", "Bare", 7, File()), 7);
    // The cut applies to the unquoted value.
    EXPECT_EQ(GetPrivateProfileString("A", "Quoted", "", buf, 3, File()), 2u);
    EXPECT_EQ(std::string(buf), "ab");
    // The section read still lists the line without '='.
    char list[128];
    const DWORD n = GetPrivateProfileSection("A", list, sizeof list, File());
    EXPECT_NE(std::string(list, n).find(std::string("\0Bare\0", 6)), std::string::npos);
}

TEST_F(Profile, TheDefaultComesWithoutTrailingBlanks) {
    char buf[16];
    EXPECT_EQ(GetPrivateProfileString("A", "K", " d \t ", buf, sizeof buf, File()), 2u);
    EXPECT_EQ(std::string(buf), " d");
    EXPECT_EQ(GetPrivateProfileString("A", "K", "   ", buf, sizeof buf, File()), 0u);
}

TEST_F(Profile, FileThatCannotBeReadIsNeverOverwritten) {
    fs::create_directories(FPath);
    EXPECT_EQ(WritePrivateProfileString("A", "B", "C", File()), 0);
    EXPECT_TRUE(fs::is_directory(FPath));
    char buf[8];
    EXPECT_EQ(GetPrivateProfileString("A", "B", "d", buf, sizeof buf, File()), 1u);
    EXPECT_EQ(std::string(buf), "d");
}

} // namespace
