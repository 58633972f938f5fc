// The records of one enumeration of the bus tool (mode 1, then 2 until a result other than 0),
// collected before the caller acts on them: what it does to the project cannot move the
// enumeration's cursor.
#pragma once

#include "platform/bustool/DalRecords.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"

#include <vector>

// Answers the result that ended the enumeration (DAL_END when it ran to its end).
template <class R, class F> int DalAufzaehlen(std::vector<R> &out, F read) {
    LOG_FKT("DeviceInstanz::DalAufzaehlen");
    R record{};
    record.size = sizeof(record);
    int result = DAL_OK;
    for (int mode = DAL_FIRST; (result = read(mode, record)) == DAL_OK; mode = DAL_NEXT)
        out.push_back(record);
    return result;
}

// The links of one device object in the bus tool's order; false when the listing broke off
// (the links read so far are not the object's links).
inline bool DalLinksAufzaehlen(TEts2Cdi &cdi, long objectId, std::vector<DAL_SUB_TO_OBJECT> &out) {
    LOG_FKT("DeviceInstanz::DalLinksAufzaehlen");
    return DalAufzaehlen(out, [&](int mode, DAL_SUB_TO_OBJECT &r) {
               return cdi.DalGetSubgroupToObjectData(mode, -1, -1, objectId, &r);
           }) == DAL_END;
}
