#include "platform/bustool/TPanelMemory.h"

#include "platform/bustool/TProductData.h"
#include "platform/log/Log.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <stdexcept>

// The clock download's pointer cells are the value pointers of the time and date objects.
static_assert(TPanelMemory::kObjectEntries + TPanelMemory::kObjectEntrySize * 223 ==
              TPanelMemory::kTimePointer);
static_assert(TPanelMemory::kObjectEntries + TPanelMemory::kObjectEntrySize * 224 ==
              TPanelMemory::kDatePointer);

namespace {
void PutWord(std::vector<unsigned char> &image, uint16_t at, uint16_t word) {
    image[at] = static_cast<unsigned char>(word >> 8);
    image[at + 1] = static_cast<unsigned char>(word & 0xFF);
}
} // namespace

std::vector<unsigned char> TPanelMemory::Image(uint16_t physicalAddress, uint8_t manufacturer) {
    LOG_FKT("TPanelMemory::Image");
    std::vector<unsigned char> image(kSize, 0);
    image[kAddressTable] = 1;
    PutWord(image, kAddressTable + 1, physicalAddress);
    // The object table, as the product data has it; the objects are numbered from 0 without
    // a gap, so the count is one more than the highest number.
    const TProductData &product = PanelProductData();
    int count = 0;
    for (const TProductObject &object : product.objects)
        count = std::max(count, object.number + 1);
    if (count > 255)
        throw std::length_error("the panel's object table holds at most 255 objects");
    image[kObjectTable] = static_cast<unsigned char>(count);
    for (const TProductObject &object : product.objects) {
        const size_t at = kObjectEntries + static_cast<size_t>(kObjectEntrySize * object.number);
        PutWord(image, static_cast<uint16_t>(at),
                static_cast<uint16_t>(kValues + kValueSize * object.number));
        image[at + 2] = object.flags;
        image[at + 3] = static_cast<unsigned char>(object.type);
    }
    image[kManufacturer] = manufacturer;
    PutWord(image, kDeviceType, kPanelDeviceType);
    PutWord(image, kClockPointer, kClock);
    PutWord(image, kTimePointer, kClock);
    PutWord(image, kDatePointer, kDate);
    PutWord(image, kBasePointer, kBase);
    const unsigned char clock[] = {12, 34, 56, 24, 5, 0, 26};
    std::copy(std::begin(clock), std::end(clock), image.begin() + kClock);
    const unsigned char date[] = {24, 5, 26};
    std::copy(std::begin(date), std::end(date), image.begin() + kDate);
    std::fill_n(image.begin() + kEventMemoryA, kEventCountA * 8, 0xFF);
    std::fill_n(image.begin() + kEventMemoryB, kEventCountB * 8, 0xFF);
    return image;
}

void TPanelMemory::PutEvent(std::vector<unsigned char> &image, bool memoryB, int index,
                            const TEvent &event) {
    LOG_FKT("TPanelMemory::PutEvent");
    if (image.size() != kSize || index < 0 || index >= (memoryB ? kEventCountB : kEventCountA))
        throw std::out_of_range("no such event record");
    const size_t at = (memoryB ? kEventMemoryB : kEventMemoryA) + 8 * static_cast<size_t>(index);
    const unsigned char bytes[] = {event.day,    event.month,  event.year, event.hour,
                                   event.minute, event.second, event.kind, event.participant};
    std::copy(std::begin(bytes), std::end(bytes), image.begin() + static_cast<long>(at));
}

void TPanelMemory::AddDemoEvents(std::vector<unsigned char> &image) {
    LOG_FKT("TPanelMemory::AddDemoEvents");
    // day, month, year, hour, minute, second, kind, participant
    const TEvent memoryA[] = {
        {3, 5, 26, 7, 58, 12, 9, 0},  // disarmed by the arming input of area 1
        {3, 5, 26, 18, 2, 40, 8, 0},  // armed by the arming input of area 1
        {4, 5, 26, 2, 17, 5, 2, 2},   // instant detector 3 opened
        {4, 5, 26, 2, 17, 6, 19, 0},  // alarm
        {4, 5, 26, 6, 45, 0, 9, 7},   // disarmed by the alarm reset
        {10, 5, 26, 14, 0, 0, 13, 0}, // mains failure
    };
    for (int i = 0; i < static_cast<int>(std::size(memoryA)); ++i)
        PutEvent(image, false, i, memoryA[i]);
    PutEvent(image, true, 0, {12, 5, 26, 9, 30, 0, 5, 4});     // fire area: smoke detector 5
    PutEvent(image, true, 40, {20, 5, 26, 21, 15, 30, 19, 0}); // hold-up area: alarm
}

uint8_t TPanelMemory::ManufacturerOfModule(const std::string &moduleName) {
    LOG_FKT("TPanelMemory::ManufacturerOfModule");
    if (moduleName.size() < 3)
        return 0;
    int number = 0;
    for (int i = 0; i < 3; ++i) {
        const auto c = static_cast<unsigned char>(moduleName[static_cast<size_t>(i)]);
        if (!std::isdigit(c))
            return 0;
        number = number * 10 + (c - '0');
    }
    return static_cast<uint8_t>(number & 0xFF);
}
