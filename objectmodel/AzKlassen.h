// The class table of the panel object model: for each panel class its type id (also the Typ
// of its record), its icon in the tree's image list, its list style (0: the project window
// lists the children, 1: it shows the parameter grid) and its help offset. A panel class takes
// these four from its entry through TAzObjekt (TAzObjekt.h) and nowhere else.
#pragma once

#include <array>
#include <cstdint>

struct TAzKlasse {
    const char *Name;
    int16_t Typ;
    int Icon;
    int ListStyle;
    int HelpOffset;
};

namespace AzKlasse {
// clang-format off
inline constexpr TAzKlasse System                       {"TAzSystem",                       105,  29, 1,   1};
inline constexpr TAzKlasse EditierbareTexte             {"TAzEditierbareTexte",            6121,  30, 1,  30};
inline constexpr TAzKlasse OrdnerSicherungsBereich      {"TAzOrdnerSicherungsBereich",     6122,  31, 0,   0};
inline constexpr TAzKlasse SicherungsBereichFeuer       {"TAzSicherungsBereichFeuer",      6123,  32, 0, 100};
inline constexpr TAzKlasse Melder                       {"TAzMelder",                      6124,  33, 1, 104};
inline constexpr TAzKlasse SicherungsBereichUeberfall   {"TAzSicherungsBereichUeberfall",  6125,  34, 0, 102};
inline constexpr TAzKlasse SabotageKontakt              {"TAzSabotageKontakt",             6126,  35, 1, 112};
inline constexpr TAzKlasse SicherungsBereich1           {"TAzSicherungsBereich1",          6127,  36, 1, 116};
inline constexpr TAzKlasse SicherungsBereich2           {"TAzSicherungsBereich2",          6128,  37, 1, 116};
inline constexpr TAzKlasse SicherungsBereich3           {"TAzSicherungsBereich3",          6129,  38, 1, 116};
inline constexpr TAzKlasse SicherungsBereich4           {"TAzSicherungsBereich4",          6130,  39, 1, 116};
inline constexpr TAzKlasse OrdnerScharfschaltung        {"TAzOrdnerScharfschaltung",       6131,  40, 0,   0};
inline constexpr TAzKlasse ScharfschaltBereich1         {"TAzScharfschaltBereich1",        6132,  41, 1, 124};
inline constexpr TAzKlasse ScharfschaltBereich2         {"TAzScharfschaltBereich2",        6133,  42, 1, 126};
inline constexpr TAzKlasse ScharfschaltBereich3         {"TAzScharfschaltBereich3",        6134,  43, 1, 128};
inline constexpr TAzKlasse ScharfschaltBereich4         {"TAzScharfschaltBereich4",        6135,  44, 1, 130};
inline constexpr TAzKlasse ScharfschaltungSsb           {"TAzScharfschaltungSsb",          6136,  45, 1, 140};
inline constexpr TAzKlasse ScharfUnscharfQuittierungSsb {"TAzScharfUnscharfQuittierungSsb", 6137, 46, 1, 150};
inline constexpr TAzKlasse Alarmierung                  {"TAzAlarmierung",                 6138,  47, 1, 160};
inline constexpr TAzKlasse OrdnerAlarmierung            {"TAzOrdnerAlarmierung",           6139,  48, 0,   0};
inline constexpr TAzKlasse Alarmdauer                   {"TAzAlarmdauer",                  6140,  49, 1, 170};
inline constexpr TAzKlasse EibObjekteZurAlarmierung     {"TAzEibObjekteZurAlarmierung",    6141,  50, 0, 180};
inline constexpr TAzKlasse OrdnerAnzeige                {"TAzOrdnerAnzeige",               6142,  51, 0, 182};
// The display unit's icon is 52 .. 55 by its display number; 51 is the one without a number.
inline constexpr TAzKlasse Anzeige                      {"TAzAnzeige",                     6143,  51, 1, 184};
inline constexpr TAzKlasse OrdnerSicherheitStoerung     {"TAzOrdnerSicherheitStoerung",    6144,  56, 0,   0};
inline constexpr TAzKlasse EibAlarmSystemSicherheit     {"TAzEibAlarmSystemSicherheit",    6145,  57, 1, 212};
inline constexpr TAzKlasse VerhaltenDurchUegR           {"TAzVerhaltenDurchUegR",          6146,  58, 1, 217};
inline constexpr TAzKlasse DatumUhrzeit                 {"TAzDatumUhrzeit",                6147,  59, 1, 226};
// clang-format on

// Every entry, in the order of the type ids.
inline constexpr std::array<const TAzKlasse *, 28> Alle = {
    &System,
    &EditierbareTexte,
    &OrdnerSicherungsBereich,
    &SicherungsBereichFeuer,
    &Melder,
    &SicherungsBereichUeberfall,
    &SabotageKontakt,
    &SicherungsBereich1,
    &SicherungsBereich2,
    &SicherungsBereich3,
    &SicherungsBereich4,
    &OrdnerScharfschaltung,
    &ScharfschaltBereich1,
    &ScharfschaltBereich2,
    &ScharfschaltBereich3,
    &ScharfschaltBereich4,
    &ScharfschaltungSsb,
    &ScharfUnscharfQuittierungSsb,
    &Alarmierung,
    &OrdnerAlarmierung,
    &Alarmdauer,
    &EibObjekteZurAlarmierung,
    &OrdnerAnzeige,
    &Anzeige,
    &OrdnerSicherheitStoerung,
    &EibAlarmSystemSicherheit,
    &VerhaltenDurchUegR,
    &DatumUhrzeit,
};

// The entry of a type id, or null.
constexpr const TAzKlasse *VonTyp(int typ) {
    for (const TAzKlasse *k : Alle)
        if (k->Typ == typ)
            return k;
    return nullptr;
}
} // namespace AzKlasse
