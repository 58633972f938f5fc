// One object linked to a sub group of a group address, as the sub group's grid lists it: what
// the project database holds about the object, its communication object and its device.
#pragma once

#include "platform/vcl/AnsiString.h"

struct TSubGroupObjekt {
    bool Kommunikation = false;
    bool Lesen = false;
    bool Schreiben = false;
    bool Uebertragen = false;
    bool Aktualisieren = false;
    int Nummer = 0;         // the object number
    AnsiString GrpAdr;      // its (sending, else first) group address
    AnsiString PhysAdr;     // of the object's device
    AnsiString TypText;     // of its data type
    AnsiString ObjektName;  // of the communication object
    AnsiString Funktion;    // of the communication object
    AnsiString ProduktText; // of the device
    AnsiString GeraeteName; // of the device
};
