// A text read as a 32-bit integer, as the dialogs' number fields are read: leading blanks, an
// optional sign and decimal digits, nothing after them, within the range; else the default.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>

int32_t StrToIntDef(const AnsiString &text, int32_t defaultValue);
// The same reading: true and the value when the text is a number.
bool TryStrToInt(const AnsiString &text, int32_t &value);
