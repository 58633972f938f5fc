// The requests that travel in an RDeviceRequest with message 1133 or 1161, written once as data
// (AzRequest::Katalog): for each the message, the sender's type, the code, the fields the
// sender fills, the fields the device instance writes back, and the result. A code means
// something only together with its message and sender type (8 of a detector is not 8 of
// message 1161), so the names carry the sender:
//
//   RDeviceRequest request(*this, AzRequest::AnzeigeSchalten);   // a sender
//   request.Send(WM_AZ_DEVICE_REQUEST);
//
//   const AzRequest::TInfo *info =                                // a receiver
//       AzRequest::Find(msg, sender->GetTyp(), request->Code);
//
// Handle, Code and Sender are set by every sender (RDeviceRequest's constructor).
#pragma once

#include "objectmodel/AzKlassen.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/RDeviceRequest.h"

#include <array>
#include <cstdint>

namespace AzRequest {

// Message 1133.
inline constexpr uint8_t VarianteDialog = 0;            // TAzSystem
inline constexpr uint8_t VarianteAnwenden = 4;          // TAzSystem
inline constexpr uint8_t MelderTextBenutzt = 2;         // TAzEditierbareTexte
inline constexpr uint8_t MelderTextListeSetzen = 3;     // TAzEditierbareTexte
inline constexpr uint8_t MelderTextListe = 1;           // TAzMelder
inline constexpr uint8_t SaboSeAnmelden = 7;            // TAzMelder
inline constexpr uint8_t SaboSeLoeschen = 8;            // TAzMelder
inline constexpr uint8_t SaboSeZugeordnet = 10;         // TAzMelder
inline constexpr uint8_t PhysAdrSeDialog = 6;           // TAzScharfschaltungSsb
inline constexpr uint8_t SaboMelderListe = 9;           // TAzScharfschaltungSsb
inline constexpr uint8_t PhysAdrSeErsetzen = 11;        // TAzScharfschaltungSsb
inline constexpr uint8_t UegScharfText = 12;            // TAzScharfUnscharfQuittierungSsb
inline constexpr uint8_t UegScharfSetzen = 13;          // TAzScharfUnscharfQuittierungSsb
inline constexpr uint8_t UegEinbruchText = 17;          // TAzAlarmierung
inline constexpr uint8_t UegEinbruchSetzen = 18;        // TAzAlarmierung
inline constexpr uint8_t AnzeigeDialog = 5;             // TAzAnzeige
inline constexpr uint8_t AnzeigeSchalten = 14;          // TAzAnzeige
inline constexpr uint8_t AnzeigeQuittierungMelder = 19; // TAzAnzeige
inline constexpr uint8_t FunktionsUeberwachung = 15;    // TAzEibAlarmSystemSicherheit
inline constexpr uint8_t SystemUhr = 16;                // TAzDatumUhrzeit
// VarianteAnwenden's answer when the user kept a detector of an area the word drops: nothing
// was changed, and the sender takes its old word back.
inline constexpr int VarianteBehalten = 2;
// Message 1161.
inline constexpr uint8_t EtsObjektHinzufuegen =
    RDeviceRequest::CodeEtsObjektHinzufuegen; // any sender but a sub group
inline constexpr uint8_t EtsObjektLesen = 9;  // any sender but a sub group
inline constexpr uint8_t DefaultName =
    RDeviceRequest::CodeDefaultName;                 // any sender but a sub group
inline constexpr uint8_t ObjektDataFromSubGroup = 6; // a sub group of a group address

// The sender type of a sub group of a group address (a bus-tool object, not a panel class).
inline constexpr int16_t TypGrpAdrSub = 5003;
// In the catalogue: any sender type that has no entries of its own for that message.
inline constexpr int16_t JederTyp = 0;

// The fields of the record besides Handle, Code and Sender, as bits.
enum TFeld : unsigned {
    Keins = 0,
    Wert = 1u << 0,
    Wert2 = 1u << 1,
    Wert3 = 1u << 2,
    Wert4 = 1u << 3, // requests 13 and 18 use its low byte only
    Variante = 1u << 4,
    Text = 1u << 5,            // a pointer to an AnsiString
    Text2 = 1u << 6,           // held in the record
    Liste = 1u << 7,           // a pointer to a string list
    EtsObjekte = 1u << 8,      // a pointer to a list of bus objects
    SubGroupObjekte = 1u << 9, // a pointer to a list of a sub group's object rows
};

struct TInfo {
    UINT Msg;
    int16_t SenderTyp; // JederTyp: see above
    uint8_t Code;
    const char *Name;
    unsigned In;  // TFeld bits the device instance reads (the sender fills them, or leaves
                  // them at the record's zero start)
    unsigned Out; // TFeld bits the device instance writes back
    const char *Result;
};

// clang-format off
inline constexpr std::array<TInfo, 24> Katalog = {{
    {WM_AZ_DEVICE_REQUEST, AzKlasse::System.Typ, VarianteDialog, "VarianteDialog",
     Keins, Keins, "0; the variant dialog may store a new word into the sender"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::System.Typ, VarianteAnwenden, "VarianteAnwenden",
     Variante, Wert, "1 when the variant was applied (Wert := its number of areas); "
     "VarianteBehalten when the user kept a detector of an area it drops (nothing changed); "
     "else 0"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::EditierbareTexte.Typ, MelderTextBenutzt,
     "MelderTextBenutzt", Wert, Keins, "1 when a detector uses text Wert, else 0"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::EditierbareTexte.Typ, MelderTextListeSetzen,
     "MelderTextListeSetzen", Liste, Keins, "1; the string list at Liste goes to every detector"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Melder.Typ, MelderTextListe, "MelderTextListe",
     Liste, Liste, "1 with the editable texts in the string list at Liste; 0 without them"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Melder.Typ, SaboSeAnmelden, "SaboSeAnmelden",
     Wert | Wert2, Keins, "1 when detector Wert became a sabotage input of arming area Wert2"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Melder.Typ, SaboSeLoeschen, "SaboSeLoeschen",
     Wert | Wert2, Keins, "1 when detector Wert was in the list of arming area Wert2"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Melder.Typ, SaboSeZugeordnet, "SaboSeZugeordnet",
     Wert | Wert2, Keins, "1 when a switching device of area Wert2 uses detector Wert"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::ScharfschaltungSsb.Typ, PhysAdrSeDialog, "PhysAdrSeDialog",
     Wert | Wert2 | Text2, Wert2 | Text2, "0; a confirmed choice in Wert2 (address), Text2"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::ScharfschaltungSsb.Typ, SaboMelderListe, "SaboMelderListe",
     Wert, Keins, "0; the sender gets the sabotage-detector list of arming area Wert"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::ScharfschaltungSsb.Typ, PhysAdrSeErsetzen,
     "PhysAdrSeErsetzen", Wert | Wert2 | Wert3, Keins,
     "1 when area Wert's used address Wert3 (old) became Wert2 (new), else 0"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::ScharfUnscharfQuittierungSsb.Typ, UegScharfText,
     "UegScharfText", Keins, Text2, "1 with the areas whose 'Scharf' signalling is on"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::ScharfUnscharfQuittierungSsb.Typ, UegScharfSetzen,
     "UegScharfSetzen", Wert | Wert4, Keins, "1 when area Wert's flag was stored, else 0"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Alarmierung.Typ, UegEinbruchText, "UegEinbruchText",
     Keins, Text2, "1 with the areas whose burglary alarm is on"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Alarmierung.Typ, UegEinbruchSetzen, "UegEinbruchSetzen",
     Wert | Wert4, Keins, "1 when the flag of alarm type Wert's area was stored, else 0"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Anzeige.Typ, AnzeigeDialog, "AnzeigeDialog",
     Wert, Wert, "0; the display dialog may store a new mask into the sender"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Anzeige.Typ, AnzeigeSchalten, "AnzeigeSchalten",
     Wert | Wert2, Keins, "1 when display Wert2's bus objects were switched to Wert, else 0"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::Anzeige.Typ, AnzeigeQuittierungMelder,
     "AnzeigeQuittierungMelder", Wert | Wert2, Keins,
     "0; the display folder takes mask Wert for display Wert2"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::EibAlarmSystemSicherheit.Typ, FunktionsUeberwachung,
     "FunktionsUeberwachung", Wert, Keins, "0; the monitoring bus objects follow Wert"},
    {WM_AZ_DEVICE_REQUEST, AzKlasse::DatumUhrzeit.Typ, SystemUhr, "SystemUhr",
     Wert, Keins, "1 when the clock bus object followed Wert, else 0"},
    {WM_AZ_DEVICE_REQUEST_2, JederTyp, EtsObjektHinzufuegen, "EtsObjektHinzufuegen",
     Wert2 | Wert3 | Wert4 | Variante, Keins,
     "non-zero when the bus object of parameter Wert2 was added by display order"},
    {WM_AZ_DEVICE_REQUEST_2, JederTyp, EtsObjektLesen, "EtsObjektLesen",
     Wert | Wert2 | EtsObjekte, EtsObjekte,
     "non-zero with the bus objects that value Wert of parameter Wert2 switches, appended to "
     "the list at EtsObjekte; 0 without a list or when the bus tool refused the value"},
    {WM_AZ_DEVICE_REQUEST_2, JederTyp, DefaultName, "DefaultName",
     Text, Text, "non-zero with the sender's default name in the text at Text"},
    {WM_AZ_DEVICE_REQUEST_2, TypGrpAdrSub, ObjektDataFromSubGroup, "ObjektDataFromSubGroup",
     SubGroupObjekte, SubGroupObjekte,
     "non-zero with a row per object linked to the sending sub group, appended to the list at "
     "SubGroupObjekte; 0 without a list or without a sub-group object as sender"},
}};
// clang-format on

// The entry of a request: the sender type's own entry for that message and code; a type
// without entries of its own for that message falls to the JederTyp entries. Null: a request
// the device instance refuses (answer 0).
constexpr const TInfo *Find(UINT msg, int typ, uint8_t code) {
    bool eigene = false;
    for (const TInfo &info : Katalog)
        if (info.Msg == msg && info.SenderTyp == typ) {
            eigene = true;
            if (info.Code == code)
                return &info;
        }
    if (eigene)
        return nullptr;
    for (const TInfo &info : Katalog)
        if (info.Msg == msg && info.SenderTyp == JederTyp && info.Code == code)
            return &info;
    return nullptr;
}

} // namespace AzRequest
