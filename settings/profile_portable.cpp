// Our own INI reader and writer, which behaves as the Windows profile
// functions do for what the settings need.
#include "settings/profile.h"

#include "settings/ini_file.h"

namespace tidewick {

std::string ReadProfileValue(std::string_view section, std::string_view key,
                              std::string_view defaultText, const std::string& path) {
    return IniReadString(section, key, defaultText, path);
}

bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    return IniWriteString(section, key, value, path);
}

}  // namespace tidewick
