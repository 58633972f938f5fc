// The numbering enumerations of the folder reconstructors: which of several instances of a
// folder class is meant. One signed byte each, with the values the object model gives the same
// names (this library does not link the object model; a test compares the two).
#pragma once

#include <cstdint>

namespace T_DB_EnumAzMelder {
// Security area n of the panel; type id 6126 + n.
enum TEnumSicherungsBereich : int8_t { eSb1 = 1, eSb2 = 2, eSb3 = 3, eSb4 = 4 };
} // namespace T_DB_EnumAzMelder

namespace T_DB_EnumAzScharfschaltungSsb {
enum TEnumScharfschaltBereich : int8_t { eSsb1 = 1, eSsb2 = 2, eSsb3 = 3, eSsb4 = 4 };
} // namespace T_DB_EnumAzScharfschaltungSsb

namespace T_DB_EnumScharfUnscharfQuittierungSsb {
enum TEnumScharfschaltBereich : int8_t { eSsb1 = 1, eSsb2 = 2, eSsb3 = 3, eSsb4 = 4 };
} // namespace T_DB_EnumScharfUnscharfQuittierungSsb

namespace T_DB_EnumAzAlarmierung {
enum TEnumAlarmierungTyp : int8_t {
    eFeuer = 0,
    eUeberfall = 1,
    eSabotageExternScharf = 2, // no alarm output of its own
    eSsb1 = 3,
    eSsb2 = 4,
    eSsb3 = 5,
    eSsb4 = 6,
};
} // namespace T_DB_EnumAzAlarmierung

namespace T_DB_EnumAzAnzeige {
enum TEnumAnzeigeNr : int8_t { eAnzeige1 = 0, eAnzeige2 = 1, eAnzeige3 = 2, eAnzeige4 = 3 };
} // namespace T_DB_EnumAzAnzeige

namespace T_DB_EnumAzVerhaltenDurchUeGR {
enum TEnumUeGBereich : int8_t { eUeberfall = 0, eEinbruch = 1 };
} // namespace T_DB_EnumAzVerhaltenDurchUeGR
