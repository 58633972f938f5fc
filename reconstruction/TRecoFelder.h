// The table-driven field reader of the folder reconstructors: each folder's parameters and
// bus objects are rows of data, read and made in row order.
//
// A row's cell is Adresse + Schritt * k, k being the instance's index the folder passes
// (arming area n - 1, detector slot n - 1, ...). A value outside the row's allowed set gets
// the row's default and one report per entry of Meldungen (none for a row without a caption).
#pragma once

#include "foundation/TDatenStruktur.h"
#include "platform/recobase/TRecoDataManagament.h"
#include "platform/recobase/TRecoErrors.h"
#include "platform/recobase/TRecoObjectManagement.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <span>

namespace RecoFeld {

enum class TArt : uint8_t {
    Byte,
    Word,
    DWord,
    Bits,      // Anzahl bits from ErstesBit up, right-aligned
    TextIndex, // the detector word's text index: bits 0-4 of the cell times 4 plus bits 6-7
               // of the next cell (the word's bits 6-12)
};

// What a companion bool of a value row says.
enum class TSchalter : uint8_t {
    Wert,     // the value is not 0 (a bool row: the bit itself)
    Nicht255, // the value is not 255 (255 means "always on")
};

// A text of a report: an optional lead and the UI text Id (0: the lead alone).
struct TText {
    const char *Vorsatz = "";
    int Id = 0;
    AnsiString Get() const;
};

struct TMeldung {
    TText Caption;
    TText Standard;
};

// The values a panel cell may hold: every value from Von to Bis, or the listed ones.
struct TErlaubt {
    uint32_t Von = 0;
    uint32_t Bis = UINT32_MAX;
    std::span<const uint32_t> Liste = {};
    bool Enthaelt(uint32_t wert) const;
};

struct TFeld {
    uint32_t Adresse;
    uint32_t Schritt = 0;
    TArt Art = TArt::Byte;
    uint8_t ErstesBit = 0;
    uint8_t Anzahl = 1;
    int32_t TDatenStruktur::*Param = nullptr; // the value
    bool TDatenStruktur::*Bool = nullptr;     // the companion bool
    TSchalter Schalter = TSchalter::Wert;
    TErlaubt Erlaubt = {};
    int32_t StandardWert = 0;
    bool StandardBool = false;
    // Reports of a defaulted value; an empty caption gives none.
    TMeldung Meldungen[2] = {};
};

// One bus object: its number, args 5, 7, 8 and 9 of RecoObjekt; number and arg 8 grow by
// their steps with k; arg 5 is the object number itself when Arg5Nummer is set.
struct TBusObjekt {
    int Nummer;
    int NummerSchritt;
    int Arg5;
    int Arg7;
    int Arg8;
    int Arg8Schritt;
    int Arg9;
    bool Arg5Nummer = false;
};

// The cell's value as the row reads it; false when the reader fails.
bool Lese(const TRecoDataManagament &daten, const TFeld &feld, uint32_t k, uint32_t &wert);

// Reads the rows in order into the record; a value outside its set gets the default and is
// reported under the object's name. False at the first failed read: the fields set so far stay.
bool LeseFelder(const TRecoDataManagament &daten, std::span<const TFeld> felder, uint32_t k,
                TDatenStruktur &record, TRecoErrors *errors, const AnsiString &objekt);

// Makes the bus objects in row order under the parent; false at the first that fails (the
// later ones are not made) or without an object manager.
bool MacheBusObjekte(TRecoObjectManagement *objekte, std::span<const TBusObjekt> busObjekte,
                     uint32_t k, int parent);

} // namespace RecoFeld
