// The bus tool's device profile: values by section and key, kept per plug-in module (the
// interface object's module name) in the project. Section and key compare without regard to
// ASCII case, as in a settings file. Texts are Windows-1252.
//
// Read answers true and the stored value, or true and the default when the entry is missing;
// false (with the default) only on a real failure: the project cannot be read, or the stored
// text is not a value of the asked kind (an integer in decimal; a bool as "1" or "0").
// Write stores integers in decimal and bools as "1"/"0"; false when the project cannot be
// written. Injected failures: "TEtsProfile::Read", "TEtsProfile::Write".
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>

class TEts2Cdi;

class TEtsProfile {
public:
    // The interface object is borrowed; it must outlive the profile object.
    explicit TEtsProfile(TEts2Cdi *cdi);
    virtual ~TEtsProfile();

    bool Read(const AnsiString &section, const AnsiString &key, int32_t defaultValue,
              int32_t &value);
    bool Read(const AnsiString &section, const AnsiString &key, bool defaultValue, bool &value);
    bool Read(const AnsiString &section, const AnsiString &key, const AnsiString &defaultValue,
              AnsiString &value);

    bool Write(const AnsiString &section, const AnsiString &key, int32_t value);
    bool Write(const AnsiString &section, const AnsiString &key, bool value);
    bool Write(const AnsiString &section, const AnsiString &key, const AnsiString &value);
    // A literal text must not decay to the bool overload.
    bool Write(const AnsiString &section, const AnsiString &key, const char *value);

private:
    // The stored text (UTF-8 converted), nothing when missing; throws on a failure.
    bool Stored(const AnsiString &section, const AnsiString &key, AnsiString &text, bool &found);
    bool Store(const AnsiString &section, const AnsiString &key, const AnsiString &text);
    // The common frame of the Read overloads: the default first, then the stored text through
    // parse (false when it does not read as a T).
    template <class T, class Parse>
    bool ReadAs(const AnsiString &section, const AnsiString &key, const T &defaultValue, T &value,
                Parse parse);

    TEts2Cdi *FCdi;
};
