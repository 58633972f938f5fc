// Links between device objects and sub groups, their send flag, and the objects' flags.
#include "Copied.h"
#include "TempProject.h"

#include "platform/bustool/TEtsDeviceParam.h"

#include <gtest/gtest.h>

namespace {

struct TLink {
    int32_t subGroup;
    int16_t send;
    bool operator==(const TLink &o) const { return subGroup == o.subGroup && send == o.send; }
};
std::ostream &operator<<(std::ostream &os, const TLink &l) {
    return os << "{" << l.subGroup << ", " << l.send << "}";
}

class Links : public ::testing::Test {
protected:
    void SetUp() override {
        TEtsDeviceParam param(&cdi, project.PanelId());
        ASSERT_EQ(param.SetDeviceParamData(1599, 1), 0); // objects 225 and 226, 1 bit
        ASSERT_EQ(param.SetDeviceParamData(8000, 1), 0); // objects 223 and 224, 3 bytes
        reset = project.DeviceObject(225);
        test = project.DeviceObject(226);
        date = project.DeviceObject(223);
        a = project.Database().AddGroupAddress(0, 0, 1, "Reset");
        b = project.Database().AddGroupAddress(0, 0, 2, "Test");
    }

    // The links of a device object, as the bus tool lists them.
    std::vector<TLink> LinksOf(int32_t deviceObject) {
        std::vector<TLink> links;
        DAL_SUB_TO_OBJECT r{};
        r.size = sizeof r;
        for (int mode = 1; cdi.DalGetSubgroupToObjectData(mode, -1, -1, deviceObject, &r) == 0;
             mode = 2) {
            EXPECT_EQ(Copied(r.deviceObjectId), deviceObject);
            links.push_back({r.subGroupId, r.sendFlag});
        }
        return links;
    }
    int SubGroupType(int32_t sub) {
        DAL_SUBGROUP g{};
        g.size = sizeof g;
        EXPECT_EQ(cdi.DalGetSubgroupData(3, sub, &g, -1), DAL_OK);
        return g.type;
    }

    TTempProject project;
    TEts2Cdi &cdi = project.Cdi();
    int32_t reset = 0, test = 0, date = 0, a = 0, b = 0;
};

TEST_F(Links, TheShortArgumentDecidesTheSendingLink) {
    // Two links of one object: 1 makes the link the sending one, 0 never does, -1 does when
    // the object has no sending link yet (the first address linked is the sending one).
    struct TCase {
        short first, second;
        int16_t firstFlag, secondFlag;
    };
    const TCase cases[] = {{1, -1, 1, 0}, {0, -1, 0, 1}, {-1, -1, 1, 0}, {-1, 0, 1, 0},
                           {-1, 1, 0, 1}, {0, 0, 0, 0},  {1, 0, 1, 0},   {1, 1, 0, 1}};
    for (const TCase &c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + " " + std::to_string(c.second));
        const int link = cdi.CoLinkObjectToSubGroup(reset, a, c.first, false, true, true);
        ASSERT_GT(link, 0);
        EXPECT_EQ(LinksOf(reset), std::vector<TLink>({{a, c.first == 1 || c.first == -1}}));
        ASSERT_GT(cdi.CoLinkObjectToSubGroup(reset, b, c.second, false, true, true), 0);
        EXPECT_EQ(LinksOf(reset), std::vector<TLink>({{a, c.firstFlag}, {b, c.secondFlag}}));
        DAL_SUB_TO_OBJECT r{};
        r.size = sizeof r;
        ASSERT_EQ(cdi.DalGetSubgroupToObjectData(3, link, -1, -1, &r), DAL_OK);
        EXPECT_EQ(Copied(r.subGroupId), a);
        ASSERT_TRUE(cdi.CoUnlinkObjectFromSubGroup(reset, a, true));
        ASSERT_TRUE(cdi.CoUnlinkObjectFromSubGroup(reset, b, true));
    }
    // Another object's sending link does not count; an existing link asked again with -1
    // becomes the sending one once the object has none.
    ASSERT_GT(cdi.CoLinkObjectToSubGroup(test, a, 1, false, true, true), 0);
    const int link = cdi.CoLinkObjectToSubGroup(reset, a, 0, false, true, true);
    ASSERT_GT(link, 0);
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(reset, a, -1, false, true, true), link);
    EXPECT_EQ(LinksOf(reset), std::vector<TLink>({{a, 1}}));
    EXPECT_EQ(LinksOf(test), std::vector<TLink>({{a, 1}}));
}

TEST_F(Links, LinkUnlinkAndTheSendingAddressMoves) {
    const int la = cdi.CoLinkObjectToSubGroup(reset, a, 1, false, true, true);
    ASSERT_GT(la, 0);
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(reset, a, -1, false, true, true), la); // kept
    const int lb = cdi.CoLinkObjectToSubGroup(reset, b, 1, true, false, true);
    ASSERT_GT(lb, 0);
    EXPECT_EQ(LinksOf(reset), std::vector<TLink>({{a, 0}, {b, 1}})); // one sending address
    EXPECT_EQ(cdi.SqlSetSubGroupToObjectSendFlag(la, true), 1);
    EXPECT_EQ(LinksOf(reset), std::vector<TLink>({{a, 1}, {b, 0}}));
    EXPECT_EQ(cdi.SqlSetSubGroupToObjectSendFlag(la, false), 1);
    EXPECT_EQ(LinksOf(reset), std::vector<TLink>({{a, 0}, {b, 0}}));
    EXPECT_EQ(cdi.SqlSetSubGroupToObjectSendFlag(9999, true), 0);

    // The object record shows its sending (else first) address in both forms.
    ASSERT_EQ(cdi.SqlSetSubGroupToObjectSendFlag(lb, true), 1);
    DAL_DEVICE_OBJECT o{};
    o.size = sizeof o;
    ASSERT_EQ(cdi.DalGetDeviceObjectData(3, reset, -1, &o), DAL_OK);
    EXPECT_EQ(Copied(o.linkCount), 2);
    EXPECT_STREQ(o.groupAddress3, "0/0/2");
    EXPECT_STREQ(o.groupAddress2, "0/2");

    // Both objects on one address; the sub group lists them.
    ASSERT_GT(cdi.CoLinkObjectToSubGroup(test, a, -1, false, true, true), 0);
    DAL_SUB_TO_OBJECT r{};
    r.size = sizeof r;
    std::vector<int32_t> objects;
    for (int mode = 1; cdi.DalGetSubgroupToObjectData(mode, -1, a, -1, &r) == 0; mode = 2)
        objects.push_back(Copied(r.deviceObjectId));
    EXPECT_EQ(objects, (std::vector<int32_t>{reset, test}));

    EXPECT_TRUE(cdi.CoUnlinkObjectFromSubGroup(reset, a, true));
    EXPECT_FALSE(cdi.CoUnlinkObjectFromSubGroup(reset, a, true)); // gone already
    EXPECT_EQ(LinksOf(reset), std::vector<TLink>({{b, 1}}));
}

TEST_F(Links, MinusOneForWhatCannotBeLinked) {
    const int32_t off = project.DeviceObject(0); // detector 1: not switched on
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(off, a, -1, false, true, true), -1);
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(99999, a, -1, false, true, true), -1);
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(reset, 99999, -1, false, true, true), -1);
    DAL_SUBGROUP g{};
    g.size = sizeof g;
    ASSERT_EQ(cdi.DalGetSubgroupData(3, a, &g, -1), DAL_OK);
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(reset, g.middleGroupId, -1, false, true, true), -1);
    project.Database().InjectFailure("CoLinkObjectToSubGroup", 1);
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(reset, a, -1, false, true, true), -1);
    EXPECT_TRUE(LinksOf(reset).empty());
}

TEST_F(Links, MinusTwoWhenTheTypeDoesNotFit) {
    EXPECT_EQ(SubGroupType(a), -1);
    ASSERT_GT(cdi.CoLinkObjectToSubGroup(reset, a, -1, false, true, true), 0);
    EXPECT_EQ(SubGroupType(a), 0); // typed by its first object: 1 bit
    EXPECT_EQ(cdi.CoLinkObjectToSubGroup(date, a, -1, false, true, true), -2);
    EXPECT_TRUE(LinksOf(date).empty());
    ASSERT_GT(cdi.CoLinkObjectToSubGroup(test, a, -1, false, true, true), 0); // same type
    ASSERT_TRUE(cdi.CoUnlinkObjectFromSubGroup(reset, a, true));
    EXPECT_EQ(SubGroupType(a), 0); // still linked to the test object
    ASSERT_TRUE(cdi.CoUnlinkObjectFromSubGroup(test, a, true));
    EXPECT_EQ(SubGroupType(a), -1); // free again: any type fits
    ASSERT_GT(cdi.CoLinkObjectToSubGroup(date, a, -1, false, true, true), 0);
    EXPECT_EQ(SubGroupType(a), 9);
}

TEST_F(Links, FlagsAreWrittenAndReadBack) {
    // Setter and getter as plain functions. Called through member-function pointers from this
    // table, the sanitizer build lost the fixture's object; the getter copies the flag out of
    // the packed record.
    using TSetter = int (*)(TEts2Cdi &, long, bool);
    using TGetter = int (*)(const DAL_DEVICE_OBJECT &);
    struct TCase {
        TSetter set;
        TGetter field;
    };
    const TCase cases[] = {
        {[](TEts2Cdi &x, long id, bool v) { return x.SqlSetDeviceObjectCommFlag(id, v); },
         [](const DAL_DEVICE_OBJECT &r) -> int { return r.commFlag; }},
        {[](TEts2Cdi &x, long id, bool v) { return x.SqlSetDeviceObjectReadFlag(id, v); },
         [](const DAL_DEVICE_OBJECT &r) -> int { return r.readFlag; }},
        {[](TEts2Cdi &x, long id, bool v) { return x.SqlSetDeviceObjectWriteFlag(id, v); },
         [](const DAL_DEVICE_OBJECT &r) -> int { return r.writeFlag; }},
        {[](TEts2Cdi &x, long id, bool v) { return x.SqlSetDeviceObjectTransFlag(id, v); },
         [](const DAL_DEVICE_OBJECT &r) -> int { return r.transFlag; }},
        {[](TEts2Cdi &x, long id, bool v) { return x.SqlSetDeviceObjectUpdateFlag(id, v); },
         [](const DAL_DEVICE_OBJECT &r) -> int { return r.updateFlag; }},
    };
    DAL_DEVICE_OBJECT o{};
    o.size = sizeof o;
    for (const auto &c : cases)
        for (const bool value : {true, false, true}) {
            ASSERT_EQ(c.set(cdi, test, value), 1);
            ASSERT_EQ(cdi.DalGetDeviceObjectData(3, test, project.PanelId(), &o), DAL_OK);
            EXPECT_EQ(c.field(o), value ? 1 : 0);
        }
    EXPECT_EQ(cdi.SqlSetDeviceObjectReadFlag(99999, true), 0);
    project.Database().InjectFailure("SqlSetDeviceObjectCommFlag", 1);
    EXPECT_EQ(cdi.SqlSetDeviceObjectCommFlag(test, false), 0);
    ASSERT_EQ(cdi.DalGetDeviceObjectData(3, test, -1, &o), DAL_OK);
    EXPECT_EQ(Copied(o.commFlag), 1); // the failed call changed nothing
}

} // namespace
