#include "plugin/driver.h"

#include <cstdio>
#include <cstring>
#include <new>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "plugin/catalogue.h"
#include "settings/settings.h"
#include "transforms/align.h"
#include "transforms/per_line.h"
#include "transforms/whole_text.h"

namespace tidewick {

Formatting CheckMargins(Formatting f) {
    if (f.RightMargin <= f.LeftMargin || f.RightMargin <= f.HangingIndent) {
        f.LeftMargin = 0;
        f.HangingIndent = 0;
        f.RightMargin = kDriverRightMargin;
    }
    return f;
}

Formatting LoadFormatting(const std::string& settingsPath) {
    Formatting f{};
    f.LeftMargin = ReadIntSetting(kSettingsSection, "LeftMargin", 0, settingsPath);
    f.RightMargin = ReadIntSetting(kSettingsSection, "RightMargin", kDriverRightMargin, settingsPath);
    f.HangingIndent = ReadIntSetting(kSettingsSection, "HangingIndent", 0, settingsPath);
    f = CheckMargins(f);
    f.HI = ReadIntSetting(kSettingsSection, "HI", 0, settingsPath);
    return f;
}

namespace {

// The file's size in bytes, or -1 when it cannot be learned.
std::int64_t FileSize(std::FILE* file) {
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0) return -1;
    const std::int64_t size = _ftelli64(file);
    if (_fseeki64(file, 0, SEEK_SET) != 0) return -1;
#else
    if (fseeko(file, 0, SEEK_END) != 0) return -1;
    const std::int64_t size = ftello(file);
    if (fseeko(file, 0, SEEK_SET) != 0) return -1;
#endif
    return size;
}

std::FILE* OpenOrCreateForReading(const char* fileName) {
#ifndef _WIN32
    // Here a directory opens like a file; on Windows it does not open at all.
    struct stat info;
    if (stat(fileName, &info) == 0 && S_ISDIR(info.st_mode)) return nullptr;
#endif
    if (std::FILE* file = std::fopen(fileName, "rb")) return file;
    // Append mode creates a missing file and never changes an existing one.
    std::FILE* created = std::fopen(fileName, "ab");
    if (created == nullptr) return nullptr;
    std::fclose(created);
    return std::fopen(fileName, "rb");
}

}  // namespace

InputStatus ReadInputText(const char* fileName, std::string& text) {
    std::FILE* file = OpenOrCreateForReading(fileName);
    if (file == nullptr) return InputStatus::OpenFailed;

    const std::int64_t size = FileSize(file);
    // A size that cannot be learned or held in memory is out of memory, as
    // when the buffer itself cannot be had.
    if (size < 0 || static_cast<std::uint64_t>(size) > text.max_size()) {
        std::fclose(file);
        return InputStatus::OutOfMemory;
    }
    try {
        text.assign(static_cast<std::size_t>(size), '\0');
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        return InputStatus::OutOfMemory;
    }
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    std::fclose(file);

    const void* nul = std::memchr(text.data(), '\0', got);
    text.resize(nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()) : got);
    return InputStatus::Ok;
}

OutputStatus WriteOutputText(const char* fileName, std::string_view text) {
    std::FILE* file = std::fopen(fileName, "wb");
    if (file == nullptr) return OutputStatus::OpenFailed;

    bool ok = true;
    std::size_t start = 0;
    while (ok && start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        ok = std::fwrite(text.data() + start, 1, end - start, file) == end - start;
        if (ok && lf != std::string_view::npos) ok = std::fwrite("\r\n", 1, 2, file) == 2;
        start = end + 1;
    }
    if (std::fflush(file) != 0) ok = false;
    if (std::fclose(file) != 0) ok = false;
    return ok ? OutputStatus::Ok : OutputStatus::WriteFailed;
}

std::optional<NumberPromptMode> PromptModeFor(std::int32_t operation) {
    switch (operation) {
        case 6: return NumberPromptMode::TabsToSpaces;
        case 7: return NumberPromptMode::SpacesToTabs;
        case 11: return NumberPromptMode::AddIndents;
        case 12: return NumberPromptMode::RemoveIndents;
        case 14: return NumberPromptMode::NumberLines;
        default: return std::nullopt;
    }
}

std::optional<std::string> RunOperation(std::int32_t operation, std::string_view text,
                                        const Formatting& f, std::int32_t number,
                                        const CodePageConversion& codePages) {
    switch (operation) {
        case 2: return AlignLeft(text, Margins{f.LeftMargin, f.RightMargin, f.HangingIndent, f.HI == 1});
        case 3: return AlignRight(text, f.LeftMargin, f.RightMargin);
        case 4: return AlignCenter(text, f.LeftMargin, f.RightMargin);
        case 5: return FillParagraph(text);
        case 6: return TabsToSpaces(text, number);
        case 7: return SpacesToTabs(text, number);
        case 8: return TrimTrailingSpaces(text);
        case 9: return OemTextToAnsi(text, codePages);
        case 10: return AnsiTextToOem(text, codePages);
        case 11: return AddIndents(text, number);
        case 12: return RemoveIndents(text, number);
        case 13: return InsertBullets(text);
        case 14: return NumberLines(text, number);
        default: return std::nullopt;
    }
}

void ReportFailure(ResultStatus* status, const char* text, std::int32_t code) {
    if (status == nullptr) return;
    status->ErrorText = HeapCopy(text);
    status->ErrorCode = code;
}

ResultCode TranslateFile(std::int32_t translatorId, const char* inputName, const char* outputName,
                         DataFile& output, ResultStatus* status, const DriverContext& context) {
    std::string text;
    switch (ReadInputText(inputName, text)) {
        case InputStatus::OpenFailed:
            ReportFailure(status, kFileIoErrorText, kFileIoErrorCode);
            return ResultFileError;
        case InputStatus::OutOfMemory:
            ReportFailure(status, kOutOfMemoryText, kOutOfMemoryCode);
            return ResultFailed;
        case InputStatus::Ok:
            break;
    }

    std::int32_t operation = FindTranslator(translatorId) != nullptr ? translatorId : 0;
    Formatting formatting = LoadFormatting(context.SettingsPath);

    if (operation == 1) {
        if (context.Ui == nullptr) return ResultFailed;
        OptionsDialog dialog;
        dialog.SettingsPath = context.SettingsPath;
        dialog.OnTheFly = 1;
        context.Ui->RunOptions(dialog);
        if (dialog.ReformatChosen == 0) return ResultCancelled;
        formatting = CheckMargins({dialog.LeftMargin, dialog.RightMargin, dialog.HangingIndent, 0});
        formatting.HI = dialog.HI;
        operation = dialog.AlignType + 1;
    }
    if (operation == 0) return ResultFailed;

    std::int32_t number = 0;
    if (const auto mode = PromptModeFor(operation)) {
        if (context.Ui == nullptr) return ResultFailed;
        NumberDialog dialog;
        dialog.Mode = *mode;
        dialog.SettingsPath = context.SettingsPath;
        context.Ui->RunNumber(dialog);
        if (dialog.Confirmed == 0) return ResultCancelled;
        number = dialog.Value;
    }

    std::optional<std::string> result = RunOperation(operation, text, formatting, number, *context.CodePages);
    if (!result) return ResultFailed;
    std::string().swap(text);

    switch (WriteOutputText(outputName, *result)) {
        case OutputStatus::OpenFailed:
            return ResultFailed;
        case OutputStatus::WriteFailed:
            ReportFailure(status, kFileIoErrorText, kFileIoErrorCode);
            return ResultFailed;
        case OutputStatus::Ok:
            break;
    }
    output.Mime = MakeMimeInfo(kTextMimeType, kTextMimeSubtype, "1.0");
    return ResultOk;
}

}  // namespace tidewick
