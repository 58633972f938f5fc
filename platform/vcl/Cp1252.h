// Windows-1252 <-> UTF-8, used only at the Qt boundary, the UTF-8 text table and the
// bus tool's database. Lossless for every byte: the five bytes that Windows-1252 leaves
// undefined map to the code points of the same value. And the code page's letter case.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8.
std::string AnsiToUtf8(std::string_view ansi);
// UTF-8 to Windows-1252; a character that Windows-1252 cannot hold, or a malformed UTF-8
// sequence, becomes '?'.
AnsiString Utf8ToAnsi(std::string_view utf8);

// The lower-case letter of a Windows-1252 byte: ASCII letters and the code page's letters
// beyond it (À..Þ but ×, Š, Œ, Ž, Ÿ); every other byte stays as it is.
char LowerCp1252(char c);
// Equal texts when letters are compared without their case, as the library's name look-ups do.
bool SameTextCp1252(std::string_view a, std::string_view b);
