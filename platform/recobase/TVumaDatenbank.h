// The record database of a reconstruction: the folder reconstructors make their records here
// one by one, and at the end all of them are written as one data block that the device
// instance imports. The database owns its records; the pointers it hands out stay valid for
// its lifetime.
#pragma once

#include "foundation/TDatenStruktur.h"
#include "platform/vcl/AnsiString.h"
#include "platform/vcl/Streams.h"

#include <cstdint>
#include <deque>
#include <optional>

// A record's type id.
using Datentyp = int16_t;

class TVumaDatenbank {
public:
    // Handles stay below 0xFFFF, the largest the device instance's handle table gives out.
    static constexpr int kMaxHandle = 0xFFFE;

    TVumaDatenbank();
    virtual ~TVumaDatenbank();
    TVumaDatenbank(const TVumaDatenbank &) = delete;
    TVumaDatenbank &operator=(const TVumaDatenbank &) = delete;

    // A new record: Handle 1, 2, ... in creation order, System := kind (the system record is
    // made with kind 0, every other record with kind 1, the system record's handle), Typ and
    // Parent as given, every other field as a new record has it. Null when the handles are used
    // up or the limit is reached.
    TDatenStruktur *CreateDatensatz(int kind, Datentyp typ, int parent);
    // The data block of every record in handle order behind a version section with the
    // header: false for a null stream or one that cannot be written.
    bool Write(TMemoryStream *stream, const AnsiString &header);

    int Count() const { return static_cast<int>(FRecords.size()); }
    // The record with that handle, null when none.
    TDatenStruktur *Find(int handle);
    // For tests: no more than limit records are made (none: no limit but the handles').
    void SetLimit(std::optional<int> limit) { FLimit = limit; }

private:
    std::deque<TDatenStruktur> FRecords; // handle i at index i - 1
    std::optional<int> FLimit;
};
