// Files and directories for tests that go through the file system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tidewick::test {

// A new empty directory under the system's temporary directory, removed
// with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The full name of a file in this directory, in the platform's form.
    std::string File(std::string_view name) const;

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::string& fileName, std::string_view bytes);
std::string ReadBytes(const std::string& fileName);
bool Exists(const std::string& fileName);

// bytes with control and high bytes spelled out: "a\r\n\x95".
std::string Visible(std::string_view bytes);

}  // namespace tidewick::test
