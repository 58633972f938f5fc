// The bus tool's plug-in interface object, simulated on a project database (TProjectDatabase).
// One object per editor process; everything the editor reads of or writes to the bus tool's
// project goes through it, and the Pendrax classes (TEtsDeviceParam, TEtsGruppenAdressen,
// TEtsProfile, TEtsProgressDialog) work on top of it. The events and ReturnToEts are
// TEts2Cdi_Extended1's.
//
// Nothing here throws to the caller: every failure is the result value of the call.
//
// Dal reads (DalGet...): (mode, ids..., record) with mode DAL_BY_ID (3) = the record with the
// given id, DAL_FIRST (1) = first record of an enumeration, DAL_NEXT (2) = next one. Results:
// DAL_OK (0) record delivered, DAL_END (4) no further record, DAL_ERR (5) failed.
// - An id of -1 means "not given": in mode 3 the looked-up id must be given (else DAL_ERR); the
//   other ids narrow the enumeration (or the look-up) when given. An unknown id answers DAL_ERR.
// - The record's size member must hold the record's size (DalRecords.h); else DAL_ERR.
// - Enumerations run in ascending id order (device parameters: ascending parameter id). Each
//   read operation has one cursor of its own: enumerations of different operations can be
//   interleaved, mode 3 never moves a cursor, and mode 2 continues with the ids given to mode 1
//   (its own ids are not read). Every mode-1/2 call moves the cursor by one record, whatever it
//   answers, so mode 2 after an error goes on with the record after the failed one; mode 2
//   without mode 1 answers DAL_ERR.
// - No transaction spans an enumeration: another connection's changes between two calls are
//   seen by the next one.
// - A null record, or a mode other than 1, 2, 3, answers DAL_ERR.
//
// Parameter ids: CoSetDeviceParameterValueLong and TEtsDeviceParam work in one id space, the
// product's 16-bit parameter ids (the ids the object model writes, e.g. 4620, 12611, 10050).
// DAL_DEVICE_PARAM carries that id both as its device-parameter id and as its parameter id,
// and DalGetParameterData looks definitions up by it. CoSetDeviceParameterValueLong has no
// device argument: it writes the parameter of the current device (SetCurrentDevice), as the
// bus tool applies it to the device its current event is about.
//
// Bus memory (Eib...): the simulated bus of the project database. EibSetAddress(1, address)
// names the device, EibStartComm connects to it, EibReadMemBlock and EibWriteMemBlock work on
// its 64 KiB memory image, EibStopComm ends the connection. Address 0 reaches the device marked
// as directly connected. The connection belongs to this object (each process has its own).
// Every call answers EIB_OK (0) or one of the EIB_ERR codes below:
// - EibSetAddress: kind other than 1 -> EIB_ERR_ARGUMENT. A new address ends a connection.
// - EibStartComm: no address set -> EIB_ERR_NO_CONNECTION; no device on the bus at the
//   address (unknown, without memory image, or address 0 with no connected device) ->
//   EIB_ERR_NO_ANSWER. Starting again while connected connects anew.
// - Reads and writes: (buffer, first, first, last) with the last address inclusive and the
//   first address passed twice (both must be equal); at most kEibMaxBlock bytes a call. Null
//   buffer or mask, last < first, two different first addresses or more than kEibMaxBlock
//   bytes -> EIB_ERR_ARGUMENT; not connected -> EIB_ERR_NO_CONNECTION; the device left the
//   bus meanwhile -> EIB_ERR_NO_ANSWER. A write sets each byte to (old & ~mask) | (data & mask).
// - EibStopComm: always EIB_OK, connected or not.
// - A failure of the project file -> EIB_ERR_FAILED.
//
// Injected failures (TProjectDatabase::InjectFailure) are looked up by the operation's name
// ("BlobRead", "DalGetDeviceData", "CoLinkObjectToSubGroup", ...): such a call does nothing and
// answers the injected code, or its failure result (DAL_ERR, false, -1, 0) when none is given;
// a bool call answers true for a non-zero code. A Dal enumeration still moves its cursor.
// An Eib call with an injected failure answers its code or EIB_ERR_FAILED and does nothing
// else (a failed EibStartComm leaves the connection as it was); each call takes one.
#pragma once

#include "platform/bustool/DalRecords.h"
#include "platform/bustool/TEtsMeter.h"
#include "platform/bustool/TProjectDatabase.h"
#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A meter window opened by CoMeterDlgOpen; 0 is none.
using HMETER = int32_t;

// Results of the bus memory calls (chosen, but 0 = success).
enum : int {
    EIB_OK = 0,
    EIB_ERR_FAILED = 1,        // the project file failed; an injected failure without a code
    EIB_ERR_ARGUMENT = 2,      // a call the bus cannot carry out as asked
    EIB_ERR_NO_CONNECTION = 3, // no address set, or no communication started
    EIB_ERR_NO_ANSWER = 4,     // no device at the address is on the bus
};
// The most bytes one bus memory call carries.
constexpr size_t kEibMaxBlock = 255;

// One bus memory call as it was made, for a monitor: its name ("EibReadMemBlock", ...), the
// addresses of a read or write (else 0) and its answer.
struct TEibAufruf {
    std::string Call;
    unsigned short First = 0;
    unsigned short Last = 0;
    int Result = EIB_OK;
};
using TEibMonitor = std::function<void(const TEibAufruf &)>;

class TEts2Cdi {
public:
    // The environment variable that names the project file for the editor's process.
    static constexpr const char *kProjectVariable = "BUSTOOL_PROJECT";

    // The editor's way: the project file named in the environment. owner is the main window,
    // flag is taken as the main window passes it (false) and not used. Throws EProjectDatabase when
    // the variable is missing or the file is not a project.
    TEts2Cdi(HWND owner, const AnsiString &moduleName, bool flag);
    // Tests and the host: the given project file. Throws EProjectDatabase.
    TEts2Cdi(const std::filesystem::path &project, const AnsiString &moduleName,
             int32_t currentDevice = -1);
    virtual ~TEts2Cdi();
    TEts2Cdi(const TEts2Cdi &) = delete;
    TEts2Cdi &operator=(const TEts2Cdi &) = delete;

    // The device the bus tool's current event is about (-1: none).
    void SetCurrentDevice(int32_t deviceId);
    int32_t GetCurrentDevice() const;
    // The project database, for the classes on this object and for tests.
    TProjectDatabase &Database();
    HWND GetOwner() const;

    // The module name given at construction; its first three characters are the manufacturer.
    AnsiString GetModulName();
    // Version words and folder of the bus tool.
    bool GetEtsInfo(tagETSINFO &info);

    // The device's configuration data block: true with size 0 when it has none yet; false for
    // an unknown device. The bytes stay valid until the next BlobRead; the caller copies them.
    bool BlobRead(unsigned char **data, unsigned long *size, long deviceId);
    bool BlobWrite(unsigned char *data, unsigned long size, long deviceId);

    int DalGetProjectData(int mode, long projectId, DAL_PROJECT *record);
    // The parent id may stand before or after the record: both orders are accepted.
    int DalGetAreaData(int mode, long areaId, DAL_AREA *record, long projectId);
    int DalGetAreaData(int mode, long areaId, long projectId, DAL_AREA *record);
    int DalGetLineData(int mode, long lineId, DAL_LINE *record, long areaId);
    int DalGetLineData(int mode, long lineId, long areaId, DAL_LINE *record);
    int DalGetDeviceData(int mode, long deviceId, long lineId, long areaId, long projectId,
                         long productId, DAL_DEVICE *record);
    int DalGetDeviceObjectData(int mode, long deviceObjectId, long deviceId,
                               DAL_DEVICE_OBJECT *record);
    // Mode 3 without a device id reads the current device's parameter (DAL_ERR when there is
    // no current device).
    int DalGetDeviceParamData(int mode, long parameterId, long deviceId, DAL_DEVICE_PARAM *record);
    // Parameter definitions; the product or the device narrows the look-up to one product
    // (without either, the first product that defines the id answers).
    int DalGetParameterData(int mode, long parameterId, long productId, long deviceId,
                            DAL_PARAMETER *record);
    // Communication objects of products; enumerations by a parameter's reference.
    int DalGetCommunicationObjectData(int mode, long commObjectId, long reference, long productId,
                                      DAL_COMM_OBJECT *record);
    int DalGetSubgroupToObjectData(int mode, long linkId, long subGroupId, long deviceObjectId,
                                   DAL_SUB_TO_OBJECT *record);
    int DalGetMaingroupData(int mode, long id, DAL_MAINGROUP *record, long projectId);
    int DalGetMaingroupData(int mode, long id, long projectId, DAL_MAINGROUP *record);
    int DalGetMiddlegroupData(int mode, long id, DAL_MIDDLEGROUP *record, long mainGroupId);
    int DalGetMiddlegroupData(int mode, long id, long mainGroupId, DAL_MIDDLEGROUP *record);
    int DalGetSubgroupData(int mode, long id, DAL_SUBGROUP *record, long middleGroupId);
    int DalGetSubgroupData(int mode, long id, long middleGroupId, DAL_SUBGROUP *record);

    // Links a device object to a sub group. send 1 makes the link the object's sending one, 0
    // does not; -1 (as the import passes it) makes it the sending one when the object has no
    // sending link yet, so that the first address linked to an object is its sending address.
    // The three bools are accepted and not used. Answers the link id (> 0); -1 when the object (or
    // a switched-off one) or the sub group is unknown; -2 when the sub group's type does not fit
    // the object's. An existing link stays and answers its id. TProjectDatabase::Link tells the
    // rules of types.
    int CoLinkObjectToSubGroup(long deviceObjectId, long subGroupId, short send, bool, bool, bool);
    // True when the link existed and is gone.
    bool CoUnlinkObjectFromSubGroup(long deviceObjectId, long subGroupId, bool);
    // Sets a parameter of the current device (see above) and switches its objects like
    // TEtsDeviceParam. Answers 1 when written, 0 when not (no current device, unknown id).
    int CoSetDeviceParameterValueLong(long parameterId, long value, bool, bool);
    // Flags of a device object: 1 = done, 0 = failed (unknown object).
    int SqlSetDeviceObjectCommFlag(long deviceObjectId, bool value);
    int SqlSetDeviceObjectReadFlag(long deviceObjectId, bool value);
    int SqlSetDeviceObjectWriteFlag(long deviceObjectId, bool value);
    int SqlSetDeviceObjectTransFlag(long deviceObjectId, bool value);
    int SqlSetDeviceObjectUpdateFlag(long deviceObjectId, bool value);
    // The send flag of a link (set: the object's other links stop sending): 1 done, 0 failed.
    int SqlSetSubGroupToObjectSendFlag(long linkId, bool value);

    // The bus tool's meter window (kind 2 import, 13 copy), shown through TEtsMeter's factory.
    HMETER CoMeterDlgOpen(HWND owner, int kind);
    void CoMeterSetCaption(HMETER meter, const AnsiString &text);
    // Closing a closed or unknown meter does nothing.
    void CoMeterDlgClose(HMETER meter);
    // The window of an open meter, or null.
    TEtsMeterView *GetMeterView(HMETER meter);

    // Bus memory access (see above).
    int EibSetAddress(unsigned short kind, unsigned short physicalAddress);
    int EibStartComm();
    int EibReadMemBlock(unsigned char *buffer, unsigned short first, unsigned short firstAgain,
                        unsigned short last);
    int EibWriteMemBlock(unsigned char *data, unsigned short first, unsigned short firstAgain,
                         unsigned short last, unsigned char *mask);
    int EibStopComm();

    // The failure injected for a call of the classes on this object, if any.
    std::optional<TInjectedFailure> TakeFailure(const char *call);

    // The one guard of every call of this object and of the classes on it: a failure injected
    // for the call answers in its place (its answer, else `failed`); an exception (the project
    // file locked, damaged, ...) answers `failed`, and its cause is written into the trace and
    // kept for LastFailure, so that a result code never hides why the call failed.
    template <class R, class F> R GuardedCall(const char *call, R failed, F &&body) {
        LOG_FKT("TEts2Cdi::GuardedCall");
        return Guarded(call, failed, [&]() -> R {
            if (const auto f = TakeFailure(call))
                return static_cast<R>(f->answer.value_or(static_cast<int>(failed)));
            return body();
        });
    }
    // The same guard without an injected failure (the call takes its own at its own time).
    template <class R, class F> R Guarded(const char *call, R failed, F &&body) {
        LOG_FKT("TEts2Cdi::Guarded");
        try {
            return body();
        } catch (const std::exception &e) {
            KeepFailure(call, e.what());
            return failed;
        }
    }
    // "call: cause" of the last call that failed by an exception; empty while none has.
    const std::string &LastFailure() const;

    // For tests: the monitor is told every bus memory call of this object after it answered
    // (none: no monitor). Answers the previous one.
    TEibMonitor SetEibMonitor(TEibMonitor monitor);

private:
    struct TDalQuery;
    struct TCursor {
        bool open = false;
        std::vector<long> filters;
        int64_t last = 0;
    };
    template <class R, class F>
    int DalRead(const TDalQuery &query, int mode, long id, std::initializer_list<long> filters,
                R *record, F fill);
    int SetFlag(const char *call, long deviceObjectId, TEtsObjectFlags flag, bool value);
    // One bus memory call in the guard; the monitor is told its addresses (a read or write;
    // else 0) and its answer.
    template <class F>
    int EibCall(const char *call, unsigned short first, unsigned short last, F body);
    void KeepFailure(const char *call, const char *cause);
    int CheckMemBlock(const void *buffer, unsigned short first, unsigned short firstAgain,
                      unsigned short last) const;

    HWND FOwner = nullptr;
    AnsiString FModuleName;
    int32_t FCurrentDevice = -1;
    std::unique_ptr<TProjectDatabase> FDb;
    std::map<std::string, TCursor> FCursors;
    std::vector<unsigned char> FBlob;
    std::map<HMETER, std::unique_ptr<TEtsMeterView>> FMeters;
    HMETER FLastMeter = 0;
    std::optional<uint16_t> FBusAddress; // set by EibSetAddress
    std::optional<int32_t> FBusDevice;   // the device of a started communication
    std::string FLastFailure;
    TEibMonitor FEibMonitor;
};
