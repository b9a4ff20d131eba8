// The settings file: signed 32-bit integers kept as decimal text in an INI
// file in the host's configuration directory. No cache: every read and every
// write opens, uses and closes the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tidewick {

constexpr char kSettingsSection[] = "Settings";
constexpr char kSettingsFileName[] = "tidewick.ini";

// configDir, the path separator and "tidewick.ini", joined as they are:
// nothing is inserted or removed, even when configDir already ends in a
// separator. The separator is a backslash on Windows and a slash elsewhere.
//   Windows: SettingsFile("C:\\Mail") == "C:\\Mail\\tidewick.ini"
//            SettingsFile("C:\\Mail\\") == "C:\\Mail\\\\tidewick.ini"
//            SettingsFile("") == "\\tidewick.ini"
//   elsewhere: SettingsFile("/home/a") == "/home/a/tidewick.ini"
std::string SettingsFile(std::string_view configDir);

// A stored value as a number, in the manner of C's atoi: leading white space
// (space, tab, LF, VT, FF, CR) skipped, one optional sign, then decimal digits
// up to the first non-digit; no digits give 0. The digits accumulate modulo
// 2^32 with no overflow check, and the sign negates that 32-bit result.
//   SettingTextToInt(" 12") == 12       SettingTextToInt("12abc") == 12
//   SettingTextToInt("-3") == -3        SettingTextToInt("abc") == 0
//   SettingTextToInt("+7") == 7         SettingTextToInt("4294967297") == 1
//   SettingTextToInt("-2147483648") == INT32_MIN
//   SettingTextToInt("2147483648") == INT32_MIN
std::int32_t SettingTextToInt(std::string_view text);

// The integer stored under key in section of the INI file at path. At most
// 254 bytes of the stored text are taken. A missing file, section or key gives
// def; a key present with an empty value gives 0, whatever def is. A value
// that is not a number converts as SettingTextToInt says.
//   file "[Settings]\r\nLeftMargin=\r\n":
//   ReadIntSetting("Settings", "LeftMargin", 72, path) == 0
std::int32_t ReadIntSetting(std::string_view section, std::string_view key, std::int32_t def,
                            const std::string& path);

// Stores value as "%d" text under key in section of the INI file at path,
// replacing the key's value or adding the key, the section and the file. A
// failed store is not reported: the file keeps what it held.
//   WriteIntSetting("Settings", "RightMargin", -5, path) stores "RightMargin=-5"
void WriteIntSetting(std::string_view section, std::string_view key, std::int32_t value,
                     const std::string& path);

}  // namespace tidewick
