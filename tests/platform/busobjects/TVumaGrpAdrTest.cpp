// The group nodes: what they copy of the reader's groups (and keep after the reader read
// anew), their types, positions, children and the type texts.
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>

namespace {

TEST(TVumaGrpAdr, NodesCopyTheirGroupsAndKeepThemAfterTheReaderReadsAgain) {
    TTempProject project;
    const int32_t subId = project.Database().AddGroupAddress(3, 2, 17, "Licht");
    ASSERT_TRUE(project.Database().SetParameterValue(project.PanelId(), 10, 3, nullptr));
    ASSERT_GT(project.Database().Link(project.DeviceObject(0), subId, false), 0);
    TEtsGruppenAdressen reader(&project.Cdi(), project.PanelId());
    ASSERT_TRUE(reader.Einlesen(project.PanelId()));
    TEtsMainGroup *main = reader.GetMainGroupFirst();
    ASSERT_NE(main, nullptr);
    TEtsMiddleGroup *middle = reader.GetMiddleGroupFirst(main);
    ASSERT_NE(middle, nullptr);
    TEtsSubGroup *sub = reader.GetSubGroupFirst(middle);
    ASSERT_NE(sub, nullptr);

    TVumaGrpAdrMain m(nullptr, 0, 0, main->GetName(), 1, main);
    TVumaGrpAdrMiddle mi(nullptr, 0, 0, middle->GetName(), 1, middle);
    TVumaGrpAdrSub s(nullptr, 0, 0, sub->GetName(), 1, sub);
    EXPECT_EQ(m.GetGroup(), main);
    EXPECT_EQ(s.GetGroup(), sub);
    ASSERT_TRUE(reader.Einlesen(project.PanelId())); // the reader's nodes are gone now

    EXPECT_EQ(m.GetNumber(), 3);
    EXPECT_EQ(m.GetGrpAddr(), 3 * 2048);
    EXPECT_EQ(m.GetPosId(), 3);
    EXPECT_EQ(mi.GetNumber(), 2);
    EXPECT_EQ(mi.GetGrpAddr(), 3 * 2048 + 2 * 256);
    EXPECT_EQ(s.GetNumber(), 17);
    EXPECT_EQ(s.GetGrpAddr(), 3 * 2048 + 2 * 256 + 17);
    EXPECT_EQ(s.GetGroupId(), subId);
    EXPECT_EQ(s.GetPosId(), 17);
    EXPECT_EQ(s.GetName(true), "Licht");
    EXPECT_EQ(s.GetSubAdrTyp(), 0) << "the type of the object linked to it";
    s.SetSubAdrTyp(7);
    EXPECT_EQ(s.GetSubAdrTypText(), "1 Byte");
}

TEST(TVumaGrpAdr, TypesIconsAndChildren) {
    TGrpAdrOrdner folder(nullptr, 0, 0, "Gruppenadressen", 1);
    TVumaGrpAdrMain main(nullptr, 0, 0, "M", 1, nullptr);
    TVumaGrpAdrMiddle middle(nullptr, 0, 0, "m", 1, nullptr);
    TVumaGrpAdrSub sub(nullptr, 0, 0, "s", 1, nullptr);
    EXPECT_EQ(folder.GetTyp(), 203);
    EXPECT_EQ(main.GetTyp(), 5001);
    EXPECT_EQ(middle.GetTyp(), 5002);
    EXPECT_EQ(sub.GetTyp(), 5003);
    EXPECT_TRUE(folder.AllowChild(5001));
    EXPECT_FALSE(folder.AllowChild(5003));
    EXPECT_TRUE(main.AllowChild(5002));
    EXPECT_TRUE(main.AllowChild(5003)) << "two levels";
    EXPECT_TRUE(middle.AllowChild(5003));
    EXPECT_FALSE(middle.AllowChild(5001));
    EXPECT_FALSE(sub.AllowChild(5003));
    EXPECT_EQ(sub.ListStyle(), 1);
    EXPECT_EQ(main.ListStyle(), 0);
    EXPECT_NE(main.GetIcon(), sub.GetIcon());
    EXPECT_EQ(sub.GetSubAdrTyp(), -1) << "without a group: untyped";
    EXPECT_EQ(sub.GetGrpAddr(), 0);
    EXPECT_FALSE(sub.AllowDrop(&main));
}

TEST(TVumaGrpAdr, TypeTexts) {
    const std::pair<int, const char *> faelle[] = {{-1, "Frei"},
                                                   {0, "1 Bit"},
                                                   {9, "3 Byte"},
                                                   {15, "VARDATA"},
                                                   {16, "unbekannter Objekttyp 16"},
                                                   {-2, "unbekannter Objekttyp -2"}};
    for (const auto &[code, text] : faelle)
        EXPECT_EQ(ObjektTypText(code), text) << code;
}

} // namespace
