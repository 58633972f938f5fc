// Private-profile (INI) files: "[Section]" headings followed by "Key=Value" lines.
// Lines end at CR LF, a lone CR or a lone LF. Sections and keys are found case-insensitively
// (Windows-1252 letters included), the first match wins; blanks (space, tab, vertical tab, form
// feed) around the names asked for and around the file's names and values are ignored. A line
// without '=' is no key. A value in a matching pair of quotes ("abc" or 'abc') is read without
// them. A write keeps every other line of the file as it was, ends every line it writes with
// CR LF (also a last line that had no line end, when a line now follows it) and creates a
// missing file. Files hold Windows-1252 bytes; paths are used as given.
#pragma once

#include "platform/win/WinTypes.h"

// Copies the value of the key, or the default without its trailing blanks (none: empty) when
// the file, section or key is missing, into buffer; cuts it to size - 1 bytes and always ends it
// with a zero byte.
// Answers the number of bytes copied, without the zero byte.
DWORD GetPrivateProfileString(const char *section, const char *key, const char *defaultValue,
                              char *buffer, DWORD size, const char *file);

// The value of the key read as a 32-bit integer: optional sign, then decimal digits or "0x"
// and hex digits; the digits end at the first other character. A missing key, or a value
// that does not start with a number, gives the default.
int GetPrivateProfileInt(const char *section, const char *key, int defaultValue, const char *file);

// Sets the key to the value: replaces the key's line in place, or adds the key at the end of
// its section, or adds the section (without a blank line before it) at the end of the file.
// False when the file cannot be written.
BOOL WritePrivateProfileString(const char *section, const char *key, const char *value,
                               const char *file);

// Copies the entries of the section as "Key=Value" texts (a line without '=' as it is), each
// ended by a zero byte, the list
// ended by one more. When they do not fit, the list is cut and size - 2 is answered; otherwise
// the number of bytes copied without the last zero byte (0 for a missing or empty section).
DWORD GetPrivateProfileSection(const char *section, char *buffer, DWORD size, const char *file);
