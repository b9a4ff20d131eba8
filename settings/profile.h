// Reading and writing one value of a profile (INI) file: the platform's
// profile functions on Windows, our own INI code elsewhere. Each call opens
// and closes the file.
#pragma once

#include <string>
#include <string_view>

namespace tidewick {

// The value of key in section of the file at path, as the profile functions
// read it into a 255-byte buffer: at most 254 bytes. defaultText (likewise
// cut) when the file, the section or the key is missing; the empty text for
// a key whose value is empty. Names match without regard to case.
std::string ReadProfileValue(std::string_view section, std::string_view key,
                              std::string_view defaultText, const std::string& path);

// Sets key in section of the file at path to value, adding the key, the
// section and the file as needed. false when the file could not be written;
// then it keeps what it held.
bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path);

}  // namespace tidewick
