// One QApplication for the whole test program (offscreen, as CTest sets it).
#include <QApplication>

#include <gtest/gtest.h>

namespace {
class TQtUmgebung : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_shell";
        static char *argv[] = {name, nullptr};
        FApp = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { FApp.reset(); }

private:
    std::unique_ptr<QApplication> FApp;
};
[[maybe_unused]] ::testing::Environment *const kUmgebung =
    ::testing::AddGlobalTestEnvironment(new TQtUmgebung); // gtest owns it
} // namespace
