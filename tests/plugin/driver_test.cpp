// The translate-file driver, with files on disk and scripted dialogs.
#include "plugin/driver.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace tidewick {

bool operator==(const Formatting& a, const Formatting& b) {
    return a.LeftMargin == b.LeftMargin && a.RightMargin == b.RightMargin && a.HangingIndent == b.HangingIndent &&
           a.HI == b.HI;
}

std::ostream& operator<<(std::ostream& out, const Formatting& f) {
    return out << "{LM " << f.LeftMargin << ", RM " << f.RightMargin << ", HGI " << f.HangingIndent << ", HI " << f.HI
               << "}";
}

namespace {

using test::Exists;
using test::ReadBytes;
using test::TempDir;
using test::Visible;
using test::WriteBytes;

struct MarginCase {
    const char* why;
    Formatting in, out;
};

const MarginCase kMarginCases[] = {
    {"defaults pass", {0, 78, 0, 0}, {0, 78, 0, 0}},
    {"left margin beyond the right resets", {80, 78, 0, 0}, {0, 78, 0, 0}},
    {"equal margins reset", {10, 10, 0, 1}, {0, 78, 0, 1}},
    {"hanging indent beyond the right resets all, HI off", {5, 72, 100, 0}, {0, 78, 0, 0}},
    {"hanging indent equal to the right resets", {0, 40, 40, 1}, {0, 78, 0, 1}},
    {"negative left margin is kept", {-5, 60, 0, 0}, {-5, 60, 0, 0}},
    {"extreme but ordered margins are kept", {INT_MIN, INT_MAX, INT_MIN, 1}, {INT_MIN, INT_MAX, INT_MIN, 1}},
    {"extreme and contradicting margins reset", {INT_MAX, INT_MIN, 0, 0}, {0, 78, 0, 0}},
};

TEST(CheckMargins, ResetsOnlyContradictingMargins) {
    for (const MarginCase& c : kMarginCases) EXPECT_EQ(CheckMargins(c.in), c.out) << c.why;
}

TEST(LoadFormatting, ReadsTheSettingsFileWithTheDriversDefaults) {
    TempDir dir;
    const std::string path = dir.File("tidewick.ini");
    EXPECT_EQ(LoadFormatting(path), (Formatting{0, 78, 0, 0})) << "no file";

    WriteBytes(path, "[Settings]\r\nLeftMargin=80\r\nHI=1\r\n");
    EXPECT_EQ(LoadFormatting(path), (Formatting{0, 78, 0, 1})) << "stored left margin 80 is reset, the file keeps it";
    EXPECT_NE(ReadBytes(path).find("LeftMargin=80"), std::string::npos);

    WriteBytes(path, "[Settings]\r\nLeftMargin=5\r\nRightMargin=\r\nHangingIndent=3\r\n");
    EXPECT_EQ(LoadFormatting(path), (Formatting{0, 78, 0, 0})) << "an empty right margin reads 0 and is reset";

    WriteBytes(path, "[Settings]\r\nLeftMargin=-5\r\nRightMargin=60\r\nHangingIndent=7\r\nHI=2\r\n");
    EXPECT_EQ(LoadFormatting(path), (Formatting{-5, 60, 7, 2}));
}

TEST(ReadInputText, TakesTheBytesBeforeTheFirstNul) {
    TempDir dir;
    const std::string name = dir.File("in.txt");
    std::string text;

    WriteBytes(name, std::string("ab\r\ncd\0ef", 9));
    ASSERT_EQ(ReadInputText(name.c_str(), text), InputStatus::Ok);
    EXPECT_EQ(text, "ab\r\ncd");

    WriteBytes(name, "\x95\xA0 raw\r\n");
    ASSERT_EQ(ReadInputText(name.c_str(), text), InputStatus::Ok);
    EXPECT_EQ(text, "\x95\xA0 raw\r\n") << "no newline translation, high bytes intact";

    WriteBytes(name, "");
    ASSERT_EQ(ReadInputText(name.c_str(), text), InputStatus::Ok);
    EXPECT_EQ(text, "");
}

TEST(ReadInputText, CreatesAMissingFileAndFailsOnABadPath) {
    TempDir dir;
    const std::string missing = dir.File("missing.txt");
    std::string text = "old";
    ASSERT_EQ(ReadInputText(missing.c_str(), text), InputStatus::Ok);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(Exists(missing));
    EXPECT_EQ(ReadBytes(missing), "");

    const std::string badPath = dir.File("no-such-dir/in.txt");
    EXPECT_EQ(ReadInputText(badPath.c_str(), text), InputStatus::OpenFailed);
    EXPECT_EQ(ReadInputText(dir.Path().string().c_str(), text), InputStatus::OpenFailed) << "a directory";
}

struct OutputCase {
    const char* why;
    std::string_view text, file;
};

const OutputCase kOutputCases[] = {
    {"LF becomes CR LF", "A\nB", "A\r\nB"},
    {"CR LF becomes CR CR LF", "a\r\nb\n", "a\r\r\nb\r\n"},
    {"a lone CR stays", "a\rb", "a\rb"},
    {"nothing added to an empty text", "", ""},
    {"only line breaks", "\n\n", "\r\n\r\n"},
};

TEST(WriteOutputText, WritesEachLfAsCrLf) {
    TempDir dir;
    const std::string name = dir.File("out.txt");
    for (const OutputCase& c : kOutputCases) {
        ASSERT_EQ(WriteOutputText(name.c_str(), c.text), OutputStatus::Ok) << c.why;
        EXPECT_EQ(Visible(ReadBytes(name)), Visible(c.file)) << c.why;
    }
}

TEST(WriteOutputText, ReportsOpenAndWriteFailures) {
    TempDir dir;
    EXPECT_EQ(WriteOutputText(dir.File("no-such-dir/out.txt").c_str(), "x\n"), OutputStatus::OpenFailed);
#ifndef _WIN32
    // Every write to /dev/full fails once the buffer is flushed.
    EXPECT_EQ(WriteOutputText("/dev/full", "x\n"), OutputStatus::WriteFailed);
#endif
}

// Dialogs that answer as a test tells them and remember how they were asked.
class ScriptedDialogs : public Dialogs {
public:
    OptionsDialog OptionsAnswer;
    NumberDialog NumberAnswer;
    int OptionsRuns = 0, NumberRuns = 0;
    OptionsDialog OptionsAsked;
    NumberDialog NumberAsked;

    void RunOptions(OptionsDialog& dialog) override {
        ++OptionsRuns;
        OptionsAsked = dialog;
        dialog.AlignType = OptionsAnswer.AlignType;
        dialog.ReformatChosen = OptionsAnswer.ReformatChosen;
        dialog.HI = OptionsAnswer.HI;
        dialog.HangingIndent = OptionsAnswer.HangingIndent;
        dialog.LeftMargin = OptionsAnswer.LeftMargin;
        dialog.RightMargin = OptionsAnswer.RightMargin;
    }
    void RunNumber(NumberDialog& dialog) override {
        ++NumberRuns;
        NumberAsked = dialog;
        dialog.Confirmed = NumberAnswer.Confirmed;
        dialog.Value = NumberAnswer.Value;
    }
};

void UpperCase(std::string& text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}
void LowerCase(std::string& text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}
const CodePageConversion kCaseConversion{UpperCase, LowerCase};

class TranslateFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string input = dir.File("in.txt");
    std::string output = dir.File("out.txt");
    std::string settings = dir.File("tidewick.ini");
    ScriptedDialogs dialogs;
    DataFile out{};
    ResultStatus status{1, 2, nullptr, 0};

    ~TranslateFileTest() override { FreeMimeInfo(out.Mime); ModuleFree(status.ErrorText); }

    ResultCode Translate(std::int32_t id, Dialogs* ui) {
        FreeMimeInfo(out.Mime);
        out.Mime = nullptr;
        const DriverContext context{settings, ui, &kCaseConversion};
        return TranslateFile(id, input.c_str(), output.c_str(), out, &status, context);
    }
    ResultCode Translate(std::int32_t id) { return Translate(id, &dialogs); }

    void ExpectStatusUntouched() {
        EXPECT_EQ(status.HostField0, 1);
        EXPECT_EQ(status.HostField4, 2);
        EXPECT_EQ(status.ErrorText, nullptr);
        EXPECT_EQ(status.ErrorCode, 0);
    }
};

TEST_F(TranslateFileTest, LeftAlignWritesCrLfAndLabelsThePlainText) {
    WriteBytes(input, "The quick brown fox jumps over the lazy dog");
    WriteBytes(settings, "[Settings]\r\nRightMargin=10\r\n");
    ASSERT_EQ(Translate(2), ResultOk);
    EXPECT_EQ(Visible(ReadBytes(output)), Visible("The quick \r\nbrown fox \r\njumps \r\nover the \r\nlazy dog\r\n"));
    ASSERT_NE(out.Mime, nullptr);
    EXPECT_EQ(out.Mime->Size, static_cast<std::int32_t>(sizeof(MimeInfo))) << "28 on the 32-bit host";
    EXPECT_STREQ(out.Mime->Type, "text");
    EXPECT_STREQ(out.Mime->Subtype, "plain");
    EXPECT_STREQ(out.Mime->Version, "1.0");
    ExpectStatusUntouched();
    EXPECT_EQ(dialogs.OptionsRuns + dialogs.NumberRuns, 0);
}

TEST_F(TranslateFileTest, EveryOperationWithoutAPromptRuns) {
    WriteBytes(input, "ab \r\ncd");
    const struct {
        std::int32_t id;
        std::string_view file;
    } cases[] = {
        {3, "      ab cd \r\n"},  // right margin 12 from the file
        {4, "   ab cd\r\n"},
        {5, "ab cd"},
        {8, "ab\r\ncd\r\n"},
        {9, "AB \r\nCD"},
        {10, "ab \r\ncd"},
        {13, "\x95   ab \r\n\x95   cd"},
    };
    WriteBytes(settings, "[Settings]\r\nRightMargin=12\r\n");
    for (const auto& c : cases) {
        ASSERT_EQ(Translate(c.id), ResultOk) << "translator " << c.id;
        EXPECT_EQ(Visible(ReadBytes(output)), Visible(c.file)) << "translator " << c.id;
    }
}

TEST_F(TranslateFileTest, UnknownTranslatorsFailAfterTheInputIsRead) {
    WriteBytes(input, "text");
    for (const std::int32_t id : {0, 15, -1}) {
        EXPECT_EQ(Translate(id), ResultFailed) << id;
        EXPECT_FALSE(Exists(output)) << id;
        ExpectStatusUntouched();
    }
    input = dir.File("no-such-dir/in.txt");
    EXPECT_EQ(Translate(15), ResultFileError) << "the input is read first";
    ASSERT_NE(status.ErrorText, nullptr);
    EXPECT_STREQ(status.ErrorText, "File I/O Error");
    EXPECT_EQ(status.ErrorCode, 410);
}

TEST_F(TranslateFileTest, OutputInAMissingDirectoryFailsWithoutAStatus) {
    WriteBytes(input, "text");
    output = dir.File("no-such-dir/out.txt");
    EXPECT_EQ(Translate(2), ResultFailed);
    ExpectStatusUntouched();
    EXPECT_EQ(out.Mime, nullptr);
}

#ifndef _WIN32
TEST_F(TranslateFileTest, AWriteErrorIsAFileIoErrorNotSuccess) {
    WriteBytes(input, "text");
    output = "/dev/full";
    EXPECT_EQ(Translate(2), ResultFailed);
    ASSERT_NE(status.ErrorText, nullptr);
    EXPECT_STREQ(status.ErrorText, "File I/O Error");
    EXPECT_EQ(status.ErrorCode, 410);
    EXPECT_EQ(out.Mime, nullptr);
}
#endif

struct PromptCase {
    std::int32_t id;
    NumberPromptMode mode;
    std::int32_t number;
    std::string_view in, file;
};

const PromptCase kPromptCases[] = {
    {6, NumberPromptMode::TabsToSpaces, 2, "\tx\r\n", "  x\r\n"},
    {7, NumberPromptMode::SpacesToTabs, 2, "     x\r\n", "\t\t x\r\n"},
    {11, NumberPromptMode::AddIndents, 1, "a\r\nb", " a\r\n b"},
    {12, NumberPromptMode::RemoveIndents, 2, "  a\r\n b", "a\r\n b"},
    {14, NumberPromptMode::NumberLines, 9, "a\r\nb", "9. a\r\n10. b"},
};

TEST_F(TranslateFileTest, PromptingTranslatorsAskInTheirModeAndUseTheNumber) {
    for (const PromptCase& c : kPromptCases) {
        WriteBytes(input, c.in);
        dialogs.NumberAnswer.Confirmed = 1;
        dialogs.NumberAnswer.Value = c.number;
        ASSERT_EQ(Translate(c.id), ResultOk) << c.id;
        EXPECT_EQ(dialogs.NumberAsked.Mode, c.mode) << c.id;
        EXPECT_EQ(dialogs.NumberAsked.SettingsPath, settings) << c.id;
        EXPECT_EQ(Visible(ReadBytes(output)), Visible(c.file)) << c.id;
    }
    EXPECT_EQ(dialogs.NumberRuns, 5);
    EXPECT_EQ(dialogs.OptionsRuns, 0);
}

TEST_F(TranslateFileTest, CancellingAPromptWritesNothing) {
    WriteBytes(input, "a");
    dialogs.NumberAnswer.Confirmed = 0;
    EXPECT_EQ(Translate(11), ResultCancelled);
    EXPECT_FALSE(Exists(output));

    WriteBytes(output, "kept");
    EXPECT_EQ(Translate(14), ResultCancelled);
    EXPECT_EQ(ReadBytes(output), "kept");
    EXPECT_EQ(out.Mime, nullptr);
    ExpectStatusUntouched();
}

TEST_F(TranslateFileTest, ReformatParagraphUsesTheDialogsValuesForThisRun) {
    WriteBytes(input, "aaaa bbbb cccc ddd");
    dialogs.OptionsAnswer.ReformatChosen = 1;
    dialogs.OptionsAnswer.AlignType = 1;
    dialogs.OptionsAnswer.LeftMargin = 0;
    dialogs.OptionsAnswer.RightMargin = 10;
    dialogs.OptionsAnswer.HangingIndent = 3;
    dialogs.OptionsAnswer.HI = 1;
    ASSERT_EQ(Translate(1), ResultOk);
    EXPECT_EQ(dialogs.OptionsAsked.OnTheFly, 1);
    EXPECT_EQ(dialogs.OptionsAsked.SettingsPath, settings);
    EXPECT_EQ(Visible(ReadBytes(output)), Visible("aaaa bbbb \r\n   cccc \r\n   ddd\r\n"));

    dialogs.OptionsAnswer.AlignType = 2;
    dialogs.OptionsAnswer.LeftMargin = 10;  // contradicts the right margin: 0, 78 for the run
    dialogs.OptionsAnswer.RightMargin = 5;
    WriteBytes(input, "ab");
    ASSERT_EQ(Translate(1), ResultOk);
    EXPECT_EQ(ReadBytes(output), std::string(75, ' ') + "ab \r\n");
    EXPECT_FALSE(Exists(settings)) << "the run's values stay out of the settings file";
}

TEST_F(TranslateFileTest, ClosingTheOptionsDialogCancels) {
    WriteBytes(input, "a");
    dialogs.OptionsAnswer.ReformatChosen = 0;
    EXPECT_EQ(Translate(1), ResultCancelled);
    EXPECT_FALSE(Exists(output));
}

TEST_F(TranslateFileTest, WithoutDialogsAPromptingTranslatorFails) {
    WriteBytes(input, "a");
    for (const std::int32_t id : {1, 6, 7, 11, 12, 14}) {
        EXPECT_EQ(Translate(id, nullptr), ResultFailed) << id;
        EXPECT_FALSE(Exists(output)) << id;
    }
    ExpectStatusUntouched();
}

TEST_F(TranslateFileTest, AnInputTooLargeForMemoryIsOutOfMemory) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer ends the run where new would throw bad_alloc";
#endif
    // A sparse file of 64 GiB: its size is learned, and its buffer is more than
    // this machine's memory and swap, which the kernel refuses at once. (Wine
    // takes no larger file.)
    WriteBytes(input, "");
    std::error_code ec;
    std::filesystem::resize_file(input, std::uintmax_t{1} << 36, ec);
    if (ec) GTEST_SKIP() << "no sparse files here: " << ec.message();
    EXPECT_EQ(Translate(2), ResultFailed);
    ASSERT_NE(status.ErrorText, nullptr);
    EXPECT_STREQ(status.ErrorText, "Out of Memory");
    EXPECT_EQ(status.ErrorCode, 424);
    EXPECT_FALSE(Exists(output));
    std::filesystem::remove(input, ec);
}

TEST_F(TranslateFileTest, AMissingInputIsCreatedAndTranslatedAsEmpty) {
    ASSERT_EQ(Translate(8), ResultOk);
    EXPECT_TRUE(Exists(input));
    EXPECT_EQ(Visible(ReadBytes(output)), "\\r\\n");
}

}  // namespace
}  // namespace tidewick
