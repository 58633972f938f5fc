// How the device's dialogs read a typed group address and write one as text: one set of rules
// for every dialog (selection, change, link, import check).
//
// A typed address is two or three decimal numbers (one or more digits each) joined by any of
// the separators "/ .,-"; only the whole text is trimmed, so a blank beside a separator leaves
// that part unreadable. Three levels: main 0..15, middle 0..7, sub 0..255. Two levels: main
// 0..15, sub 0..2047, handed back split as the word stores it (middle = bits 8-10 of the sub
// number, sub = bits 0-7). The address 0 means none and is refused like any invalid text.
#pragma once

#include "platform/vcl/AnsiString.h"

class TGrpAddrText {
public:
    // False silently for an empty or blank text; false after the box "Ungültige
    // Gruppenadresse" ("Fehler") for an invalid one.
    static bool StringToGrpAddr(const AnsiString &text, bool threeLevel, int &main, int &middle,
                                int &sub);
    // The same reader under the name the link dialog uses.
    static bool StringToGrpAdr(const AnsiString &text, bool threeLevel, int &main, int &middle,
                               int &sub);
    // The dialogs' address text: "" for 0, else "m/mi/s" or "m/s" in decimal.
    static AnsiString GrpAddrString(int word, bool threeLevel);
    // The word of main, middle and sub as the reader hands them back (two levels: middle and
    // sub are the split 11-bit number, or middle 0 and the whole number as sub).
    static int GetCompleteGroupAddress(int main, int middle, bool threeLevel, int sub);
    // The address of the numbers as the dialogs search for it and show it: the reader's
    // result written in the device's form ("01/2/3" searches "1/2/3").
    static AnsiString SearchText(int main, int middle, int sub, bool threeLevel);
    // The text of an imported object's type number (its bus type + 1): 0 "unsichtbar",
    // 1 "1 Bit" ... 16 "VARDATA", else "unbekannter Objekttyp" and the number.
    static AnsiString GetObjTypText(int type);
};
