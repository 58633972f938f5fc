#include "platform/bustool/TEtsProfile.h"

#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <charconv>

TEtsProfile::TEtsProfile(TEts2Cdi *cdi) : FCdi(cdi) {
    LOG_FKT("TEtsProfile::TEtsProfile");
}

TEtsProfile::~TEtsProfile() {
    LOG_FKT("TEtsProfile::~TEtsProfile");
}

bool TEtsProfile::Stored(const AnsiString &section, const AnsiString &key, AnsiString &text,
                         bool &found) {
    LOG_FKT("TEtsProfile::Stored");
    found = false;
    if (!FCdi)
        return false;
    return FCdi->GuardedCall("TEtsProfile::Read", false, [&] {
        const auto value = FCdi->Database().ProfileValue(AnsiToUtf8(FCdi->GetModulName()),
                                                         AnsiToUtf8(section), AnsiToUtf8(key));
        if (value) {
            text = Utf8ToAnsi(*value);
            found = true;
        }
        return true;
    });
}

bool TEtsProfile::Store(const AnsiString &section, const AnsiString &key, const AnsiString &text) {
    LOG_FKT("TEtsProfile::Store");
    if (!FCdi)
        return false;
    return FCdi->GuardedCall("TEtsProfile::Write", false, [&] {
        FCdi->Database().SetProfileValue(AnsiToUtf8(FCdi->GetModulName()), AnsiToUtf8(section),
                                         AnsiToUtf8(key), AnsiToUtf8(text));
        return true;
    });
}

template <class T, class Parse>
bool TEtsProfile::ReadAs(const AnsiString &section, const AnsiString &key, const T &defaultValue,
                         T &value, Parse parse) {
    LOG_FKT("TEtsProfile::ReadAs");
    const T fallback = defaultValue; // value may be the default itself
    AnsiString text;
    bool found = false;
    value = fallback;
    if (!Stored(section, key, text, found))
        return false;
    return !found || parse(text, value);
}

bool TEtsProfile::Read(const AnsiString &section, const AnsiString &key, int32_t defaultValue,
                       int32_t &value) {
    LOG_FKT("TEtsProfile::Read");
    return ReadAs(section, key, defaultValue, value, [](const AnsiString &text, int32_t &v) {
        int32_t parsed = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size())
            return false;
        v = parsed;
        return true;
    });
}

bool TEtsProfile::Read(const AnsiString &section, const AnsiString &key, bool defaultValue,
                       bool &value) {
    LOG_FKT("TEtsProfile::Read");
    return ReadAs(section, key, defaultValue, value, [](const AnsiString &text, bool &v) {
        if (text != "0" && text != "1")
            return false;
        v = text == "1";
        return true;
    });
}

bool TEtsProfile::Read(const AnsiString &section, const AnsiString &key,
                       const AnsiString &defaultValue, AnsiString &value) {
    LOG_FKT("TEtsProfile::Read");
    return ReadAs(section, key, defaultValue, value, [](const AnsiString &text, AnsiString &v) {
        v = text;
        return true;
    });
}

bool TEtsProfile::Write(const AnsiString &section, const AnsiString &key, int32_t value) {
    LOG_FKT("TEtsProfile::Write");
    return Store(section, key, std::to_string(value));
}

bool TEtsProfile::Write(const AnsiString &section, const AnsiString &key, bool value) {
    LOG_FKT("TEtsProfile::Write");
    return Store(section, key, value ? "1" : "0");
}

bool TEtsProfile::Write(const AnsiString &section, const AnsiString &key, const AnsiString &value) {
    LOG_FKT("TEtsProfile::Write");
    return Store(section, key, value);
}

bool TEtsProfile::Write(const AnsiString &section, const AnsiString &key, const char *value) {
    LOG_FKT("TEtsProfile::Write");
    return Store(section, key, value ? AnsiString(value) : AnsiString());
}
