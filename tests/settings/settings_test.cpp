// The settings contract: path, conversion, and integer reads and writes
// through a real file (the profile functions on Windows, our INI code
// elsewhere).
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

#include "tests/support/test_files.h"

namespace tidewick {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempDir;
using test::Visible;
using test::WriteBytes;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// ---------------------------------------------------------------------------
// SettingTextToInt

struct ConversionCase {
    const char* why;
    std::string text;
    std::int32_t value;
};

const ConversionCase kConversionCases[] = {
    {"12 preceded by a blank", " 12", 12},
    {"minus sign", "-3", -3},
    {"plus sign", "+7", 7},
    {"digits then letters", "12abc", 12},
    {"letters only", "abc", 0},
    {"empty text", "", 0},
    {"2^32 + 1 wraps to 1", "4294967297", 1},
    {"minus alone", "-", 0},
    {"plus alone", "+", 0},
    {"blank between sign and digits", "- 5", 0},
    {"two signs", "+-5", 0},
    {"every C white space before the number", " \t\n\v\f\r42", 42},
    {"^Z is no C white space", "\x1A" "5", 0},
    {"a non-breaking space is no C white space", "\xA0" "5", 0},
    {"blank after the digits ends them", "12 34", 12},
    {"decimal point ends the digits", "3.9", 3},
    {"no hexadecimal", "0x10", 0},
    {"largest int", "2147483647", kMax},
    {"smallest int", "-2147483648", kMin},
    {"largest int + 1 wraps to the smallest", "2147483648", kMin},
    {"2^32 - 1 is -1", "4294967295", -1},
    {"minus (2^32 - 1) is 1", "-4294967295", 1},
    {"300 leading zeros", std::string(300, '0') + "7", 7},
    {"1 and 100 zeros is a multiple of 2^32", "1" + std::string(100, '0'), 0},
    {"minus 1 and 100 zeros", "-1" + std::string(100, '0'), 0},
    {"20 nines: 10^20 - 1 modulo 2^32", "99999999999999999999", 1661992959},
};

TEST(SettingTextToInt, ConvertsAsCsAtoiWithWraparound) {
    for (const ConversionCase& c : kConversionCases) {
        EXPECT_EQ(SettingTextToInt(c.text), c.value) << c.why << ": text \"" << Visible(c.text) << "\"";
    }
}

// ---------------------------------------------------------------------------
// SettingsFile

struct PathCase {
    const char* why;
    std::string_view configDir;
    std::string_view onWindows;
    std::string_view elsewhere;
};

const PathCase kPathCases[] = {
    {"plain directory", "C:\\Mail", "C:\\Mail\\tidewick.ini", "C:\\Mail/tidewick.ini"},
    {"a trailing backslash stays, nothing is removed", "C:\\Mail\\", "C:\\Mail\\\\tidewick.ini",
     "C:\\Mail\\/tidewick.ini"},
    {"a trailing slash stays", "/home/a/", "/home/a/\\tidewick.ini", "/home/a//tidewick.ini"},
    {"empty before the host names a directory", "", "\\tidewick.ini", "/tidewick.ini"},
    {"blanks are kept", " dir ", " dir \\tidewick.ini", " dir /tidewick.ini"},
    {"high bytes are kept", "C:\\Caf\xE9", "C:\\Caf\xE9\\tidewick.ini", "C:\\Caf\xE9/tidewick.ini"},
};

TEST(SettingsFile, JoinsDirectorySeparatorAndName) {
    for (const PathCase& c : kPathCases) {
        const std::string_view expected = kWindows ? c.onWindows : c.elsewhere;
        EXPECT_EQ(Visible(SettingsFile(c.configDir)), Visible(expected)) << c.why;
    }
}

// ---------------------------------------------------------------------------
// ReadIntSetting and WriteIntSetting through files

// Each file gets a name of its own: the profile functions may keep a file
// they have seen, and a rewrite within the same clock tick can look unchanged.
class SettingsFileTest : public ::testing::Test {
protected:
    std::string NewFile() { return dir_.File("case" + std::to_string(++files_) + ".ini"); }
    std::string FileWith(std::string_view bytes) {
        std::string path = NewFile();
        WriteBytes(path, bytes);
        return path;
    }

    TempDir dir_;
    int files_ = 0;
};

TEST_F(SettingsFileTest, NoFileGivesEachCallersDefault) {
    const std::string path = NewFile();
    for (const std::int32_t def : {0, 78, 72, -1, kMin, kMax}) {
        EXPECT_EQ(ReadIntSetting(kSettingsSection, "RightMargin", def, path), def) << "default " << def;
    }
    EXPECT_FALSE(Exists(path)) << "reading creates nothing";
}

struct StoredCase {
    const char* why;
    std::string file;
    std::int32_t def;
    std::int32_t value;
};

std::string SettingsWith(std::string_view lines) { return "[Settings]\r\n" + std::string(lines); }

const StoredCase kStoredCases[] = {
    {"12 preceded by a blank", SettingsWith("LeftMargin= 12\r\n"), 0, 12},
    {"negative", SettingsWith("LeftMargin=-3\r\n"), 0, -3},
    {"plus sign", SettingsWith("LeftMargin=+7\r\n"), 0, 7},
    {"digits then letters", SettingsWith("LeftMargin=12abc\r\n"), 5, 12},
    {"letters", SettingsWith("LeftMargin=abc\r\n"), 5, 0},
    {"2^32 + 1", SettingsWith("LeftMargin=4294967297\r\n"), 0, 1},
    {"empty value is 0, not the default", SettingsWith("LeftMargin=\r\n"), 72, 0},
    {"empty value with blanks is 0", SettingsWith("LeftMargin =  \r\n"), 72, 0},
    {"key without = gives the default", SettingsWith("LeftMargin\r\n"), 72, 72},
    {"missing key gives the default", SettingsWith("RightMargin=10\r\n"), 72, 72},
    {"missing section gives the default", "[Other]\r\nLeftMargin=10\r\n", 72, 72},
    {"key before any section is not in the section", "LeftMargin=10\r\n[Settings]\r\n", 72, 72},
    {"names in other case", "[SETTINGS]\r\nleftmargin=9\r\n", 0, 9},
    {"blanks around name and value", "  [ Settings ]  \r\n\t LeftMargin \t=\t 9 \t\r\n", 0, 9},
    {"comment line names no key", SettingsWith(";LeftMargin=9\r\n"), 4, 4},
    {"quoted value", SettingsWith("LeftMargin=\"9\"\r\n"), 0, 9},
    {"first of two equal keys", SettingsWith("LeftMargin=1\r\nLeftMargin=2\r\n"), 0, 1},
    {"LF line ends", "[Settings]\nLeftMargin=8\n", 0, 8},
    {"no newline at the end", "[Settings]\r\nLeftMargin=8", 0, 8},
    {"largest int", SettingsWith("LeftMargin=2147483647\r\n"), 0, kMax},
    {"smallest int", SettingsWith("LeftMargin=-2147483648\r\n"), 0, kMin},
    // A 255-byte value: only 254 bytes reach the conversion, which then sees
    // 253 zeros and "1".
    {"254 bytes taken: 252 zeros and 12", SettingsWith("LeftMargin=" + std::string(252, '0') + "12\r\n"), 0, 12},
    {"254 bytes taken: 253 zeros and 12", SettingsWith("LeftMargin=" + std::string(253, '0') + "12\r\n"), 0, 1},
};

TEST_F(SettingsFileTest, StoredValuesRead) {
    for (const StoredCase& c : kStoredCases) {
        const std::string path = FileWith(c.file);
        EXPECT_EQ(ReadIntSetting(kSettingsSection, "LeftMargin", c.def, path), c.value)
            << c.why << ": file \"" << Visible(c.file) << "\"";
        EXPECT_EQ(Visible(ReadBytes(path)), Visible(c.file)) << c.why << ": reading changes nothing";
    }
}

TEST_F(SettingsFileTest, WrittenValuesReadBack) {
    for (const std::int32_t value : {0, 1, -5, 300, kMin, kMax}) {
        const std::string path = NewFile();
        WriteIntSetting(kSettingsSection, "Spaces1Tab", value, path);
        EXPECT_EQ(ReadIntSetting(kSettingsSection, "Spaces1Tab", 42, path), value);
        EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Settings]\r\nSpaces1Tab=" + std::to_string(value) + "\r\n"));
    }
}

TEST_F(SettingsFileTest, NegativeIsWrittenWithItsMinusSign) {
    const std::string path = NewFile();
    WriteIntSetting(kSettingsSection, "RightMargin", -5, path);
    EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Settings]\r\nRightMargin=-5\r\n"));
}

TEST_F(SettingsFileTest, OptionsSaveOrderLaysOutTheNewFile) {
    const std::string path = NewFile();
    WriteIntSetting(kSettingsSection, "AlignType", 2, path);
    WriteIntSetting(kSettingsSection, "HI", 1, path);
    WriteIntSetting(kSettingsSection, "RightMargin", 72, path);
    WriteIntSetting(kSettingsSection, "LeftMargin", 0, path);
    WriteIntSetting(kSettingsSection, "HangingIndent", 4, path);
    EXPECT_EQ(Visible(ReadBytes(path)),
              Visible("[Settings]\r\nAlignType=2\r\nHI=1\r\nRightMargin=72\r\nLeftMargin=0\r\nHangingIndent=4\r\n"));
}

TEST_F(SettingsFileTest, WriteReplacesTheValueAndKeepsTheRest) {
    const std::string path = FileWith("[Other]\r\nA=1\r\n[Settings]\r\nLeftMargin=1\r\nRightMargin=2\r\n");
    WriteIntSetting(kSettingsSection, "LeftMargin", 7, path);
    EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Other]\r\nA=1\r\n[Settings]\r\nLeftMargin=7\r\nRightMargin=2\r\n"));
    EXPECT_EQ(ReadIntSetting(kSettingsSection, "LeftMargin", 0, path), 7);
    EXPECT_EQ(ReadIntSetting(kSettingsSection, "RightMargin", 0, path), 2);
}

TEST_F(SettingsFileTest, WriteAddsTheSectionAfterOthers) {
    const std::string path = FileWith("[Other]\r\nA=1\r\n");
    WriteIntSetting(kSettingsSection, "NumberLinesLast", 3, path);
    EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Other]\r\nA=1\r\n[Settings]\r\nNumberLinesLast=3\r\n"));
}

TEST_F(SettingsFileTest, EachPromptSeesTheLastSavedNumber) {
    const std::string path = NewFile();
    WriteIntSetting(kSettingsSection, "Spaces1Tab", 8, path);
    EXPECT_EQ(ReadIntSetting(kSettingsSection, "Spaces1Tab", 0, path), 8);
    WriteIntSetting(kSettingsSection, "Spaces1Tab", 3, path);
    EXPECT_EQ(ReadIntSetting(kSettingsSection, "Spaces1Tab", 0, path), 3);
}

TEST_F(SettingsFileTest, WriteIntoAMissingDirectoryChangesNothing) {
    const std::filesystem::path missing = dir_.Path() / "no such directory";
    const std::string path = (missing / kSettingsFileName).string();
    WriteIntSetting(kSettingsSection, "LeftMargin", 5, path);
    EXPECT_FALSE(Exists(missing.string()));
    EXPECT_EQ(ReadIntSetting(kSettingsSection, "LeftMargin", 11, path), 11);
}

TEST_F(SettingsFileTest, WriteOntoADirectoryChangesNothing) {
    const std::filesystem::path directory = dir_.Path() / "tidewick.ini";
    std::filesystem::create_directory(directory);
    WriteIntSetting(kSettingsSection, "LeftMargin", 5, directory.string());
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    EXPECT_TRUE(std::filesystem::is_empty(directory));
    EXPECT_EQ(ReadIntSetting(kSettingsSection, "LeftMargin", 11, directory.string()), 11);
}

}  // namespace
}  // namespace tidewick
