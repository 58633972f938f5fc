// The device parameters of one device, by parameter id, and the communication objects that
// their values switch on (the bus tool's parameter writer, on the interface object).
//
// Parameter ids are the product's 16-bit device-parameter ids as the object model writes them
// (e.g. 4620, 12611, 10050), the same id space as TEts2Cdi::CoSetDeviceParameterValueLong and the
// parameter id of DAL_DEVICE_PARAM. An id is taken as unsigned 16 bits. An id that the product
// data does not know fails (1), so that a wrong id in the object model shows at once.
//
// Results: 0 done; 1 the device has no parameter of that id (or there is no such device); 2 the
// project could not be read or written. An injected failure of
// "TEtsDeviceParam::GetDeviceParamData" or "TEtsDeviceParam::SetDeviceParamData" answers its code
// (2 when none is given).
//
// Writing a value switches every communication object that the product ties to the parameter:
// on when the value lies in the object's range, off otherwise (an object switched off loses its
// group-address links). Writing the value a parameter holds switches nothing anew.
// The object lists are replaced (not appended to): one tagDAL_OBJECT_INFO per object switched
// on, by ascending object number; empty after a failure.
#pragma once

#include "platform/bustool/DalRecords.h"

#include <cstdint>
#include <vector>

class TEts2Cdi;

class TEtsDeviceParam {
public:
    enum : int { kDone = 0, kUnknownParameter = 1, kFailed = 2 };

    // The interface object is borrowed; it must outlive this object.
    TEtsDeviceParam(TEts2Cdi *cdi, int32_t deviceId);
    virtual ~TEtsDeviceParam();
    TEtsDeviceParam(const TEtsDeviceParam &) = delete;
    TEtsDeviceParam &operator=(const TEtsDeviceParam &) = delete;

    // The value and the objects it switches on now.
    virtual int GetDeviceParamData(int16_t id, int32_t &value,
                                   std::vector<tagDAL_OBJECT_INFO> &objects);
    // Writes the value and lists the objects it switches on.
    virtual int SetDeviceParamData(int16_t id, int32_t value,
                                   std::vector<tagDAL_OBJECT_INFO> &objects);
    virtual int SetDeviceParamData(int16_t id, int32_t value);

    int32_t GetDeviceId() const;

private:
    int Write(int16_t id, int32_t value, std::vector<tagDAL_OBJECT_INFO> *objects);

    TEts2Cdi *FCdi;
    int32_t FDeviceId;
};
