// The module's modal dialogs as their callers see them: a data struct each,
// filled before the run and read after it, and one interface that runs them.
// The outcome comes back in the struct (ReformatChosen, Confirmed), never as
// an end code.
#pragma once

#include <cstdint>
#include <string>

namespace tidewick {

struct OptionsDialog {
    std::string SettingsPath;
    std::int32_t AlignType = 0;       // 1 left, 2 right, 3 center
    std::uint8_t OnTheFly = 0;        // 1: shown for "Reformat Paragraph..."; 0: configure
    std::uint8_t ReformatChosen = 0;  // 1: left with Reformat
    std::int32_t HI = 0;
    std::int32_t HangingIndent = 0;
    std::int32_t LeftMargin = 0;
    std::int32_t RightMargin = 0;
};

enum class NumberPromptMode : std::int32_t {
    AddIndents = 1,
    RemoveIndents = 2,
    NumberLines = 3,
    TabsToSpaces = 4,
    SpacesToTabs = 5,
};

struct NumberDialog {
    NumberPromptMode Mode = NumberPromptMode::AddIndents;
    std::uint8_t Confirmed = 0;       // 1: left with OK
    std::string SettingsPath;
    std::int32_t Value = 0;
};

// Runs a dialog modally on the calling thread and returns when it has ended.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void RunOptions(OptionsDialog& dialog) = 0;
    virtual void RunNumber(NumberDialog& dialog) = 0;
};

}  // namespace tidewick
