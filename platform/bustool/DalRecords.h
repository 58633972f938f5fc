// The records of the bus tool's plug-in interface, byte for byte: the Dal reads fill them, the
// device-parameter writer fills tagDAL_OBJECT_INFO, GetEtsInfo fills tagETSINFO.
//
// Callers read some fields by their byte offset (the device id at byte 2 of the device record,
// its texts at 34 and 198, ...), so every record is packed and every named member sits at the
// offset checked below at compile time. Members marked "chosen" carry what this simulation
// puts there; "reserved" bytes are always 0. Packed members must be copied, not bound to a
// reference.
//
// Size member: every Dal record has a 16-bit member `size` that the caller sets to the
// record's size (sizeof) before each read; a read whose record carries another size answers
// DAL_ERR and fills nothing. The size sits at byte 0 in every record but the communication
// object's, whose name text begins at byte 0: there it sits at byte 226, after its two texts.
// Callers set it by name (`rec.size = sizeof rec`), never by offset.
//
// Texts are Windows-1252 and zero-terminated; a longer text is cut to fit.
#pragma once

#include <cstddef>
#include <cstdint>

// Results of the Dal reads.
enum : int {
    DAL_OK = 0,  // record delivered
    DAL_END = 4, // no further record of the enumeration
    DAL_ERR = 5, // read failed: unknown id, wrong size member, bad mode, database failure
};

// Modes of the Dal reads.
enum : int { DAL_FIRST = 1, DAL_NEXT = 2, DAL_BY_ID = 3 };

#pragma pack(push, 1)

// The project (DalGetProjectData).
struct DAL_PROJECT {
    uint16_t size;         // 0
    int32_t projectId;     // 2
    uint8_t reserved6[12]; // 6
    char name[256];        // 18: the project name
};

// An area of the installation (DalGetAreaData): 394 bytes.
struct DAL_AREA {
    uint16_t size;     // 0
    int32_t areaId;    // 2
    int32_t projectId; // 6
    int16_t address;   // 10: area address 0..15, the first part of a physical address
    char name[382];    // 12 (chosen)
};

// A line of an area (DalGetLineData): 386 bytes.
struct DAL_LINE {
    uint16_t size;  // 0
    int32_t lineId; // 2
    int32_t areaId; // 6
    int16_t number; // 10: line number 0..15, the second part of a physical address
    char name[374]; // 12 (chosen)
};

// A device of the project (DalGetDeviceData): 2436 bytes.
struct DAL_DEVICE {
    uint16_t size;             // 0
    int32_t deviceId;          // 2
    int32_t projectId;         // 6
    int32_t areaId;            // 10
    int32_t lineId;            // 14
    int16_t address;           // 18: device address 0..255 on its line
    int32_t productId;         // 20 (chosen)
    uint16_t physicalAddress;  // 24: area << 12 | line << 8 | address (chosen)
    uint8_t reserved26[8];     // 26
    char name[164];            // 34: the device's name in the project (may hold "\r\n")
    char productText[256];     // 198: the product's text, the editor's window title
    char moduleName[64];       // 454: the plug-in module of the product (chosen)
    uint8_t reserved518[1918]; // 518
};

// A communication object of a device (DalGetDeviceObjectData): 2138 bytes. Flags are 0 or 1.
struct DAL_DEVICE_OBJECT {
    uint16_t size;             // 0
    int32_t deviceId;          // 2
    uint8_t reserved6[2];      // 6
    int16_t readFlag;          // 8
    int16_t writeFlag;         // 10
    int16_t commFlag;          // 12
    int16_t transFlag;         // 14
    char groupAddress3[500];   // 16: sending (else first) linked address, "M/m/S"; "" = none
    char groupAddress2[500];   // 516: the same address as "M/S" (chosen, both)
    int32_t deviceObjectId;    // 1016
    int32_t commObjectId;      // 1020
    int16_t number;            // 1024: object number
    int16_t type;              // 1026: bus type code, 0 = 1 bit .. 7 = 1 byte .. 15 = VARDATA
    int32_t linkCount;         // 1028: group addresses linked (chosen)
    uint8_t reserved1032[996]; // 1032
    int16_t active;            // 2028: 1 while a parameter value switches the object on
    uint8_t reserved2030[100]; // 2030
    int16_t updateFlag;        // 2130
    uint8_t reserved2132[6];   // 2132
};

// A parameter value of a device (DalGetDeviceParamData).
struct DAL_DEVICE_PARAM {
    uint16_t size;             // 0
    int32_t deviceParameterId; // 2: the same number as parameterId (one id space)
    int32_t parameterId;       // 6: the product's 16-bit parameter id
    int32_t reference;         // 10: ties the parameter to its communication objects
    int32_t deviceId;          // 14
    int32_t value;             // 18
};

// A parameter definition of a product (DalGetParameterData).
struct DAL_PARAMETER {
    uint16_t size;        // 0
    int32_t parameterId;  // 2
    int32_t reference;    // 6
    int32_t defaultValue; // 10
    char name[256];       // 14: e.g. "DeviceId"
};

// A communication object of a product (DalGetCommunicationObjectData). Its size member is not
// at byte 0: the name text is.
struct DAL_COMM_OBJECT {
    char name[100];       // 0
    char function[126];   // 100: "" when the object has none
    uint16_t size;        // 226
    int32_t reference;    // 228: the reference of the parameter that switches it (0 = none)
    int32_t commObjectId; // 232
    int16_t number;       // 236
    int16_t type;         // 238: bus type code as in DAL_DEVICE_OBJECT
    uint8_t flags;        // 240: TEtsObjectFlags bits
    uint8_t reserved241;  // 241
    int32_t onFrom;       // 242: first parameter value that switches it on (chosen)
    int32_t onTo;         // 246: last such value (chosen)
};

// A link between a device object and a sub group (DalGetSubgroupToObjectData).
struct DAL_SUB_TO_OBJECT {
    uint16_t size;          // 0
    int32_t linkId;         // 2
    int32_t subGroupId;     // 6
    int32_t deviceObjectId; // 10
    int16_t sendFlag;       // 14: 1 = the object sends on this address
};

// Group-address tree: main, middle and sub groups (three levels as stored).
struct DAL_MAINGROUP {
    uint16_t size;     // 0
    int32_t id;        // 2
    int32_t projectId; // 6
    int16_t number;    // 10: 0..15
    char name[256];    // 12
};

struct DAL_MIDDLEGROUP {
    uint16_t size;       // 0
    int32_t id;          // 2
    int32_t mainGroupId; // 6
    int16_t number;      // 10: 0..7
    char name[256];      // 12
};

struct DAL_SUBGROUP {
    uint16_t size;         // 0
    int32_t id;            // 2
    int32_t middleGroupId; // 6
    int16_t number;        // 10: 0..255
    int16_t type;          // 12: bus type code of its objects, -1 = untyped
    uint16_t address;      // 14: main * 2048 + middle * 256 + sub
    char name[256];        // 16
};

// One communication object that a device-parameter value switches on (TEtsDeviceParam).
struct tagDAL_OBJECT_INFO {
    uint16_t size;             // 0: sizeof, set by the writer
    int32_t deviceId;          // 2 (chosen)
    char name[100];            // 6: object name
    char function[114];        // 106: object function, "" when none
    int32_t flags;             // 220: TEtsObjectFlags bits (chosen)
    int32_t commObjectId;      // 224 (chosen)
    int32_t reference;         // 228: the switching parameter's reference (chosen)
    int16_t number;            // 232: object number
    uint8_t type;              // 234: bus type code
    uint8_t reserved235[1181]; // 235
    int32_t deviceObjectId;    // 1416
    int32_t value;             // 1420: the parameter value that switched it on (chosen)
};

// The bus tool's own data (GetEtsInfo).
struct tagETSINFO {
    uint32_t versionMajorMinor;   // major << 16 | minor
    uint32_t versionReleaseBuild; // release << 16 | build
    char directory[260];          // the bus tool's folder (a path, not converted)
};

#pragma pack(pop)

// Flag bits of a communication object (DAL_COMM_OBJECT::flags, tagDAL_OBJECT_INFO::flags).
enum TEtsObjectFlags : uint8_t {
    ETS_FLAG_COMM = 1,
    ETS_FLAG_READ = 2,
    ETS_FLAG_WRITE = 4,
    ETS_FLAG_TRANS = 8,
    ETS_FLAG_UPDATE = 16,
};

static_assert(sizeof(DAL_PROJECT) == 274 && offsetof(DAL_PROJECT, name) == 18);
static_assert(sizeof(DAL_AREA) == 394 && offsetof(DAL_AREA, address) == 10);
static_assert(sizeof(DAL_LINE) == 386 && offsetof(DAL_LINE, number) == 10);
static_assert(sizeof(DAL_DEVICE) == 2436);
static_assert(offsetof(DAL_DEVICE, deviceId) == 2 && offsetof(DAL_DEVICE, lineId) == 14);
static_assert(offsetof(DAL_DEVICE, name) == 34 && offsetof(DAL_DEVICE, productText) == 198);
static_assert(sizeof(DAL_DEVICE_OBJECT) == 2138);
static_assert(offsetof(DAL_DEVICE_OBJECT, deviceId) == 2);
static_assert(offsetof(DAL_DEVICE_OBJECT, readFlag) == 8);
static_assert(offsetof(DAL_DEVICE_OBJECT, writeFlag) == 10);
static_assert(offsetof(DAL_DEVICE_OBJECT, commFlag) == 12);
static_assert(offsetof(DAL_DEVICE_OBJECT, transFlag) == 14);
static_assert(offsetof(DAL_DEVICE_OBJECT, deviceObjectId) == 1016);
static_assert(offsetof(DAL_DEVICE_OBJECT, commObjectId) == 1020);
static_assert(offsetof(DAL_DEVICE_OBJECT, number) == 1024);
static_assert(offsetof(DAL_DEVICE_OBJECT, type) == 1026);
static_assert(offsetof(DAL_DEVICE_OBJECT, active) == 2028);
static_assert(offsetof(DAL_DEVICE_OBJECT, updateFlag) == 2130);
static_assert(sizeof(DAL_DEVICE_PARAM) == 22 && offsetof(DAL_DEVICE_PARAM, parameterId) == 6);
static_assert(offsetof(DAL_DEVICE_PARAM, reference) == 10);
static_assert(offsetof(DAL_DEVICE_PARAM, value) == 18);
static_assert(sizeof(DAL_PARAMETER) == 270);
static_assert(sizeof(DAL_COMM_OBJECT) == 250 && offsetof(DAL_COMM_OBJECT, function) == 100);
static_assert(offsetof(DAL_COMM_OBJECT, size) == 226);
static_assert(offsetof(DAL_COMM_OBJECT, reference) == 228);
static_assert(sizeof(DAL_SUB_TO_OBJECT) == 16 && offsetof(DAL_SUB_TO_OBJECT, sendFlag) == 14);
static_assert(sizeof(DAL_MAINGROUP) == 268 && sizeof(DAL_MIDDLEGROUP) == 268);
static_assert(sizeof(DAL_SUBGROUP) == 272);
static_assert(sizeof(tagDAL_OBJECT_INFO) == 1424);
static_assert(offsetof(tagDAL_OBJECT_INFO, deviceId) == 2);
static_assert(offsetof(tagDAL_OBJECT_INFO, name) == 6);
static_assert(offsetof(tagDAL_OBJECT_INFO, function) == 106);
static_assert(offsetof(tagDAL_OBJECT_INFO, flags) == 220);
static_assert(offsetof(tagDAL_OBJECT_INFO, commObjectId) == 224);
static_assert(offsetof(tagDAL_OBJECT_INFO, reference) == 228);
static_assert(offsetof(tagDAL_OBJECT_INFO, number) == 232);
static_assert(offsetof(tagDAL_OBJECT_INFO, type) == 234);
static_assert(offsetof(tagDAL_OBJECT_INFO, deviceObjectId) == 1416);
static_assert(offsetof(tagDAL_OBJECT_INFO, value) == 1420);
