// The group-address tree: three levels, the two-level view, and creating addresses.
#include "Copied.h"
#include "TempProject.h"

#include "platform/bustool/TEtsGruppenAdressen.h"

#include <gtest/gtest.h>

namespace {

class GroupAddresses : public ::testing::Test {
protected:
    void SetUp() override {
        TProjectDatabase &db = project.Database();
        a = db.AddGroupAddress(1, 2, 3,
                               "Licht K\xC3\xBC"
                               "che");
        b = db.AddGroupAddress(1, 2, 1, "Licht Flur");
        c = db.AddGroupAddress(1, 0, 7, "Alarm");
        d = db.AddGroupAddress(0, 7, 255, "Letzte");
    }

    // The tree as "main(middle(sub,sub),middle(..))" lines: number:word for each sub group.
    std::string Shape(TEtsGruppenAdressen &tree) {
        std::string s;
        for (TEtsMainGroup *m = tree.GetMainGroupFirst(); m; m = tree.GetMainGroupNext()) {
            s += std::to_string(m->GetNumber()) + "(";
            for (TEtsMiddleGroup *mi = tree.GetMiddleGroupFirst(m); mi;
                 mi = tree.GetMiddleGroupNext(m)) {
                s += std::to_string(mi->GetNumber()) + "(";
                for (TEtsSubGroup *sg = tree.GetSubGroupFirst(mi); sg;
                     sg = tree.GetSubGroupNext(mi))
                    s += std::to_string(sg->GetNumber()) + ":" + std::to_string(sg->GetGrpAddr()) +
                         " ";
                s += ")";
            }
            s += ")";
        }
        return s;
    }

    TTempProject project{false};
    TEts2Cdi &cdi = project.Cdi();
    int32_t a = 0, b = 0, c = 0, d = 0;
};

TEST_F(GroupAddresses, ThreeLevels) {
    TEtsGruppenAdressen tree(&cdi, -1);
    ASSERT_TRUE(tree.Einlesen(-1));
    EXPECT_EQ(Shape(tree), "0(7(255:2047 ))1(0(7:2055 )2(1:2561 3:2563 ))");
    EXPECT_EQ(tree.GetGrpAddr(a), 0x0A03);
    EXPECT_EQ(tree.GrpAddrString(a), "1/2/3");
    EXPECT_EQ(tree.FindSubGroup(a)->GetName(), "Licht K\xFC"
                                               "che");
    EXPECT_EQ(tree.FindSubGroup(a)->GetSubAdrTyp(), -1);
    EXPECT_EQ(tree.GetGrpAddr(999), 0);
    EXPECT_EQ(tree.GrpAddrString(999), "");

    // The stored tree, as the device instance reads it: sub, middle, main group records.
    DAL_SUBGROUP sub{};
    DAL_MIDDLEGROUP middle{};
    DAL_MAINGROUP main{};
    sub.size = sizeof sub;
    middle.size = sizeof middle;
    main.size = sizeof main;
    ASSERT_EQ(cdi.DalGetSubgroupData(3, a, &sub, -1), DAL_OK);
    ASSERT_EQ(cdi.DalGetMiddlegroupData(3, sub.middleGroupId, -1, &middle), DAL_OK);
    ASSERT_EQ(cdi.DalGetMaingroupData(3, middle.mainGroupId, &main, -1), DAL_OK);
    EXPECT_EQ(main.number * 2048 + middle.number * 256 + sub.number, Copied(sub.address));
    EXPECT_EQ(Copied(sub.address), 0x0A03);
    EXPECT_EQ(tree.FindSubGroup(a)->GetMiddleGroup()->GetGroupId(), Copied(middle.id));
}

TEST_F(GroupAddresses, TwoLevelViewHasOneMiddleGroupPerMainGroup) {
    TEtsGruppenAdressen tree(&cdi, -1);
    tree.ThreeLevel = false;
    ASSERT_TRUE(tree.Einlesen(-1));
    EXPECT_EQ(Shape(tree), "0(0(2047:2047 ))1(0(7:2055 513:2561 515:2563 ))");
    EXPECT_EQ(tree.GrpAddrString(a), "1/515");
    TEtsMainGroup *one = tree.GetMainGroupFirst();
    one = tree.GetMainGroupNext();
    TEtsMiddleGroup *view = one->GetMiddleGroupFirst();
    EXPECT_EQ(view->GetGroupId(), -one->GetGroupId()); // never an id of the project
    EXPECT_EQ(one->GetMiddleGroupNext(), nullptr);
    // Reading again with three levels gives the stored tree back.
    tree.ThreeLevel = true;
    ASSERT_TRUE(tree.Einlesen(-1));
    EXPECT_EQ(Shape(tree), "0(7(255:2047 ))1(0(7:2055 )2(1:2561 3:2563 ))");
}

TEST_F(GroupAddresses, CreateWithAndWithoutExistingGroups) {
    TEtsGruppenAdressen tree(&cdi, -1);
    ASSERT_TRUE(tree.Einlesen(-1));
    TEtsMainGroup *one = tree.GetMainGroupFirst();
    one = tree.GetMainGroupNext();
    TEtsSubGroup *kept = tree.FindSubGroup(b);

    TEtsSubGroup *sub = nullptr;
    ASSERT_TRUE(tree.CreateGroupAddress(sub, 1, 2, 2, "Neu"));
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->GetGrpAddr(), 0x0A02);
    EXPECT_EQ(sub->GetName(), "Neu");
    ASSERT_TRUE(tree.CreateGroupAddress(sub, 3, 4, 5, "Ganz neu"));
    EXPECT_EQ(tree.GrpAddrString(sub->GetGroupId()), "3/4/5");
    EXPECT_EQ(sub->GetMiddleGroup()->GetName(), "Mittelgruppe 3/4");
    EXPECT_EQ(sub->GetMiddleGroup()->GetMainGroup()->GetName(), "Hauptgruppe 3");
    // Nodes made before stay valid; the tree shows the new nodes in their places.
    EXPECT_EQ(tree.FindSubGroup(b), kept);
    EXPECT_EQ(kept->GetGrpAddr(), 0x0A01);
    EXPECT_EQ(one->GetNumber(), 1);
    const std::string shape = "0(7(255:2047 ))1(0(7:2055 )2(1:2561 2:2562 3:2563 ))3(4(5:7173 ))";
    EXPECT_EQ(Shape(tree), shape);
    // The project holds the same: a fresh reading gives the same tree.
    TEtsGruppenAdressen fresh(&cdi, -1);
    ASSERT_TRUE(fresh.Einlesen(-1));
    EXPECT_EQ(Shape(fresh), shape);
}

TEST_F(GroupAddresses, CreateWithTwoLevels) {
    TEtsGruppenAdressen tree(&cdi, -1);
    tree.ThreeLevel = false;
    ASSERT_TRUE(tree.Einlesen(-1));
    TEtsSubGroup *sub = nullptr;
    ASSERT_TRUE(tree.CreateGroupAddress(sub, 2, 0, 1027, "Zwei-stufig"));
    EXPECT_EQ(sub->GetGrpAddr(), 2 * 2048 + 1027);
    EXPECT_EQ(sub->GetNumber(), 1027);
    EXPECT_EQ(tree.GrpAddrString(sub->GetGroupId()), "2/1027");
    // The split form of the same word names the same address: it exists now.
    EXPECT_FALSE(tree.CreateGroupAddress(sub, 2, 4, 3, "noch einmal"));
    EXPECT_EQ(sub, nullptr);
    EXPECT_FALSE(tree.CreateGroupAddress(sub, 2, 0, 2048, "zu gross"));
    EXPECT_EQ(Shape(tree), "0(0(2047:2047 ))1(0(7:2055 513:2561 515:2563 ))2(0(1027:5123 ))");
    DAL_SUBGROUP stored{};
    stored.size = sizeof stored;
    ASSERT_TRUE(tree.CreateGroupAddress(sub, 2, 0, 5, "x"));
    ASSERT_EQ(cdi.DalGetSubgroupData(3, sub->GetGroupId(), &stored, -1), DAL_OK);
    EXPECT_EQ(Copied(stored.address), 2 * 2048 + 5);
}

TEST_F(GroupAddresses, WhatCannotBeCreated) {
    TEtsGruppenAdressen tree(&cdi, -1);
    ASSERT_TRUE(tree.Einlesen(-1));
    struct TCase {
        int16_t a, b, c;
    };
    for (const TCase x : {TCase{1, 2, 3}, TCase{0, 0, 0}, TCase{16, 0, 1}, TCase{1, 8, 0},
                          TCase{1, 0, 256}, TCase{-1, 0, 1}, TCase{1, 0, -1}}) {
        SCOPED_TRACE(::testing::Message() << x.a << "/" << x.b << "/" << x.c);
        TEtsSubGroup *sub = reinterpret_cast<TEtsSubGroup *>(1);
        EXPECT_FALSE(tree.CreateGroupAddress(sub, x.a, x.b, x.c, "x"));
        EXPECT_EQ(sub, nullptr);
    }
    TEtsSubGroup *sub = nullptr;
    project.Database().InjectFailure("TEtsGruppenAdressen::CreateGroupAddress", 1);
    EXPECT_FALSE(tree.CreateGroupAddress(sub, 5, 5, 5, "x"));
    project.Database().InjectFailure("TEtsGruppenAdressen::CreateGroupAddress", 1, 1);
    EXPECT_TRUE(tree.CreateGroupAddress(sub, 5, 5, 5, "x")); // "done" without a sub group
    EXPECT_EQ(sub, nullptr);
    project.Database().InjectFailure("TEtsGruppenAdressen::Einlesen", 1);
    EXPECT_FALSE(tree.Einlesen(-1));
    EXPECT_EQ(tree.GetMainGroupFirst(), nullptr);
}

// Ids are the records' 32-bit fields: a project file whose ids go beyond them is refused, and
// nothing is committed for an address that could not be made.
TEST_F(GroupAddresses, IdsBeyondTheRecordFieldsAreRefused) {
    TProjectDatabase &db = project.Database();
    db.Sql().Execute("INSERT INTO address_groups(id, parent_id, level, number, name) "
                     "VALUES(2147483647, NULL, 1, 9, 'last id')");
    const size_t groups = db.GroupTree().size();
    for (const bool threeLevel : {true, false}) {
        SCOPED_TRACE(threeLevel);
        TEtsGruppenAdressen tree(&cdi, -1);
        tree.ThreeLevel = threeLevel;
        ASSERT_TRUE(tree.Einlesen(-1));
        TEtsSubGroup *sub = nullptr;
        EXPECT_FALSE(tree.CreateGroupAddress(sub, 4, 1, 2, "no id left"));
        EXPECT_EQ(sub, nullptr);
        EXPECT_EQ(db.GroupTree().size(), groups) << "a failed create committed a group";
    }
    EXPECT_THROW(db.AddGroupAddress(4, 1, 2, "x"), EProjectDatabase);

    // Stored ids beyond 32 bits, or below 1, are no ids of this tree.
    for (const char *id : {"4294967297", "-2147483648", "0"}) {
        SCOPED_TRACE(id);
        db.Sql().Execute(std::string("UPDATE address_groups SET id = ") + id +
                         " WHERE id = 2147483647");
        TEtsGruppenAdressen tree(&cdi, -1);
        tree.ThreeLevel = false;
        EXPECT_FALSE(tree.Einlesen(-1));
        EXPECT_EQ(tree.GetMainGroupFirst(), nullptr);
        EXPECT_THROW(db.GroupTree(), EProjectDatabase);
        if (std::string(id) == "4294967297") {
            DAL_MAINGROUP main{};
            main.size = sizeof main;
            int rc = cdi.DalGetMaingroupData(DAL_FIRST, -1, &main, -1);
            while (rc == DAL_OK)
                rc = cdi.DalGetMaingroupData(DAL_NEXT, -1, &main, -1);
            EXPECT_EQ(rc, DAL_ERR) << "the id beyond 32 bits is read as an error, not cut";
            EXPECT_NE(cdi.LastFailure().find("beyond 32 bits"), std::string::npos)
                << cdi.LastFailure();
            EXPECT_EQ(cdi.DalGetMaingroupData(DAL_NEXT, -1, &main, -1), DAL_END)
                << "the enumeration goes on after the row it could not read";
        }
        db.Sql().Execute(std::string("UPDATE address_groups SET id = 2147483647 WHERE id = ") + id);
    }
}

} // namespace
