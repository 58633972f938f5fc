// The trace log: one line per method entry while it is on, nothing while it is off.
#include "platform/log/Log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Log : public ::testing::Test {
protected:
    void SetUp() override {
        FPath = (fs::temp_directory_path() /
                 ("log_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log"))
                    .string();
        fs::remove(FPath);
    }
    void TearDown() override {
        CloseLogFkt();
        fs::remove(FPath);
    }
    std::string Read() const {
        std::ifstream in(FPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // One method entry; answers the line of its LOG_FKT.
    static int Enter() {
        LOG_FKT("TFormMain::GetEtsRegData");
        return __LINE__ - 1;
    }
    std::string Entry(int line) const {
        return "TFormMain::GetEtsRegData\t1024\tLogTest:" + std::to_string(line) + "\n";
    }
    std::string FPath;
};

TEST_F(Log, OffUntilSwitchedOn) {
    EXPECT_FALSE(LogFktIsOpen());
    EXPECT_FALSE(kimlog::g_active);
    Enter();
    EXPECT_FALSE(fs::exists(FPath));
}

TEST_F(Log, WritesOneLinePerEntryWhileOn) {
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, -1, false));
    EXPECT_TRUE(LogFktIsOpen());
    const int line = Enter();
    Enter();
    CloseLogFkt();
    EXPECT_FALSE(LogFktIsOpen());
    Enter();
    EXPECT_EQ(Read(), Entry(line) + Entry(line));
}

TEST_F(Log, LinesCarryTheClockTimeWhenAsked) {
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, -1, true));
    Enter();
    CloseLogFkt();
    EXPECT_TRUE(std::regex_match(
        Read(), std::regex(R"(\d\d:\d\d:\d\d\.\d\d\d TFormMain::GetEtsRegData\t1024\t.+:\d+\n)")))
        << Read();
}

TEST_F(Log, MaskWithoutTheLevelKeepsItOff) {
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, 1, false));
    EXPECT_FALSE(kimlog::g_active);
    Enter();
    CloseLogFkt();
    EXPECT_EQ(Read(), "");
}

// One entry of a helper below the default level; answers the line of its LOG_FKT_DETAIL.
int EnterDetail() {
    LOG_FKT_DETAIL("TSqlStatement::Step");
    return __LINE__ - 1;
}

TEST_F(Log, DetailsOnlyWhenTheMaskAsksForThem) {
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, LOG_FKT_LEVEL, false));
    EnterDetail();
    const int line = Enter();
    CloseLogFkt();
    EXPECT_EQ(Read(), Entry(line)) << "the default mask leaves the details out";
    fs::remove(FPath);
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, -1, false));
    const int detail = EnterDetail();
    CloseLogFkt();
    EXPECT_EQ(Read(), "TSqlStatement::Step\t512\tLogTest:" + std::to_string(detail) + "\n");
    fs::remove(FPath);
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, LOG_FKT_DETAIL_LEVEL, false));
    EnterDetail();
    Enter();
    CloseLogFkt();
    EXPECT_EQ(Read(), "TSqlStatement::Step\t512\tLogTest:" + std::to_string(detail) + "\n");
}

TEST(LogUnit, TheSourceUnitIsTheFilesNameWithoutPathExtensionOrClassPrefix) {
    static_assert(kimlog::SourceUnit("/src/x/objectmodel/TAzMelder.cpp") == "AzMelder");
    const std::pair<const char *, const char *> cases[] = {
        {"objectmodel/TAzMelder.cpp", "AzMelder"},
        {"/a/b/platform/bustool/TEts2Cdi.cpp", "Ets2Cdi"},
        {"AzDeviceParam.cpp", "AzDeviceParam"},
        {"foundation/TDatenManager.h", "DatenManager"},
        {"platform/objectbase/E_Basis.cpp", "E_Basis"},
        {"Tables.cpp", "Tables"},
        {"C:\\src\\TAzSystem.cpp", "AzSystem"},
        {"T.cpp", "T"},
        {"noext", "noext"},
    };
    for (const auto &[file, unit] : cases)
        EXPECT_EQ(kimlog::SourceUnit(file), unit) << file;
}

TEST_F(Log, EachEventAppendsToTheSameFile) {
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, -1, false));
    const int line = Enter();
    CloseLogFkt();
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, -1, false));
    Enter();
    CloseLogFkt();
    EXPECT_EQ(Read(), Entry(line) + Entry(line));
}

TEST_F(Log, FileThatCannotBeOpenedLeavesTheLogOff) {
    ASSERT_TRUE(InitLogFkt(FPath, LOG_FKT_LEVEL, -1, false));
    EXPECT_FALSE(InitLogFkt((fs::path(FPath) / "no" / "such.log").string()));
    EXPECT_FALSE(LogFktIsOpen());
    EXPECT_FALSE(kimlog::g_active);
    Enter(); // must not crash
    EXPECT_EQ(Read(), "");
}

} // namespace
