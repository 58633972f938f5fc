#include "platform/bustool/TEtsDeviceParam.h"

#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"

#include <algorithm>
#include <cstring>

namespace {

std::vector<tagDAL_OBJECT_INFO> Infos(const std::vector<TSwitchedObject> &objects) {
    std::vector<tagDAL_OBJECT_INFO> infos;
    for (const auto &o : objects) {
        tagDAL_OBJECT_INFO info{};
        info.size = sizeof info;
        info.deviceId = o.deviceId;
        PutRecordText(info.name, o.name);
        PutRecordText(info.function, o.function);
        info.flags = o.flags;
        info.commObjectId = o.commObjectId;
        info.reference = o.reference;
        info.number = static_cast<int16_t>(o.number);
        info.type = static_cast<uint8_t>(o.type);
        info.deviceObjectId = o.deviceObjectId;
        info.value = o.value;
        infos.push_back(info);
    }
    return infos;
}

int32_t ParameterId(int16_t id) {
    return static_cast<uint16_t>(id);
}

} // namespace

TEtsDeviceParam::TEtsDeviceParam(TEts2Cdi *cdi, int32_t deviceId) : FCdi(cdi), FDeviceId(deviceId) {
    LOG_FKT("TEtsDeviceParam::TEtsDeviceParam");
}

TEtsDeviceParam::~TEtsDeviceParam() {
    LOG_FKT("TEtsDeviceParam::~TEtsDeviceParam");
}

int32_t TEtsDeviceParam::GetDeviceId() const {
    LOG_FKT("TEtsDeviceParam::GetDeviceId");
    return FDeviceId;
}

int TEtsDeviceParam::GetDeviceParamData(int16_t id, int32_t &value,
                                        std::vector<tagDAL_OBJECT_INFO> &objects) {
    LOG_FKT("TEtsDeviceParam::GetDeviceParamData");
    objects.clear();
    if (!FCdi)
        return kFailed;
    return FCdi->GuardedCall("TEtsDeviceParam::GetDeviceParamData", static_cast<int>(kFailed),
                             [&]() -> int {
                                 std::vector<TSwitchedObject> on;
                                 const auto read = FCdi->Database().ReadParameter(
                                     FDeviceId, ParameterId(id), &on);
                                 if (!read)
                                     return kUnknownParameter;
                                 value = *read;
                                 objects = Infos(on);
                                 return kDone;
                             });
}

int TEtsDeviceParam::Write(int16_t id, int32_t value, std::vector<tagDAL_OBJECT_INFO> *objects) {
    LOG_FKT("TEtsDeviceParam::Write");
    if (objects)
        objects->clear();
    if (!FCdi)
        return kFailed;
    return FCdi->GuardedCall("TEtsDeviceParam::SetDeviceParamData", static_cast<int>(kFailed),
                             [&]() -> int {
                                 std::vector<TSwitchedObject> on;
                                 if (!FCdi->Database().SetParameterValue(
                                         FDeviceId, ParameterId(id), value, &on))
                                     return kUnknownParameter;
                                 if (objects)
                                     *objects = Infos(on);
                                 return kDone;
                             });
}

int TEtsDeviceParam::SetDeviceParamData(int16_t id, int32_t value,
                                        std::vector<tagDAL_OBJECT_INFO> &objects) {
    LOG_FKT("TEtsDeviceParam::SetDeviceParamData");
    return Write(id, value, &objects);
}

int TEtsDeviceParam::SetDeviceParamData(int16_t id, int32_t value) {
    LOG_FKT("TEtsDeviceParam::SetDeviceParamData");
    return Write(id, value, nullptr);
}
