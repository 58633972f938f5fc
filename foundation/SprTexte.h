// UI texts: every text the program shows, looked up by its string id, in Windows-1252.
//
//   MessageBox(owner, SprText(9128), SprText(9041), MB_ICONWARNING);
//
// The ids fall into the units of the string tables: SprNolbrit 1 to 12, SprWendrik 200 to
// 214, SprJostab 1000 to 1047, Sprcheckga 8000 to 8020, SprPultor 9000 to 9213, SprSelvid
// 11000 to 11393 and SprRusmil 24201 to 24260. An id without a text gives the empty text, never
// an error. The tables fill themselves on first use from SprTexte.inc and live until the
// program ends; the references stay valid all that time.
#pragma once

#include "platform/vcl/AnsiString.h"

// The text of a string id.
const AnsiString &SprText(int id);

// The text of a communication object's data type by the bus tool's type code (-1 "Frei",
// 0 "1 Bit" ... 15 "VARDATA"); empty for any other code.
const AnsiString &SprObjektTypText(int code);
