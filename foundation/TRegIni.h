// Reader and writer of the settings file, the one way every setting is read or written.
// Holds no state: each call takes the file's path, the section and the key afresh, so one is
// made for a batch of calls and dropped afterwards. Names are in RegIniNamen.h.
//
//   TRegIni ini;
//   int32_t top;
//   ini.ReadInteger(iniFile, RegSecWindow, RegKeyMainTop, top, 0);
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>

class TRegIni {
public:
    // At most 1023 characters; the default when the key is missing. True when the text
    // delivered is not empty.
    bool ReadString(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                    AnsiString &value, const AnsiString &defaultValue) const;
    // The key as an integer with 1 or 0 as default; true for any integer but 0. Always true.
    bool ReadBool(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                  bool &value, bool defaultValue) const;
    // The default when the key is missing or its value is no number. Always true.
    bool ReadInteger(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                     int32_t &value, int32_t defaultValue) const;

    // True when the write succeeded.
    bool WriteString(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                     const AnsiString &value) const;
    // Decimal text.
    bool WriteInteger(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                      int32_t value) const;
    // "1" or "0".
    bool WriteBool(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                   bool value) const;

    // True when the key is present, also with an empty value.
    bool ValueExists(const AnsiString &file, const AnsiString &section,
                     const AnsiString &key) const;
    // True when the section holds at least one entry.
    bool ReadSection(const AnsiString &file, const AnsiString &section) const;
};

// Replaces each occurrence of oldText in text by newText, searching again from the start after
// each replacement, so that occurrences made by a replacement are replaced too. An empty text
// or an empty newText gives the empty text; an empty oldText leaves the text as it is. When
// newText contains oldText, which would never end, the text is replaced in one pass from the
// left instead. Other pairs can make the text grow very fast (old "ab", new "bba"), so the
// replacing ends after kStringReplaceAllLimit replacements or once the text is longer than
// kStringReplaceAllLimit bytes, far beyond any settings value (at most 1023 bytes): the call
// ends on every input.
inline constexpr size_t kStringReplaceAllLimit = 65536;
AnsiString StringReplaceAll(const AnsiString &text, const AnsiString &oldText,
                            const AnsiString &newText);
