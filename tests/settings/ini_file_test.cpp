// The portable INI reader and writer: the text core by tables, the file
// adapters through a temporary directory.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/test_files.h"

namespace tidewick {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using namespace std::string_view_literals;
using test::ReadBytes;
using test::TempDir;
using test::Visible;
using test::WriteBytes;

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

// ---------------------------------------------------------------------------
// IniGetString

struct GetCase {
    const char* why;
    std::string text;
    std::string_view section, key, def;
    std::string value;
};

const GetCase kGetCases[] = {
    // Found and missing.
    {"plain key", "[Settings]\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "0", "5"},
    {"empty text", "", "Settings", "LeftMargin", "0", "0"},
    {"missing section", "[Other]\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "D", "D"},
    {"missing key", "[Settings]\r\nRightMargin=5\r\n", "Settings", "LeftMargin", "D", "D"},
    {"empty value is empty, not the default", "[Settings]\r\nLeftMargin=\r\n", "Settings", "LeftMargin", "D", ""},
    {"line without = gives the default", "[Settings]\r\nLeftMargin\r\n", "Settings", "LeftMargin", "D", "D"},
    {"value holding =", "[Settings]\r\nLeftMargin=1=2\r\n", "Settings", "LeftMargin", "D", "1=2"},

    // Names.
    {"section and key in other case", "[sETTINGS]\r\nleftMARGIN=5\r\n", "Settings", "LeftMargin", "D", "5"},
    {"query in other case", "[Settings]\r\nLeftMargin=5\r\n", "SETTINGS", "leftmargin", "D", "5"},
    {"blanks around the query", "[Settings]\r\nLeftMargin=5\r\n", " \tSettings ", " LeftMargin\t", "D", "5"},
    {"blanks inside a name count", "[Settings]\r\nLeft  Margin=5\r\n", "Settings", "Left Margin", "D", "D"},
    {"prefix of a section name", "[Settings]\r\nLeftMargin=5\r\n", "Setting", "LeftMargin", "D", "D"},
    {"prefix of a key name", "[Settings]\r\nLeftMargin=5\r\n", "Settings", "Left", "D", "D"},
    {"key before any section", "LeftMargin=5\r\n[Settings]\r\n", "Settings", "LeftMargin", "D", "D"},
    {"no section name finds the keys at the top", "LeftMargin=5\r\n[S]\r\n", "", "LeftMargin", "D", "5"},
    {"no section name finds only the top, not []", "[]\r\nLeftMargin=5\r\n", "", "LeftMargin", "D", "D"},
    {"first of two equal keys", "[Settings]\r\nLeftMargin=1\r\nleftmargin=2\r\n", "Settings", "LeftMargin", "D", "1"},
    {"only the first of two equal sections", "[Settings]\r\nA=1\r\n[Settings]\r\nLeftMargin=2\r\n", "Settings",
     "LeftMargin", "D", "D"},
    {"comment line names no key", "[Settings]\r\n;LeftMargin=5\r\n", "Settings", "LeftMargin", "D", "D"},
    {"# starts no comment, but names another key", "[Settings]\r\n#LeftMargin=5\r\n", "Settings", "LeftMargin",
     "D", "D"},
    {"blank key query finds a key with no name", "[Settings]\r\n=5\r\n", "Settings", "", "D", "5"},

    // Section headers.
    {"blanks inside the brackets", "[ \tSettings\x1A ]\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "D", "5"},
    {"text after the last ]", "[Settings] ; note\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "D", "5"},
    {"the name runs to the last ]", "[Settings]x]\r\nLeftMargin=5\r\n", "Settings]x", "LeftMargin", "D", "5"},
    {"[ without ] is a key", "[Settings\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "D", "D"},
    {"indented header", "   [Settings]\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "D", "5"},

    // Blanks and line ends.
    {"blanks around = and value", "[Settings]\r\n  LeftMargin \t=\t 5 \t\r\n", "Settings", "LeftMargin", "D", "5"},
    {"VT, FF and ^Z are blanks", "[Settings]\r\nLeftMargin=\v\f\x1A" "5\x1A\v\f\r\n", "Settings", "LeftMargin", "D",
     "5"},
    {"a non-breaking space is no blank", "[Settings]\r\nLeftMargin=5\xA0\r\n", "Settings", "LeftMargin", "D",
     "5\xA0"},
    {"blanks inside a value stay", "[Settings]\r\nLeftMargin=1 2\r\n", "Settings", "LeftMargin", "D", "1 2"},
    {"LF line ends", "[Settings]\nA=1\nLeftMargin=5\n", "Settings", "LeftMargin", "D", "5"},
    {"CR line ends", "[Settings]\rA=1\rLeftMargin=5\r", "Settings", "LeftMargin", "D", "5"},
    {"no newline at the end", "[Settings]\r\nLeftMargin=5", "Settings", "LeftMargin", "D", "5"},
    {"blank lines", "\r\n\r\n[Settings]\r\n\r\n  \r\nLeftMargin=5\r\n\r\n", "Settings", "LeftMargin", "D", "5"},
    {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Settings]\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "D", "5"},
    {"high bytes are kept", "[Settings]\r\nName=caf\xE9\x81\xFF\r\n", "Settings", "Name", "D", "caf\xE9\x81\xFF"},

    // NUL bytes end names and values.
    {"NUL in a value", "[Settings]\r\nLeftMargin=1\0" "2\r\n"s, "Settings", "LeftMargin", "D", "1"},
    {"NUL in a section name", "[Set\0tings]\r\nA=5\r\n"s, "Set", "A", "D", "5"},

    // Quotes.
    {"double quotes", "[S]\r\nk=\"5\"\r\n", "S", "k", "D", "5"},
    {"single quotes", "[S]\r\nk='5'\r\n", "S", "k", "D", "5"},
    {"blanks inside quotes stay", "[S]\r\nk=\"  5  \"\r\n", "S", "k", "D", "  5  "},
    {"empty quotes", "[S]\r\nk=\"\"\r\n", "S", "k", "D", ""},
    {"a lone quote stays", "[S]\r\nk=\"\r\n", "S", "k", "D", "\""},
    {"unmatched quotes stay", "[S]\r\nk=\"5'\r\n", "S", "k", "D", "\"5'"},
    {"opening quote only stays", "[S]\r\nk=\"5\r\n", "S", "k", "D", "\"5"},

    // The 255-byte buffer.
    {"254 bytes fit", "[S]\r\nk=" + Repeat('1', 254) + "\r\n", "S", "k", "D", Repeat('1', 254)},
    {"255 bytes lose the last", "[S]\r\nk=" + Repeat('1', 254) + "9\r\n", "S", "k", "D", Repeat('1', 254)},
    {"300 bytes give 254", "[S]\r\nk=" + Repeat('2', 300) + "\r\n", "S", "k", "D", Repeat('2', 254)},
    {"quoted, 253 inside", "[S]\r\nk=\"" + Repeat('3', 253) + "\"\r\n", "S", "k", "D", Repeat('3', 253)},
    {"quoted, 254 inside: the cut quote costs a byte", "[S]\r\nk=\"" + Repeat('4', 254) + "\"\r\n", "S", "k", "D",
     Repeat('4', 253)},
    {"quoted, 255 inside", "[S]\r\nk=\"" + Repeat('5', 255) + "\"\r\n", "S", "k", "D", Repeat('5', 254)},

    // The default text.
    {"default loses trailing spaces", "", "S", "k", "5  ", "5"},
    {"default keeps other trailing blanks", "", "S", "k", " 5\t", " 5\t"},
    {"default loses its quotes", "", "S", "k", "'5' ", "5"},
};

TEST(IniGetString, ReadsAsTheProfileFunctions) {
    for (const GetCase& c : kGetCases) {
        EXPECT_EQ(Visible(IniGetString(c.text, c.section, c.key, c.def)), Visible(c.value))
            << c.why << ": text \"" << Visible(c.text) << "\" [" << c.section << "] " << c.key;
    }
}

TEST(IniGetString, LongDefaultIsCutTo254Bytes) {
    const std::string def = Repeat('7', 300);
    EXPECT_EQ(IniGetString("", "S", "k", def), Repeat('7', kIniValueMax));
}

// ---------------------------------------------------------------------------
// IniSetString

struct SetCase {
    const char* why;
    std::string text;
    std::string_view section, key, value;
    std::optional<std::string> result;  // none: the text already holds the value
};

const SetCase kSetCases[] = {
    // New file, new section, new key.
    {"empty text", "", "Settings", "LeftMargin", "5", "[Settings]\r\nLeftMargin=5\r\n"},
    {"blank text", " \r\n\t\r\n", "Settings", "LeftMargin", "5", "[Settings]\r\nLeftMargin=5\r\n"},
    {"new section after the others", "[Other]\r\na=1\r\n", "Settings", "LeftMargin", "5",
     "[Other]\r\na=1\r\n[Settings]\r\nLeftMargin=5\r\n"},
    {"new key at the end of its section", "[Settings]\r\nA=1\r\n[Other]\r\nb=2\r\n", "Settings", "LeftMargin", "5",
     "[Settings]\r\nA=1\r\nLeftMargin=5\r\n[Other]\r\nb=2\r\n"},
    {"new key in the first of two equal sections", "[Settings]\r\nA=1\r\n[Settings]\r\nLeftMargin=2\r\n",
     "Settings", "LeftMargin", "5", "[Settings]\r\nA=1\r\nLeftMargin=5\r\n[Settings]\r\nLeftMargin=2\r\n"},
    {"new key in a section with no keys at the end", "[Settings]", "Settings", "LeftMargin", "5",
     "[Settings]\r\nLeftMargin=5\r\n"},

    // Replacing.
    {"replaces the value", "[Settings]\r\nLeftMargin=1\r\n", "Settings", "LeftMargin", "-5",
     "[Settings]\r\nLeftMargin=-5\r\n"},
    {"keeps the spelling of the names", "[SETTINGS]\r\nleftmargin=1\r\n", "Settings", "LeftMargin", "5",
     "[SETTINGS]\r\nleftmargin=5\r\n"},
    {"replaces the first of two equal keys", "[Settings]\r\nLeftMargin=1\r\nLeftMargin=2\r\n", "Settings",
     "LeftMargin", "5", "[Settings]\r\nLeftMargin=5\r\nLeftMargin=2\r\n"},
    {"gives a key without = its value", "[Settings]\r\nLeftMargin\r\n", "Settings", "LeftMargin", "5",
     "[Settings]\r\nLeftMargin=5\r\n"},
    {"gives an empty value its value", "[Settings]\r\nLeftMargin=\r\n", "Settings", "LeftMargin", "5",
     "[Settings]\r\nLeftMargin=5\r\n"},
    {"a quoted value differs", "[Settings]\r\nLeftMargin=\"5\"\r\n", "Settings", "LeftMargin", "5",
     "[Settings]\r\nLeftMargin=5\r\n"},
    {"values compare with their case", "[S]\r\nk=abc\r\n", "S", "k", "ABC", "[S]\r\nk=ABC\r\n"},

    // Unchanged.
    {"same value", "[Settings]\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", "5", std::nullopt},
    {"same value in an untidy file", "[Settings]\n\n  LeftMargin  =  5  \n\n", "settings", "LEFTMARGIN", "5",
     std::nullopt},
    {"same value after the blanks before it", "[Settings]\r\nLeftMargin=5\r\n", "Settings", "LeftMargin", " \t5",
     std::nullopt},
    {"same empty value", "[Settings]\r\nLeftMargin=\r\n", "Settings", "LeftMargin", "", std::nullopt},

    // The rewritten layout.
    {"blank lines and blanks go, CR LF everywhere",
     "\r\n[ Settings ]\n\n  LeftMargin = 1 \n; note = here\r\n\r\n[Other]\rx = y\r", "Settings", "LeftMargin", "5",
     "[Settings]\r\nLeftMargin=5\r\n; note=here\r\n[Other]\r\nx=y\r\n"},
    {"keys before any section stay first", "top=1\r\n=x\r\n[Settings]\r\n", "Settings", "LeftMargin", "5",
     "top=1\r\n=x\r\n[Settings]\r\nLeftMargin=5\r\n"},
    {"of a run of keys with no name, one stays", "=x\r\n=y\r\n[S]\r\n=z\r\nk=1\r\n= w\r\n", "S", "k", "2",
     "=x\r\n[S]\r\n=z\r\nk=2\r\n=w\r\n"},
    {"an empty section name writes no header", "[]\r\nk=4\r\n[S]\r\nk=1\r\n", "S", "k", "2",
     "k=4\r\n[S]\r\nk=2\r\n"},
    {"text after ] goes", "[Settings] ; note\r\nLeftMargin=1\r\n", "Settings", "LeftMargin", "5",
     "[Settings]\r\nLeftMargin=5\r\n"},
    {"a header without ] stays a key", "[Settings\r\nLeftMargin=1\r\n", "Settings", "LeftMargin", "5",
     "[Settings\r\nLeftMargin=1\r\n[Settings]\r\nLeftMargin=5\r\n"},
    {"the UTF-8 byte-order mark stays", "\xEF\xBB\xBF[Settings]\r\nLeftMargin=1\r\n", "Settings", "LeftMargin", "5",
     "\xEF\xBB\xBF[Settings]\r\nLeftMargin=5\r\n"},
    {"high bytes stay", "[Other]\r\nv=\x80\x81\xE9\xFF\r\n", "Settings", "LeftMargin", "5",
     "[Other]\r\nv=\x80\x81\xE9\xFF\r\n[Settings]\r\nLeftMargin=5\r\n"},
    {"names and values end at NUL", "[S]\r\nk=1\0" "2\r\nj\0unk=3\r\n"s, "S", "k", "5",
     "[S]\r\nk=5\r\nj=3\r\n"},

    // Blanks in what is written.
    {"blanks before the value go, after it stay", "", "S", "k", " \t5 ", "[S]\r\nk=5 \r\n"},
    {"a new name loses blanks before it, keeps those after", "", " S\t", " k\t", "5", "[S\t]\r\nk\t=5\r\n"},
    {"an existing name is found through blanks", "[S]\r\nk=1\r\n", " S\t", " k\t", "5", "[S]\r\nk=5\r\n"},
};

TEST(IniSetString, WritesAsTheProfileFunctions) {
    for (const SetCase& c : kSetCases) {
        ASSERT_TRUE(IniWriteAccepted(c.section, c.key, c.value)) << c.why;
        const std::optional<std::string> got = IniSetString(c.text, c.section, c.key, c.value);
        const std::string shown = got ? Visible(*got) : "(unchanged)";
        const std::string expected = c.result ? Visible(*c.result) : "(unchanged)";
        EXPECT_EQ(shown, expected) << c.why << ": text \"" << Visible(c.text) << "\"";
    }
}

TEST(IniSetString, WhatIsWrittenReadsBack) {
    for (const SetCase& c : kSetCases) {
        const std::optional<std::string> got = IniSetString(c.text, c.section, c.key, c.value);
        const std::string after = got ? *got : c.text;
        // Reads drop the blanks after a value, as they drop all blanks around it.
        std::string_view value = c.value;
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
        EXPECT_EQ(Visible(IniGetString(after, c.section, c.key, "(missing)")), Visible(value)) << c.why;
    }
}

// ---------------------------------------------------------------------------
// IniWriteAccepted

struct AcceptCase {
    const char* why;
    std::string_view section, key, value;
    bool accepted;
};

const AcceptCase kAcceptCases[] = {
    {"plain", "Settings", "LeftMargin", "5", true},
    {"empty value", "Settings", "LeftMargin", "", true},
    {"blanks around the names", " Settings ", " LeftMargin ", " 5 ", true},
    {"comment-like key", "Settings", ";note", "5", true},
    {"] in the section", "Set]tings", "LeftMargin", "5", true},
    {"LF in the value would add a line", "Settings", "LeftMargin", "5\nRightMargin=9", false},
    {"CR in the value", "Settings", "LeftMargin", "5\r", false},
    {"CR LF in the section", "Settings]\r\n[Other", "LeftMargin", "5", false},
    {"LF in the key", "Settings", "Left\nMargin", "5", false},
    {"NUL in the value", "Settings", "LeftMargin", "5\0" "6"sv, false},
    {"NUL in the key", "Settings", "Left\0Margin"sv, "5", false},
    {"empty section", "", "LeftMargin", "5", false},
    {"blank section", " \t", "LeftMargin", "5", false},
    {"empty key", "Settings", "", "5", false},
    {"blank key", "Settings", "  ", "5", false},
    {"= in the key would not read back", "Settings", "Left=Margin", "5", false},
    {"[ opening the key could make a header", "Settings", " [Other]", "5", false},
};

TEST(IniWriteAccepted, RefusesWhatWouldNotReadBack) {
    for (const AcceptCase& c : kAcceptCases) {
        EXPECT_EQ(IniWriteAccepted(c.section, c.key, c.value), c.accepted)
            << c.why << ": [" << Visible(c.section) << "] \"" << Visible(c.key) << "\" = \"" << Visible(c.value)
            << "\"";
    }
}

// ---------------------------------------------------------------------------
// The file adapters

class IniFileTest : public ::testing::Test {
protected:
    std::string Path(std::string_view name) const { return dir_.File(name); }

    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_.Path())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir_;
};

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    EXPECT_EQ(IniReadString("Settings", "LeftMargin", "7", Path("tidewick.ini")), "7");
    EXPECT_TRUE(Listing().empty()) << "reading creates nothing";
}

TEST_F(IniFileTest, WriteCreatesTheFile) {
    const std::string path = Path("tidewick.ini");
    EXPECT_TRUE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Settings]\r\nLeftMargin=5\r\n"));
    EXPECT_EQ(IniReadString("Settings", "LeftMargin", "7", path), "5");
}

TEST_F(IniFileTest, WriteLeavesNoOtherFileBehind) {
    const std::string path = Path("tidewick.ini");
    ASSERT_TRUE(IniWriteString("Settings", "LeftMargin", "5", path));
    ASSERT_TRUE(IniWriteString("Settings", "LeftMargin", "6", path));
    EXPECT_EQ(Listing(), std::vector<std::string>{"tidewick.ini"});
}

TEST_F(IniFileTest, WriteDoesNotTouchAFileNamedLikeItsTemporary) {
    const std::string path = Path("tidewick.ini");
    WriteBytes(path + ".new", "mine");
    ASSERT_TRUE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_EQ(ReadBytes(path + ".new"), "mine");
    EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Settings]\r\nLeftMargin=5\r\n"));
    EXPECT_EQ(Listing(), (std::vector<std::string>{"tidewick.ini", "tidewick.ini.new"}));
}

TEST_F(IniFileTest, UnchangedValueLeavesTheFileAsItIs) {
    const std::string path = Path("tidewick.ini");
    const std::string untidy = "\r\n[settings]\n  leftmargin =  5 \n\n;note\n";
    WriteBytes(path, untidy);
    EXPECT_TRUE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_EQ(Visible(ReadBytes(path)), Visible(untidy));
}

TEST_F(IniFileTest, WriteKeepsEverythingElse) {
    const std::string path = Path("tidewick.ini");
    WriteBytes(path, "[Other]\nx=1\n[Settings]\nLeftMargin=1\nRightMargin=70\n");
    EXPECT_TRUE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Other]\r\nx=1\r\n[Settings]\r\nLeftMargin=5\r\nRightMargin=70\r\n"));
}

TEST_F(IniFileTest, RefusedWriteChangesNothing) {
    const std::string path = Path("tidewick.ini");
    WriteBytes(path, "[Settings]\r\nLeftMargin=1\r\n");
    EXPECT_FALSE(IniWriteString("Settings", "LeftMargin", "5\r\nRightMargin=9", path));
    EXPECT_EQ(Visible(ReadBytes(path)), Visible("[Settings]\r\nLeftMargin=1\r\n"));
}

TEST_F(IniFileTest, MissingDirectoryFailsAndCreatesNothing) {
    const std::string path = (dir_.Path() / "missing" / "tidewick.ini").string();
    EXPECT_FALSE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_TRUE(Listing().empty());
    EXPECT_EQ(IniReadString("Settings", "LeftMargin", "7", path), "7");
}

TEST_F(IniFileTest, DirectoryIsNoSettingsFile) {
    const std::string path = Path("tidewick.ini");
    fs::create_directory(path);
    EXPECT_FALSE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(IniReadString("Settings", "LeftMargin", "7", path), "7");
}

TEST_F(IniFileTest, Utf16FileIsLeftAlone) {
    const std::string path = Path("tidewick.ini");
    const std::string utf16 = "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0" "1\0\r\0\n\0"s;
    WriteBytes(path, utf16);
    EXPECT_EQ(IniReadString("S", "k", "7", path), "7");
    EXPECT_FALSE(IniWriteString("S", "k", "2", path));
    EXPECT_EQ(Visible(ReadBytes(path)), Visible(utf16));
}

// Whether files without write permission still open for writing here, as
// they do for an administrator.
bool PermissionsBindUs(const std::string& probe) {
    WriteBytes(probe, "");
    fs::permissions(probe, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::FILE* file = std::fopen(probe.c_str(), "r+b");
    if (file) std::fclose(file);
    fs::permissions(probe, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(probe);
    return file == nullptr;
}

TEST_F(IniFileTest, ReadOnlyFileIsNotChanged) {
    if (!PermissionsBindUs(Path("probe"))) GTEST_SKIP() << "read-only files are writable for this user";
    const std::string path = Path("tidewick.ini");
    WriteBytes(path, "[Settings]\r\nLeftMargin=1\r\n");
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_EQ(IniReadString("Settings", "LeftMargin", "7", path), "1");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32
TEST_F(IniFileTest, WriteKeepsTheFilesPermissions) {
    const std::string path = Path("tidewick.ini");
    WriteBytes(path, "[Settings]\r\nLeftMargin=1\r\n");
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    ASSERT_TRUE(IniWriteString("Settings", "LeftMargin", "5", path));
    EXPECT_EQ(fs::status(path).permissions(), perms);
}

TEST_F(IniFileTest, WriteThroughALinkChangesTheFileItNames) {
    fs::create_directory(dir_.Path() / "real");
    const std::string real = (dir_.Path() / "real" / "tidewick.ini").string();
    WriteBytes(real, "[Settings]\r\nLeftMargin=1\r\n");
    const std::string link = Path("tidewick.ini");
    fs::create_symlink(real, link);
    ASSERT_TRUE(IniWriteString("Settings", "LeftMargin", "5", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Visible(ReadBytes(real)), Visible("[Settings]\r\nLeftMargin=5\r\n"));
}
#endif

}  // namespace
}  // namespace tidewick
