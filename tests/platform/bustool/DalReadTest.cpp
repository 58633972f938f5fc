// The read convention of the Dal operations, and what callers read at byte offsets.
#include "Copied.h"
#include "TempProject.h"

#include "platform/bustool/TEtsDeviceParam.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

template <class R> R Record() {
    R r{};
    r.size = sizeof r;
    return r;
}

// A value read from a record's bytes at an offset, as the callers read it.
template <class T, class R> T At(const R &record, size_t offset) {
    T v;
    std::memcpy(&v, reinterpret_cast<const char *>(&record) + offset, sizeof v);
    return v;
}
template <class R> std::string TextAt(const R &record, size_t offset) {
    return reinterpret_cast<const char *>(&record) + offset;
}

class DalRead : public ::testing::Test {
protected:
    TTempProject project;
    TEts2Cdi &cdi = project.Cdi();

    // The ids of the panel's device objects, in the order an enumeration gives them.
    std::vector<int32_t> EnumerateObjects() {
        std::vector<int32_t> ids;
        auto r = Record<DAL_DEVICE_OBJECT>();
        for (int mode = DAL_FIRST;
             cdi.DalGetDeviceObjectData(mode, -1, project.PanelId(), &r) == DAL_OK; mode = DAL_NEXT)
            ids.push_back(Copied(r.deviceObjectId));
        return ids;
    }
};

TEST_F(DalRead, EnumerationRunsInAscendingOrderAndEndsWithFour) {
    const auto ids = EnumerateObjects();
    ASSERT_EQ(ids.size(), 231u);
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    EXPECT_EQ(EnumerateObjects(), ids); // stable
    auto r = Record<DAL_DEVICE_OBJECT>();
    EXPECT_EQ(cdi.DalGetDeviceObjectData(DAL_NEXT, -1, project.PanelId(), &r), DAL_END);
    EXPECT_EQ(cdi.DalGetDeviceObjectData(DAL_NEXT, -1, project.PanelId(), &r), DAL_END);

    // Parameters come by ascending parameter id.
    auto p = Record<DAL_DEVICE_PARAM>();
    std::vector<int32_t> params;
    for (int mode = DAL_FIRST; cdi.DalGetDeviceParamData(mode, -1, project.PanelId(), &p) == 0;
         mode = DAL_NEXT)
        params.push_back(Copied(p.parameterId));
    EXPECT_EQ(params.size(), PanelProductData().parameters.size());
    EXPECT_TRUE(std::is_sorted(params.begin(), params.end()));
    EXPECT_EQ(params.front(), 10);
}

TEST_F(DalRead, UnknownIdsAndBadCallsGiveFive) {
    auto device = Record<DAL_DEVICE>();
    auto object = Record<DAL_DEVICE_OBJECT>();
    auto comm = Record<DAL_COMM_OBJECT>();
    auto line = Record<DAL_LINE>();
    auto area = Record<DAL_AREA>();
    auto sub = Record<DAL_SUBGROUP>();
    auto link = Record<DAL_SUB_TO_OBJECT>();
    auto param = Record<DAL_DEVICE_PARAM>();
    auto def = Record<DAL_PARAMETER>();
    auto project_ = Record<DAL_PROJECT>();
    EXPECT_EQ(cdi.DalGetDeviceData(3, 999, -1, -1, -1, -1, &device), DAL_ERR);
    EXPECT_EQ(cdi.DalGetDeviceObjectData(3, 99999, -1, &object), DAL_ERR);
    EXPECT_EQ(cdi.DalGetCommunicationObjectData(3, 99999, -1, -1, &comm), DAL_ERR);
    EXPECT_EQ(cdi.DalGetLineData(3, 999, -1, &line), DAL_ERR);
    EXPECT_EQ(cdi.DalGetAreaData(3, 999, &area, -1), DAL_ERR);
    EXPECT_EQ(cdi.DalGetSubgroupData(3, 999, &sub, -1), DAL_ERR);
    EXPECT_EQ(cdi.DalGetSubgroupToObjectData(3, 999, -1, -1, &link), DAL_ERR);
    EXPECT_EQ(cdi.DalGetDeviceParamData(3, 4621, project.PanelId(), &param), DAL_ERR);
    EXPECT_EQ(cdi.DalGetParameterData(3, 4621, -1, -1, &def), DAL_ERR);
    EXPECT_EQ(cdi.DalGetProjectData(3, 2, &project_), DAL_ERR);
    // An object of another device is unknown for this one.
    EXPECT_EQ(cdi.DalGetDeviceObjectData(3, project.DeviceObject(0), 999, &object), DAL_ERR);
    // Mode 3 without an id, a bad mode, no record, mode 2 without mode 1.
    EXPECT_EQ(cdi.DalGetDeviceData(3, -1, -1, -1, -1, -1, &device), DAL_ERR);
    EXPECT_EQ(cdi.DalGetDeviceData(0, project.PanelId(), -1, -1, -1, -1, &device), DAL_ERR);
    EXPECT_EQ(cdi.DalGetDeviceData(3, project.PanelId(), -1, -1, -1, -1, nullptr), DAL_ERR);
    EXPECT_EQ(cdi.DalGetLineData(2, -1, -1, &line), DAL_ERR);
}

TEST_F(DalRead, ARecordWithTheWrongSizeIsNotFilled) {
    auto device = Record<DAL_DEVICE>();
    device.size = 2434;
    EXPECT_EQ(cdi.DalGetDeviceData(3, project.PanelId(), -1, -1, -1, -1, &device), DAL_ERR);
    EXPECT_EQ(Copied(device.deviceId), 0);

    auto comm = Record<DAL_COMM_OBJECT>();
    comm.size = 0;
    EXPECT_EQ(cdi.DalGetCommunicationObjectData(DAL_FIRST, -1, -1, -1, &comm), DAL_ERR);
    EXPECT_EQ(comm.name[0], 0);
    // The wrong size took the first record's place; the next read delivers the second.
    comm.size = sizeof comm;
    ASSERT_EQ(cdi.DalGetCommunicationObjectData(DAL_NEXT, -1, -1, -1, &comm), DAL_OK);
    EXPECT_EQ(Copied(comm.number), 1);
}

TEST_F(DalRead, TwoEnumerationsAtOnceAndAByIdReadInTheMiddle) {
    const auto alone = EnumerateObjects();
    std::vector<int32_t> objects, params;
    auto o = Record<DAL_DEVICE_OBJECT>();
    auto p = Record<DAL_DEVICE_PARAM>();
    auto d = Record<DAL_DEVICE>();
    int ro = cdi.DalGetDeviceObjectData(DAL_FIRST, -1, project.PanelId(), &o);
    int rp = cdi.DalGetDeviceParamData(DAL_FIRST, -1, project.PanelId(), &p);
    while (ro == DAL_OK) {
        objects.push_back(Copied(o.deviceObjectId));
        if (rp == DAL_OK) {
            params.push_back(Copied(p.parameterId));
            rp = cdi.DalGetDeviceParamData(DAL_NEXT, -1, -1, &p);
        }
        // Mode 3 reads of the same operation never move its cursor.
        auto other = Record<DAL_DEVICE_OBJECT>();
        ASSERT_EQ(cdi.DalGetDeviceObjectData(DAL_BY_ID, alone.back(), -1, &other), DAL_OK);
        ASSERT_EQ(cdi.DalGetDeviceData(DAL_BY_ID, project.PanelId(), -1, -1, -1, -1, &d), 0);
        ro = cdi.DalGetDeviceObjectData(DAL_NEXT, -1, -1, &o);
    }
    EXPECT_EQ(ro, DAL_END);
    EXPECT_EQ(objects, alone);
    EXPECT_EQ(params.size(), 231u);
    EXPECT_TRUE(std::is_sorted(params.begin(), params.end()));
}

TEST_F(DalRead, ModeTwoAfterAnErrorMovesOn) {
    auto p = Record<DAL_DEVICE_PARAM>();
    ASSERT_EQ(cdi.DalGetDeviceParamData(DAL_FIRST, -1, project.PanelId(), &p), DAL_OK);
    EXPECT_EQ(Copied(p.parameterId), 10);
    project.Database().InjectFailure("DalGetDeviceParamData", 1);
    EXPECT_EQ(cdi.DalGetDeviceParamData(DAL_NEXT, -1, -1, &p), DAL_ERR);
    ASSERT_EQ(cdi.DalGetDeviceParamData(DAL_NEXT, -1, -1, &p), DAL_OK);
    EXPECT_EQ(Copied(p.parameterId), 30); // 20 failed
    project.Database().InjectFailure("DalGetDeviceParamData", 1, 7);
    EXPECT_EQ(cdi.DalGetDeviceParamData(DAL_BY_ID, 10, -1, &p), 7);
}

TEST_F(DalRead, DeviceRecordCarriesIdAndTextsAtTheirBytes) {
    auto d = Record<DAL_DEVICE>();
    ASSERT_EQ(cdi.DalGetDeviceData(3, project.PanelId(), -1, -1, -1, -1, &d), DAL_OK);
    const int32_t kitchen = project.Database().AddPanelDevice(d.lineId, 2,
                                                              "K\xC3\xBC"
                                                              "che\r\nEG");
    ASSERT_EQ(cdi.DalGetDeviceData(3, kitchen, -1, -1, -1, -1, &d), DAL_OK);
    EXPECT_EQ(At<uint16_t>(d, 0), 2436);
    EXPECT_EQ(At<int32_t>(d, 2), kitchen);
    EXPECT_EQ(TextAt(d, 34), "K\xFC"
                             "che\r\nEG"); // Windows-1252 at the boundary
    EXPECT_EQ(TextAt(d, 198), PanelProductData().text);
    EXPECT_EQ(std::string(d.moduleName), "083AZ160");

    // The physical address, as the device instance assembles it from three reads.
    auto line = Record<DAL_LINE>();
    auto area = Record<DAL_AREA>();
    ASSERT_EQ(cdi.DalGetLineData(3, d.lineId, -1, &line), DAL_OK);
    ASSERT_EQ(cdi.DalGetAreaData(3, line.areaId, -1, &area), DAL_OK);
    EXPECT_EQ(Copied(area.address), 1);
    EXPECT_EQ(Copied(line.number), 1);
    EXPECT_EQ(Copied(d.address), 2);
    EXPECT_EQ(Copied(d.physicalAddress), 0x1102);
    auto pr = Record<DAL_PROJECT>();
    ASSERT_EQ(cdi.DalGetProjectData(3, d.projectId, &pr), DAL_OK);
    EXPECT_EQ(TextAt(pr, 18), "Testprojekt");

    // Enumerating devices by line finds both panels.
    std::vector<int32_t> devices;
    for (int mode = 1; cdi.DalGetDeviceData(mode, -1, d.lineId, -1, -1, -1, &d) == 0; mode = 2)
        devices.push_back(Copied(d.deviceId));
    EXPECT_EQ(devices, (std::vector<int32_t>{project.PanelId(), kitchen}));
}

TEST_F(DalRead, CommunicationObjectTextsStartAtByteZero) {
    const int32_t deviceObject = project.DeviceObject(225);
    auto o = Record<DAL_DEVICE_OBJECT>();
    ASSERT_EQ(cdi.DalGetDeviceObjectData(3, deviceObject, -1, &o), DAL_OK);
    EXPECT_EQ(At<int32_t>(o, 2), project.PanelId());
    EXPECT_EQ(At<int32_t>(o, 1016), deviceObject);
    EXPECT_EQ(At<int16_t>(o, 1024), 225);
    EXPECT_EQ(At<int16_t>(o, 1026), 0);
    EXPECT_EQ(At<int16_t>(o, 2028), 0); // not switched on yet
    EXPECT_EQ(At<int16_t>(o, 12), 1);   // communication
    EXPECT_EQ(At<int16_t>(o, 10), 1);   // write
    EXPECT_EQ(At<int16_t>(o, 8), 0);    // read
    EXPECT_EQ(At<int16_t>(o, 14), 0);   // transmit

    auto c = Record<DAL_COMM_OBJECT>();
    ASSERT_EQ(cdi.DalGetCommunicationObjectData(3, At<int32_t>(o, 1020), -1, -1, &c), DAL_OK);
    EXPECT_EQ(TextAt(c, 0), "Alarm-Reset");
    EXPECT_EQ(TextAt(c, 100), "Eingang");
    EXPECT_EQ(At<uint16_t>(c, 226), sizeof c);

    // The communication object's reference leads to the parameter that switches it.
    auto p = Record<DAL_DEVICE_PARAM>();
    bool found = false;
    for (int mode = 1; cdi.DalGetDeviceParamData(mode, -1, project.PanelId(), &p) == 0; mode = 2)
        if (At<int32_t>(p, 10) == At<int32_t>(c, 228)) {
            EXPECT_EQ(At<int32_t>(p, 6), 1599);
            found = true;
        }
    EXPECT_TRUE(found);
    // And the objects of a reference, in the other direction.
    std::vector<int> numbers;
    for (int mode = 1; cdi.DalGetCommunicationObjectData(mode, -1, c.reference, -1, &c) == 0;
         mode = 2)
        numbers.push_back(Copied(c.number));
    EXPECT_EQ(numbers, (std::vector<int>{225, 226}));
}

TEST_F(DalRead, TheDeviceIdParameterIsFoundByNameAndWrittenForTheCurrentDevice) {
    // As the editor keeps the id of a device's last export.
    auto p = Record<DAL_DEVICE_PARAM>();
    auto def = Record<DAL_PARAMETER>();
    int32_t deviceParameterId = -1;
    for (int mode = 1; cdi.DalGetDeviceParamData(mode, -1, project.PanelId(), &p) == 0; mode = 2)
        if (cdi.DalGetParameterData(3, p.parameterId, -1, -1, &def) == 0 &&
            std::string(def.name) == "DeviceId")
            deviceParameterId = p.deviceParameterId;
    ASSERT_EQ(deviceParameterId, 9999);
    EXPECT_EQ(cdi.CoSetDeviceParameterValueLong(deviceParameterId, 4711, false, false), 1);
    EXPECT_EQ(project.Parameter(9999), 4711);
    ASSERT_EQ(cdi.DalGetDeviceParamData(3, 9999, -1, &p), DAL_OK); // current device
    EXPECT_EQ(Copied(p.value), 4711);

    EXPECT_EQ(cdi.CoSetDeviceParameterValueLong(4621, 1, false, false), 0); // unknown id
    cdi.SetCurrentDevice(-1);
    EXPECT_EQ(cdi.CoSetDeviceParameterValueLong(9999, 1, false, false), 0);
    EXPECT_EQ(cdi.DalGetDeviceParamData(3, 9999, -1, &p), DAL_ERR); // whose parameter?
    EXPECT_EQ(project.Parameter(9999), 4711);
}

TEST_F(DalRead, ChangesOfAnotherConnectionShowInTheNextRead) {
    auto p = Record<DAL_DEVICE_PARAM>();
    ASSERT_EQ(cdi.DalGetDeviceParamData(DAL_FIRST, -1, project.PanelId(), &p), DAL_OK);
    TProjectDatabase other(project.File());
    other.SetParameterValue(project.PanelId(), 20, 3, nullptr);
    ASSERT_EQ(cdi.DalGetDeviceParamData(DAL_NEXT, -1, -1, &p), DAL_OK);
    EXPECT_EQ(Copied(p.parameterId), 20);
    EXPECT_EQ(Copied(p.value), 3);
}

TEST_F(DalRead, BusToolInfoAndModuleName) {
    tagETSINFO info{};
    ASSERT_TRUE(cdi.GetEtsInfo(info));
    EXPECT_EQ(Copied(info.versionMajorMinor), 0x00010003u);
    EXPECT_EQ(Copied(info.versionReleaseBuild), 29u);
    EXPECT_EQ(std::filesystem::path(info.directory), std::filesystem::absolute(project.Dir()));
    project.Database().SetBusToolVersion(1, 2, 0, 101);
    ASSERT_TRUE(cdi.GetEtsInfo(info));
    EXPECT_EQ(Copied(info.versionReleaseBuild), 101u);
    project.Database().InjectFailure("GetEtsInfo", 1);
    EXPECT_FALSE(cdi.GetEtsInfo(info));
    EXPECT_EQ(cdi.GetModulName(), "083AZ160");
}

} // namespace
