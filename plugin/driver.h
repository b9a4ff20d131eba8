// One translation from input file to output file: the body of
// ems_translate_file, and the steps it is made of.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "plugin/records.h"
#include "transforms/codepage.h"
#include "ui/dialogs.h"

namespace tidewick {

struct Formatting {
    std::int32_t LeftMargin;
    std::int32_t RightMargin;
    std::int32_t HangingIndent;
    std::int32_t HI;  // exactly 1 switches the hanging indent on
};

// The driver's own default; the options dialog offers 72.
constexpr std::int32_t kDriverRightMargin = 78;

// Contradicting margins (RM <= LM or RM <= HGI, compared signed) become
// 0, 78, 0 for this run; HI is kept and takes no part.
//   CheckMargins({80, 78, 0, 0}) == {0, 78, 0, 0}
//   CheckMargins({-5, 60, 0, 1}) == {-5, 60, 0, 1}
Formatting CheckMargins(Formatting f);

// LeftMargin, RightMargin and HangingIndent (defaults 0, 78, 0), checked,
// then HI (default 0), read in that order from the settings file at path.
Formatting LoadFormatting(const std::string& settingsPath);

enum class InputStatus { Ok, OpenFailed, OutOfMemory };

// The bytes of the file before its first NUL. A missing file is created
// empty, as the host expects; an existing one is never changed.
InputStatus ReadInputText(const char* fileName, std::string& text);

enum class OutputStatus { Ok, OpenFailed, WriteFailed };

// Creates or empties the file and writes text with each LF as CR LF; a write,
// flush or close error is WriteFailed.
OutputStatus WriteOutputText(const char* fileName, std::string_view text);

// The prompt that operation asks its number with, if any.
std::optional<NumberPromptMode> PromptModeFor(std::int32_t operation);

// The result of operation 2..14 on text; nothing for any other operation.
std::optional<std::string> RunOperation(std::int32_t operation, std::string_view text,
                                        const Formatting& formatting, std::int32_t number,
                                        const CodePageConversion& codePages);

struct DriverContext {
    std::string SettingsPath;
    Dialogs* Ui;                          // null: no dialogs in this build
    const CodePageConversion* CodePages;
};

// Runs translator translatorId from inputName to outputName. On success
// output.Mime gets a new "text"/"plain" record; status, when given, is
// written only on the "File I/O Error" and "Out of Memory" failures.
// Throws std::bad_alloc when memory runs out mid-way; the export catches it.
ResultCode TranslateFile(std::int32_t translatorId, const char* inputName, const char* outputName,
                         DataFile& output, ResultStatus* status, const DriverContext& context);

// Writes a reported failure into status when the host gave one.
void ReportFailure(ResultStatus* status, const char* text, std::int32_t code);

}  // namespace tidewick
