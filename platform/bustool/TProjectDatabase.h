// The simulated bus tool's project: one SQLite file holding what the bus tool's database held
// (project, areas, lines, devices, products with their parameters and communication objects,
// each device's parameter values and device objects, the group-address tree, links with their
// send flag, configuration data blocks, the device profile, the bus tool's own data) and the
// failures that a test or the host wants a call to answer.
//
// One file, two processes: the host program and the editor may both have the file open. The
// file runs in write-ahead-log mode, a connection waits up to kBusyTimeoutMs for another's write
// lock, every operation below is one short transaction (writes take the lock at once), and no
// transaction outlives its call. A file is recognised by its application id and schema version
// before anything else is read; opening any other file throws EProjectDatabase with a message
// that says so. Only Create makes a file; opening never does.
//
// Texts in the database are UTF-8; the interface object converts them to Windows-1252 at its
// boundary. Failures of the file throw EProjectDatabase; the interface classes turn them into
// their failure results.
//
// Parameter ids: one id space, the product's 16-bit parameter ids (the ids the editor's object
// model writes, e.g. 4620, 12611, 10050); a device has one value per id of its product.
//
// The simulated bus: a device is on the bus while it has a memory image (64 KiB, the device's
// 16-bit address space); a panel gets one when it is added. One device may be marked as the
// one directly connected to the bus tool: bus address 0 reaches it. TEts2Cdi's Eib calls read
// and write the images; the host loads and dumps them.
//
// For tests and the host: Create a file, add areas, lines, devices (AddDemoPanel for the usual
// one-panel project), group addresses, and read back what the editor wrote (ParameterValue,
// ActiveObjectNumbers). tests/platform/bustool/TempProject.h wraps this for in-process tests.
// Several operations become one by an outer TSqlTransaction on Sql(): each runs as a part of
// it. TakeSnapshot and Restore put the whole project back as it was (the host's undo of a failed
// run); RestoreKeepingBus leaves the simulated bus as it is (its undo of a discarded edit).
#pragma once

#include "platform/bustool/DalRecords.h"
#include "platform/bustool/TProductData.h"
#include "platform/bustool/TSqlDatabase.h"
#include "platform/log/Log.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A device object that a parameter value switches on, as the database holds it (UTF-8).
struct TSwitchedObject {
    int32_t deviceId = 0;
    int32_t deviceObjectId = 0;
    int32_t commObjectId = 0;
    int32_t reference = 0;
    int32_t value = 0; // the parameter value that switched it on
    int number = 0;
    int type = 0;
    uint8_t flags = 0;
    std::string name;
    std::string function;
};

// One node of the group-address tree as stored (three levels; UTF-8 name).
struct TGroupRow {
    int32_t id = 0;
    int32_t parentId = 0; // 0 for a main group
    int level = 0;        // 1 main, 2 middle, 3 sub
    int number = 0;       // within its parent: 0..15, 0..7, 0..255
    int type = -1;        // sub groups: the bus type code of their objects, -1 = untyped
    uint16_t word = 0;    // main * 2048 + middle * 256 + sub (0 for the missing levels)
    std::string name;
};

// The bus tool's own data.
struct TBusToolInfo {
    uint16_t major = 0, minor = 0, release = 0, build = 0;
    std::filesystem::path directory;
    int groupAddressLevels = 3;
};

// A failure taken from the injection table: the call answers `answer`, or its own failure
// result when none is given.
struct TInjectedFailure {
    std::optional<int> answer;
};

// A group-address word as text: "main/middle/sub" (4, 3 and 8 bits) with three levels,
// "main/sub" (4 and 11 bits) with two; bit 15 is not part of the address.
std::string GroupAddressText(uint16_t word, bool threeLevel);
// A physical address: area << 12 | line << 8 | device; as text "01.01.001", the editor's form.
uint16_t PhysicalAddressWord(int area, int line, int device);
std::string PhysicalAddressText(uint16_t address);

// A device as the host lists it (UTF-8 texts).
struct TDeviceRow {
    int32_t id = 0;
    uint16_t address = 0; // physical address
    std::string name;
    std::string product;    // the product's name
    std::string moduleName; // the product's plug-in module
    bool onBus = false;     // has a memory image
    bool connected = false; // bus address 0 reaches it
};

// A link of a device object to a sub group, as the host lists it.
struct TLinkRow {
    int32_t linkId = 0;
    int objectNumber = 0;
    std::string objectName;
    std::string objectFunction;
    uint16_t groupAddress = 0; // main * 2048 + middle * 256 + sub
    bool sending = false;
};

// A copy of a whole project in memory (TProjectDatabase::TakeSnapshot).
class TProjectSnapshot {
public:
    explicit TProjectSnapshot(std::unique_ptr<TSqlDatabase> copy);
    ~TProjectSnapshot();
    TSqlDatabase &Copy() {
        LOG_FKT("TProjectSnapshot::Copy");
        return *FCopy;
    }

private:
    std::unique_ptr<TSqlDatabase> FCopy;
};

class TProjectDatabase {
public:
    static constexpr int32_t kApplicationId = 0x417A4274; // "AzBt"
    static constexpr int32_t kSchemaVersion = 2;
    static constexpr int kBusyTimeoutMs = 10000;
    // What a new project holds of the bus tool (chosen): version 1.3.0.29, the project file's
    // folder as the bus tool's folder, three group-address levels.
    static constexpr uint16_t kDefaultVersion[4] = {1, 3, 0, 29};
    // The bus tool's settings file in its folder; holds [Common] GroupAddressLevels.
    static constexpr const char *kSettingsFileName = "Ets20.ini";
    // Link results.
    static constexpr int kLinkFailed = -1;
    static constexpr int kLinkWrongType = -2;
    // The size of a device's memory image: its whole 16-bit address space.
    static constexpr size_t kMemorySize = 0x10000;
    // The one project of a file.
    static constexpr int32_t kProjectId = 1;

    // Makes a new project file (with an empty project of that name) and the bus tool's settings
    // file in its folder. Throws EProjectDatabase when the file exists or cannot be made.
    static void Create(const std::filesystem::path &file,
                       const std::string &projectName = "Projekt");
    // Opens an existing project file; throws EProjectDatabase for anything else.
    explicit TProjectDatabase(const std::filesystem::path &file);
    ~TProjectDatabase();
    TProjectDatabase(const TProjectDatabase &) = delete;
    TProjectDatabase &operator=(const TProjectDatabase &) = delete;

    const std::filesystem::path &File() const {
        LOG_FKT("TProjectDatabase::File");
        return FFile;
    }
    // The connection, for the reads of the interface object.
    TSqlDatabase &Sql() {
        LOG_FKT("TProjectDatabase::Sql");
        return *FSql;
    }

    // --- Building a project (names UTF-8). Each answers the new id; addresses out of range
    // (area and line 0..15, device 0..255) or taken throw EProjectDatabase.
    int32_t AddArea(int address, const std::string &name);
    int32_t AddLine(int32_t areaId, int number, const std::string &name);
    // A device of any product; the product is entered into the project on its first device.
    // Every parameter starts at its default, every object is switched by that value.
    int32_t AddDevice(int32_t lineId, int address, const std::string &name,
                      const TProductData &product);
    // A panel device: on the bus with a fresh panel's memory (TPanelMemory) at its address.
    int32_t AddPanelDevice(int32_t lineId, int address, const std::string &name);
    // A switching device (not on the bus).
    int32_t AddSwitchingDevice(int32_t lineId, int address, const std::string &name);
    // The panel "Alarmzentrale" at 01.01.001 (area 1 and line 1 made when missing), with a few
    // events in its event memory; it becomes the directly connected device when none is.
    int32_t AddDemoPanel();
    // A new device of the source's product with the source's parameter values and switched
    // objects (no links, no data block, not on the bus). Throws for an unknown source.
    int32_t CopyDevice(int32_t sourceId, int32_t lineId, int address, const std::string &name);
    // The line of that area and number, made with the names "Bereich <area>" and
    // "Linie <line>" (and its area) when missing. Numbers out of range throw.
    int32_t EnsureLine(int area, int line);
    // Removes a device with its values, objects, links, data block and memory; false when
    // unknown.
    bool RemoveDevice(int32_t deviceId);
    // Devices by physical address.
    std::vector<TDeviceRow> Devices();
    std::optional<TDeviceRow> Device(int32_t deviceId);
    std::optional<int32_t> DeviceByAddress(uint16_t physicalAddress);
    // The device of a device object.
    std::optional<int32_t> DeviceOfObject(int32_t deviceObjectId);
    // The device's project name of its product ("Alarmzentrale", "Schalteinrichtung").
    std::optional<std::string> ProductName(int32_t deviceId);
    // A main or middle group with its name; an existing one is renamed. Answers its id.
    int32_t AddMainGroup(int main, const std::string &name);
    int32_t AddMiddleGroup(int main, int middle, const std::string &name);
    // A group address by its three-level numbers (main 0..15, middle 0..7, sub 0..255, not all
    // 0). Missing main and middle groups are made, named "Hauptgruppe <main>" and
    // "Mittelgruppe <main>/<middle>" (chosen). Answers the sub group's id; an address that exists
    // or numbers out of range throw EProjectDatabase.
    int32_t AddGroupAddress(int main, int middle, int sub, const std::string &name);
    // The whole tree: main groups by number, then middle groups, then sub groups, each level
    // by parent and number.
    std::vector<TGroupRow> GroupTree();
    // One node; none when the id is unknown.
    std::optional<TGroupRow> Group(int32_t id);

    // --- Parameters and the objects they switch (one transaction each).
    // The value of a device's parameter and, when asked, the objects switched on now (by
    // object number); none when the device has no such parameter.
    std::optional<int32_t> ReadParameter(int32_t deviceId, int32_t parameterId,
                                         std::vector<TSwitchedObject> *switchedOn);
    std::optional<int32_t> ParameterValue(int32_t deviceId, int32_t parameterId);
    // Sets the value and switches every object tied to the parameter: on when the value lies in
    // its range, off otherwise; an object switched off loses its links. Fills switchedOn (when
    // given) with the objects now on. False (nothing changed) when the device has no such
    // parameter.
    bool SetParameterValue(int32_t deviceId, int32_t parameterId, int32_t value,
                           std::vector<TSwitchedObject> *switchedOn);
    // Object numbers of the device's objects that are switched on, ascending.
    std::vector<int> ActiveObjectNumbers(int32_t deviceId);
    // The device object with that object number (switched on or not).
    std::optional<int32_t> DeviceObjectId(int32_t deviceId, int objectNumber);

    // --- Links between device objects and sub groups. A sub group takes the type of the first
    // object linked to it and becomes untyped again when its last link goes.
    // Answers the link id (> 0), kLinkFailed for an unknown or switched-off object or an
    // unknown sub group, kLinkWrongType when the sub group's type differs from the object's.
    // An existing link is kept (and made the sending one when asked). A sending link clears
    // the send flag of the object's other links: an object sends on one address.
    int Link(int32_t deviceObjectId, int32_t subGroupId, bool sending);
    // The link is the sending one when the object has no sending link yet (as a commissioning
    // tool does it: the first address linked to an object is the one it sends on).
    int LinkSendendWennKeiner(int32_t deviceObjectId, int32_t subGroupId);
    // The link between them, if any.
    std::optional<int32_t> LinkId(int32_t deviceObjectId, int32_t subGroupId);
    // The links of a device's objects, by object number, then link id.
    std::vector<TLinkRow> Links(int32_t deviceId);
    // The sub group of a three-level group address, if it exists.
    std::optional<int32_t> SubGroupId(int main, int middle, int sub);
    bool Unlink(int32_t deviceObjectId, int32_t subGroupId);
    bool SetSendFlag(int32_t linkId, bool sending);
    bool SetObjectFlag(int32_t deviceObjectId, TEtsObjectFlags flag, bool value);

    // --- Configuration data blocks: none when the device is unknown; empty when it has none.
    std::optional<std::vector<unsigned char>> ReadDataBlock(int32_t deviceId);
    bool WriteDataBlock(int32_t deviceId, const unsigned char *data, size_t size);

    // --- Device parameters that differ from their product's default: (id, name, value) by id.
    struct TParameterRow {
        int32_t id = 0;
        std::string name;
        int32_t value = 0;
    };
    std::vector<TParameterRow> ChangedParameters(int32_t deviceId);

    // --- The simulated bus.
    // Puts the device on the bus with this image (kMemorySize bytes) or replaces its image;
    // false for an unknown device. Throws for an image of another size.
    bool SetMemoryImage(int32_t deviceId, const std::vector<unsigned char> &image);
    // Takes the device off the bus; false when it was not on it.
    bool RemoveMemoryImage(int32_t deviceId);
    // The three below throw when the stored image is not kMemorySize bytes (another program
    // may have written the file): never a part of an image or a write beyond it.
    // The whole image; none when the device is not on the bus.
    std::optional<std::vector<unsigned char>> MemoryImage(int32_t deviceId);
    // count bytes from first (first + count <= kMemorySize); none when the device is not on
    // the bus.
    std::optional<std::vector<unsigned char>> ReadMemory(int32_t deviceId, uint16_t first,
                                                         size_t count);
    // Each byte becomes (old & ~mask) | (data & mask); false when the device is not on the bus.
    bool WriteMemory(int32_t deviceId, uint16_t first, const unsigned char *data,
                     const unsigned char *mask, size_t count);
    // The device that bus address 0 reaches (none: no device is marked).
    void SetConnectedDevice(std::optional<int32_t> deviceId);
    std::optional<int32_t> ConnectedDevice();

    // --- The device profile, per plug-in module.
    std::optional<std::string> ProfileValue(const std::string &module, const std::string &section,
                                            const std::string &key);
    void SetProfileValue(const std::string &module, const std::string &section,
                         const std::string &key, const std::string &value);

    // --- The bus tool's own data. A stored number outside its range (a version part beyond
    // 16 bits, group address levels other than 2 or 3) throws.
    TBusToolInfo BusToolInfo();
    void SetBusToolVersion(uint16_t major, uint16_t minor, uint16_t release, uint16_t build);
    void SetBusToolDirectory(const std::filesystem::path &directory);
    // Stores the levels and writes them into the settings file in the bus tool's folder.
    void SetGroupAddressLevels(int levels);

    // --- Failure injection: the next `times` calls of the named call (its operation name, as
    // "DalGetDeviceData" or "TEtsDeviceParam::SetDeviceParamData") answer `answer`, or their
    // own failure result. Kept in the file, so that another process sees it.
    void InjectFailure(const std::string &call, int times, std::optional<int> answer = {});
    void ClearFailures();
    // Takes one failure of the call, if any is injected.
    std::optional<TInjectedFailure> TakeFailure(const std::string &call);
    // The failures still to come: (call, times left, answer).
    struct TFailureRow {
        std::string call;
        int remaining = 0;
        std::optional<int> answer;
    };
    std::vector<TFailureRow> Failures();

    // --- The whole project: a copy, and putting a copy back (over every table, for every
    // connection to the file). Restore must not run inside a transaction of this connection.
    std::unique_ptr<TProjectSnapshot> TakeSnapshot();
    void Restore(TProjectSnapshot &snapshot);
    // Puts the copy back but leaves the simulated bus as it is now: the memory images and the
    // failures still to come. An undo of the bus tool cannot take back what went over the bus,
    // nor give back a failure a call has taken.
    void RestoreKeepingBus(TProjectSnapshot &snapshot);

private:
    enum class Senden { Nein, Ja, WennKeiner };
    int Link(int32_t deviceObjectId, int32_t subGroupId, Senden senden);
    void SetBusToolValue(const std::string &key, const std::string &value);
    int64_t EnsureProduct(const TProductData &product);
    int64_t GroupOf(std::optional<int64_t> parent, int level, int number, const std::string &name,
                    bool rename);
    void ForgetTypesOfUnlinkedGroups();
    std::vector<TSwitchedObject> SwitchedObjects(int32_t deviceId, int64_t reference);
    int64_t GroupId(std::optional<int64_t> parent, int number);
    void WriteSettingsFile(const std::filesystem::path &directory, int levels);

    std::filesystem::path FFile;
    std::unique_ptr<TSqlDatabase> FSql;
};
