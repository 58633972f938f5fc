#include "platform/bustool/TProjectDatabase.h"

#include "platform/bustool/TPanelMemory.h"
#include "platform/log/Log.h"

#include <charconv>

#include <cstdio>
#include <fstream>

namespace {

// Every row of a statement, each made by row(statement).
template <class F> auto AllRows(TSqlStatement &st, F row) {
    std::vector<decltype(row(st))> rows;
    while (st.Step())
        rows.push_back(row(st));
    return rows;
}

// Group levels as stored: the tree is always held with three levels; two levels are a view.
enum : int { kMainLevel = 1, kMiddleLevel = 2, kSubLevel = 3 };

const char *const kSchema = R"SQL(
CREATE TABLE project(id INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE bus_tool(key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE areas(
    id INTEGER PRIMARY KEY,
    project_id INTEGER NOT NULL REFERENCES project(id),
    address INTEGER NOT NULL CHECK(address BETWEEN 0 AND 15),
    name TEXT NOT NULL,
    UNIQUE(project_id, address));
CREATE TABLE lines(
    id INTEGER PRIMARY KEY,
    area_id INTEGER NOT NULL REFERENCES areas(id),
    number INTEGER NOT NULL CHECK(number BETWEEN 0 AND 15),
    name TEXT NOT NULL,
    UNIQUE(area_id, number));
CREATE TABLE products(
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE,
    text TEXT NOT NULL,
    module_name TEXT NOT NULL);
CREATE TABLE parameters(
    reference INTEGER PRIMARY KEY,
    product_id INTEGER NOT NULL REFERENCES products(id),
    parameter_id INTEGER NOT NULL,
    name TEXT NOT NULL,
    default_value INTEGER NOT NULL,
    UNIQUE(product_id, parameter_id));
CREATE TABLE comm_objects(
    id INTEGER PRIMARY KEY,
    product_id INTEGER NOT NULL REFERENCES products(id),
    number INTEGER NOT NULL,
    name TEXT NOT NULL,
    function TEXT NOT NULL,
    type INTEGER NOT NULL,
    flags INTEGER NOT NULL,
    reference INTEGER REFERENCES parameters(reference),
    on_from INTEGER NOT NULL,
    on_to INTEGER NOT NULL,
    UNIQUE(product_id, number));
CREATE TABLE devices(
    id INTEGER PRIMARY KEY,
    line_id INTEGER NOT NULL REFERENCES lines(id),
    address INTEGER NOT NULL CHECK(address BETWEEN 0 AND 255),
    name TEXT NOT NULL,
    product_id INTEGER NOT NULL REFERENCES products(id),
    UNIQUE(line_id, address));
CREATE TABLE device_parameters(
    id INTEGER PRIMARY KEY,
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE,
    reference INTEGER NOT NULL REFERENCES parameters(reference),
    value INTEGER NOT NULL,
    UNIQUE(device_id, reference));
CREATE TABLE device_objects(
    id INTEGER PRIMARY KEY,
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE,
    comm_object_id INTEGER NOT NULL REFERENCES comm_objects(id),
    active INTEGER NOT NULL,
    comm_flag INTEGER NOT NULL,
    read_flag INTEGER NOT NULL,
    write_flag INTEGER NOT NULL,
    trans_flag INTEGER NOT NULL,
    update_flag INTEGER NOT NULL,
    UNIQUE(device_id, comm_object_id));
CREATE TABLE address_groups(
    id INTEGER PRIMARY KEY,
    parent_id INTEGER REFERENCES address_groups(id) ON DELETE CASCADE,
    level INTEGER NOT NULL CHECK(level BETWEEN 1 AND 3),
    number INTEGER NOT NULL,
    name TEXT NOT NULL,
    type INTEGER NOT NULL DEFAULT -1);
CREATE UNIQUE INDEX address_groups_number ON address_groups(ifnull(parent_id, 0), number);
CREATE TABLE links(
    id INTEGER PRIMARY KEY,
    device_object_id INTEGER NOT NULL REFERENCES device_objects(id) ON DELETE CASCADE,
    group_id INTEGER NOT NULL REFERENCES address_groups(id) ON DELETE CASCADE,
    send INTEGER NOT NULL,
    UNIQUE(device_object_id, group_id));
CREATE TABLE data_blocks(
    device_id INTEGER PRIMARY KEY REFERENCES devices(id) ON DELETE CASCADE,
    data BLOB NOT NULL);
CREATE TABLE profile(
    module TEXT NOT NULL,
    section TEXT NOT NULL COLLATE NOCASE,
    key TEXT NOT NULL COLLATE NOCASE,
    value TEXT NOT NULL,
    PRIMARY KEY(module, section, key));
CREATE TABLE memory_images(
    device_id INTEGER PRIMARY KEY REFERENCES devices(id) ON DELETE CASCADE,
    data BLOB NOT NULL CHECK(length(data) = 65536));
CREATE TABLE bus_connection(
    id INTEGER PRIMARY KEY CHECK(id = 1),
    device_id INTEGER NOT NULL REFERENCES devices(id) ON DELETE CASCADE);
CREATE TABLE failures(
    id INTEGER PRIMARY KEY,
    call TEXT NOT NULL,
    answer INTEGER,
    remaining INTEGER NOT NULL CHECK(remaining > 0));
)SQL";

// The columns of a device object that a parameter switches on, in TSwitchedObject order.
const char *const kSwitchedObjectColumns =
    "o.device_id, o.id, c.id, c.reference, dp.value, c.number, c.type, c.flags, c.name, "
    "c.function";

void Require(bool ok, const std::string &what) {
    if (!ok)
        throw EProjectDatabase(what);
}

const char *FlagColumn(TEtsObjectFlags flag) {
    switch (flag) {
    case ETS_FLAG_COMM:
        return "comm_flag";
    case ETS_FLAG_READ:
        return "read_flag";
    case ETS_FLAG_WRITE:
        return "write_flag";
    case ETS_FLAG_TRANS:
        return "trans_flag";
    case ETS_FLAG_UPDATE:
        return "update_flag";
    }
    return nullptr;
}

} // namespace

std::string GroupAddressText(uint16_t word, bool threeLevel) {
    LOG_FKT("GroupAddressText");
    const std::string main = std::to_string((word >> 11) & 0xF);
    if (threeLevel)
        return main + "/" + std::to_string((word >> 8) & 7) + "/" + std::to_string(word & 0xFF);
    return main + "/" + std::to_string(word & 0x7FF);
}

uint16_t PhysicalAddressWord(int area, int line, int device) {
    LOG_FKT("PhysicalAddressWord");
    return static_cast<uint16_t>((area & 0xF) << 12 | (line & 0xF) << 8 | (device & 0xFF));
}

std::string PhysicalAddressText(uint16_t address) {
    LOG_FKT("PhysicalAddressText");
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%03d", address >> 12, (address >> 8) & 0xF,
                  address & 0xFF);
    return text;
}

TProjectSnapshot::TProjectSnapshot(std::unique_ptr<TSqlDatabase> copy) : FCopy(std::move(copy)) {
    LOG_FKT("TProjectSnapshot::TProjectSnapshot");
}

TProjectSnapshot::~TProjectSnapshot() {
    LOG_FKT("TProjectSnapshot::~TProjectSnapshot");
}

void TProjectDatabase::Create(const std::filesystem::path &file, const std::string &projectName) {
    LOG_FKT("TProjectDatabase::Create");
    Require(!std::filesystem::exists(file), file.string() + ": exists already");
    const auto directory = std::filesystem::absolute(file).parent_path();
    {
        TSqlDatabase db(file, true, kBusyTimeoutMs);
        db.Execute("PRAGMA journal_mode=WAL");
        TSqlTransaction tx(db, TSqlTransaction::Write);
        db.Execute(kSchema);
        db.Execute("PRAGMA application_id=" + std::to_string(kApplicationId));
        db.Execute("PRAGMA user_version=" + std::to_string(kSchemaVersion));
        TSqlStatement(db, "INSERT INTO project(id, name) VALUES(1, ?)").Bind(1, projectName).Run();
        TSqlStatement st(db, "INSERT INTO bus_tool(key, value) VALUES(?, ?)");
        const std::pair<const char *, std::string> values[] = {
            {"major", std::to_string(kDefaultVersion[0])},
            {"minor", std::to_string(kDefaultVersion[1])},
            {"release", std::to_string(kDefaultVersion[2])},
            {"build", std::to_string(kDefaultVersion[3])},
            {"directory", directory.string()},
            {"group_address_levels", "3"}};
        for (const auto &[key, value] : values) {
            st.Bind(1, key).Bind(2, value).Run();
            st.Reset();
        }
        tx.Commit();
    }
    TProjectDatabase(file).WriteSettingsFile(directory, 3);
}

TProjectDatabase::TProjectDatabase(const std::filesystem::path &file) : FFile(file) {
    LOG_FKT("TProjectDatabase::TProjectDatabase");
    const std::string name = file.string();
    Require(std::filesystem::is_regular_file(file), name + ": no such project file");
    FSql = std::make_unique<TSqlDatabase>(file, false, kBusyTimeoutMs);
    int64_t applicationId = 0, version = 0;
    try {
        applicationId = FSql->QueryInt("PRAGMA application_id");
        version = FSql->QueryInt("PRAGMA user_version");
    } catch (const EProjectDatabase &e) {
        throw EProjectDatabase(name + ": not a project of the bus tool (" + e.Message + ")");
    }
    Require(applicationId == kApplicationId,
            name + ": not a project of the bus tool (application id " +
                std::to_string(applicationId) + ", expected " + std::to_string(kApplicationId) +
                ")");
    Require(version == kSchemaVersion, name + ": project of schema version " +
                                           std::to_string(version) + ", this program reads " +
                                           std::to_string(kSchemaVersion));
    FSql->Execute("PRAGMA foreign_keys=ON; PRAGMA synchronous=NORMAL");
}

TProjectDatabase::~TProjectDatabase() {
    LOG_FKT("TProjectDatabase::~TProjectDatabase");
}

int32_t TProjectDatabase::AddArea(int address, const std::string &name) {
    LOG_FKT("TProjectDatabase::AddArea");
    Require(address >= 0 && address <= 15, "area address out of range");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement(*FSql, "INSERT INTO areas(project_id, address, name) VALUES(1, ?, ?)")
        .Bind(1, address)
        .Bind(2, name)
        .Run();
    const auto id = static_cast<int32_t>(FSql->LastInsertId());
    tx.Commit();
    return id;
}

int32_t TProjectDatabase::AddLine(int32_t areaId, int number, const std::string &name) {
    LOG_FKT("TProjectDatabase::AddLine");
    Require(number >= 0 && number <= 15, "line number out of range");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement(*FSql, "INSERT INTO lines(area_id, number, name) VALUES(?, ?, ?)")
        .Bind(1, areaId)
        .Bind(2, number)
        .Bind(3, name)
        .Run();
    const auto id = static_cast<int32_t>(FSql->LastInsertId());
    tx.Commit();
    return id;
}

int64_t TProjectDatabase::EnsureProduct(const TProductData &product) {
    LOG_FKT("TProjectDatabase::EnsureProduct");
    TSqlStatement find(*FSql, "SELECT id FROM products WHERE name = ?");
    if (find.Bind(1, product.name).Step())
        return find.Id(0);
    TSqlStatement(*FSql, "INSERT INTO products(name, text, module_name) VALUES(?, ?, ?)")
        .Bind(1, product.name)
        .Bind(2, product.text)
        .Bind(3, product.moduleName)
        .Run();
    const int64_t productId = FSql->LastInsertId();
    TSqlStatement param(*FSql, "INSERT INTO parameters(product_id, parameter_id, name, "
                               "default_value) VALUES(?, ?, ?, ?)");
    for (const auto &p : product.parameters) {
        param.Bind(1, productId).Bind(2, p.id).Bind(3, p.name).Bind(4, p.defaultValue).Run();
        param.Reset();
    }
    TSqlStatement object(
        *FSql, "INSERT INTO comm_objects(product_id, number, name, function, type, flags, "
               "reference, on_from, on_to) VALUES(?1, ?2, ?3, ?4, ?5, ?6, (SELECT reference FROM "
               "parameters WHERE product_id = ?1 AND parameter_id = ?7), ?8, ?9)");
    for (const auto &o : product.objects) {
        object.Bind(1, productId).Bind(2, o.number).Bind(3, o.name).Bind(4, o.function);
        object.Bind(5, o.type).Bind(6, o.flags).Bind(8, o.onFrom).Bind(9, o.onTo);
        if (o.parameterId)
            object.Bind(7, *o.parameterId);
        else
            object.BindNull(7);
        object.Run();
        object.Reset();
    }
    return productId;
}

int32_t TProjectDatabase::AddDevice(int32_t lineId, int address, const std::string &name,
                                    const TProductData &product) {
    LOG_FKT("TProjectDatabase::AddDevice");
    Require(address >= 0 && address <= 255, "device address out of range");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    const int64_t productId = EnsureProduct(product);
    TSqlStatement(*FSql, "INSERT INTO devices(line_id, address, name, product_id) "
                         "VALUES(?, ?, ?, ?)")
        .Bind(1, lineId)
        .Bind(2, address)
        .Bind(3, name)
        .Bind(4, productId)
        .Run();
    const int64_t deviceId = FSql->LastInsertId();
    TSqlStatement(*FSql, "INSERT INTO device_parameters(device_id, reference, value) "
                         "SELECT ?1, reference, default_value FROM parameters "
                         "WHERE product_id = ?2 ORDER BY parameter_id")
        .Bind(1, deviceId)
        .Bind(2, productId)
        .Run();
    // An object without a switching parameter is always there.
    TSqlStatement(*FSql, "INSERT INTO device_objects(device_id, comm_object_id, active, comm_flag, "
                         "read_flag, write_flag, trans_flag, update_flag) "
                         "SELECT ?1, c.id, c.reference IS NULL OR ifnull(p.default_value BETWEEN "
                         "c.on_from AND c.on_to, 0), (c.flags & 1) != 0, (c.flags & 2) != 0, "
                         "(c.flags & 4) != 0, (c.flags & 8) != 0, (c.flags & 16) != 0 "
                         "FROM comm_objects c LEFT JOIN parameters p ON p.reference = c.reference "
                         "WHERE c.product_id = ?2 ORDER BY c.number")
        .Bind(1, deviceId)
        .Bind(2, productId)
        .Run();
    tx.Commit();
    return static_cast<int32_t>(deviceId);
}

int32_t TProjectDatabase::AddPanelDevice(int32_t lineId, int address, const std::string &name) {
    LOG_FKT("TProjectDatabase::AddPanelDevice");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    const int32_t id = AddDevice(lineId, address, name, PanelProductData());
    const auto device = Device(id);
    SetMemoryImage(id, TPanelMemory::Image(device->address, TPanelMemory::ManufacturerOfModule(
                                                                PanelProductData().moduleName)));
    tx.Commit();
    return id;
}

int32_t TProjectDatabase::AddSwitchingDevice(int32_t lineId, int address, const std::string &name) {
    LOG_FKT("TProjectDatabase::AddSwitchingDevice");
    return AddDevice(lineId, address, name, SwitchingDeviceProductData());
}

int32_t TProjectDatabase::EnsureLine(int area, int line) {
    LOG_FKT("TProjectDatabase::EnsureLine");
    Require(area >= 0 && area <= 15, "area address out of range");
    Require(line >= 0 && line <= 15, "line number out of range");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement findArea(*FSql, "SELECT id FROM areas WHERE address = ?");
    const int32_t areaId = findArea.Bind(1, area).Step()
                               ? findArea.Int32(0)
                               : AddArea(area, "Bereich " + std::to_string(area));
    TSqlStatement findLine(*FSql, "SELECT id FROM lines WHERE area_id = ? AND number = ?");
    const int32_t lineId = findLine.Bind(1, areaId).Bind(2, line).Step()
                               ? findLine.Int32(0)
                               : AddLine(areaId, line, "Linie " + std::to_string(line));
    tx.Commit();
    return lineId;
}

int32_t TProjectDatabase::AddDemoPanel() {
    LOG_FKT("TProjectDatabase::AddDemoPanel");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    const int32_t id = AddPanelDevice(EnsureLine(1, 1), 1, "Alarmzentrale");
    auto image = *MemoryImage(id);
    TPanelMemory::AddDemoEvents(image);
    SetMemoryImage(id, image);
    if (!ConnectedDevice())
        SetConnectedDevice(id);
    tx.Commit();
    return id;
}

int32_t TProjectDatabase::CopyDevice(int32_t sourceId, int32_t lineId, int address,
                                     const std::string &name) {
    LOG_FKT("TProjectDatabase::CopyDevice");
    Require(address >= 0 && address <= 255, "device address out of range");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement source(*FSql, "SELECT product_id FROM devices WHERE id = ?");
    Require(source.Bind(1, sourceId).Step(), "no device " + std::to_string(sourceId) + " to copy");
    TSqlStatement(*FSql, "INSERT INTO devices(line_id, address, name, product_id) "
                         "VALUES(?, ?, ?, ?)")
        .Bind(1, lineId)
        .Bind(2, address)
        .Bind(3, name)
        .Bind(4, source.Int(0))
        .Run();
    const int64_t deviceId = FSql->LastInsertId();
    TSqlStatement(*FSql, "INSERT INTO device_parameters(device_id, reference, value) "
                         "SELECT ?1, reference, value FROM device_parameters WHERE device_id = ?2 "
                         "ORDER BY id")
        .Bind(1, deviceId)
        .Bind(2, sourceId)
        .Run();
    TSqlStatement(*FSql, "INSERT INTO device_objects(device_id, comm_object_id, active, comm_flag, "
                         "read_flag, write_flag, trans_flag, update_flag) "
                         "SELECT ?1, comm_object_id, active, comm_flag, read_flag, write_flag, "
                         "trans_flag, update_flag FROM device_objects WHERE device_id = ?2 "
                         "ORDER BY id")
        .Bind(1, deviceId)
        .Bind(2, sourceId)
        .Run();
    tx.Commit();
    return static_cast<int32_t>(deviceId);
}

namespace {
const char *const kDeviceRows =
    "SELECT d.id, a.address * 4096 + l.number * 256 + d.address, d.name, p.name, p.module_name, "
    "d.id IN (SELECT device_id FROM memory_images), "
    "d.id IN (SELECT device_id FROM bus_connection) "
    "FROM devices d JOIN lines l ON l.id = d.line_id JOIN areas a ON a.id = l.area_id "
    "JOIN products p ON p.id = d.product_id";

TDeviceRow DeviceRow(const TSqlStatement &st) {
    TDeviceRow row;
    row.id = st.Int32(0);
    row.address = static_cast<uint16_t>(st.Int(1));
    row.name = st.Text(2);
    row.product = st.Text(3);
    row.moduleName = st.Text(4);
    row.onBus = st.Int(5) != 0;
    row.connected = st.Int(6) != 0;
    return row;
}
} // namespace

std::vector<TDeviceRow> TProjectDatabase::Devices() {
    LOG_FKT("TProjectDatabase::Devices");
    TSqlTransaction tx(*FSql, TSqlTransaction::Read);
    TSqlStatement st(*FSql, std::string(kDeviceRows) + " ORDER BY 2, 1");
    auto rows = AllRows(st, DeviceRow);
    tx.Commit();
    return rows;
}

std::optional<TDeviceRow> TProjectDatabase::Device(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::Device");
    // Kept prepared, as the one below: each start of a bus communication asks both.
    TSqlStatement st(*FSql, std::string(kDeviceRows) + " WHERE d.id = ?", TSqlStatement::Cached);
    if (!st.Bind(1, deviceId).Step())
        return std::nullopt;
    return DeviceRow(st);
}

std::optional<int32_t> TProjectDatabase::DeviceByAddress(uint16_t physicalAddress) {
    LOG_FKT("TProjectDatabase::DeviceByAddress");
    TSqlStatement st(*FSql,
                     "SELECT d.id FROM devices d JOIN lines l ON l.id = d.line_id "
                     "JOIN areas a ON a.id = l.area_id "
                     "WHERE a.address * 4096 + l.number * 256 + d.address = ?",
                     TSqlStatement::Cached);
    if (!st.Bind(1, physicalAddress).Step())
        return std::nullopt;
    return st.Int32(0);
}

std::optional<int32_t> TProjectDatabase::DeviceOfObject(int32_t deviceObjectId) {
    LOG_FKT("TProjectDatabase::DeviceOfObject");
    TSqlStatement st(*FSql, "SELECT device_id FROM device_objects WHERE id = ?");
    if (!st.Bind(1, deviceObjectId).Step())
        return std::nullopt;
    return st.Int32(0);
}

std::optional<std::string> TProjectDatabase::ProductName(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::ProductName");
    const auto device = Device(deviceId);
    if (!device)
        return std::nullopt;
    return device->product;
}

bool TProjectDatabase::RemoveDevice(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::RemoveDevice");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement(*FSql, "DELETE FROM devices WHERE id = ?").Bind(1, deviceId).Run();
    if (FSql->Changes() == 0)
        return false;
    ForgetTypesOfUnlinkedGroups();
    tx.Commit();
    return true;
}

int64_t TProjectDatabase::GroupId(std::optional<int64_t> parent, int number) {
    LOG_FKT("TProjectDatabase::GroupId");
    TSqlStatement st(*FSql, "SELECT id FROM address_groups WHERE ifnull(parent_id, 0) = ? "
                            "AND number = ?");
    return st.Bind(1, parent.value_or(0)).Bind(2, number).Step() ? st.Id(0) : 0;
}

int64_t TProjectDatabase::GroupOf(std::optional<int64_t> parent, int level, int number,
                                  const std::string &name, bool rename) {
    LOG_FKT("TProjectDatabase::GroupOf");
    if (const int64_t id = GroupId(parent, number)) {
        if (rename)
            TSqlStatement(*FSql, "UPDATE address_groups SET name = ? WHERE id = ?")
                .Bind(1, name)
                .Bind(2, id)
                .Run();
        return id;
    }
    TSqlStatement insert(*FSql, "INSERT INTO address_groups(parent_id, level, number, name) "
                                "VALUES(?, ?, ?, ?)");
    if (parent)
        insert.Bind(1, *parent);
    else
        insert.BindNull(1);
    insert.Bind(2, level).Bind(3, number).Bind(4, name).Run();
    return FSql->LastInsertId();
}

int32_t TProjectDatabase::AddMainGroup(int main, const std::string &name) {
    LOG_FKT("TProjectDatabase::AddMainGroup");
    Require(main >= 0 && main <= 15, "main group out of range");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    const auto id = static_cast<int32_t>(GroupOf(std::nullopt, kMainLevel, main, name, true));
    tx.Commit();
    return id;
}

int32_t TProjectDatabase::AddMiddleGroup(int main, int middle, const std::string &name) {
    LOG_FKT("TProjectDatabase::AddMiddleGroup");
    Require(main >= 0 && main <= 15 && middle >= 0 && middle <= 7, "middle group out of range");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    const int64_t mainId =
        GroupOf(std::nullopt, kMainLevel, main, "Hauptgruppe " + std::to_string(main), false);
    const auto id = static_cast<int32_t>(GroupOf(mainId, kMiddleLevel, middle, name, true));
    tx.Commit();
    return id;
}

int32_t TProjectDatabase::AddGroupAddress(int main, int middle, int sub, const std::string &name) {
    LOG_FKT("TProjectDatabase::AddGroupAddress");
    Require(main >= 0 && main <= 15 && middle >= 0 && middle <= 7 && sub >= 0 && sub <= 255,
            "group address out of range");
    Require(main + middle + sub > 0, "group address 0/0/0 means none");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    const int64_t mainId =
        GroupOf(std::nullopt, kMainLevel, main, "Hauptgruppe " + std::to_string(main), false);
    const int64_t middleId =
        GroupOf(mainId, kMiddleLevel, middle,
                "Mittelgruppe " + std::to_string(main) + "/" + std::to_string(middle), false);
    Require(!GroupId(middleId, sub), "group address exists already");
    const auto id = static_cast<int32_t>(GroupOf(middleId, kSubLevel, sub, name, false));
    tx.Commit();
    return id;
}

std::optional<int32_t> TProjectDatabase::SubGroupId(int main, int middle, int sub) {
    LOG_FKT("TProjectDatabase::SubGroupId");
    const int64_t mainId = GroupId(std::nullopt, main);
    const int64_t middleId = mainId ? GroupId(mainId, middle) : 0;
    const int64_t subId = middleId ? GroupId(middleId, sub) : 0;
    if (!subId)
        return std::nullopt;
    return static_cast<int32_t>(subId);
}

namespace {
const char *const kGroupRows =
    "SELECT g.id, ifnull(g.parent_id, 0), g.level, g.number, g.type, "
    "CASE g.level WHEN 1 THEN g.number * 2048 "
    "WHEN 2 THEN p.number * 2048 + g.number * 256 "
    "ELSE pp.number * 2048 + p.number * 256 + g.number END, g.name "
    "FROM address_groups g LEFT JOIN address_groups p ON p.id = g.parent_id "
    "LEFT JOIN address_groups pp ON pp.id = p.parent_id";

TGroupRow GroupRow(const TSqlStatement &st) {
    TGroupRow row;
    row.id = st.Id(0);
    row.parentId = st.Int32(1);
    row.level = static_cast<int>(st.Int(2));
    row.number = static_cast<int>(st.Int(3));
    row.type = static_cast<int>(st.Int(4));
    row.word = static_cast<uint16_t>(st.Int(5));
    row.name = st.Text(6);
    return row;
}
} // namespace

std::vector<TGroupRow> TProjectDatabase::GroupTree() {
    LOG_FKT("TProjectDatabase::GroupTree");
    TSqlTransaction tx(*FSql, TSqlTransaction::Read);
    TSqlStatement st(*FSql, std::string(kGroupRows) +
                                " ORDER BY g.level, ifnull(g.parent_id, 0), g.number");
    auto rows = AllRows(st, GroupRow);
    tx.Commit();
    return rows;
}

std::optional<TGroupRow> TProjectDatabase::Group(int32_t id) {
    LOG_FKT("TProjectDatabase::Group");
    TSqlStatement st(*FSql, std::string(kGroupRows) + " WHERE g.id = ?");
    if (!st.Bind(1, id).Step())
        return std::nullopt;
    return GroupRow(st);
}

std::vector<TSwitchedObject> TProjectDatabase::SwitchedObjects(int32_t deviceId,
                                                               int64_t reference) {
    LOG_FKT("TProjectDatabase::SwitchedObjects");
    TSqlStatement st(*FSql, std::string("SELECT ") + kSwitchedObjectColumns +
                                " FROM device_objects o "
                                "JOIN comm_objects c ON c.id = o.comm_object_id "
                                "JOIN device_parameters dp ON dp.device_id = o.device_id "
                                "AND dp.reference = c.reference "
                                "WHERE o.device_id = ? AND c.reference = ? AND o.active "
                                "ORDER BY c.number");
    st.Bind(1, deviceId).Bind(2, reference);
    std::vector<TSwitchedObject> objects;
    while (st.Step()) {
        TSwitchedObject o;
        o.deviceId = st.Int32(0);
        o.deviceObjectId = st.Int32(1);
        o.commObjectId = st.Int32(2);
        o.reference = st.Int32(3);
        o.value = st.Int32(4);
        o.number = static_cast<int>(st.Int(5));
        o.type = static_cast<int>(st.Int(6));
        o.flags = static_cast<uint8_t>(st.Int(7));
        o.name = st.Text(8);
        o.function = st.Text(9);
        objects.push_back(std::move(o));
    }
    return objects;
}

std::optional<int32_t> TProjectDatabase::ReadParameter(int32_t deviceId, int32_t parameterId,
                                                       std::vector<TSwitchedObject> *switchedOn) {
    LOG_FKT("TProjectDatabase::ReadParameter");
    TSqlTransaction tx(*FSql, TSqlTransaction::Read);
    TSqlStatement st(*FSql, "SELECT dp.value, dp.reference FROM device_parameters dp "
                            "JOIN parameters p ON p.reference = dp.reference "
                            "WHERE dp.device_id = ? AND p.parameter_id = ?");
    if (!st.Bind(1, deviceId).Bind(2, parameterId).Step())
        return std::nullopt;
    const auto value = st.Int32(0);
    if (switchedOn)
        *switchedOn = SwitchedObjects(deviceId, st.Int(1));
    tx.Commit();
    return value;
}

std::optional<int32_t> TProjectDatabase::ParameterValue(int32_t deviceId, int32_t parameterId) {
    LOG_FKT("TProjectDatabase::ParameterValue");
    return ReadParameter(deviceId, parameterId, nullptr);
}

bool TProjectDatabase::SetParameterValue(int32_t deviceId, int32_t parameterId, int32_t value,
                                         std::vector<TSwitchedObject> *switchedOn) {
    LOG_FKT("TProjectDatabase::SetParameterValue");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement find(*FSql, "SELECT dp.id, dp.reference FROM device_parameters dp "
                              "JOIN parameters p ON p.reference = dp.reference "
                              "WHERE dp.device_id = ? AND p.parameter_id = ?");
    if (!find.Bind(1, deviceId).Bind(2, parameterId).Step())
        return false;
    const int64_t reference = find.Int(1);
    TSqlStatement(*FSql, "UPDATE device_parameters SET value = ? WHERE id = ?")
        .Bind(1, value)
        .Bind(2, find.Int(0))
        .Run();
    TSqlStatement(*FSql, "UPDATE device_objects SET active = (SELECT ?1 BETWEEN c.on_from AND "
                         "c.on_to FROM comm_objects c WHERE c.id = comm_object_id) "
                         "WHERE device_id = ?2 AND comm_object_id IN "
                         "(SELECT id FROM comm_objects WHERE reference = ?3)")
        .Bind(1, value)
        .Bind(2, deviceId)
        .Bind(3, reference)
        .Run();
    // An object that is gone keeps no group address.
    TSqlStatement(*FSql, "DELETE FROM links WHERE device_object_id IN (SELECT id FROM "
                         "device_objects WHERE device_id = ? AND NOT active)")
        .Bind(1, deviceId)
        .Run();
    ForgetTypesOfUnlinkedGroups();
    if (switchedOn)
        *switchedOn = SwitchedObjects(deviceId, reference);
    tx.Commit();
    return true;
}

std::vector<int> TProjectDatabase::ActiveObjectNumbers(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::ActiveObjectNumbers");
    TSqlStatement st(*FSql, "SELECT c.number FROM device_objects o JOIN comm_objects c "
                            "ON c.id = o.comm_object_id WHERE o.device_id = ? AND o.active "
                            "ORDER BY c.number");
    st.Bind(1, deviceId);
    return AllRows(st, [](TSqlStatement &row) { return static_cast<int>(row.Int(0)); });
}

std::optional<int32_t> TProjectDatabase::DeviceObjectId(int32_t deviceId, int objectNumber) {
    LOG_FKT("TProjectDatabase::DeviceObjectId");
    TSqlStatement st(*FSql, "SELECT o.id FROM device_objects o JOIN comm_objects c "
                            "ON c.id = o.comm_object_id WHERE o.device_id = ? AND c.number = ?");
    if (!st.Bind(1, deviceId).Bind(2, objectNumber).Step())
        return std::nullopt;
    return st.Int32(0);
}

void TProjectDatabase::ForgetTypesOfUnlinkedGroups() {
    LOG_FKT("TProjectDatabase::ForgetTypesOfUnlinkedGroups");
    FSql->Execute("UPDATE address_groups SET type = -1 WHERE type != -1 AND "
                  "id NOT IN (SELECT group_id FROM links)");
}

int TProjectDatabase::Link(int32_t deviceObjectId, int32_t subGroupId, bool sending) {
    LOG_FKT("TProjectDatabase::Link");
    return Link(deviceObjectId, subGroupId, sending ? Senden::Ja : Senden::Nein);
}

int TProjectDatabase::LinkSendendWennKeiner(int32_t deviceObjectId, int32_t subGroupId) {
    LOG_FKT("TProjectDatabase::LinkSendendWennKeiner");
    return Link(deviceObjectId, subGroupId, Senden::WennKeiner);
}

int TProjectDatabase::Link(int32_t deviceObjectId, int32_t subGroupId, Senden senden) {
    LOG_FKT("TProjectDatabase::Link");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    bool sending = senden == Senden::Ja;
    if (senden == Senden::WennKeiner) {
        TSqlStatement sendet(*FSql, "SELECT 1 FROM links WHERE device_object_id = ? AND send != 0");
        sending = !sendet.Bind(1, deviceObjectId).Step();
    }
    TSqlStatement object(*FSql, "SELECT o.active, c.type FROM device_objects o "
                                "JOIN comm_objects c ON c.id = o.comm_object_id WHERE o.id = ?");
    if (!object.Bind(1, deviceObjectId).Step() || !object.Int(0))
        return kLinkFailed;
    const int64_t objectType = object.Int(1);
    TSqlStatement group(*FSql, "SELECT type FROM address_groups WHERE id = ? AND level = 3");
    if (!group.Bind(1, subGroupId).Step())
        return kLinkFailed;
    const int64_t groupType = group.Int(0);
    TSqlStatement existing(*FSql,
                           "SELECT id FROM links WHERE device_object_id = ? AND group_id = ?");
    int64_t linkId = 0;
    if (existing.Bind(1, deviceObjectId).Bind(2, subGroupId).Step()) {
        linkId = existing.Id(0);
    } else {
        if (groupType != -1 && groupType != objectType)
            return kLinkWrongType;
        TSqlStatement(*FSql, "INSERT INTO links(device_object_id, group_id, send) "
                             "VALUES(?, ?, 0)")
            .Bind(1, deviceObjectId)
            .Bind(2, subGroupId)
            .Run();
        linkId = FSql->LastInsertId();
        TSqlStatement(*FSql, "UPDATE address_groups SET type = ? WHERE id = ? AND type = -1")
            .Bind(1, objectType)
            .Bind(2, subGroupId)
            .Run();
    }
    if (sending)
        TSqlStatement(*FSql, "UPDATE links SET send = (id = ?1) WHERE device_object_id = ?2")
            .Bind(1, linkId)
            .Bind(2, deviceObjectId)
            .Run();
    tx.Commit();
    return static_cast<int>(linkId);
}

std::optional<int32_t> TProjectDatabase::LinkId(int32_t deviceObjectId, int32_t subGroupId) {
    LOG_FKT("TProjectDatabase::LinkId");
    TSqlStatement st(*FSql, "SELECT id FROM links WHERE device_object_id = ? AND group_id = ?");
    if (!st.Bind(1, deviceObjectId).Bind(2, subGroupId).Step())
        return std::nullopt;
    return st.Int32(0);
}

std::vector<TLinkRow> TProjectDatabase::Links(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::Links");
    TSqlTransaction tx(*FSql, TSqlTransaction::Read);
    TSqlStatement st(*FSql, "SELECT k.id, c.number, c.name, c.function, "
                            "m.number * 2048 + mi.number * 256 + s.number, k.send "
                            "FROM links k JOIN device_objects o ON o.id = k.device_object_id "
                            "JOIN comm_objects c ON c.id = o.comm_object_id "
                            "JOIN address_groups s ON s.id = k.group_id "
                            "JOIN address_groups mi ON mi.id = s.parent_id "
                            "JOIN address_groups m ON m.id = mi.parent_id "
                            "WHERE o.device_id = ? ORDER BY c.number, k.id");
    st.Bind(1, deviceId);
    std::vector<TLinkRow> rows;
    while (st.Step()) {
        TLinkRow row;
        row.linkId = st.Int32(0);
        row.objectNumber = static_cast<int>(st.Int(1));
        row.objectName = st.Text(2);
        row.objectFunction = st.Text(3);
        row.groupAddress = static_cast<uint16_t>(st.Int(4));
        row.sending = st.Int(5) != 0;
        rows.push_back(std::move(row));
    }
    tx.Commit();
    return rows;
}

bool TProjectDatabase::Unlink(int32_t deviceObjectId, int32_t subGroupId) {
    LOG_FKT("TProjectDatabase::Unlink");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement(*FSql, "DELETE FROM links WHERE device_object_id = ? AND group_id = ?")
        .Bind(1, deviceObjectId)
        .Bind(2, subGroupId)
        .Run();
    if (FSql->Changes() == 0)
        return false;
    ForgetTypesOfUnlinkedGroups();
    tx.Commit();
    return true;
}

bool TProjectDatabase::SetSendFlag(int32_t linkId, bool sending) {
    LOG_FKT("TProjectDatabase::SetSendFlag");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement link(*FSql, "SELECT device_object_id FROM links WHERE id = ?");
    if (!link.Bind(1, linkId).Step())
        return false;
    if (sending)
        TSqlStatement(*FSql, "UPDATE links SET send = (id = ?1) WHERE device_object_id = ?2")
            .Bind(1, linkId)
            .Bind(2, link.Int(0))
            .Run();
    else
        TSqlStatement(*FSql, "UPDATE links SET send = 0 WHERE id = ?").Bind(1, linkId).Run();
    tx.Commit();
    return true;
}

bool TProjectDatabase::SetObjectFlag(int32_t deviceObjectId, TEtsObjectFlags flag, bool value) {
    LOG_FKT("TProjectDatabase::SetObjectFlag");
    const char *column = FlagColumn(flag);
    if (!column)
        return false;
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement(*FSql, std::string("UPDATE device_objects SET ") + column + " = ? WHERE id = ?")
        .Bind(1, value ? 1 : 0)
        .Bind(2, deviceObjectId)
        .Run();
    if (FSql->Changes() == 0)
        return false;
    tx.Commit();
    return true;
}

std::optional<std::vector<unsigned char>> TProjectDatabase::ReadDataBlock(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::ReadDataBlock");
    TSqlTransaction tx(*FSql, TSqlTransaction::Read);
    TSqlStatement st(*FSql, "SELECT b.data FROM devices d LEFT JOIN data_blocks b "
                            "ON b.device_id = d.id WHERE d.id = ?");
    if (!st.Bind(1, deviceId).Step())
        return std::nullopt;
    auto data = st.Blob(0);
    tx.Commit();
    return data;
}

bool TProjectDatabase::WriteDataBlock(int32_t deviceId, const unsigned char *data, size_t size) {
    LOG_FKT("TProjectDatabase::WriteDataBlock");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement device(*FSql, "SELECT 1 FROM devices WHERE id = ?");
    if (!device.Bind(1, deviceId).Step())
        return false;
    TSqlStatement(*FSql, "INSERT OR REPLACE INTO data_blocks(device_id, data) VALUES(?, ?)")
        .Bind(1, deviceId)
        .BindBlob(2, data, size)
        .Run();
    tx.Commit();
    return true;
}

std::vector<TProjectDatabase::TParameterRow> TProjectDatabase::ChangedParameters(int32_t deviceId) {
    LOG_FKT("TProjectDatabase::ChangedParameters");
    TSqlTransaction tx(*FSql, TSqlTransaction::Read);
    TSqlStatement st(*FSql, "SELECT p.parameter_id, p.name, dp.value FROM device_parameters dp "
                            "JOIN parameters p ON p.reference = dp.reference "
                            "WHERE dp.device_id = ? AND dp.value != p.default_value "
                            "ORDER BY p.parameter_id");
    st.Bind(1, deviceId);
    auto rows = AllRows(st, [](TSqlStatement &row) {
        return TParameterRow{row.Int32(0), row.Text(1), row.Int32(2)};
    });
    tx.Commit();
    return rows;
}

std::optional<std::string> TProjectDatabase::ProfileValue(const std::string &module,
                                                          const std::string &section,
                                                          const std::string &key) {
    LOG_FKT("TProjectDatabase::ProfileValue");
    TSqlStatement st(*FSql,
                     "SELECT value FROM profile WHERE module = ? AND section = ? AND key = ?");
    if (!st.Bind(1, module).Bind(2, section).Bind(3, key).Step())
        return std::nullopt;
    return st.Text(0);
}

void TProjectDatabase::SetProfileValue(const std::string &module, const std::string &section,
                                       const std::string &key, const std::string &value) {
    LOG_FKT("TProjectDatabase::SetProfileValue");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement(*FSql, "INSERT OR REPLACE INTO profile(module, section, key, value) "
                         "VALUES(?, ?, ?, ?)")
        .Bind(1, module)
        .Bind(2, section)
        .Bind(3, key)
        .Bind(4, value)
        .Run();
    tx.Commit();
}

namespace {
// A number of the bus_tool table: decimal digits only, within [low, high].
int64_t BusToolNumber(const std::string &key, const std::string &value, int64_t low, int64_t high) {
    LOG_FKT("BusToolNumber");
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size() || v < low ||
        v > high)
        throw EProjectDatabase("bus tool value " + key + " \"" + value + "\" is not a number " +
                               std::to_string(low) + " to " + std::to_string(high));
    return v;
}
} // namespace

TBusToolInfo TProjectDatabase::BusToolInfo() {
    LOG_FKT("TProjectDatabase::BusToolInfo");
    TSqlTransaction tx(*FSql, TSqlTransaction::Read);
    TSqlStatement st(*FSql, "SELECT key, value FROM bus_tool");
    TBusToolInfo info;
    while (st.Step()) {
        const std::string key = st.Text(0), value = st.Text(1);
        const auto number = [&] {
            return static_cast<uint16_t>(BusToolNumber(key, value, 0, 0xFFFF));
        };
        if (key == "major")
            info.major = number();
        else if (key == "minor")
            info.minor = number();
        else if (key == "release")
            info.release = number();
        else if (key == "build")
            info.build = number();
        else if (key == "directory")
            info.directory = value;
        else if (key == "group_address_levels")
            info.groupAddressLevels = static_cast<int>(BusToolNumber(key, value, 2, 3));
    }
    tx.Commit();
    return info;
}

void TProjectDatabase::SetBusToolValue(const std::string &key, const std::string &value) {
    LOG_FKT("TProjectDatabase::SetBusToolValue");
    TSqlStatement(*FSql, "INSERT OR REPLACE INTO bus_tool(key, value) VALUES(?, ?)")
        .Bind(1, key)
        .Bind(2, value)
        .Run();
}

void TProjectDatabase::SetBusToolVersion(uint16_t major, uint16_t minor, uint16_t release,
                                         uint16_t build) {
    LOG_FKT("TProjectDatabase::SetBusToolVersion");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    SetBusToolValue("major", std::to_string(major));
    SetBusToolValue("minor", std::to_string(minor));
    SetBusToolValue("release", std::to_string(release));
    SetBusToolValue("build", std::to_string(build));
    tx.Commit();
}

void TProjectDatabase::SetBusToolDirectory(const std::filesystem::path &directory) {
    LOG_FKT("TProjectDatabase::SetBusToolDirectory");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    SetBusToolValue("directory", directory.string());
    tx.Commit();
}

void TProjectDatabase::SetGroupAddressLevels(int levels) {
    LOG_FKT("TProjectDatabase::SetGroupAddressLevels");
    Require(levels == 2 || levels == 3, "group addresses have 2 or 3 levels");
    {
        TSqlTransaction tx(*FSql, TSqlTransaction::Write);
        SetBusToolValue("group_address_levels", std::to_string(levels));
        tx.Commit();
    }
    WriteSettingsFile(BusToolInfo().directory, levels);
}

void TProjectDatabase::WriteSettingsFile(const std::filesystem::path &directory, int levels) {
    LOG_FKT("TProjectDatabase::WriteSettingsFile");
    // The editor reads the levels from the bus tool's own settings file, as it would beside the
    // real tool; the simulated tool keeps nothing else in it.
    const auto path = directory / kSettingsFileName;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "[Common]\r\nGroupAddressLevels=" << levels << "\r\n";
    Require(static_cast<bool>(out.flush()), path.string() + ": cannot be written");
}

void TProjectDatabase::InjectFailure(const std::string &call, int times,
                                     std::optional<int> answer) {
    LOG_FKT("TProjectDatabase::InjectFailure");
    Require(times > 0, "a failure must be injected at least once");
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement st(*FSql, "INSERT INTO failures(call, answer, remaining) VALUES(?, ?, ?)");
    st.Bind(1, call).Bind(3, times);
    if (answer)
        st.Bind(2, *answer);
    else
        st.BindNull(2);
    st.Run();
    tx.Commit();
}

void TProjectDatabase::ClearFailures() {
    LOG_FKT("TProjectDatabase::ClearFailures");
    FSql->Execute("DELETE FROM failures");
}

std::optional<TInjectedFailure> TProjectDatabase::TakeFailure(const std::string &call) {
    LOG_FKT("TProjectDatabase::TakeFailure");
    {
        // Most calls find nothing: a plain read, so that they never wait for the write lock.
        // Kept prepared: every bus call asks.
        TSqlStatement peek(*FSql, "SELECT 1 FROM failures WHERE call = ? LIMIT 1",
                           TSqlStatement::Cached);
        if (!peek.Bind(1, call).Step())
            return std::nullopt;
    }
    TSqlTransaction tx(*FSql, TSqlTransaction::Write);
    TSqlStatement st(*FSql, "SELECT id, answer, remaining FROM failures WHERE call = ? "
                            "ORDER BY id LIMIT 1");
    if (!st.Bind(1, call).Step())
        return std::nullopt; // another connection took it meanwhile
    TInjectedFailure failure;
    if (!st.IsNull(1))
        failure.answer = static_cast<int>(st.Int(1));
    if (st.Int(2) > 1)
        TSqlStatement(*FSql, "UPDATE failures SET remaining = remaining - 1 WHERE id = ?")
            .Bind(1, st.Int(0))
            .Run();
    else
        TSqlStatement(*FSql, "DELETE FROM failures WHERE id = ?").Bind(1, st.Int(0)).Run();
    tx.Commit();
    return failure;
}

std::vector<TProjectDatabase::TFailureRow> TProjectDatabase::Failures() {
    LOG_FKT("TProjectDatabase::Failures");
    TSqlStatement st(*FSql, "SELECT call, remaining, answer FROM failures ORDER BY id");
    std::vector<TFailureRow> rows;
    while (st.Step()) {
        TFailureRow row{st.Text(0), static_cast<int>(st.Int(1)), std::nullopt};
        if (!st.IsNull(2))
            row.answer = static_cast<int>(st.Int(2));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::unique_ptr<TProjectSnapshot> TProjectDatabase::TakeSnapshot() {
    LOG_FKT("TProjectDatabase::TakeSnapshot");
    auto copy = std::make_unique<TSqlDatabase>(":memory:", true, kBusyTimeoutMs);
    FSql->CopyTo(*copy);
    return std::make_unique<TProjectSnapshot>(std::move(copy));
}

void TProjectDatabase::Restore(TProjectSnapshot &snapshot) {
    LOG_FKT("TProjectDatabase::Restore");
    Require(!FSql->InTransaction(), "a project cannot be restored inside a transaction");
    snapshot.Copy().CopyTo(*FSql);
}
