#include "settings/settings.h"

#include <limits>

#include "settings/profile.h"

namespace tidewick {

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The two's-complement reading of bits, without relying on the
// implementation-defined unsigned-to-signed conversion.
std::int32_t FromTwosComplement(std::uint32_t bits) {
    constexpr auto kMax = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
    if (bits <= kMax) return static_cast<std::int32_t>(bits);
    return -static_cast<std::int32_t>(~bits) - 1;
}

}  // namespace

std::string SettingsFile(std::string_view configDir) {
    std::string path(configDir);
    path += kPathSeparator;
    path += kSettingsFileName;
    return path;
}

std::int32_t SettingTextToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;  // unsigned: wraps modulo 2^32, as the stored files expect
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative) value = 0u - value;
    return FromTwosComplement(value);
}

std::int32_t ReadIntSetting(std::string_view section, std::string_view key, std::int32_t def,
                            const std::string& path) {
    return SettingTextToInt(ReadProfileValue(section, key, std::to_string(def), path));
}

void WriteIntSetting(std::string_view section, std::string_view key, std::int32_t value,
                     const std::string& path) {
    // A failed store changes nothing, and the next read says so by itself.
    static_cast<void>(WriteProfileValue(section, key, std::to_string(value), path));
}

}  // namespace tidewick
