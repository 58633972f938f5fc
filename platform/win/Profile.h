// Private-profile (INI) files: "[Section]" headings followed by "Key=Value" lines.
// Sections and keys are found case-insensitively, the first match wins; values are read
// without their surrounding blanks. A write keeps every other line of the file as it was and
// creates a missing file. Files hold Windows-1252 bytes; paths are used as given.
#pragma once

#include "platform/win/WinTypes.h"

// Copies the value of the key, or the default (none: empty) when the file, section or key is
// missing, into buffer; cuts it to size - 1 bytes and always ends it with a zero byte.
// Answers the number of bytes copied, without the zero byte.
DWORD GetPrivateProfileString(const char *section, const char *key, const char *defaultValue,
                              char *buffer, DWORD size, const char *file);

// The value of the key read as a 32-bit integer: optional sign, then decimal digits or "0x"
// and hex digits; the digits end at the first other character. A missing key, or a value
// that does not start with a number, gives the default.
int GetPrivateProfileInt(const char *section, const char *key, int defaultValue, const char *file);

// Sets the key to the value: replaces the key's line in place, or adds the key at the end of
// its section, or adds the section at the end of the file. False when the file cannot be
// written.
BOOL WritePrivateProfileString(const char *section, const char *key, const char *value,
                               const char *file);

// Copies the entries of the section as "Key=Value" texts, each ended by a zero byte, the list
// ended by one more. When they do not fit, the list is cut and size - 2 is answered; otherwise
// the number of bytes copied without the last zero byte (0 for a missing or empty section).
DWORD GetPrivateProfileSection(const char *section, char *buffer, DWORD size, const char *file);
