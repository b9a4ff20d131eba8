// A small INI reader and writer that gives what the Windows profile functions
// (GetPrivateProfileStringA into a 255-byte buffer, WritePrivateProfileStringA)
// give, as Wine implements them, so that a settings file reads and looks the
// same whichever side wrote it. The core works on a text; the file functions
// at the end are thin adapters around it.
//
// How a text reads:
//  - A line ends at LF or CR; blank lines are ignored. Blanks (space, tab, LF,
//    VT, FF, CR and ^Z) around a line, around a name and around a value are
//    ignored.
//  - A line that starts with "[" and holds a "]" starts a section named by
//    what lies between the "[" and the last "]". The lines before the first
//    section form a section with an empty name.
//  - "name=value" is a key (the first "=" splits). A line without "=" is a key
//    with no value. Two keys with an empty name in a row count as one.
//  - A comment line (";...") is such a key too; no query names it.
//  - Names and values end at a NUL byte. A UTF-8 byte-order mark is skipped.
//
// Section and key names match without regard to ASCII case and to blanks
// around the name asked for. Only the first section of a name counts, and in
// it only the first key of a name; so a later section with an empty name
// ("[]") is never found. A text in UTF-16 is not understood.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tidewick {

// The longest value a read gives: a 255-byte buffer less its NUL.
constexpr std::size_t kIniValueMax = 254;

// The value of key in section. A value enclosed in a matching pair of single
// or double quotes loses them. When the section or the key is missing, or the
// key has no "=", defaultText stands in, its trailing spaces dropped and its
// quotes removed the same way. The result is cut to kIniValueMax bytes.
//   IniGetString("[Settings]\r\nLeftMargin = 5 \r\n", "settings", "LEFTMARGIN", "0") == "5"
//   IniGetString("[Settings]\r\nLeftMargin=\r\n", "Settings", "LeftMargin", "72") == ""
//   IniGetString("[Settings]\r\nHI=\"1\"\r\n", "Settings", "HI", "0") == "1"
//   IniGetString("", "Settings", "HI", "0") == "0"
std::string IniGetString(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view defaultText);

// Whether a write of these can be stored so that it reads back: no CR, LF or
// NUL anywhere; section and key not blank; no "=" in key and no "[" opening it.
//   IniWriteAccepted("Settings", "HI", "1") == true
//   IniWriteAccepted("Settings", "HI", "1\r\nLeftMargin=9") == false
bool IniWriteAccepted(std::string_view section, std::string_view key, std::string_view value);

// The text with key in section set to value, laid out as the profile
// functions leave a file they change; std::nullopt when the text already
// holds that value, so that the file is left as it is. The whole text comes
// out rewritten: each section as "[name]" and each key as "name=value" or
// "name", every line ending in CR LF, blank lines and the blanks around names
// and values dropped. An existing key keeps its place and its spelling; a new
// key goes at the end of the first section of that name, a new section at the
// end of the text. Blanks before value, section and key are dropped.
// Requires IniWriteAccepted(section, key, value).
//   IniSetString("", "Settings", "HI", "1") == "[Settings]\r\nHI=1\r\n"
//   IniSetString("[settings]\nhi = 0\n", "Settings", "HI", "1") == "[settings]\r\nhi=1\r\n"
//   IniSetString("[Settings]\nHI = 1\n", "Settings", "HI", "1") == std::nullopt
std::optional<std::string> IniSetString(std::string_view text, std::string_view section,
                                        std::string_view key, std::string_view value);

// IniGetString over the file at path. A missing or unreadable file, or one in
// UTF-16, reads as an empty text.
std::string IniReadString(std::string_view section, std::string_view key,
                          std::string_view defaultText, const std::string& path);

// IniSetString on the file at path, creating the file when it is missing.
// true when the file holds the value afterwards. false, with the file as it
// was, when the write is not accepted, the file cannot be read, is in UTF-16
// or cannot be written in place, or the new content cannot be stored: it goes
// to a new file beside the old one, which replaces the old one only when
// complete.
bool IniWriteString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& path);

}  // namespace tidewick
