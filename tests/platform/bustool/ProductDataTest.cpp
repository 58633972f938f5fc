// The panel's product data and its text form.
#include "platform/bustool/DalRecords.h"
#include "platform/bustool/TProductData.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Every device parameter the object model writes, as families (first id, count, step).
struct TFamily {
    const char *what;
    int first, count, step;
};
const TFamily kObjectModelWrites[] = {
    {"panel root", 10070, 1, 1},          {"panel root", 10060, 1, 1},
    {"panel root", 10110, 3, 10},         {"panel root", 10010, 1, 1},
    {"panel root", 10140, 1, 1},          {"editable text parts 1-4", 12621, 50 * 5, 1},
    {"detector words", 3010, 160, 10},    {"detector texts", 11011, 160, 10},
    {"detector texts", 11012, 160, 10},   {"detector texts", 11013, 160, 10},
    {"detector texts", 11014, 160, 10},   {"wired input word", 4620, 1, 1},
    {"wired input text", 12611, 4, 1},    {"sabotage", 4610, 1, 1},
    {"sabotage resistor", 4630, 1, 1},    {"arming area texts", 19101, 4, 1},
    {"arming area texts", 19201, 4, 1},   {"arming area texts", 19301, 4, 1},
    {"arming area texts", 19401, 4, 1},   {"arming delays", 21010, 4, 10},
    {"alarm delays", 22010, 4, 10},       {"switching devices", 17110, 4, 10},
    {"switching devices", 17210, 4, 10},  {"switching devices", 17310, 4, 10},
    {"switching devices", 17410, 4, 10},  {"sabotage detectors", 18110, 4, 10},
    {"sabotage detectors", 18210, 4, 10}, {"sabotage detectors", 18310, 4, 10},
    {"sabotage detectors", 18410, 4, 10}, {"acknowledgement", 13110, 5, 10},
    {"acknowledgement", 13210, 5, 10},    {"acknowledgement", 13310, 5, 10},
    {"acknowledgement", 13410, 5, 10},    {"locking element", 23110, 4, 100},
    {"alarm outputs", 16110, 5, 10},      {"alarm outputs", 16210, 5, 10},
    {"alarm outputs", 16310, 5, 10},      {"alarm outputs", 16410, 5, 10},
    {"alarm fire", 16510, 5, 10},         {"alarm hold-up", 16610, 5, 10},
    {"alarm durations", 15010, 4, 10},    {"monitoring", 10080, 2, 10},
    {"monitoring reaction", 7160, 1, 1},  {"transmission R", 20010, 4, 10},
    {"transmission R", 13600, 4, 100},    {"date and time", 10020, 4, 10},
    {"display folder", 10100, 1, 1},      {"display units", 14010, 4, 10},
};

TEST(PanelProductData, KnowsEveryParameterTheObjectModelWrites) {
    const TProductData &panel = PanelProductData();
    for (const auto &f : kObjectModelWrites)
        for (int i = 0; i < f.count; ++i) {
            const int id = f.first + i * f.step;
            // The editable texts use four of every five ids.
            if (f.first == 12621 && i % 5 == 4)
                continue;
            EXPECT_NE(panel.FindParameter(id), nullptr) << f.what << ": " << id;
        }
    ASSERT_NE(panel.FindParameter(9999), nullptr);
    EXPECT_EQ(panel.FindParameter(9999)->name, "DeviceId");
    EXPECT_EQ(panel.FindParameter(4621), nullptr); // a typo must not find a parameter
}

TEST(PanelProductData, ObjectsAreSwitchedByTheirDisplayOrderParameters) {
    struct TCase {
        int number, parameter, from, to;
    };
    const TCase cases[] = {
        {0, 10, 1, 6},     {158, 1590, 1, 6}, {159, 1591, 1, 6}, {160, 1592, 1, 1},
        {161, 1593, 1, 6}, {162, 1650, 1, 1}, {165, 1950, 1, 1}, {169, 1950, 1, 1},
        {172, 1860, 1, 1}, {196, 1860, 1, 1}, {193, 5600, 1, 1}, {201, 5100, 1, 1},
        {230, 5100, 1, 1}, {202, 5200, 1, 1}, {198, 5700, 1, 1}, {206, 5700, 1, 1},
        {213, 6300, 1, 1}, {221, 6300, 1, 1}, {203, 7200, 1, 1}, {223, 8000, 1, 1},
        {225, 1599, 1, 1}, {226, 1599, 1, 1}, {227, 7150, 1, 1}, {229, 7100, 1, 1},
    };
    std::map<int, const TProductObject *> byNumber;
    for (const auto &o : PanelProductData().objects)
        byNumber[o.number] = &o;
    EXPECT_EQ(byNumber.size(), 231u); // objects 0 to 230, each once
    EXPECT_EQ(byNumber.begin()->first, 0);
    EXPECT_EQ(byNumber.rbegin()->first, 230);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        ASSERT_TRUE(byNumber.count(c.number));
        const TProductObject &o = *byNumber[c.number];
        EXPECT_EQ(o.parameterId, c.parameter);
        EXPECT_EQ(o.onFrom, c.from);
        EXPECT_EQ(o.onTo, c.to);
    }
    EXPECT_EQ(byNumber[12]->name, "Melder 13");
    EXPECT_EQ(byNumber[223]->type, 9);
    EXPECT_EQ(byNumber[0]->flags, ETS_FLAG_COMM | ETS_FLAG_WRITE);
}

TEST(ProductDataText, FamiliesExpandWithTheirSteps) {
    const TProductData d =
        ParseProductData("[product]\n"
                         "name | P | chosen\n"
                         "[parameters]\n"
                         "# comment\n"
                         "  100 | 3 | 10 | 5 | Wert %n | 7 | chosen  \n"
                         "[objects]\n"
                         "4 | 2 | 3 | 1 | O %n | F%n | 7 | CRWTU | 110 | 10 | 2 | 4 | given\n"
                         "9 | 1 | 0 | 1 | Immer | - | 0 | C | - | 0 | 0 | 0 | chosen\n");
    ASSERT_EQ(d.parameters.size(), 3u);
    EXPECT_EQ(d.parameters[2].id, 120);
    EXPECT_EQ(d.parameters[2].name, "Wert 7");
    EXPECT_EQ(d.parameters[2].defaultValue, 7);
    ASSERT_EQ(d.objects.size(), 3u);
    EXPECT_EQ(d.objects[1].number, 7);
    EXPECT_EQ(d.objects[1].function, "F2");
    EXPECT_EQ(d.objects[1].parameterId, 120);
    EXPECT_EQ(d.objects[1].flags, 31);
    EXPECT_FALSE(d.objects[2].parameterId.has_value());
}

TEST(ProductDataText, ErrorsNameTheLine) {
    const std::string head = "[product]\nname | P | chosen\n[parameters]\n1 | 1 | 0 | 1 | A | 0 | "
                             "chosen\n[objects]\n";
    struct TCase {
        const char *line;
        const char *message;
    };
    const TCase cases[] = {
        {"0 | 1 | 0 | 1 | O | F | 0 | C | 1 | 0 | 1", "13 columns expected"},
        {"0 | 1 | 0 | 1 | O | F | 0 | CX | 1 | 0 | 1 | 1 | chosen", "unknown flag"},
        {"0 | 1 | 0 | 1 | O | F | 0 | C | 2 | 0 | 1 | 1 | chosen", "unknown parameter 2"},
        {"0 | 2 | 0 | 1 | O | F | 0 | C | 1 | 0 | 1 | 1 | chosen", "object number 0 twice"},
        {"0 | 1 | 0 | 1 | O | F | x | C | 1 | 0 | 1 | 1 | chosen", "not a number"},
        {"0 | 1 | 0 | 1 | O | F | 0 | C | 1 | 0 | 2 | 1 | chosen", "empty range"},
        {"0 | 1 | 0 | 1 | O | F | 0 | C | 1 | 0 | 1 | 1 | guessed", "origin"},
        {"0 | 0 | 0 | 1 | O | F | 0 | C | 1 | 0 | 1 | 1 | chosen", "count"},
        // Families whose members overflow or that no 15-bit numbering holds: an error, at once.
        {"0 | 99999999 | 0 | 1 | O | F | 0 | C | 1 | 0 | 1 | 1 | chosen", "more than 32768"},
        {"0 | 32769 | 1 | 1 | O | F | 0 | C | - | 0 | 0 | 0 | chosen", "more than 32768"},
        {"0 | 3 | 2147483647 | 1 | O | F | 0 | C | - | 0 | 0 | 0 | chosen", "object number"},
        {"2147483647 | 1 | 0 | 1 | O | F | 0 | C | - | 0 | 0 | 0 | chosen", "object number"},
        {"0 | 2 | 1 | 2147483647 | O%n | F | 0 | C | - | 0 | 0 | 0 | chosen", "n 2147483648"},
        {"0 | 2 | 1 | 1 | O | F | 0 | C | 1 | 2147483647 | 1 | 1 | chosen", "parameter id"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        try {
            ParseProductData(head + c.line + "\n");
            ADD_FAILURE() << "no error";
        } catch (const EProductData &e) {
            EXPECT_NE(e.Message.find(c.message), std::string::npos) << e.Message;
        }
    }
    EXPECT_THROW(ParseProductData("1 | 1\n"), EProductData); // no section
    for (const char *family : {"0 | 99999999 | 0 | 1 | A | 0 | chosen",
                               "2147483647 | 2 | 1 | 1 | A | 0 | chosen",
                               "0 | 2 | 1 | 2147483647 | A%n | 0 | chosen"}) {
        SCOPED_TRACE(family);
        EXPECT_THROW(ParseProductData("[product]\nname | P | chosen\n[parameters]\n" +
                                      std::string(family) + "\n"),
                     EProductData);
    }
    EXPECT_THROW(ParseProductData(head + "[parameters]\n1 | 1 | 0 | 1 | B | 0 | chosen\n"),
                 EProductData); // parameter id twice
    try {
        ParseProductData(head + "0 | 1 | 0 | 1 | O | F | 0 | C | 1 | 0 | 1 | 1 | nope\n");
        ADD_FAILURE() << "no error";
    } catch (const EProductData &e) {
        EXPECT_NE(e.Message.find("line 6:"), std::string::npos) << e.Message;
    }
}

} // namespace
