// The import of exported project data: group-address words taken apart into their levels.
#include "deviceinstance/TDeviceInstanzAz.h"

#include <gtest/gtest.h>

namespace {

TEST(ImportGruppenAdresse, AWordIsTakenApartByItsLevels) {
    struct TFall {
        int Wort;
        bool DreiStufig;
        uint16_t Main, Middle, Sub;
    };
    const TFall faelle[] = {
        {0, true, 0, 0, 0},          {0, false, 0, 0, 0},
        {0x0A05, true, 1, 2, 5},     {0x0A05, false, 1, 0, 0x205},
        {0x0FFF, false, 1, 0, 2047}, {0x0FFF, true, 1, 7, 0xFF},
        {0x8A05, true, 1, 2, 5},     {0xFFFF, false, 15, 0, 2047},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(testing::Message() << std::hex << f.Wort << (f.DreiStufig ? " 3" : " 2"));
        uint16_t main = 99, middle = 99, sub = 99;
        TDeviceInstanzAz::GetMainMiddleAndSubGroupAddr(f.Wort, f.DreiStufig, main, middle, sub);
        EXPECT_EQ(main, f.Main);
        EXPECT_EQ(middle, f.Middle);
        EXPECT_EQ(sub, f.Sub);
    }
}

} // namespace
