// The records of one enumeration of the bus tool (mode 1, then 2 until a result other than 0),
// collected before the caller acts on them: what it does to the project cannot move the
// enumeration's cursor.
#pragma once

#include "platform/bustool/DalRecords.h"
#include "platform/log/Log.h"

#include <vector>

template <class R, class F> void DalAufzaehlen(std::vector<R> &out, F read) {
    LOG_FKT("DeviceInstanz::DalAufzaehlen");
    R record{};
    record.size = sizeof(record);
    for (int mode = DAL_FIRST; read(mode, record) == DAL_OK; mode = DAL_NEXT)
        out.push_back(record);
}
