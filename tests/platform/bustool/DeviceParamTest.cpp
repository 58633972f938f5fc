// Device parameters and the communication objects their values switch.
#include "Copied.h"
#include "TempProject.h"

#include "platform/bustool/TEtsDeviceParam.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

template <class T> T At(const tagDAL_OBJECT_INFO &info, size_t offset) {
    T v;
    std::memcpy(&v, reinterpret_cast<const char *>(&info) + offset, sizeof v);
    return v;
}
std::string TextAt(const tagDAL_OBJECT_INFO &info, size_t offset) {
    return reinterpret_cast<const char *>(&info) + offset;
}
std::vector<int> Numbers(const std::vector<tagDAL_OBJECT_INFO> &objects) {
    std::vector<int> n;
    for (const auto &o : objects)
        n.push_back(Copied(o.number));
    return n;
}

class DeviceParam : public ::testing::Test {
protected:
    TTempProject project;
    TEtsDeviceParam param{&project.Cdi(), project.PanelId()};
    std::vector<tagDAL_OBJECT_INFO> objects;
};

TEST_F(DeviceParam, ObjectsAppearAndDisappearWithTheValue) {
    EXPECT_TRUE(project.ActiveObjects().empty());
    struct TStep {
        int16_t id;
        int32_t value;
        std::vector<int> listed; // what the write lists
        std::vector<int> active; // what the device has afterwards
    };
    const TStep steps[] = {
        {30, 1, {2}, {2}},          // detector 3 in security area 1
        {30, 5, {2}, {2}},          // moved to the fire area: the same object
        {1593, 2, {161}, {2, 161}}, // the wired input
        {30, 7, {}, {161}},         // outside 1..6: off
        {30, 0, {}, {161}},
        {1660, 1, {170, 174, 178, 182, 186, 194}, {161, 170, 174, 178, 182, 186, 194}},
        {1660, 0, {}, {161}},
        {4620, 0x1234, {}, {161}}, // a value parameter switches nothing
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(::testing::Message() << s.id << " := " << s.value);
        ASSERT_EQ(param.SetDeviceParamData(s.id, s.value, objects), TEtsDeviceParam::kDone);
        EXPECT_EQ(Numbers(objects), s.listed);
        EXPECT_EQ(project.ActiveObjects(), s.active);
        EXPECT_EQ(project.Parameter(s.id), s.value);
        int32_t value = -1;
        ASSERT_EQ(param.GetDeviceParamData(s.id, value, objects), TEtsDeviceParam::kDone);
        EXPECT_EQ(value, s.value);
        EXPECT_EQ(Numbers(objects), s.listed);
    }
}

TEST_F(DeviceParam, EntriesAreFilledAtTheirBytes) {
    ASSERT_EQ(param.SetDeviceParamData(8000, 1, objects), TEtsDeviceParam::kDone);
    ASSERT_EQ(objects.size(), 2u);
    const tagDAL_OBJECT_INFO &time = objects[0]; // 223's value is the panel's clock
    EXPECT_EQ(At<uint16_t>(time, 0), sizeof(tagDAL_OBJECT_INFO));
    EXPECT_EQ(At<int32_t>(time, 2), project.PanelId());
    EXPECT_EQ(TextAt(time, 6), "Uhrzeit");
    EXPECT_EQ(TextAt(time, 106), "Systemzeit");
    EXPECT_EQ(At<int16_t>(time, 232), 223);
    EXPECT_EQ(At<uint8_t>(time, 234), 9); // 3 bytes
    EXPECT_EQ(At<int32_t>(time, 1416), project.DeviceObject(223));
    EXPECT_EQ(At<int32_t>(time, 1420), 1);
    EXPECT_EQ(At<int32_t>(time, 220), ETS_FLAG_COMM | ETS_FLAG_WRITE | ETS_FLAG_TRANS);
    EXPECT_EQ(At<int16_t>(objects[1], 232), 224);

    // The communication object id at 224 and the reference at 228 lead back to the bus tool.
    DAL_COMM_OBJECT c{};
    c.size = sizeof c;
    ASSERT_EQ(project.Cdi().DalGetCommunicationObjectData(3, At<int32_t>(time, 224), -1, -1, &c),
              DAL_OK);
    EXPECT_EQ(Copied(c.number), 223);
    EXPECT_EQ(Copied(c.reference), At<int32_t>(time, 228));

    // Names reach the list in Windows-1252.
    ASSERT_EQ(param.SetDeviceParamData(1660, 1, objects), TEtsDeviceParam::kDone);
    EXPECT_EQ(TextAt(objects[1], 106), "Au\xDF"
                                       "en-Sirene");
}

TEST_F(DeviceParam, AnUnknownIdFailsAndChangesNothing) {
    objects.resize(3);
    EXPECT_EQ(param.SetDeviceParamData(4621, 1, objects), TEtsDeviceParam::kUnknownParameter);
    EXPECT_TRUE(objects.empty());
    EXPECT_EQ(param.SetDeviceParamData(4621, 1), TEtsDeviceParam::kUnknownParameter);
    int32_t value = 77;
    EXPECT_EQ(param.GetDeviceParamData(4621, value, objects), TEtsDeviceParam::kUnknownParameter);
    EXPECT_EQ(value, 77);
    TEtsDeviceParam other(&project.Cdi(), 999);
    EXPECT_EQ(other.SetDeviceParamData(30, 1), TEtsDeviceParam::kUnknownParameter);
    EXPECT_TRUE(project.ActiveObjects().empty());
}

TEST_F(DeviceParam, IdsAreSixteenBitUnsigned) {
    // 0x8000 and above arrive as negative int16; none is a parameter of the panel.
    EXPECT_EQ(param.SetDeviceParamData(static_cast<int16_t>(0x8000 + 30), 1),
              TEtsDeviceParam::kUnknownParameter);
    EXPECT_EQ(project.Parameter(30), 0);
}

TEST_F(DeviceParam, InjectedFailuresAnswerTheirCode) {
    project.Database().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 2);
    EXPECT_EQ(param.SetDeviceParamData(30, 1, objects), TEtsDeviceParam::kFailed);
    EXPECT_EQ(param.SetDeviceParamData(30, 1), TEtsDeviceParam::kFailed);
    EXPECT_EQ(param.SetDeviceParamData(30, 1), TEtsDeviceParam::kDone);
    project.Database().InjectFailure("TEtsDeviceParam::GetDeviceParamData", 1, 1);
    int32_t value = 0;
    EXPECT_EQ(param.GetDeviceParamData(30, value, objects), 1);
    EXPECT_TRUE(objects.empty());
}

TEST_F(DeviceParam, AnObjectSwitchedOffLosesItsLinks) {
    TProjectDatabase &db = project.Database();
    const int32_t sub = db.AddGroupAddress(1, 0, 1, "Melder 1");
    ASSERT_EQ(param.SetDeviceParamData(10, 1), TEtsDeviceParam::kDone);
    ASSERT_GT(project.Cdi().CoLinkObjectToSubGroup(project.DeviceObject(0), sub, 1, 0, 1, 1), 0);
    ASSERT_EQ(param.SetDeviceParamData(10, 0), TEtsDeviceParam::kDone);
    DAL_SUB_TO_OBJECT link{};
    link.size = sizeof link;
    EXPECT_EQ(project.Cdi().DalGetSubgroupToObjectData(1, -1, sub, -1, &link), DAL_END);
    DAL_SUBGROUP g{};
    g.size = sizeof g;
    ASSERT_EQ(project.Cdi().DalGetSubgroupData(3, sub, &g, -1), DAL_OK);
    EXPECT_EQ(Copied(g.type), -1); // untyped again
}

TEST_F(DeviceParam, TheBusToolsParameterWriterSwitchesObjectsToo) {
    // CoSetDeviceParameterValueLong works in the same id space, on the current device.
    EXPECT_EQ(project.Cdi().CoSetDeviceParameterValueLong(5100, 1, false, false), 1);
    EXPECT_EQ(project.ActiveObjects(), (std::vector<int>{201, 230}));
    int32_t value = 0;
    ASSERT_EQ(param.GetDeviceParamData(5100, value, objects), TEtsDeviceParam::kDone);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(Numbers(objects), (std::vector<int>{201, 230}));
    EXPECT_EQ(project.Cdi().CoSetDeviceParameterValueLong(5100, 0, false, false), 1);
    EXPECT_TRUE(project.ActiveObjects().empty());
}

TEST_F(DeviceParam, TwoPanelsKeepTheirOwnValues) {
    DAL_DEVICE d{};
    d.size = sizeof d;
    ASSERT_EQ(project.Cdi().DalGetDeviceData(3, project.PanelId(), -1, -1, -1, -1, &d), DAL_OK);
    const int32_t second = project.Database().AddPanelDevice(d.lineId, 9, "Zweite");
    TEtsDeviceParam other(&project.Cdi(), second);
    ASSERT_EQ(other.SetDeviceParamData(10070, 0x11000000), TEtsDeviceParam::kDone);
    ASSERT_EQ(other.SetDeviceParamData(10, 1), TEtsDeviceParam::kDone);
    EXPECT_EQ(project.Parameter(10070), 0);
    EXPECT_TRUE(project.ActiveObjects().empty());
    EXPECT_EQ(project.Database().ActiveObjectNumbers(second), std::vector<int>{0});
}

// The trace of one parameter write: the entries of the interface and of the classes on it,
// not one per SQL statement (those are details, which the default mask leaves out).
TEST_F(DeviceParam, OneWriteIsAFewTraceLines) {
    const auto path = project.Dir() / "trace.log";
    ASSERT_TRUE(InitLogFkt(path.string(), LOG_FKT_LEVEL, LOG_FKT_LEVEL, false));
    const int result = param.SetDeviceParamData(30, 1, objects);
    CloseLogFkt();
    ASSERT_EQ(result, TEtsDeviceParam::kDone);
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::ostringstream all;
    for (const auto &l : lines)
        all << l << "\n";
    EXPECT_LE(lines.size(), 12u) << all.str();
    EXPECT_EQ(all.str().find("TSql"), std::string::npos) << all.str();
    EXPECT_NE(all.str().find("TEtsDeviceParam::SetDeviceParamData\t1024\tEtsDeviceParam:"),
              std::string::npos)
        << all.str();
}

} // namespace
