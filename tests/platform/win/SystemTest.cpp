// Process services.
#include "platform/win/System.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

TEST(System, ProgramFileNameIsThisTestProgram) {
    const std::filesystem::path path = GetProgramFileName();
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "test_win");
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

TEST(System, SleepWaitsAtLeastTheGivenTime) {
    const auto start = std::chrono::steady_clock::now();
    Sleep(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

} // namespace
