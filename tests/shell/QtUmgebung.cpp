// One QApplication for the whole test program (offscreen, as CTest sets it), and the program's
// first project window (number 0), made before any test runs.
#include "TTestHaupt.h"

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
        FHaupt = std::make_unique<TTestHaupt>();
        FFenster0 = std::make_unique<TFormVerw>(*FHaupt->DM);
        FHaupt->Zustellen();
        Instanz = this;
    }
    void TearDown() override {
        FFenster0.reset();
        FHaupt.reset();
        FApp.reset();
    }
    static TQtUmgebung *Instanz;
    std::unique_ptr<QApplication> FApp;
    std::unique_ptr<TTestHaupt> FHaupt;
    std::unique_ptr<TFormVerw> FFenster0;
};
TQtUmgebung *TQtUmgebung::Instanz = nullptr;
[[maybe_unused]] ::testing::Environment *const kUmgebung =
    ::testing::AddGlobalTestEnvironment(new TQtUmgebung); // gtest owns it
} // namespace

TFormVerw &Fenster0() {
    return *TQtUmgebung::Instanz->FFenster0;
}
