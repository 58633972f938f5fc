#include "platform/bustool/TEts2Cdi.h"

#include "platform/bustool/RecordText.h"
#include "platform/log/Log.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

int32_t I32(const TSqlStatement &st, int column) {
    return st.Int32(column);
}
int16_t I16(const TSqlStatement &st, int column) {
    return static_cast<int16_t>(st.Int(column));
}

const char *const kAddressWordOfGroup = "(SELECT m.number * 2048 + mi.number * 256 + s.number "
                                        "FROM address_groups s "
                                        "JOIN address_groups mi ON mi.id = s.parent_id "
                                        "JOIN address_groups m ON m.id = mi.parent_id "
                                        "WHERE s.id = %s)";

std::string AddressWordOf(const char *groupIdExpression) {
    std::string sql = kAddressWordOfGroup;
    return sql.replace(sql.find("%s"), 2, groupIdExpression);
}

} // namespace

// One Dal read: its name (for its cursor and injected failures), its query (first column: the
// enumeration's order key), the condition of mode 3 and the conditions of the optional ids in
// the order the call takes them.
struct TEts2Cdi::TDalQuery {
    const char *call;
    std::string select;
    const char *byId;
    const char *orderKey;
    std::vector<const char *> filters;
};

TEts2Cdi::TEts2Cdi(HWND owner, const AnsiString &moduleName, bool)
    : FOwner(owner), FModuleName(moduleName) {
    LOG_FKT("TEts2Cdi::TEts2Cdi");
    const char *project = std::getenv(kProjectVariable);
    if (!project || !*project)
        throw EProjectDatabase(std::string("no project database named in ") + kProjectVariable);
    FDb = std::make_unique<TProjectDatabase>(project);
}

TEts2Cdi::TEts2Cdi(const std::filesystem::path &project, const AnsiString &moduleName,
                   int32_t currentDevice)
    : FModuleName(moduleName), FCurrentDevice(currentDevice),
      FDb(std::make_unique<TProjectDatabase>(project)) {
    LOG_FKT("TEts2Cdi::TEts2Cdi");
}

TEts2Cdi::~TEts2Cdi() {
    LOG_FKT("TEts2Cdi::~TEts2Cdi");
}

void TEts2Cdi::SetCurrentDevice(int32_t deviceId) {
    LOG_FKT("TEts2Cdi::SetCurrentDevice");
    FCurrentDevice = deviceId;
}

int32_t TEts2Cdi::GetCurrentDevice() const {
    LOG_FKT("TEts2Cdi::GetCurrentDevice");
    return FCurrentDevice;
}

TProjectDatabase &TEts2Cdi::Database() {
    LOG_FKT("TEts2Cdi::Database");
    return *FDb;
}

HWND TEts2Cdi::GetOwner() const {
    LOG_FKT("TEts2Cdi::GetOwner");
    return FOwner;
}

std::optional<TInjectedFailure> TEts2Cdi::TakeFailure(const char *call) {
    LOG_FKT("TEts2Cdi::TakeFailure");
    return FDb->TakeFailure(call);
}

void TEts2Cdi::KeepFailure(const char *call, const char *cause) {
    LOG_FKT("TEts2Cdi::KeepFailure");
    FLastFailure = std::string(call) + ": " + cause;
    if (::kimlog::g_active)
        ::LogFktStart(("failed: " + FLastFailure).c_str(), ::kimlog::g_priority,
                      ::kimlog::SourceUnit(__FILE__), __LINE__);
}

const std::string &TEts2Cdi::LastFailure() const {
    LOG_FKT("TEts2Cdi::LastFailure");
    return FLastFailure;
}

AnsiString TEts2Cdi::GetModulName() {
    LOG_FKT("TEts2Cdi::GetModulName");
    return FModuleName;
}

bool TEts2Cdi::GetEtsInfo(tagETSINFO &info) {
    LOG_FKT("TEts2Cdi::GetEtsInfo");
    return GuardedCall("GetEtsInfo", false, [&] {
        const TBusToolInfo bus = FDb->BusToolInfo();
        info = tagETSINFO{};
        info.versionMajorMinor = static_cast<uint32_t>(bus.major) << 16 | bus.minor;
        info.versionReleaseBuild = static_cast<uint32_t>(bus.release) << 16 | bus.build;
        // A path: its bytes, not converted.
        const std::string dir = bus.directory.string();
        const size_t n = std::min(dir.size(), sizeof info.directory - 1);
        std::memcpy(info.directory, dir.data(), n);
        info.directory[n] = 0;
        return true;
    });
}

bool TEts2Cdi::BlobRead(unsigned char **data, unsigned long *size, long deviceId) {
    LOG_FKT("TEts2Cdi::BlobRead");
    if (!data || !size)
        return false;
    return GuardedCall("BlobRead", false, [&] {
        auto block = FDb->ReadDataBlock(static_cast<int32_t>(deviceId));
        if (!block)
            return false;
        FBlob = std::move(*block);
        *data = FBlob.data();
        *size = static_cast<unsigned long>(FBlob.size());
        return true;
    });
}

bool TEts2Cdi::BlobWrite(unsigned char *data, unsigned long size, long deviceId) {
    LOG_FKT("TEts2Cdi::BlobWrite");
    if (!data && size > 0)
        return false;
    return GuardedCall("BlobWrite", false, [&] {
        return FDb->WriteDataBlock(static_cast<int32_t>(deviceId), data, size);
    });
}

template <class R, class F>
int TEts2Cdi::DalRead(const TDalQuery &query, int mode, long id,
                      std::initializer_list<long> filters, R *record, F fill) {
    LOG_FKT("TEts2Cdi::DalRead");
    if (!record || mode < DAL_FIRST || mode > DAL_BY_ID)
        return DAL_ERR;
    return Guarded(query.call, static_cast<int>(DAL_ERR), [&]() -> int {
        // The statement with the conditions of the ids given (-1: not given). A cursor moves
        // past the row read before the record is filled from it, so that an enumeration goes
        // on after a row that cannot be read.
        const auto run = [&](std::string sql, std::vector<int64_t> binds,
                             const std::vector<long> &ids, const std::string &tail,
                             TCursor *moves) {
            for (size_t i = 0; i < ids.size() && i < query.filters.size(); ++i)
                if (ids[i] != -1) {
                    sql += std::string(" AND ") + query.filters[i];
                    binds.push_back(ids[i]);
                }
            sql += tail;
            R found{};
            std::optional<int64_t> key;
            TSqlTransaction tx(FDb->Sql(), TSqlTransaction::Read);
            TSqlStatement st(FDb->Sql(), sql);
            for (size_t i = 0; i < binds.size(); ++i)
                st.Bind(static_cast<int>(i + 1), binds[i]);
            if (st.Step()) {
                key = st.Int(0);
                if (moves)
                    moves->last = *key;
                fill(st, found);
            }
            tx.Commit();
            return std::make_pair(key, found);
        };

        std::optional<int64_t> key;
        R found{};
        if (mode == DAL_BY_ID) {
            if (const auto f = TakeFailure(query.call))
                return f->answer.value_or(DAL_ERR);
            if (id == -1 || record->size != sizeof(R))
                return DAL_ERR;
            std::tie(key, found) =
                run(query.select + " AND " + query.byId, {id}, filters, " LIMIT 1", nullptr);
            if (!key)
                return DAL_ERR;
        } else {
            TCursor &cursor = FCursors[query.call];
            if (mode == DAL_FIRST)
                cursor = TCursor{true, filters, std::numeric_limits<int64_t>::min()};
            else if (!cursor.open)
                return DAL_ERR;
            std::tie(key, found) =
                run(query.select + " AND " + query.orderKey + " > ?", {cursor.last}, cursor.filters,
                    std::string(" ORDER BY ") + query.orderKey + " LIMIT 1", &cursor);
            if (const auto f = TakeFailure(query.call))
                return f->answer.value_or(DAL_ERR);
            if (!key)
                return DAL_END;
            if (record->size != sizeof(R))
                return DAL_ERR;
        }
        found.size = sizeof(R);
        *record = found;
        return DAL_OK;
    });
}

int TEts2Cdi::DalGetProjectData(int mode, long projectId, DAL_PROJECT *record) {
    LOG_FKT("TEts2Cdi::DalGetProjectData");
    static const TDalQuery query{
        "DalGetProjectData", "SELECT id, name FROM project WHERE 1", "id = ?", "id", {}};
    return DalRead(query, mode, projectId, {}, record, [](const TSqlStatement &st, auto &r) {
        r.projectId = I32(st, 0);
        PutRecordText(r.name, st.Text(1));
    });
}

int TEts2Cdi::DalGetAreaData(int mode, long areaId, DAL_AREA *record, long projectId) {
    LOG_FKT("TEts2Cdi::DalGetAreaData");
    static const TDalQuery query{"DalGetAreaData",
                                 "SELECT id, project_id, address, name FROM areas WHERE 1",
                                 "id = ?",
                                 "id",
                                 {"project_id = ?"}};
    return DalRead(query, mode, areaId, {projectId}, record, [](const TSqlStatement &st, auto &r) {
        r.areaId = I32(st, 0);
        r.projectId = I32(st, 1);
        r.address = I16(st, 2);
        PutRecordText(r.name, st.Text(3));
    });
}

int TEts2Cdi::DalGetAreaData(int mode, long areaId, long projectId, DAL_AREA *record) {
    LOG_FKT("TEts2Cdi::DalGetAreaData");
    return DalGetAreaData(mode, areaId, record, projectId);
}

int TEts2Cdi::DalGetLineData(int mode, long lineId, DAL_LINE *record, long areaId) {
    LOG_FKT("TEts2Cdi::DalGetLineData");
    static const TDalQuery query{"DalGetLineData",
                                 "SELECT id, area_id, number, name FROM lines WHERE 1",
                                 "id = ?",
                                 "id",
                                 {"area_id = ?"}};
    return DalRead(query, mode, lineId, {areaId}, record, [](const TSqlStatement &st, auto &r) {
        r.lineId = I32(st, 0);
        r.areaId = I32(st, 1);
        r.number = I16(st, 2);
        PutRecordText(r.name, st.Text(3));
    });
}

int TEts2Cdi::DalGetLineData(int mode, long lineId, long areaId, DAL_LINE *record) {
    LOG_FKT("TEts2Cdi::DalGetLineData");
    return DalGetLineData(mode, lineId, record, areaId);
}

int TEts2Cdi::DalGetDeviceData(int mode, long deviceId, long lineId, long areaId, long projectId,
                               long productId, DAL_DEVICE *record) {
    LOG_FKT("TEts2Cdi::DalGetDeviceData");
    static const TDalQuery query{
        "DalGetDeviceData",
        "SELECT d.id, a.project_id, a.id, l.id, d.address, d.product_id, "
        "a.address * 4096 + l.number * 256 + d.address, d.name, p.text, p.module_name "
        "FROM devices d JOIN lines l ON l.id = d.line_id JOIN areas a ON a.id = l.area_id "
        "JOIN products p ON p.id = d.product_id WHERE 1",
        "d.id = ?",
        "d.id",
        {"l.id = ?", "a.id = ?", "a.project_id = ?", "d.product_id = ?"}};
    return DalRead(query, mode, deviceId, {lineId, areaId, projectId, productId}, record,
                   [](const TSqlStatement &st, auto &r) {
                       r.deviceId = I32(st, 0);
                       r.projectId = I32(st, 1);
                       r.areaId = I32(st, 2);
                       r.lineId = I32(st, 3);
                       r.address = I16(st, 4);
                       r.productId = I32(st, 5);
                       r.physicalAddress = static_cast<uint16_t>(st.Int(6));
                       PutRecordText(r.name, st.Text(7));
                       PutRecordText(r.productText, st.Text(8));
                       PutRecordText(r.moduleName, st.Text(9));
                   });
}

int TEts2Cdi::DalGetDeviceObjectData(int mode, long deviceObjectId, long deviceId,
                                     DAL_DEVICE_OBJECT *record) {
    LOG_FKT("TEts2Cdi::DalGetDeviceObjectData");
    // The address shown with an object: its sending link, else its first.
    static const TDalQuery query{
        "DalGetDeviceObjectData",
        "SELECT o.id, o.device_id, o.read_flag, o.write_flag, o.comm_flag, o.trans_flag, "
        "o.update_flag, o.comm_object_id, c.number, c.type, o.active, "
        "(SELECT count(*) FROM links WHERE device_object_id = o.id), " +
            AddressWordOf("(SELECT group_id FROM links WHERE device_object_id = o.id "
                          "ORDER BY send DESC, id LIMIT 1)") +
            " FROM device_objects o JOIN comm_objects c ON c.id = o.comm_object_id WHERE 1",
        "o.id = ?",
        "o.id",
        {"o.device_id = ?"}};
    return DalRead(query, mode, deviceObjectId, {deviceId}, record,
                   [](const TSqlStatement &st, auto &r) {
                       r.deviceObjectId = I32(st, 0);
                       r.deviceId = I32(st, 1);
                       r.readFlag = I16(st, 2);
                       r.writeFlag = I16(st, 3);
                       r.commFlag = I16(st, 4);
                       r.transFlag = I16(st, 5);
                       r.updateFlag = I16(st, 6);
                       r.commObjectId = I32(st, 7);
                       r.number = I16(st, 8);
                       r.type = I16(st, 9);
                       r.active = I16(st, 10);
                       r.linkCount = I32(st, 11);
                       if (!st.IsNull(12)) {
                           const auto word = static_cast<uint16_t>(st.Int(12));
                           PutRecordText(r.groupAddress3, GroupAddressText(word, true));
                           PutRecordText(r.groupAddress2, GroupAddressText(word, false));
                       }
                   });
}

int TEts2Cdi::DalGetDeviceParamData(int mode, long parameterId, long deviceId,
                                    DAL_DEVICE_PARAM *record) {
    LOG_FKT("TEts2Cdi::DalGetDeviceParamData");
    // Rows of a device are made in ascending parameter id, so the row id orders by it.
    static const TDalQuery query{
        "DalGetDeviceParamData",
        "SELECT dp.id, p.parameter_id, dp.reference, dp.device_id, dp.value "
        "FROM device_parameters dp JOIN parameters p ON p.reference = dp.reference WHERE 1",
        "p.parameter_id = ?",
        "dp.id",
        {"dp.device_id = ?"}};
    if (mode == DAL_BY_ID && deviceId == -1) {
        if (FCurrentDevice < 0)
            return DAL_ERR; // a parameter id names a parameter of one device only
        deviceId = FCurrentDevice;
    }
    return DalRead(query, mode, parameterId, {deviceId}, record,
                   [](const TSqlStatement &st, auto &r) {
                       r.deviceParameterId = I32(st, 1);
                       r.parameterId = I32(st, 1);
                       r.reference = I32(st, 2);
                       r.deviceId = I32(st, 3);
                       r.value = I32(st, 4);
                   });
}

int TEts2Cdi::DalGetParameterData(int mode, long parameterId, long productId, long deviceId,
                                  DAL_PARAMETER *record) {
    LOG_FKT("TEts2Cdi::DalGetParameterData");
    static const TDalQuery query{
        "DalGetParameterData",
        "SELECT reference, parameter_id, default_value, name FROM parameters WHERE 1",
        "parameter_id = ?",
        "reference",
        {"product_id = ?", "product_id = (SELECT product_id FROM devices WHERE id = ?)"}};
    return DalRead(query, mode, parameterId, {productId, deviceId}, record,
                   [](const TSqlStatement &st, auto &r) {
                       r.reference = I32(st, 0);
                       r.parameterId = I32(st, 1);
                       r.defaultValue = I32(st, 2);
                       PutRecordText(r.name, st.Text(3));
                   });
}

int TEts2Cdi::DalGetCommunicationObjectData(int mode, long commObjectId, long reference,
                                            long productId, DAL_COMM_OBJECT *record) {
    LOG_FKT("TEts2Cdi::DalGetCommunicationObjectData");
    static const TDalQuery query{
        "DalGetCommunicationObjectData",
        "SELECT id, ifnull(reference, 0), number, type, flags, on_from, on_to, name, function "
        "FROM comm_objects WHERE 1",
        "id = ?",
        "id",
        {"reference = ?", "product_id = ?"}};
    return DalRead(query, mode, commObjectId, {reference, productId}, record,
                   [](const TSqlStatement &st, auto &r) {
                       r.commObjectId = I32(st, 0);
                       r.reference = I32(st, 1);
                       r.number = I16(st, 2);
                       r.type = I16(st, 3);
                       r.flags = static_cast<uint8_t>(st.Int(4));
                       r.onFrom = I32(st, 5);
                       r.onTo = I32(st, 6);
                       PutRecordText(r.name, st.Text(7));
                       PutRecordText(r.function, st.Text(8));
                   });
}

int TEts2Cdi::DalGetSubgroupToObjectData(int mode, long linkId, long subGroupId,
                                         long deviceObjectId, DAL_SUB_TO_OBJECT *record) {
    LOG_FKT("TEts2Cdi::DalGetSubgroupToObjectData");
    static const TDalQuery query{"DalGetSubgroupToObjectData",
                                 "SELECT id, group_id, device_object_id, send FROM links WHERE 1",
                                 "id = ?",
                                 "id",
                                 {"group_id = ?", "device_object_id = ?"}};
    return DalRead(query, mode, linkId, {subGroupId, deviceObjectId}, record,
                   [](const TSqlStatement &st, auto &r) {
                       r.linkId = I32(st, 0);
                       r.subGroupId = I32(st, 1);
                       r.deviceObjectId = I32(st, 2);
                       r.sendFlag = I16(st, 3);
                   });
}

int TEts2Cdi::DalGetMaingroupData(int mode, long id, DAL_MAINGROUP *record, long projectId) {
    LOG_FKT("TEts2Cdi::DalGetMaingroupData");
    // One project per file: its id is 1.
    static const TDalQuery query{"DalGetMaingroupData",
                                 "SELECT id, number, name FROM address_groups WHERE level = 1",
                                 "id = ?",
                                 "id",
                                 {"1 = ?"}};
    return DalRead(query, mode, id, {projectId}, record, [](const TSqlStatement &st, auto &r) {
        r.id = I32(st, 0);
        r.projectId = 1;
        r.number = I16(st, 1);
        PutRecordText(r.name, st.Text(2));
    });
}

int TEts2Cdi::DalGetMaingroupData(int mode, long id, long projectId, DAL_MAINGROUP *record) {
    LOG_FKT("TEts2Cdi::DalGetMaingroupData");
    return DalGetMaingroupData(mode, id, record, projectId);
}

int TEts2Cdi::DalGetMiddlegroupData(int mode, long id, DAL_MIDDLEGROUP *record, long mainGroupId) {
    LOG_FKT("TEts2Cdi::DalGetMiddlegroupData");
    static const TDalQuery query{
        "DalGetMiddlegroupData",
        "SELECT id, parent_id, number, name FROM address_groups WHERE level = 2",
        "id = ?",
        "id",
        {"parent_id = ?"}};
    return DalRead(query, mode, id, {mainGroupId}, record, [](const TSqlStatement &st, auto &r) {
        r.id = I32(st, 0);
        r.mainGroupId = I32(st, 1);
        r.number = I16(st, 2);
        PutRecordText(r.name, st.Text(3));
    });
}

int TEts2Cdi::DalGetMiddlegroupData(int mode, long id, long mainGroupId, DAL_MIDDLEGROUP *record) {
    LOG_FKT("TEts2Cdi::DalGetMiddlegroupData");
    return DalGetMiddlegroupData(mode, id, record, mainGroupId);
}

int TEts2Cdi::DalGetSubgroupData(int mode, long id, DAL_SUBGROUP *record, long middleGroupId) {
    LOG_FKT("TEts2Cdi::DalGetSubgroupData");
    static const TDalQuery query{"DalGetSubgroupData",
                                 "SELECT g.id, g.parent_id, g.number, g.type, " +
                                     AddressWordOf("g.id") +
                                     ", g.name FROM address_groups g WHERE g.level = 3",
                                 "g.id = ?",
                                 "g.id",
                                 {"g.parent_id = ?"}};
    return DalRead(query, mode, id, {middleGroupId}, record, [](const TSqlStatement &st, auto &r) {
        r.id = I32(st, 0);
        r.middleGroupId = I32(st, 1);
        r.number = I16(st, 2);
        r.type = I16(st, 3);
        r.address = static_cast<uint16_t>(st.Int(4));
        PutRecordText(r.name, st.Text(5));
    });
}

int TEts2Cdi::DalGetSubgroupData(int mode, long id, long middleGroupId, DAL_SUBGROUP *record) {
    LOG_FKT("TEts2Cdi::DalGetSubgroupData");
    return DalGetSubgroupData(mode, id, record, middleGroupId);
}

int TEts2Cdi::CoLinkObjectToSubGroup(long deviceObjectId, long subGroupId, short send, bool, bool,
                                     bool) {
    LOG_FKT("TEts2Cdi::CoLinkObjectToSubGroup");
    return GuardedCall("CoLinkObjectToSubGroup", static_cast<int>(TProjectDatabase::kLinkFailed),
                       [&] {
                           const auto object = static_cast<int32_t>(deviceObjectId);
                           const auto group = static_cast<int32_t>(subGroupId);
                           return send == -1 ? FDb->LinkSendendWennKeiner(object, group)
                                             : FDb->Link(object, group, send == 1);
                       });
}

bool TEts2Cdi::CoUnlinkObjectFromSubGroup(long deviceObjectId, long subGroupId, bool) {
    LOG_FKT("TEts2Cdi::CoUnlinkObjectFromSubGroup");
    return GuardedCall("CoUnlinkObjectFromSubGroup", false, [&] {
        return FDb->Unlink(static_cast<int32_t>(deviceObjectId), static_cast<int32_t>(subGroupId));
    });
}

int TEts2Cdi::CoSetDeviceParameterValueLong(long parameterId, long value, bool, bool) {
    LOG_FKT("TEts2Cdi::CoSetDeviceParameterValueLong");
    return GuardedCall("CoSetDeviceParameterValueLong", 0, [&] {
        if (FCurrentDevice < 0)
            return 0;
        return FDb->SetParameterValue(FCurrentDevice, static_cast<int32_t>(parameterId),
                                      static_cast<int32_t>(value), nullptr)
                   ? 1
                   : 0;
    });
}

int TEts2Cdi::SetFlag(const char *call, long deviceObjectId, TEtsObjectFlags flag, bool value) {
    LOG_FKT("TEts2Cdi::SetFlag");
    return GuardedCall(call, 0, [&] {
        return FDb->SetObjectFlag(static_cast<int32_t>(deviceObjectId), flag, value) ? 1 : 0;
    });
}

int TEts2Cdi::SqlSetDeviceObjectCommFlag(long deviceObjectId, bool value) {
    LOG_FKT("TEts2Cdi::SqlSetDeviceObjectCommFlag");
    return SetFlag("SqlSetDeviceObjectCommFlag", deviceObjectId, ETS_FLAG_COMM, value);
}

int TEts2Cdi::SqlSetDeviceObjectReadFlag(long deviceObjectId, bool value) {
    LOG_FKT("TEts2Cdi::SqlSetDeviceObjectReadFlag");
    return SetFlag("SqlSetDeviceObjectReadFlag", deviceObjectId, ETS_FLAG_READ, value);
}

int TEts2Cdi::SqlSetDeviceObjectWriteFlag(long deviceObjectId, bool value) {
    LOG_FKT("TEts2Cdi::SqlSetDeviceObjectWriteFlag");
    return SetFlag("SqlSetDeviceObjectWriteFlag", deviceObjectId, ETS_FLAG_WRITE, value);
}

int TEts2Cdi::SqlSetDeviceObjectTransFlag(long deviceObjectId, bool value) {
    LOG_FKT("TEts2Cdi::SqlSetDeviceObjectTransFlag");
    return SetFlag("SqlSetDeviceObjectTransFlag", deviceObjectId, ETS_FLAG_TRANS, value);
}

int TEts2Cdi::SqlSetDeviceObjectUpdateFlag(long deviceObjectId, bool value) {
    LOG_FKT("TEts2Cdi::SqlSetDeviceObjectUpdateFlag");
    return SetFlag("SqlSetDeviceObjectUpdateFlag", deviceObjectId, ETS_FLAG_UPDATE, value);
}

int TEts2Cdi::SqlSetSubGroupToObjectSendFlag(long linkId, bool value) {
    LOG_FKT("TEts2Cdi::SqlSetSubGroupToObjectSendFlag");
    return GuardedCall("SqlSetSubGroupToObjectSendFlag", 0, [&] {
        return FDb->SetSendFlag(static_cast<int32_t>(linkId), value) ? 1 : 0;
    });
}

HMETER TEts2Cdi::CoMeterDlgOpen(HWND owner, int kind) {
    LOG_FKT("TEts2Cdi::CoMeterDlgOpen");
    FMeters[++FLastMeter] = OpenEtsMeterView(owner, kind);
    return FLastMeter;
}

void TEts2Cdi::CoMeterSetCaption(HMETER meter, const AnsiString &text) {
    LOG_FKT("TEts2Cdi::CoMeterSetCaption");
    if (TEtsMeterView *view = GetMeterView(meter))
        view->SetCaption(text);
}

void TEts2Cdi::CoMeterDlgClose(HMETER meter) {
    LOG_FKT("TEts2Cdi::CoMeterDlgClose");
    FMeters.erase(meter);
}

TEtsMeterView *TEts2Cdi::GetMeterView(HMETER meter) {
    LOG_FKT("TEts2Cdi::GetMeterView");
    const auto it = FMeters.find(meter);
    return it == FMeters.end() ? nullptr : it->second.get();
}

template <class F>
int TEts2Cdi::EibCall(const char *call, unsigned short first, unsigned short last, F body) {
    LOG_FKT("TEts2Cdi::EibCall");
    const int result = GuardedCall(call, static_cast<int>(EIB_ERR_FAILED), body);
    if (FEibMonitor)
        FEibMonitor({call, first, last, result});
    return result;
}

TEibMonitor TEts2Cdi::SetEibMonitor(TEibMonitor monitor) {
    LOG_FKT("TEts2Cdi::SetEibMonitor");
    TEibMonitor previous = std::move(FEibMonitor);
    FEibMonitor = std::move(monitor);
    return previous;
}

int TEts2Cdi::EibSetAddress(unsigned short kind, unsigned short physicalAddress) {
    LOG_FKT("TEts2Cdi::EibSetAddress");
    return EibCall("EibSetAddress", 0, 0, [&]() -> int {
        if (kind != 1)
            return EIB_ERR_ARGUMENT;
        FBusAddress = physicalAddress;
        FBusDevice.reset();
        return EIB_OK;
    });
}

int TEts2Cdi::EibStartComm() {
    LOG_FKT("TEts2Cdi::EibStartComm");
    return EibCall("EibStartComm", 0, 0, [&]() -> int {
        if (!FBusAddress)
            return EIB_ERR_NO_CONNECTION;
        FBusDevice.reset();
        const auto device =
            *FBusAddress == 0 ? FDb->ConnectedDevice() : FDb->DeviceByAddress(*FBusAddress);
        const auto row = device ? FDb->Device(*device) : std::nullopt;
        if (!row || !row->onBus)
            return EIB_ERR_NO_ANSWER;
        FBusDevice = device;
        return EIB_OK;
    });
}

int TEts2Cdi::CheckMemBlock(const void *buffer, unsigned short first, unsigned short firstAgain,
                            unsigned short last) const {
    LOG_FKT("TEts2Cdi::CheckMemBlock");
    if (!buffer || first != firstAgain || last < first || last - first + 1u > kEibMaxBlock)
        return EIB_ERR_ARGUMENT;
    if (!FBusDevice)
        return EIB_ERR_NO_CONNECTION;
    return EIB_OK;
}

int TEts2Cdi::EibReadMemBlock(unsigned char *buffer, unsigned short first,
                              unsigned short firstAgain, unsigned short last) {
    LOG_FKT("TEts2Cdi::EibReadMemBlock");
    return EibCall("EibReadMemBlock", first, last, [&]() -> int {
        if (const int check = CheckMemBlock(buffer, first, firstAgain, last))
            return check;
        const auto bytes = FDb->ReadMemory(*FBusDevice, first, last - first + 1u);
        if (!bytes)
            return EIB_ERR_NO_ANSWER;
        std::copy(bytes->begin(), bytes->end(), buffer);
        return EIB_OK;
    });
}

int TEts2Cdi::EibWriteMemBlock(unsigned char *data, unsigned short first, unsigned short firstAgain,
                               unsigned short last, unsigned char *mask) {
    LOG_FKT("TEts2Cdi::EibWriteMemBlock");
    return EibCall("EibWriteMemBlock", first, last, [&]() -> int {
        if (!mask)
            return EIB_ERR_ARGUMENT;
        if (const int check = CheckMemBlock(data, first, firstAgain, last))
            return check;
        return FDb->WriteMemory(*FBusDevice, first, data, mask, last - first + 1u)
                   ? EIB_OK
                   : EIB_ERR_NO_ANSWER;
    });
}

int TEts2Cdi::EibStopComm() {
    LOG_FKT("TEts2Cdi::EibStopComm");
    return EibCall("EibStopComm", 0, 0, [&]() -> int {
        FBusDevice.reset();
        return EIB_OK;
    });
}
