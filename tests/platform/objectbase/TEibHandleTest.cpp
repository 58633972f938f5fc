// The handle table: fresh handles are the smallest free ones below 0xFFFF, never given twice.
#include "platform/objectbase/TEibHandle.h"

#include <gtest/gtest.h>
#include <list>

namespace {

TEST(TEibHandle, GivesTheSmallestFreeHandlesOnce) {
    std::list<int> used{3, 1, 1, 0x10000, -5, 0};
    TEibHandle table(used);
    EXPECT_EQ(table.GetNewHandle(), 0) << "not built yet";
    table.BuildNewTable();
    EXPECT_TRUE(table.IsUsed(3));
    EXPECT_FALSE(table.IsUsed(0x10000));
    EXPECT_EQ(table.GetNewHandle(), 2);
    EXPECT_EQ(table.GetNewHandle(), 4);
    EXPECT_EQ(table.GetNewHandle(), 5);
    EXPECT_TRUE(table.IsUsed(4));
}

TEST(TEibHandle, AnswersZeroWhenNoHandleBelow0xFFFFIsLeft) {
    std::list<int> used;
    for (int h = 1; h < 0xFFFE; ++h)
        used.push_back(h);
    TEibHandle table(used);
    table.BuildNewTable();
    EXPECT_EQ(table.GetNewHandle(), 0xFFFE);
    EXPECT_EQ(table.GetNewHandle(), 0);
    EXPECT_EQ(table.GetNewHandle(), 0);
}

} // namespace
