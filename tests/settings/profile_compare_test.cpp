// Our INI code held against the platform's profile functions: the same files
// read both ways, and the same writes made both ways into copies of the same
// file, compared byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"
#include "tests/support/test_files.h"

namespace tidewick {
namespace {

using namespace std::string_literals;
using test::Exists;
using test::ReadBytes;
using test::TempDir;
using test::Visible;
using test::WriteBytes;

struct FileCase {
    const char* why;
    std::string bytes;
};

const FileCase kFiles[] = {
    {"empty file", ""},
    {"blank lines only", " \r\n\t\r\n\r\n"},
    {"tidy file", "[Settings]\r\nLeftMargin=5\r\nRightMargin=70\r\nHI=1\r\n"},
    {"keys in other case", "[Settings]\r\nLEFTMARGIN=5\r\nrightmargin=70\r\nhi=1\r\n"},
    {"section name in other case", "[sETTINGS]\r\nLeftMargin=5\r\n"},
    {"blanks around = and values", "[Settings]\r\n  LeftMargin  =  5  \r\n\tRightMargin\t=\t70\t\r\nHI= 1\r\n"},
    {"blanks inside the brackets", "  [ Settings\t]  \r\nLeftMargin=5\r\n"},
    {"comment lines", "; settings\r\n[Settings]\r\n; LeftMargin=9\r\nLeftMargin=5\r\n;note = kept\r\n"},
    {"missing section", "[Other]\r\nx=1\r\n"},
    {"empty values", "[Settings]\r\nLeftMargin=\r\nRightMargin =  \r\nHI\r\n"},
    {"value over 254 bytes", "[Settings]\r\nLeftMargin=" + std::string(253, '0') + "12\r\nRightMargin=" +
                                 std::string(400, '7') + "\r\n"},
    {"quoted values", "[Settings]\r\nLeftMargin=\"5\"\r\nRightMargin='70'\r\nHI=\"1\r\nAlignType=\"\"\r\n"},
    {"quoted values near 254 bytes", "[Settings]\r\nLeftMargin=\"" + std::string(253, '1') + "\"\r\nRightMargin=\"" +
                                         std::string(254, '2') + "\"\r\nHI=\"" + std::string(255, '3') + "\"\r\n"},
    {"duplicate keys", "[Settings]\r\nLeftMargin=1\r\nleftmargin=2\r\nLeftMargin=3\r\n"},
    {"duplicate sections", "[Settings]\r\nLeftMargin=1\r\n[Other]\r\nx=1\r\n[settings]\r\nRightMargin=2\r\n"},
    {"key before any section", "LeftMargin=9\r\nx=1\r\n[Settings]\r\nRightMargin=2\r\n"},
    {"only keys, no section", "LeftMargin=9\r\n"},
    {"LF line ends", "[Settings]\nLeftMargin=5\n\n[Other]\nx=1\n"},
    {"CR line ends", "[Settings]\rLeftMargin=5\r[Other]\rx=1\r"},
    {"CR CR LF line ends", "[Settings]\r\r\nLeftMargin=5\r\r\n"},
    {"mixed line ends", "[Other]\r\nx=1\n[Settings]\rLeftMargin=5\r\nHI=1"},
    {"no newline at the end", "[Settings]\r\nLeftMargin=5"},
    {"header alone without newline", "[Settings]"},
    {"header without ]", "[Settings\r\nLeftMargin=5\r\n"},
    {"text after ]", "[Settings] ; main\r\nLeftMargin=5\r\n[Sett]ings]\r\nx=1\r\n"},
    {"empty section names", "[]\r\nLeftMargin=4\r\n[  ]\r\nx=1\r\n[Settings]\r\nRightMargin=4\r\n"},
    {"keys with empty names", "=a\r\n=b\r\n[Settings]\r\n=c\r\n = d\r\nLeftMargin=5\r\n=e\r\n"},
    {"value holding =", "[Settings]\r\nLeftMargin=1=2\r\nx==\r\n"},
    {"blanks inside names", "[Settings]\r\nLeft Margin=5\r\n"},
    {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Settings]\r\nLeftMargin=5\r\n"},
    {"byte-order mark alone", "\xEF\xBB\xBF"},
    {"^Z, VT and FF as blanks", "[Settings]\x1A\r\nLeftMargin=\v5\f\x1A\r\n\x1A"},
    {"non-breaking space is no blank", "[Settings]\r\nLeftMargin=\xA0" "5\xA0\r\n"},
    {"high bytes in another key", "[Other]\r\nv=\x80\x81\x8D\x8F\x90\x9D\xA0\xE9\xFF\r\n[Settings]\r\nLeftMargin=\xE9\r\n"},
    {"control bytes in a value", "[Settings]\r\nLeftMargin=\x01\x02x\r\n"},
    {"NUL bytes", "[Settings]\r\nLeftMargin=1\0" "2\r\nRight\0Margin=3\r\nHI=4\r\n[Set\0tings]\r\nk=1\r\n"s},
};

struct Query {
    std::string_view section, key, def;
};

const Query kQueries[] = {
    {"Settings", "LeftMargin", "0"},
    {"Settings", "RightMargin", "78"},
    {"Settings", "HI", "0"},
    {"Settings", "AlignType", "1"},
    {"settings", "LEFTMARGIN", "D"},
    {" Settings\t", "\tLeftMargin ", "D"},
    {"Setting", "LeftMargin", "D"},
    {"Settings", "Left Margin", "D"},
    {"Settings", "", "D"},
    {"", "LeftMargin", "D"},
    {"Other", "x", "D"},
    {"Other", "v", "D"},
    {"Sett]ings", "x", "D"},
    {"Set", "k", "D"},
    {"Settings", ";note", "D"},
    {"Settings", "HangingIndent", "'q'  "},
};

std::string PlatformRead(const Query& q, const std::string& path) {
    char buffer[255];
    const DWORD n = GetPrivateProfileStringA(std::string(q.section).c_str(), std::string(q.key).c_str(),
                                             std::string(q.def).c_str(), buffer, sizeof buffer, path.c_str());
    return std::string(buffer, n);
}

struct Write {
    std::string_view section, key, value;
};

struct WriteSequence {
    const char* why;
    std::vector<Write> writes;
};

const WriteSequence kSequences[] = {
    {"driver keys",
     {{"Settings", "LeftMargin", "5"},
      {"Settings", "RightMargin", "-7"},
      {"Settings", "LeftMargin", "5"},
      {"SETTINGS", "hi", "1"}}},
    {"options dialog save",
     {{"Settings", "AlignType", "2"},
      {"Settings", "HI", "0"},
      {"Settings", "RightMargin", "72"},
      {"Settings", "LeftMargin", "0"},
      {"Settings", "HangingIndent", "0"}}},
    {"other sections, blanks and quotes",
     {{" Other\t", "  x", "  9  "},
      {"Other", "x", "9"},
      {"New", "k", ""},
      {"Settings", "LeftMargin", "\"3\""},
      {"Settings", "LeftMargin", "3"},
      {"Settings", ";note", "x"}}},
};

// Every file has a name of its own: the profile functions keep files they
// have seen.
class ProfileCompareTest : public ::testing::Test {
protected:
    std::string NewFile(const char* side) {
        return dir_.File(std::string(side) + std::to_string(++files_) + ".ini");
    }

    TempDir dir_;
    int files_ = 0;
};

TEST_F(ProfileCompareTest, ReadsAgree) {
    int compared = 0;
    for (const FileCase& f : kFiles) {
        const std::string path = NewFile("read");
        WriteBytes(path, f.bytes);
        for (const Query& q : kQueries) {
            EXPECT_EQ(Visible(IniReadString(q.section, q.key, q.def, path)), Visible(PlatformRead(q, path)))
                << f.why << ": [" << Visible(q.section) << "] \"" << Visible(q.key) << "\" default \""
                << Visible(q.def) << "\" in \"" << Visible(f.bytes) << "\" (got ours, expected the platform's)";
            ++compared;
        }
    }
    const std::string missing = NewFile("none");
    for (const Query& q : kQueries) {
        EXPECT_EQ(Visible(IniReadString(q.section, q.key, q.def, missing)), Visible(PlatformRead(q, missing)))
            << "no file: [" << Visible(q.section) << "] \"" << Visible(q.key) << "\"";
        ++compared;
    }
    std::cout << "compared " << compared << " reads\n";
}

TEST_F(ProfileCompareTest, WritesAgree) {
    int compared = 0;
    std::vector<const FileCase*> starts{nullptr};  // null: no file yet
    for (const FileCase& f : kFiles) starts.push_back(&f);
    for (const FileCase* start : starts) {
        const char* fileWhy = start ? start->why : "no file";
        for (const WriteSequence& sequence : kSequences) {
            const std::string platform = NewFile("platform");
            const std::string ours = NewFile("ours");
            if (start) {
                WriteBytes(platform, start->bytes);
                WriteBytes(ours, start->bytes);
            }
            int step = 0;
            for (const Write& w : sequence.writes) {
                ++step;
                const bool platformOk = WritePrivateProfileStringA(std::string(w.section).c_str(),
                                                                   std::string(w.key).c_str(),
                                                                   std::string(w.value).c_str(), platform.c_str()) != FALSE;
                const bool oursOk = IniWriteString(w.section, w.key, w.value, ours);
                const std::string where = std::string(fileWhy) + ", " + sequence.why + ", step " + std::to_string(step) +
                                          ": [" + Visible(w.section) + "] \"" + Visible(w.key) + "\" = \"" +
                                          Visible(w.value) + "\"";
                EXPECT_EQ(oursOk, platformOk) << where;
                ASSERT_TRUE(Exists(platform)) << where;
                EXPECT_EQ(Visible(ReadBytes(ours)), Visible(ReadBytes(platform))) << where << " (got ours, expected the platform's)";
                ++compared;
            }
        }
    }
    std::cout << "compared " << compared << " writes\n";
}

TEST_F(ProfileCompareTest, WriteIntoAMissingDirectoryFailsBothWays) {
    const std::string platform = (dir_.Path() / "missing1" / "tidewick.ini").string();
    const std::string ours = (dir_.Path() / "missing2" / "tidewick.ini").string();
    EXPECT_FALSE(WritePrivateProfileStringA("Settings", "LeftMargin", "5", platform.c_str()));
    EXPECT_FALSE(IniWriteString("Settings", "LeftMargin", "5", ours));
    EXPECT_FALSE(Exists((dir_.Path() / "missing1").string()));
    EXPECT_FALSE(Exists((dir_.Path() / "missing2").string()));
}

}  // namespace
}  // namespace tidewick
