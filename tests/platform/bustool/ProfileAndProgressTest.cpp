// The device profile and the progress dialog on the bus tool's meter.
#include "TempProject.h"

#include "platform/bustool/TEtsProfile.h"
#include "platform/bustool/TEtsProgressDialog.h"

#include <gtest/gtest.h>

namespace {

class Profile : public ::testing::Test {
protected:
    TTempProject project;
    TEtsProfile profile{&project.Cdi()};
};

TEST_F(Profile, AMissingEntryReadsAsItsDefault) {
    int32_t n = 0;
    bool b = true;
    AnsiString s = "x";
    EXPECT_TRUE(profile.Read("Download", "MaxRepeat", 3, n));
    EXPECT_EQ(n, 3);
    EXPECT_TRUE(profile.Read("Download", "UserMemAlles", false, b));
    EXPECT_FALSE(b);
    EXPECT_TRUE(profile.Read("BcuFirmware", "12", " ", s));
    EXPECT_EQ(s, " ");
    s = "self";
    EXPECT_TRUE(profile.Read("BcuFirmware", "12", s, s)); // the default may be the out value
    EXPECT_EQ(s, "self");
}

TEST_F(Profile, ValuesRoundTrip) {
    ASSERT_TRUE(profile.Write("Compiler", "BcuFirmwareVersion", int32_t{-12}));
    ASSERT_TRUE(profile.Write("Download", "UserMemAlles", true));
    ASSERT_TRUE(profile.Write("BcuFirmware", "12",
                              "C:\\Firmware\\B\xFC"
                              "ro.hex"));
    ASSERT_TRUE(profile.Write("UserFirmware", "7", " "));
    int32_t n = 0;
    bool b = false;
    AnsiString s;
    EXPECT_TRUE(profile.Read("compiler", "BCUFIRMWAREVERSION", 0, n)); // case as in a settings file
    EXPECT_EQ(n, -12);
    EXPECT_TRUE(profile.Read("Download", "UserMemAlles", false, b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(profile.Read("BcuFirmware", "12", "", s));
    EXPECT_EQ(s, "C:\\Firmware\\B\xFC"
                 "ro.hex");
    EXPECT_TRUE(profile.Read("UserFirmware", "7", "", s));
    EXPECT_EQ(s, " ");
    // Kept in the project, per module: another module has its own profile.
    EXPECT_EQ(project.Database().ProfileValue("083AZ160", "Download", "UserMemAlles"), "1");
    TEts2Cdi other(project.File(), "099XY");
    TEtsProfile otherProfile(&other);
    EXPECT_TRUE(otherProfile.Read("Download", "UserMemAlles", false, b));
    EXPECT_FALSE(b);
}

TEST_F(Profile, OnlyRealFailuresReadFalse) {
    ASSERT_TRUE(profile.Write("Download", "MaxRepeat", "drei"));
    int32_t n = 0;
    bool b = true;
    EXPECT_FALSE(profile.Read("Download", "MaxRepeat", 3, n)); // not a number
    EXPECT_EQ(n, 3);
    EXPECT_FALSE(profile.Read("Download", "MaxRepeat", false, b)); // not a bool
    EXPECT_FALSE(b);
    project.Database().InjectFailure("TEtsProfile::Read", 1);
    AnsiString s = "x";
    EXPECT_FALSE(profile.Read("Download", "Other", "d", s));
    EXPECT_EQ(s, "d");
    project.Database().InjectFailure("TEtsProfile::Write", 1);
    EXPECT_FALSE(profile.Write("Download", "MaxRepeat", int32_t{5}));
    EXPECT_FALSE(TEtsProfile(nullptr).Write("Download", "MaxRepeat", int32_t{5}));
}

TEST(ProgressDialog, DrivesTheMeterAndClosesIt) {
    TTempProject project;
    TEtsMeterRecorder meters;
    TEts2Cdi &cdi = project.Cdi();
    const HMETER meter = cdi.CoMeterDlgOpen(nullptr, 2);
    cdi.CoMeterSetCaption(meter, "Ets-Projekt-Import");
    {
        TEtsProgressDialog progress(&cdi, meter);
        meters.AbortFromPosition(15);
        progress.EtsMeterSetText("Lade");
        progress.EtsMeterSetPosition(10);
        EXPECT_FALSE(progress.EtsGetAbortFlag());
        progress.EtsMeterSetText1("Ger\xE4t");
        progress.EtsMeterSetText2("Objekt");
        progress.EtsMeterSetPosition(15);
        EXPECT_TRUE(progress.EtsGetAbortFlag());
    } // the dialog closes its meter when it goes
    EXPECT_EQ(meters.Calls(),
              (std::vector<std::string>{"open 2", "caption Ets-Projekt-Import", "text0 Lade",
                                        "position 10", "text1 Ger\xE4t", "text2 Objekt",
                                        "position 15", "close"}));
    EXPECT_EQ(cdi.GetMeterView(meter), nullptr);
}

TEST(ProgressDialog, AClosedMeterIsHarmless) {
    TTempProject project;
    TEtsMeterRecorder meters;
    TEts2Cdi &cdi = project.Cdi();
    const HMETER meter = cdi.CoMeterDlgOpen(nullptr, 13);
    meters.Abort();
    TEtsProgressDialog progress(&cdi, meter);
    EXPECT_TRUE(progress.EtsGetAbortFlag());
    cdi.CoMeterDlgClose(meter);
    progress.EtsMeterSetPosition(80);
    EXPECT_FALSE(progress.EtsGetAbortFlag());
    cdi.CoMeterDlgClose(meter);
    EXPECT_EQ(meters.Calls(), (std::vector<std::string>{"open 13", "close"}));
    TEtsProgressDialog nothing(nullptr, 0);
    nothing.EtsMeterSetText("x");
    EXPECT_FALSE(nothing.EtsGetAbortFlag());
}

TEST(ProgressDialog, WithoutAFactoryTheMeterIsSilentAndNeverAborts) {
    TTempProject project;
    TEts2Cdi &cdi = project.Cdi();
    TEtsProgressDialog progress(&cdi, cdi.CoMeterDlgOpen(nullptr, 2));
    progress.EtsMeterSetPosition(99);
    EXPECT_NE(cdi.GetMeterView(progress.GetMeter()), nullptr);
    EXPECT_FALSE(progress.EtsGetAbortFlag());
}

} // namespace
