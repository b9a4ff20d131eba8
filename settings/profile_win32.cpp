// The Windows profile functions. GetPrivateProfileIntA is not used: its
// conversion differs from SettingTextToInt (it gives the default for an
// empty value, for one).
#include <windows.h>

#include "settings/profile.h"

namespace tidewick {

std::string ReadProfileValue(std::string_view section, std::string_view key,
                              std::string_view defaultText, const std::string& path) {
    char buffer[255];
    const DWORD length = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                                  std::string(defaultText).c_str(), buffer,
                                                  sizeof buffer, path.c_str());
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}

bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), path.c_str()) != FALSE;
}

}  // namespace tidewick
