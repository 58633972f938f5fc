// Device parameters of the arming-settings, acknowledgement, alarm-output and alarm-duration
// classes, written into a temporary project of the simulated bus tool: per area or alarm type,
// and nothing at all before the object's selector was applied.
#include "FakeMainWindow.h"
#include "objectmodel/TAzAlarmdauer.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using TWrites = std::vector<std::pair<int, int32_t>>; // (id, value) in the order written

struct AlarmDeviceParamTest : ::testing::Test {
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    TMessageBoxRecorder boxes;

    // The parameter writes, as the fake main window noted them ("id=value").
    TWrites Writes() const {
        TWrites writes;
        for (const auto &e : main.Log())
            if (e.Msg == 0) {
                const size_t eq = e.Note.find('=');
                if (eq != std::string::npos)
                    writes.emplace_back(std::stoi(e.Note.substr(0, eq)),
                                        std::stoi(e.Note.substr(eq + 1)));
            }
        return writes;
    }
    // Every write reached the project with its value.
    void ExpectInProject(const TWrites &writes) {
        for (const auto &[id, value] : writes)
            EXPECT_EQ(project.Parameter(id), value) << id;
    }
    // Nothing was written, the writer was not even asked for, and none of these ids holds
    // anything but its initial 0.
    void ExpectNothingWritten(const std::vector<int> &ids) {
        EXPECT_TRUE(Writes().empty());
        for (const auto &e : main.Log())
            EXPECT_NE(e.Msg, UINT(WM_AZ_GET_DEVICE_PARAM));
        for (const int id : ids)
            EXPECT_EQ(project.Parameter(id), 0) << id;
        EXPECT_TRUE(boxes.Boxes().empty());
    }
};

// Every id of a family over the four arming areas: base + 100 n + 10 k.
std::vector<int> AllAreas(std::initializer_list<int> bases, int kMax, int step = 100) {
    std::vector<int> ids;
    for (const int base : bases)
        for (int n = 1; n <= 4; ++n)
            for (int k = 1; k <= kMax; ++k)
                ids.push_back(base + step * n + 10 * k);
    return ids;
}

// ---- Arming settings ------------------------------------------------------------------

TDatenStruktur ArmingRecord(int area) {
    TDatenStruktur rec;
    rec.Handle = 3;
    rec.Parent = 2;
    rec.System = 1;
    rec.Param3 = 20 + area;   // arming delay
    rec.Param4 = 40 + area;   // alarm delay
    rec.Param5 = 4609;        // switching device 1
    rec.Param6 = 0;           // 2 unused
    rec.Param7 = 4610 + area; // 3
    rec.Param8 = 0;           // 4 unused
    rec.Param9 = area;
    rec.Param10 = 7;
    rec.Param11 = 255;
    rec.Param12 = 0; // unlinked
    rec.Param13 = 255;
    return rec;
}

class ArmingSettingsAreaTest : public AlarmDeviceParamTest,
                               public ::testing::WithParamInterface<int> {};

TEST_P(ArmingSettingsAreaTest, TenParametersOfTheAreaAfterItsInit) {
    const int n = GetParam();
    TAzScharfschaltungSsb ssb(main.Handle(), 1, 2, "SSB", 3);
    TDatenStruktur rec = ArmingRecord(n);
    ssb.InitFromDB(rec);
    EXPECT_FALSE(ssb.WriteDataToDb()) << "loaded, not yet initialised";
    ExpectNothingWritten(AllAreas({17000, 18000}, 4));

    ASSERT_TRUE(ssb.InitScharfschaltungSsb());
    EXPECT_TRUE(ssb.WriteDataToDb());
    const int a = 100 * n;
    const TWrites expected{{21000 + 10 * n, 20 + n}, {22000 + 10 * n, 40 + n}, {17010 + a, 4609},
                           {17020 + a, 0},           {17030 + a, 4610 + n},    {17040 + a, 0},
                           {18010 + a, 7},           {18020 + a, 255},         {18030 + a, 0},
                           {18040 + a, 255}};
    EXPECT_EQ(Writes(), expected);
    ExpectInProject(expected);
}

INSTANTIATE_TEST_SUITE_P(Areas, ArmingSettingsAreaTest, ::testing::Values(1, 2, 3, 4));

TEST_F(AlarmDeviceParamTest, ArmingSettingsOfANewObjectOfArea3) {
    TAzScharfschaltungSsb ssb(main.Handle(), 1, 2, "SSB", 3);
    EXPECT_FALSE(ssb.WriteDataToDb()) << "area 1 by default, but no ids before the setter";
    EXPECT_FALSE(ssb.SetScharfschaltBereich(
        static_cast<TAzScharfschaltungSsb::TEnumScharfschaltBereich>(0)));
    EXPECT_FALSE(ssb.WriteDataToDb());
    ExpectNothingWritten(AllAreas({17000, 18000}, 4));

    ASSERT_TRUE(ssb.SetScharfschaltBereich(TAzScharfschaltungSsb::TEnumScharfschaltBereich(3)));
    EXPECT_TRUE(ssb.WriteDataToDb());
    EXPECT_EQ(Writes(), (TWrites{{21030, 0},
                                 {22030, 0},
                                 {17310, 0},
                                 {17320, 0},
                                 {17330, 0},
                                 {17340, 0},
                                 {18310, 255},
                                 {18320, 255},
                                 {18330, 255},
                                 {18340, 255}}));
    ExpectInProject(Writes());
}

TEST_F(AlarmDeviceParamTest, ALoadedAreaOutside1To4NeverGetsIds) {
    TAzScharfschaltungSsb ssb(main.Handle(), 1, 2, "SSB", 3);
    TDatenStruktur rec = ArmingRecord(1);
    rec.Param9 = 6;
    ssb.InitFromDB(rec);
    EXPECT_FALSE(ssb.InitScharfschaltungSsb());
    EXPECT_FALSE(ssb.WriteDataToDb());
    ExpectNothingWritten(AllAreas({17000, 18000}, 4));
}

// ---- Arming and disarming acknowledgement ----------------------------------------------

class AcknowledgementAreaTest : public AlarmDeviceParamTest,
                                public ::testing::WithParamInterface<int> {};

TEST_P(AcknowledgementAreaTest, SixParametersOfTheAreaAfterItsInit) {
    const int n = GetParam();
    TAzScharfUnscharfQuittierungSsb quitt(main.Handle(), 1, 2, "Q", 3);
    TDatenStruktur rec;
    rec.Bool3 = false; // 'Scharf' signalling
    rec.Bool4 = true;
    rec.Bool5 = true;
    rec.Bool6 = false;
    rec.Bool7 = true;
    rec.Param3 = 2;
    rec.Param4 = n;
    quitt.InitFromDB(rec);
    EXPECT_FALSE(quitt.WriteDataToDb()) << "loaded, not yet initialised";
    ExpectNothingWritten(AllAreas({13000}, 5));

    quitt.InitScharfUnscharfQuittierungSsb();
    EXPECT_TRUE(quitt.WriteDataToDb());
    const int a = 13000 + 100 * n;
    const TWrites expected{{a + 50, 0}, {a + 10, 1}, {a + 20, 1},
                           {a + 30, 0}, {a + 40, 1}, {23010 + 100 * n, 2}};
    EXPECT_EQ(Writes(), expected);
    ExpectInProject(expected);
}

INSTANTIATE_TEST_SUITE_P(Areas, AcknowledgementAreaTest, ::testing::Values(1, 2, 3, 4));

TEST_F(AlarmDeviceParamTest, AcknowledgementWritesOnlyForTheAreaItHolds) {
    using Bereich = TAzScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich;
    TAzScharfUnscharfQuittierungSsb quitt(main.Handle(), 1, 2, "Q", 3);
    EXPECT_FALSE(quitt.WriteDataToDb()) << "a new object has no area";
    quitt.SetScharfschaltBereich(Bereich(3));
    quitt.SetScharfschaltBereich(Bereich(5)); // stored; area 3's ids are not its own any more
    EXPECT_EQ(quitt.GetScharfschaltBereich(), 5);
    EXPECT_FALSE(quitt.WriteDataToDb());
    ExpectNothingWritten(AllAreas({13000}, 5));

    quitt.SetScharfschaltBereich(Bereich(3));
    EXPECT_TRUE(quitt.WriteDataToDb());
    EXPECT_EQ(Writes(),
              (TWrites{{13350, 1}, {13310, 1}, {13320, 0}, {13330, 0}, {13340, 0}, {23310, 0}}));
}

// ---- Alarm outputs ---------------------------------------------------------------------

struct AlarmTypeCase {
    const char *name;
    int typ;
    TWrites expected; // with the record below: flash 1, outer 0, inner 1, relay 1, every
                      // transmission-device signal on
};

class AlarmOutputTypeTest : public AlarmDeviceParamTest,
                            public ::testing::WithParamInterface<AlarmTypeCase> {};

const std::vector<int> AlarmIds = [] {
    std::vector<int> ids;
    for (const int first : {16110, 16210, 16310, 16410, 16510, 16610})
        for (int k = 0; k < 5; ++k)
            ids.push_back(first + 10 * k);
    return ids;
}();

TEST_P(AlarmOutputTypeTest, FiveParametersOfTheTypeAfterItsInit) {
    const AlarmTypeCase &c = GetParam();
    TAzAlarmierung a(main.Handle(), 1, 2, "A", 3);
    TDatenStruktur rec;
    rec.Bool3 = true;
    rec.Bool4 = false;
    rec.Bool5 = true;
    rec.Bool6 = true;
    rec.Bool7 = rec.Bool8 = rec.Bool9 = rec.Bool10 = true;
    rec.Param3 = c.typ;
    a.InitFromDB(rec);
    EXPECT_FALSE(a.WriteDataToDb()) << "loaded, not yet initialised";
    ExpectNothingWritten(AlarmIds);

    a.InitDisplayOrderNumberAlarmierung();
    EXPECT_EQ(a.WriteDataToDb(), !c.expected.empty());
    EXPECT_EQ(Writes(), c.expected);
    ExpectInProject(c.expected);
    if (c.expected.empty())
        ExpectNothingWritten(AlarmIds);
}

TWrites Outputs(int first, int signal) {
    return {{first, 1}, {first + 10, 0}, {first + 20, 1}, {first + 30, 1}, {first + 40, signal}};
}

INSTANTIATE_TEST_SUITE_P(Types, AlarmOutputTypeTest,
                         ::testing::Values(AlarmTypeCase{"Fire", 0, Outputs(16510, 1)},
                                           AlarmTypeCase{"HoldUp", 1, Outputs(16610, 1)},
                                           AlarmTypeCase{"ExternalSabotageHasNoIds", 2, {}},
                                           AlarmTypeCase{"ArmingArea1", 3, Outputs(16110, 1)},
                                           AlarmTypeCase{"ArmingArea2", 4, Outputs(16210, 1)},
                                           AlarmTypeCase{"ArmingArea3", 5, Outputs(16310, 1)},
                                           AlarmTypeCase{"ArmingArea4", 6, Outputs(16410, 1)},
                                           AlarmTypeCase{"UnknownType", 7, {}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlarmDeviceParamTest, AlarmOutputsWriteTheSignalOfTheirOwnType) {
    TAzAlarmierung a(main.Handle(), 1, 2, "A", 3);
    TDatenStruktur rec;
    rec.Param3 = 0;
    rec.Bool9 = false; // 'Feuer' off, every other signal on
    rec.Bool7 = rec.Bool8 = rec.Bool10 = true;
    a.InitFromDB(rec);
    a.InitDisplayOrderNumberAlarmierung();
    EXPECT_TRUE(a.WriteDataToDb());
    EXPECT_EQ(Writes(), (TWrites{{16510, 0}, {16520, 0}, {16530, 0}, {16540, 0}, {16550, 0}}));
}

TEST_F(AlarmDeviceParamTest, AlarmOutputsOfANewObjectWriteNothingOverArea1) {
    using Typ = TAzAlarmierung::TEnumAlarmierungTyp;
    TAzAlarmierung a(main.Handle(), 1, 2, "A", 3);
    EXPECT_FALSE(a.WriteDataToDb());
    ExpectNothingWritten(AlarmIds);

    // A type without ids of its own does not inherit the ids of the type before it.
    EXPECT_TRUE(a.SetAlarmierungTyp(Typ(5)));
    EXPECT_FALSE(a.SetAlarmierungTyp(Typ(2)));
    EXPECT_FALSE(a.WriteDataToDb());
    ExpectNothingWritten(AlarmIds);

    EXPECT_TRUE(a.SetAlarmierungTyp(Typ(4)));
    EXPECT_TRUE(a.WriteDataToDb());
    EXPECT_EQ(Writes(), (TWrites{{16210, 1}, {16220, 1}, {16230, 0}, {16240, 1}, {16250, 1}}));
}

// ---- Alarm durations --------------------------------------------------------------------

TEST_F(AlarmDeviceParamTest, AlarmDurationsHaveFixedIds) {
    TAzAlarmdauer dauer(main.Handle(), 1, 2, "D", 3);
    EXPECT_TRUE(dauer.WriteDataToDb());
    EXPECT_EQ(Writes(), (TWrites{{15010, 255}, {15020, 180}, {15030, 180}, {15040, 255}}));
    ExpectInProject(Writes());
}

// ---- Failures -------------------------------------------------------------------------

TEST_F(AlarmDeviceParamTest, WithoutAWriterTheUserIsToldAndNothingIsWritten) {
    main.SetDeviceParam(nullptr);
    TAzScharfUnscharfQuittierungSsb quitt(main.Handle(), 1, 2, "Q", 3);
    quitt.SetScharfschaltBereich(TAzScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich(1));
    EXPECT_FALSE(quitt.WriteDataToDb());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Die Parameter konnten nicht in der Ets gespeichert werden.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler beim Zugriff auf Ets");
    EXPECT_EQ(boxes.Boxes()[0].style, 0u);
    EXPECT_EQ(project.Parameter(13150), 0);
}

TEST_F(AlarmDeviceParamTest, ARefusedParameterMakesTheWriteFailButTheOthersGoOn) {
    project.Database().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
    TAzAlarmdauer dauer(main.Handle(), 1, 2, "D", 3);
    EXPECT_FALSE(dauer.WriteDataToDb());
    EXPECT_EQ(Writes().size(), 4u) << "the others are still written";
    EXPECT_EQ(project.Parameter(15010), 0) << "the refused one";
    EXPECT_EQ(project.Parameter(15040), 255);
}

} // namespace
