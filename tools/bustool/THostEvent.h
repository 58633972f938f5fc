// The events a user raises through the host program, one per command-line argument or script
// line, in the words of the bus tool's user (devices by physical address, group addresses as
// main/middle/sub). TEventRunner does what the bus tool does around each and sends the
// editor the event of the line protocol.
//
//   edit DEVICE                           edit-object DEVICE OBJECT
//   create ADDRESS [NAME [MODE]]          delete DEVICE
//   download DEVICE [FLAGS]               stop
//   link DEVICE OBJECT GROUP              unlink DEVICE OBJECT GROUP
//   export DEVICE                         import ADDRESS FILE [OLD-ID]
//   copy ADDRESS SOURCE-DEVICE [FLAG]     reconstruct DEVICE MODE FILE [X]
//
// DEVICE is a device's physical address ("1.1.1") or "@" and its id ("@7", which need not be
// a device of the project); ADDRESS the physical address of a device to make; OBJECT an object
// number; GROUP a group address ("1/0/1"). A script holds one event a line; "#" begins a
// comment line; empty lines are skipped. Nothing may follow stop.
#pragma once

#include "tools/bustool/THostArguments.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class THostEventKind {
    Edit,
    EditObject,
    Create,
    Delete,
    Download,
    Stop,
    Link,
    Unlink,
    Export,
    Import,
    Copy,
    Reconstruct,
};

// A device named by its physical address or by its id.
struct TDeviceRef {
    std::optional<uint16_t> address;
    std::optional<int32_t> id;
    std::string text; // as written
};

struct THostEvent {
    THostEventKind kind = THostEventKind::Stop;
    std::string text; // the line as written, for messages
    TDeviceRef device;
    uint16_t newAddress = 0;      // create, import, copy: the device to make
    TDeviceRef source;            // copy
    int objectNumber = 0;         // edit-object, link, unlink
    TGroupNumbers group;          // link, unlink
    std::string name;             // create: the device name
    std::string file;             // import, reconstruct
    int64_t number = 0;           // create and reconstruct: mode; download: flags; copy: flag
    int64_t x = 0;                // reconstruct
    std::optional<int32_t> oldId; // import
};

// One event from its words; throws EUsage.
THostEvent ParseHostEvent(const std::string &line);
// The events of a script's lines (comments and empty lines skipped); "origin" names the script
// in messages ("script.txt, line 4: ..."). Throws EUsage, also for events after stop.
std::vector<THostEvent> ParseHostEvents(const std::vector<std::string> &lines,
                                        const std::string &origin);
// The usage lines of the events (the table above).
const char *HostEventUsage();
