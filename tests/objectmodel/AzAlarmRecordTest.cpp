// Records of the arming-settings, acknowledgement, alarm-output, alarm-duration and alarming
// bus-object classes: what a record holds comes back unchanged, byte fields take the low byte.
#include "FakeMainWindow.h"
#include "objectmodel/TAzAlarmdauer.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzEibObjekteZurAlarmierung.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

using TMake = std::function<std::unique_ptr<TDataBasis>(HWND)>;

template <class C> TMake Make() {
    return [](HWND w) -> std::unique_ptr<TDataBasis> {
        return std::make_unique<C>(w, 1, 2, "Neu", 3);
    };
}

// A record of the class's type with every common field set and, from the class's own fields,
// what the case fills in.
TDatenStruktur Record(int16_t typ, const std::function<void(TDatenStruktur &)> &fill) {
    TDatenStruktur rec;
    rec.Handle = 40;
    rec.Name = "Gespeichert";
    rec.Typ = typ;
    rec.Parent = 7;
    rec.System = 1;
    rec.Param1 = 9; // position id
    fill(rec);
    return rec;
}

struct RoundTripCase {
    const char *name;
    TMake make;
    int16_t typ;
    std::function<void(TDatenStruktur &)> fill;
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, RecordObjectRecordKeepsEveryField) {
    const RoundTripCase &c = GetParam();
    TFakeMainWindow main;
    const auto object = c.make(main.Handle());
    const TDatenStruktur in = Record(c.typ, c.fill);
    TDatenStruktur copy = in;
    object->InitFromDB(copy);
    EXPECT_EQ(object->GetName(false), "Gespeichert");
    EXPECT_EQ(object->GetTyp(), c.typ);

    TDatenStruktur out;
    object->Write(out);
    EXPECT_EQ(out.GetDatensatzZeile(), in.GetDatensatzZeile());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, RoundTripTest,
    ::testing::Values(RoundTripCase{"ArmingSettings", Make<TAzScharfschaltungSsb>(), 6136,
                                    [](TDatenStruktur &r) {
                                        r.Param3 = 12;
                                        r.Param4 = 200;
                                        r.Param5 = 4609;
                                        r.Param6 = 0;
                                        r.Param7 = 4610;
                                        r.Param8 = 65535;
                                        r.Param9 = 3;
                                        r.Param10 = 7;
                                        r.Param11 = 255;
                                        r.Param12 = 0;
                                        r.Param13 = 160;
                                        r.String1 = "1.1.1";
                                        r.String3 = "1.1.2";
                                        r.String4 = "15.15.255";
                                    }},
                      RoundTripCase{"Acknowledgement", Make<TAzScharfUnscharfQuittierungSsb>(),
                                    6137,
                                    [](TDatenStruktur &r) {
                                        r.Bool3 = false;
                                        r.Bool4 = false;
                                        r.Bool5 = true;
                                        r.Bool6 = true;
                                        r.Bool7 = true;
                                        r.Param3 = 2;
                                        r.Param4 = 4;
                                    }},
                      RoundTripCase{"AlarmOutputs", Make<TAzAlarmierung>(), 6138,
                                    [](TDatenStruktur &r) {
                                        r.Bool3 = true;
                                        r.Bool5 = true;
                                        r.Bool7 = true;
                                        r.Bool8 = true;
                                        r.Bool10 = true;
                                        r.Param3 = 5;
                                    }},
                      RoundTripCase{"AlarmDurations", Make<TAzAlarmdauer>(), 6140,
                                    [](TDatenStruktur &r) {
                                        r.Param3 = 255;
                                        r.Param4 = 17;
                                        r.Param5 = 2;
                                        r.Param6 = 254;
                                        r.Bool3 = false;
                                        r.Bool4 = true;
                                        r.Bool5 = true;
                                        r.Bool6 = false;
                                    }},
                      RoundTripCase{"AlarmingBusObjects", Make<TAzEibObjekteZurAlarmierung>(), 6141,
                                    [](TDatenStruktur &) {}}),
    [](const auto &info) { return std::string(info.param.name); });

// Byte members take the low byte of their Param field and write it back widened.
struct ByteCase {
    const char *name;
    TMake make;
    int32_t TDatenStruktur::*field;
    int32_t stored;
    int32_t written;
};

class ByteFieldTest : public ::testing::TestWithParam<ByteCase> {};

TEST_P(ByteFieldTest, LowByteComesBackWidened) {
    const ByteCase &c = GetParam();
    TFakeMainWindow main;
    const auto object = c.make(main.Handle());
    TDatenStruktur in;
    in.*c.field = c.stored;
    object->InitFromDB(in);
    TDatenStruktur out;
    object->Write(out);
    EXPECT_EQ(out.*c.field, c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ByteFieldTest,
    ::testing::Values(ByteCase{"ArmingAreaNumber", Make<TAzScharfschaltungSsb>(),
                               &TDatenStruktur::Param9, 0x103, 3},
                      ByteCase{"ArmingAreaNumberSignExtended", Make<TAzScharfschaltungSsb>(),
                               &TDatenStruktur::Param9, 0xFF, -1},
                      ByteCase{"LockingElement", Make<TAzScharfUnscharfQuittierungSsb>(),
                               &TDatenStruktur::Param3, 0x1FE, -2},
                      ByteCase{"AcknowledgementArea", Make<TAzScharfUnscharfQuittierungSsb>(),
                               &TDatenStruktur::Param4, 0x204, 4},
                      ByteCase{"AlarmType", Make<TAzAlarmierung>(), &TDatenStruktur::Param3, 0x105,
                               5},
                      ByteCase{"DurationIsAWholeWord", Make<TAzAlarmdauer>(),
                               &TDatenStruktur::Param4, 0x1FF, 0x1FF}),
    [](const auto &info) { return std::string(info.param.name); });

// What a new object writes into its record before any load.
TEST(AzAlarmRecord, ConstructorValuesReachTheRecord) {
    TFakeMainWindow main;
    TDatenStruktur rec;

    TAzScharfschaltungSsb ssb(main.Handle(), 1, 2, "SSB", 3);
    ssb.Write(rec);
    EXPECT_EQ(rec.Typ, 6136);
    EXPECT_EQ(rec.Param9, 1);
    for (int32_t TDatenStruktur::*f : {&TDatenStruktur::Param3, &TDatenStruktur::Param4,
                                       &TDatenStruktur::Param5, &TDatenStruktur::Param8})
        EXPECT_EQ(rec.*f, 0);
    for (int32_t TDatenStruktur::*f : {&TDatenStruktur::Param10, &TDatenStruktur::Param13})
        EXPECT_EQ(rec.*f, 255);

    rec = {};
    TAzScharfUnscharfQuittierungSsb quitt(main.Handle(), 1, 2, "Q", 3);
    quitt.Write(rec);
    EXPECT_EQ(rec.Typ, 6137);
    EXPECT_TRUE(rec.Bool3);
    EXPECT_TRUE(rec.Bool4);
    EXPECT_FALSE(rec.Bool5 || rec.Bool6 || rec.Bool7);
    EXPECT_EQ(rec.Param3, 0);
    EXPECT_EQ(rec.Param4, 0) << "no area before one is set";

    rec = {};
    TAzAlarmdauer dauer(main.Handle(), 1, 2, "D", 3);
    dauer.Write(rec);
    EXPECT_EQ(rec.Typ, 6140);
    EXPECT_EQ(rec.Param3, 255);
    EXPECT_EQ(rec.Param4, 180);
    EXPECT_EQ(rec.Param5, 180);
    EXPECT_EQ(rec.Param6, 255);
    EXPECT_FALSE(rec.Bool3);
    EXPECT_TRUE(rec.Bool4);
    EXPECT_TRUE(rec.Bool5);
    EXPECT_FALSE(rec.Bool6);
}

// The class table's entries as the tree sees them.
TEST(AzAlarmRecord, TypeIconListStyleAndHelpOffset) {
    TFakeMainWindow main;
    struct Case {
        TMake make;
        int typ, icon, listStyle, help;
    };
    const Case cases[] = {
        {Make<TAzScharfschaltungSsb>(), 6136, 45, 1, 140},
        {Make<TAzScharfUnscharfQuittierungSsb>(), 6137, 46, 1, 150},
        {Make<TAzAlarmierung>(), 6138, 47, 1, 160},
        {Make<TAzAlarmdauer>(), 6140, 49, 1, 170},
        {Make<TAzEibObjekteZurAlarmierung>(), 6141, 50, 0, 180},
    };
    for (const Case &c : cases) {
        const auto o = c.make(main.Handle());
        SCOPED_TRACE(c.typ);
        EXPECT_EQ(o->GetTyp(), c.typ);
        EXPECT_EQ(o->GetIcon(), c.icon);
        EXPECT_EQ(o->ListStyle(), c.listStyle);
        EXPECT_EQ(o->GetQuickHelpIndexOffset(), c.help);
        EXPECT_FALSE(o->AllowChild(c.typ));
        EXPECT_FALSE(o->AllowDrop(o.get()));
    }
}

// Paste: a map without a record of the object's own type changes nothing.
TEST(AzAlarmRecord, EinfuegenNeedsARecordOfTheOwnType) {
    TFakeMainWindow main;
    TAzAlarmdauer dauer(main.Handle(), 1, 2, "Alarmdauer", 3);
    std::map<int, TDatenStruktur> records;
    TDatenStruktur other;
    other.Typ = 6138;
    other.Param3 = 99;
    records[1] = other;
    EXPECT_FALSE(dauer.Einfuegen(records));
    TDatenStruktur rec;
    dauer.Write(rec);
    EXPECT_EQ(rec.Param3, 255);

    TDatenStruktur own;
    own.Typ = 6140;
    own.Param3 = 30;
    own.Name = "Kopie";
    records[2] = own;
    EXPECT_TRUE(dauer.Einfuegen(records));
    dauer.Write(rec);
    EXPECT_EQ(rec.Param3, 30);
    EXPECT_EQ(rec.Name, "Alarmdauer") << "the object keeps its own name";
    EXPECT_EQ(rec.Handle, 3);
}

} // namespace
