#include "tests/support/test_files.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tidewick::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        path_ = fs::temp_directory_path() /
                ("tidewick-test-" + std::to_string(stamp) + "-" + std::to_string(++serial));
        if (fs::create_directory(path_)) return;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::File(std::string_view name) const { return (path_ / std::string(name)).string(); }

void WriteBytes(const std::string& fileName, std::string_view bytes) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + fileName);
}

std::string ReadBytes(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + fileName);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& fileName) {
    std::error_code ec;
    return fs::exists(fileName, ec);
}

std::string Visible(std::string_view bytes) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        switch (b) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\\': out += "\\\\"; break;
            default:
                if (b < 0x20 || b >= 0x7F) {
                    out += "\\x";
                    out += hex[b >> 4];
                    out += hex[b & 15];
                } else {
                    out += static_cast<char>(b);
                }
        }
    }
    return out;
}

}  // namespace tidewick::test
