// What the group-address check of an import hands back to the import: per imported word the
// address it becomes, and the addresses the user decided to create on the way.
#pragma once

#include "platform/vcl/AnsiString.h"

// One group-address word used by the imported communication objects.
struct TRecGroupAddrInfo {
    int IstWord = 0;       // the imported word
    int ObjTyp = 0;        // type number of the first object found with it
    AnsiString TypText;
    int Status = 0;        // 0 Ok, 1 wrong type, 2 missing
    AnsiString StatusText;
    AnsiString ObjekteText; // the linked objects, one line each
    int SollWord = 0;      // the word it becomes; 0 = none (the link is dropped)
};

// A group address the import has to create in the bus project.
struct RecNewGroupAddr {
    int Word = 0;
    AnsiString Name;
    int AddrType = -1; // 0-based, -1 untyped
};
