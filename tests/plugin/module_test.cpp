// The real module, loaded the way the host loads it, through its exports.
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

#include "host/plugin_module.h"
#include "plugin/catalogue.h"
#include "tests/support/test_files.h"

namespace tidewick {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempDir;
using test::Visible;
using test::WriteBytes;

class ModuleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        module_ = PluginModule::Load(ProgramDirectory() + ModuleFileName(), error).release();
        ASSERT_NE(module_, nullptr) << error;
    }
    static void TearDownTestSuite() {
        delete module_;
        module_ = nullptr;
    }

    void SetUp() override { ASSERT_NE(module_, nullptr); }

    // Initialises the module with dir as the host's configuration directory.
    void Init(const std::string& dir) {
        MailConfig config{7, 8, dir.c_str()};
        PluginInfo info{};
        ASSERT_EQ(M().PluginInit(nullptr, nullptr, &config, &info), ResultOk);
        M().Free(info.Description);
        M().Free(info.Icon);
    }

    std::int32_t Translate(std::int32_t id, const std::string& in, const std::string& outName, DataFile& out,
                           ResultStatus* status) {
        TranslatorInfo info{};
        info.Id = id;
        DataFile input{};
        input.FileName = in.c_str();
        out.FileName = outName.c_str();
        return M().TranslateFile(nullptr, &info, &input, nullptr, &out, status);
    }

    void FreeMime(MimeInfo* mime) {
        if (mime == nullptr) return;
        M().Free(mime->Version);
        M().Free(mime->Type);
        M().Free(mime->Subtype);
        M().Free(mime);
    }

    static PluginModule& M() { return *module_; }
    static PluginModule* module_;
    TempDir dir;
};

PluginModule* ModuleTest::module_ = nullptr;

TEST_F(ModuleTest, VersionIsAlwaysThree) {
    std::int16_t version = -7;
    EXPECT_EQ(M().PluginVersion(&version), ResultOk);
    EXPECT_EQ(version, 3);
    EXPECT_EQ(M().PluginVersion(nullptr), ResultFailed) << "a null pointer fails instead of crashing";
}

TEST_F(ModuleTest, InitFillsThePluginInfoAndLeavesHostFields) {
    MailConfig config{0, 0, "C:\\config"};
    PluginInfo first{11, 0, 12, 13, nullptr, 0, nullptr};
    ASSERT_EQ(M().PluginInit(nullptr, nullptr, &config, &first), ResultOk);
    EXPECT_EQ(first.TranslatorCount, 14);
    ASSERT_NE(first.Description, nullptr);
    EXPECT_STREQ(first.Description, "Reformatting Options (Brisbow)");
    EXPECT_EQ(first.PluginId, 4372);
    EXPECT_NE(first.Icon, nullptr) << "a holder, whatever icon it carries";
    EXPECT_EQ(first.HostField0, 11);
    EXPECT_EQ(first.HostField8, 12);
    EXPECT_EQ(first.HostField12, 13);

    PluginInfo second{};
    ASSERT_EQ(M().PluginInit(nullptr, nullptr, &config, &second), ResultOk);
    EXPECT_NE(second.Description, first.Description) << "each call hands out new blocks";
    EXPECT_NE(second.Icon, first.Icon);
    for (PluginInfo* info : {&first, &second}) {
        EXPECT_EQ(M().Free(info->Description), ResultOk);
        EXPECT_EQ(M().Free(info->Icon), ResultOk);
    }
    EXPECT_EQ(M().Free(nullptr), ResultOk);
}

TEST_F(ModuleTest, InitWithoutARecordDoesNothingAndWithoutAConfigFails) {
    MailConfig config{0, 0, "anything"};
    EXPECT_EQ(M().PluginInit(nullptr, nullptr, &config, nullptr), ResultOk);
    PluginInfo info{};
    EXPECT_EQ(M().PluginInit(nullptr, nullptr, nullptr, &info), ResultFailed);
    EXPECT_EQ(info.Description, nullptr) << "nothing written";
    EXPECT_EQ(info.TranslatorCount, 0);
}

TEST_F(ModuleTest, TheLatestConfigDirectoryHoldsTheSettings) {
    TempDir other;
    WriteBytes(dir.File("tidewick.ini"), "[Settings]\r\nRightMargin=10\r\n");
    WriteBytes(other.File("tidewick.ini"), "[Settings]\r\nLeftMargin=2\r\nRightMargin=12\r\n");
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    WriteBytes(in, "The quick brown fox");

    Init(other.Path().string());
    Init(dir.Path().string());
    DataFile output{};
    ASSERT_EQ(Translate(2, in, out, output, nullptr), ResultOk);
    FreeMime(output.Mime);
    EXPECT_EQ(Visible(ReadBytes(out)), Visible("The quick \r\nbrown fox\r\n")) << "second directory wins";

    const std::string otherDir = other.Path().string();
    MailConfig config{0, 0, otherDir.c_str()};
    EXPECT_EQ(M().PluginInit(nullptr, nullptr, &config, nullptr), ResultOk);
    ASSERT_EQ(Translate(2, in, out, output, nullptr), ResultOk);
    FreeMime(output.Mime);
    EXPECT_EQ(Visible(ReadBytes(out)), Visible("The quick \r\nbrown fox\r\n")) << "init without a record keeps it";
}

TEST_F(ModuleTest, TranslatorInfoComesFromTheCatalogue) {
    for (const TranslatorRow& row : TranslatorCatalogue) {
        TranslatorInfo info{99, row.Id, 0, 0, nullptr, nullptr};
        ASSERT_EQ(M().TranslatorInfo(nullptr, &info), ResultOk) << row.Id;
        EXPECT_EQ(info.HostField0, 99);
        EXPECT_EQ(info.Type, 16);
        EXPECT_EQ(info.Flags, 4);
        ASSERT_NE(info.Description, nullptr);
        EXPECT_STREQ(info.Description, row.Name);
        ASSERT_NE(info.Icon, nullptr);
        M().Free(info.Description);
        M().Free(info.Icon);
    }
    TranslatorInfo first{0, 1, 0, 0, nullptr, nullptr};
    ASSERT_EQ(M().TranslatorInfo(nullptr, &first), ResultOk);
    EXPECT_STREQ(first.Description, "Reformat Paragraph...");
#ifndef _WIN32
    EXPECT_EQ(first.Icon->Icon, reinterpret_cast<void*>(164)) << "natively the handle is the resource number";
#endif
    M().Free(first.Description);
    M().Free(first.Icon);
}

TEST_F(ModuleTest, TranslatorInfoRejectsUnknownIdsAndNulls) {
    for (const std::int32_t id : {0, -1, 15}) {
        TranslatorInfo info{1, id, 2, 3, nullptr, nullptr};
        EXPECT_EQ(M().TranslatorInfo(nullptr, &info), ResultNoSuchTranslator) << id;
        EXPECT_EQ(info.Type, 2) << "record unchanged";
        EXPECT_EQ(info.Flags, 3);
        EXPECT_EQ(info.Description, nullptr);
        EXPECT_EQ(info.Icon, nullptr);
    }
    EXPECT_EQ(M().TranslatorInfo(nullptr, nullptr), ResultOk);
}

struct CanCase {
    const char* why;
    std::int32_t id, flags;
    const char *type, *subtype;
    bool withMime, withData;
    std::int32_t result;
};

const CanCase kCanCases[] = {
    {"plain text", 2, 4, "text", "plain", true, true, 10},
    {"flags 5 share the bit", 2, 5, "text", "plain", true, true, 10},
    {"flags 12 share the bit", 14, 12, "text", "plain", true, true, 10},
    {"flags 0", 2, 0, "text", "plain", true, true, 2},
    {"flags 1", 2, 1, "text", "plain", true, true, 2},
    {"flags 2", 2, 2, "text", "plain", true, true, 2},
    {"flags 8", 2, 8, "text", "plain", true, true, 2},
    {"html", 2, 4, "text", "html", true, true, 2},
    {"capital T", 2, 4, "Text", "plain", true, true, 2},
    {"capital P", 2, 4, "text", "Plain", true, true, 2},
    {"type with a tail", 2, 4, "textx", "plain", true, true, 2},
    {"id 15", 15, 4, "text", "plain", true, true, 3},
    {"id 0", 0, 4, "text", "plain", true, true, 3},
    {"null data before the id check", 15, 4, "text", "plain", true, false, 2},
    {"no MimeInfo", 2, 4, nullptr, nullptr, false, true, 2},
    {"no type", 2, 4, nullptr, "plain", true, true, 2},
    {"no subtype", 2, 4, "text", nullptr, true, true, 2},
};

TEST_F(ModuleTest, CanTranslateOnlyPlainText) {
    for (const CanCase& c : kCanCases) {
        TranslatorInfo info{};
        info.Id = c.id;
        MimeInfo mime{};
        mime.Size = 28;
        mime.Type = const_cast<char*>(c.type);
        mime.Subtype = const_cast<char*>(c.subtype);
        DataFile data{};
        data.Flags = c.flags;
        data.Mime = c.withMime ? &mime : nullptr;
        EXPECT_EQ(M().CanTranslate(nullptr, &info, c.withData ? &data : nullptr, nullptr), c.result) << c.why;
    }
    DataFile data{};
    EXPECT_EQ(M().CanTranslate(nullptr, nullptr, &data, nullptr), ResultCannotTranslate) << "null info";
}

TEST_F(ModuleTest, LeftAlignFromFileToFile) {
    Init(dir.Path().string());
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    WriteBytes(in, std::string("one two \r\n\r\nthree\0ignored four", 30));
    DataFile output{5, 6, nullptr, 7, nullptr};
    ResultStatus status{1, 2, nullptr, 3};
    ASSERT_EQ(Translate(2, in, out, output, &status), ResultOk);
    EXPECT_EQ(Visible(ReadBytes(out)), Visible("one two three\r\n")) << "reflowed to 0..78, cut at the NUL";
    ASSERT_NE(output.Mime, nullptr);
    EXPECT_EQ(output.Mime->Size, static_cast<std::int32_t>(sizeof(MimeInfo))) << "28 on the 32-bit host";
    EXPECT_STREQ(output.Mime->Type, "text");
    EXPECT_STREQ(output.Mime->Subtype, "plain");
    EXPECT_STREQ(output.Mime->Version, "1.0");
    EXPECT_EQ(output.Mime->Params, nullptr);
    EXPECT_EQ(output.Mime->Extra, nullptr);
    EXPECT_EQ(output.Mime->ExtraParams, nullptr);
    EXPECT_EQ(output.HostField0, 5);
    EXPECT_EQ(output.Flags, 6);
    EXPECT_EQ(output.HostField12, 7);
    EXPECT_EQ(status.ErrorText, nullptr) << "status untouched on success";
    EXPECT_EQ(status.ErrorCode, 3);
    FreeMime(output.Mime);
}

TEST_F(ModuleTest, MarginCheckResetsStoredMarginsForTheRun) {
    Init(dir.Path().string());
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    const std::string words = "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo pppp";
    WriteBytes(in, words);
    // Reset to 0, 78, 0: the 79-byte text breaks after "oooo ".
    const std::string reset = "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo \r\npppp\r\n";
    const char* settings[] = {
        "[Settings]\r\nLeftMargin=80\r\n",
        "[Settings]\r\nLeftMargin=5\r\nRightMargin=72\r\nHangingIndent=100\r\nHI=0\r\n",
        "[Settings]\r\nRightMargin=\r\n",
    };
    for (const char* s : settings) {
        WriteBytes(dir.File("tidewick.ini"), s);
        DataFile output{};
        ASSERT_EQ(Translate(2, in, out, output, nullptr), ResultOk) << s;
        FreeMime(output.Mime);
        EXPECT_EQ(Visible(ReadBytes(out)), Visible(reset)) << s;
    }
    EXPECT_EQ(ReadBytes(dir.File("tidewick.ini")), "[Settings]\r\nRightMargin=\r\n") << "the file is only read";

    WriteBytes(dir.File("tidewick.ini"), "[Settings]\r\nLeftMargin=-5\r\nRightMargin=10\r\n");
    WriteBytes(in, "abcdefghijklmnopq");
    DataFile output{};
    ASSERT_EQ(Translate(2, in, out, output, nullptr), ResultOk);
    FreeMime(output.Mime);
    EXPECT_EQ(Visible(ReadBytes(out)), Visible("abcdefghijklmno\r\npq\r\n")) << "-5 kept: no prefix, width 15";
}

struct OperationCase {
    std::int32_t id;
    std::string_view in, file;
};

// Code page 437 in, 1252 out and back: e-acute is 0x82 in OEM and 0xE9 in ANSI.
const OperationCase kOperationCases[] = {
    {3, "ab\r\n\r\ncd", "       ab  cd \r\n"},
    {4, "The quick brown fox \r\njumps", "  The quick \r\n  brown fox \r\n    jumps\r\n"},
    {5, "one \r\n two\r\nthree\r\n", "one  two three "},
    {8, "a \t\r\n\xA0 b  \r\n", "a\r\n\xA0 b\r\n\r\n"},
    {9, "caf\x82\r\n", "caf\xE9\r\n"},
    {10, "caf\xE9\rx\r\n", "caf\x82x\r\n"},
    {13, "a\r\nb\r\n", "\x95   a\r\n\x95   b\r\n\x95   "},
};

TEST_F(ModuleTest, EveryOperationWithoutAPromptFromFileToFile) {
    Init(dir.Path().string());
    WriteBytes(dir.File("tidewick.ini"), "[Settings]\r\nRightMargin=14\r\n");
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    for (const OperationCase& c : kOperationCases) {
        WriteBytes(in, c.in);
        DataFile output{};
        ASSERT_EQ(Translate(c.id, in, out, output, nullptr), ResultOk) << "translator " << c.id;
        EXPECT_NE(output.Mime, nullptr);
        FreeMime(output.Mime);
        EXPECT_EQ(Visible(ReadBytes(out)), Visible(c.file)) << "translator " << c.id;
    }
}

struct ExtremeCase {
    const char* settings;
    std::int32_t id;
    std::string file;
};

TEST_F(ModuleTest, ExtremeMarginsNeitherOverflowNorHang) {
    Init(dir.Path().string());
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    WriteBytes(in, "a b\r\nc");
    const char* wide = "[Settings]\r\nLeftMargin=-2147483648\r\nRightMargin=2147483647\r\n";
    const char* deep = "[Settings]\r\nLeftMargin=-2147483648\r\nRightMargin=100\r\n";
    const char* hanging = "[Settings]\r\nRightMargin=2147483647\r\nHangingIndent=-2147483648\r\nHI=1\r\n";
    const ExtremeCase cases[] = {
        {wide, 2, "a bc\r\n"},
        {wide, 4, "a bc\r\n"},  // the pad's count is negative
        {deep, 2, "a bc\r\n"},
        {deep, 3, std::string(94, ' ') + "a b c \r\n"},
        {deep, 4, "a bc\r\n"},
        {hanging, 2, "a bc\r\n"},
    };
    for (const ExtremeCase& c : cases) {
        WriteBytes(dir.File("tidewick.ini"), c.settings);
        DataFile output{};
        ASSERT_EQ(Translate(c.id, in, out, output, nullptr), ResultOk) << c.settings << " translator " << c.id;
        FreeMime(output.Mime);
        EXPECT_EQ(Visible(ReadBytes(out)), Visible(c.file)) << c.settings << " translator " << c.id;
    }
}

TEST_F(ModuleTest, FileFailuresAndUnknownTranslators) {
    Init(dir.Path().string());
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    WriteBytes(in, "text");

    DataFile output{};
    ResultStatus status{1, 2, nullptr, 0};
    EXPECT_EQ(Translate(2, in, dir.File("missing/out.txt"), output, &status), ResultFailed);
    EXPECT_EQ(status.ErrorText, nullptr) << "an output that cannot be opened leaves the status";

    EXPECT_EQ(Translate(0, in, out, output, &status), ResultFailed);
    EXPECT_EQ(Translate(15, in, out, output, &status), ResultFailed);
    EXPECT_FALSE(Exists(out));
    EXPECT_EQ(status.ErrorText, nullptr);

    EXPECT_EQ(Translate(15, dir.File("missing/in.txt"), out, output, &status), ResultFileError);
    ASSERT_NE(status.ErrorText, nullptr);
    EXPECT_STREQ(status.ErrorText, "File I/O Error");
    EXPECT_EQ(status.ErrorCode, 410);
    M().Free(status.ErrorText);

    EXPECT_EQ(Translate(2, dir.File("missing/in.txt"), out, output, nullptr), ResultFileError) << "no status given";
    EXPECT_EQ(output.Mime, nullptr);

    const std::string created = dir.File("created.txt");
    ASSERT_EQ(Translate(8, created, out, output, nullptr), ResultOk);
    FreeMime(output.Mime);
    EXPECT_TRUE(Exists(created)) << "a missing input is created empty";
    EXPECT_EQ(Visible(ReadBytes(out)), "\\r\\n");
}

TEST_F(ModuleTest, NullRecordsFailWithoutACrash) {
    const std::string in = dir.File("in.txt");
    WriteBytes(in, "text");
    TranslatorInfo info{};
    info.Id = 2;
    DataFile input{};
    input.FileName = in.c_str();
    DataFile output{};
    EXPECT_EQ(M().TranslateFile(nullptr, nullptr, &input, nullptr, &output, nullptr), ResultFailed);
    EXPECT_EQ(M().TranslateFile(nullptr, &info, nullptr, nullptr, &output, nullptr), ResultFailed);
    EXPECT_EQ(M().TranslateFile(nullptr, &info, &input, nullptr, nullptr, nullptr), ResultFailed);
    EXPECT_EQ(M().TranslateFile(nullptr, &info, &input, nullptr, &output, nullptr), ResultFailed) << "no output name";
    DataFile noName{};
    output.FileName = in.c_str();
    EXPECT_EQ(M().TranslateFile(nullptr, &info, &noName, nullptr, &output, nullptr), ResultFailed);
}

TEST_F(ModuleTest, TranslatorsThatNeedADialogFailUntilTheModuleHasDialogs) {
    Init(dir.Path().string());
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    WriteBytes(in, "text");
    for (const std::int32_t id : {1, 6, 7, 11, 12, 14}) {
        DataFile output{};
        EXPECT_EQ(Translate(id, in, out, output, nullptr), ResultFailed) << id;
        EXPECT_FALSE(Exists(out)) << id;
    }
    EXPECT_EQ(M().PluginConfig(nullptr, nullptr), ResultOk);
    EXPECT_EQ(M().PluginFinish(nullptr), ResultOk);
}

}  // namespace
}  // namespace tidewick
