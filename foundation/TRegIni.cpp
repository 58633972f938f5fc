#include "foundation/TRegIni.h"

#include "platform/log/Log.h"
#include "platform/win/Profile.h"

#include <string>
#include <vector>

namespace {
constexpr DWORD kStringBuffer = 1024;
constexpr DWORD kSectionBuffer = 32000;
constexpr char kKeinEintrag[] = "##kein Eintrag gefunden##";
} // namespace

bool TRegIni::ReadString(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                         AnsiString &value, const AnsiString &defaultValue) const {
    LOG_FKT("TRegIni::ReadString");
    char buffer[kStringBuffer];
    const DWORD n = GetPrivateProfileString(section.c_str(), key.c_str(), defaultValue.c_str(),
                                            buffer, kStringBuffer, file.c_str());
    value.assign(buffer, n);
    return !value.empty();
}

bool TRegIni::ReadBool(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                       bool &value, bool defaultValue) const {
    LOG_FKT("TRegIni::ReadBool");
    value =
        GetPrivateProfileInt(section.c_str(), key.c_str(), defaultValue ? 1 : 0, file.c_str()) != 0;
    return true;
}

bool TRegIni::ReadInteger(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                          int32_t &value, int32_t defaultValue) const {
    LOG_FKT("TRegIni::ReadInteger");
    value = GetPrivateProfileInt(section.c_str(), key.c_str(), defaultValue, file.c_str());
    return true;
}

bool TRegIni::WriteString(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                          const AnsiString &value) const {
    LOG_FKT("TRegIni::WriteString");
    return WritePrivateProfileString(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           0;
}

bool TRegIni::WriteInteger(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                           int32_t value) const {
    LOG_FKT("TRegIni::WriteInteger");
    return WriteString(file, section, key, std::to_string(value));
}

bool TRegIni::WriteBool(const AnsiString &file, const AnsiString &section, const AnsiString &key,
                        bool value) const {
    LOG_FKT("TRegIni::WriteBool");
    return WriteString(file, section, key, value ? "1" : "0");
}

bool TRegIni::ValueExists(const AnsiString &file, const AnsiString &section,
                          const AnsiString &key) const {
    LOG_FKT("TRegIni::ValueExists");
    AnsiString value;
    ReadString(file, section, key, value, kKeinEintrag);
    return value != kKeinEintrag;
}

bool TRegIni::ReadSection(const AnsiString &file, const AnsiString &section) const {
    LOG_FKT("TRegIni::ReadSection");
    std::vector<char> buffer(kSectionBuffer);
    return GetPrivateProfileSection(section.c_str(), buffer.data(), kSectionBuffer, file.c_str()) >
           0;
}

AnsiString StringReplaceAll(const AnsiString &text, const AnsiString &oldText,
                            const AnsiString &newText) {
    LOG_FKT("StringReplaceAll");
    if (text.empty() || newText.empty())
        return {};
    if (oldText.empty())
        return text;
    AnsiString result = text;
    if (newText.find(oldText) == AnsiString::npos) {
        // Everything before a replacement held no occurrence and is unchanged, so the search
        // again from the start may begin just before it.
        size_t replaced = 0;
        for (auto pos = result.find(oldText);
             pos != AnsiString::npos && replaced < kStringReplaceAllLimit &&
             result.size() <= kStringReplaceAllLimit;
             pos = result.find(oldText, pos >= oldText.size() ? pos - oldText.size() + 1 : 0)) {
            result.replace(pos, oldText.size(), newText);
            ++replaced;
        }
        return result;
    }
    for (auto pos = result.find(oldText); pos != AnsiString::npos;
         pos = result.find(oldText, pos + newText.size()))
        result.replace(pos, oldText.size(), newText);
    return result;
}
