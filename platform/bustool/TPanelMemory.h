// The memory of a simulated alarm panel on the bus: what a panel answers when the editor reads
// it over the bus tool. The cells are the panel's (the bus tables, the identity cells, the
// clock pointer, the two event memories); where the panel's clock and the cells behind the
// clock download's pointers lie is this simulation's choice (kClock, kDate, kBase).
//
// The simulated panel runs no program of its own: its memory keeps what is written. So the
// clock download's time lands in the cells the event-memory read-out shows (kTimePointer points
// at kClock), while its date goes to cells of its own (kDate) and the read-out keeps showing
// the date at kClock + 3.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TPanelMemory {
public:
    static constexpr size_t kSize = 0x10000;

    // Bus tables: address-table count, then the own physical address, high byte first.
    static constexpr uint16_t kAddressTable = 0x4000;
    static constexpr uint16_t kAssociationTable = 0x41FF;
    // Object table: the object count, the flag-table pointer (kBasePointer), then four bytes per
    // object from kObjectEntries: its value pointer (high byte first), its flags
    // (TEtsObjectFlags bits) and its type code, as the product data gives them.
    static constexpr uint16_t kObjectTable = 0x43FC;
    static constexpr uint16_t kObjectEntries = 0x43FF;
    static constexpr uint16_t kObjectEntrySize = 4;
    // Pointer cells (high byte first) of the clock download and the event-memory read-out.
    static constexpr uint16_t kBasePointer = 0x43FD;
    static constexpr uint16_t kTimePointer = 0x477B;
    static constexpr uint16_t kDatePointer = 0x477F;
    static constexpr uint16_t kClockPointer = 0xBEB8;
    // Identity cells: the manufacturer, then the device type, high byte first.
    static constexpr uint16_t kManufacturer = 0xB6E6;
    static constexpr uint16_t kDeviceType = 0xB6E7;
    static constexpr uint16_t kPanelDeviceType = 0xC004;
    // Event memories: 8-byte records; all bytes 0xFF is an empty slot.
    static constexpr uint16_t kEventMemoryA = 0xA332;
    static constexpr int kEventCountA = 320;
    static constexpr uint16_t kEventMemoryB = 0xB954;
    static constexpr int kEventCountB = 80;
    // Where the pointers point (chosen): the clock (hour, minute, second, day, month, -, year),
    // the date cells of the clock download (day, month, year), the base of its flag cells.
    static constexpr uint16_t kClock = 0x0200;
    static constexpr uint16_t kDate = 0x0210;
    static constexpr uint16_t kBase = 0x0300;
    // The values of the other objects (chosen): kValueSize bytes each from kValues, by number.
    static constexpr uint16_t kValues = 0x0400;
    static constexpr uint16_t kValueSize = 16;

    // One event record as the panel keeps it.
    struct TEvent {
        uint8_t day, month, year, hour, minute, second, kind, participant;
    };

    // A panel as it comes to the bus: zeroed memory with its own address (the one entry of its
    // address table), an empty association table, the object table of its product data (the
    // time and date objects' value pointers are kTimePointer and kDatePointer), its identity,
    // the pointers and a running clock (24.05.26, 12:34:56), and both event memories empty.
    static std::vector<unsigned char> Image(uint16_t physicalAddress, uint8_t manufacturer);
    // Writes an event record into memory A (index 0..319) or B (index 0..79).
    static void PutEvent(std::vector<unsigned char> &image, bool memoryB, int index,
                         const TEvent &event);
    // The demo panel's few events: arming and disarming, an alarm, an alarm reset, a smoke
    // detector fault (fire area) and a hold-up alarm.
    static void AddDemoEvents(std::vector<unsigned char> &image);
    // The manufacturer number in the first three characters of a module name, low 8 bits
    // ("083AZ160" gives 83); 0 when they are not a number.
    static uint8_t ManufacturerOfModule(const std::string &moduleName);
};
