// The panel's object factory as one table: for each record type the class of its object, how
// it is made from its record, and how it writes its device parameters (none for the folders
// and the areas without parameters of their own). Types 1 and 2 are plain records and make
// no object.
#pragma once

#include "foundation/TDatenStruktur.h"
#include "platform/win/Messages.h"

#include <cstdint>
#include <memory>

class TDataBasis;

struct TAzFabrikEintrag {
    int16_t Typ;
    // Makes the object of a record with the main window as owner (not yet loaded from it).
    std::unique_ptr<TDataBasis> (*Erzeuge)(HWND window, const TDatenStruktur &record);
    // Writes the object's device parameters; null for a class without any.
    bool (*WriteDataToDb)(TDataBasis &object);
};

namespace AzFabrik {
// The entry of a record or object type, or null.
const TAzFabrikEintrag *VonTyp(int typ);
// Types whose records are no objects.
inline bool IstNurDatensatz(int typ) {
    return typ == 1 || typ == 2;
}
} // namespace AzFabrik
