#include "transforms/whole_text.h"

#include "transforms/text.h"

namespace tidewick {

std::string FillParagraph(std::string_view text) {
    std::string t = RemoveCarriageReturns(text);
    t = ReplaceAll(t, "\n ", " ");
    t = ReplaceAll(t, " \n", " ");
    return ReplaceAll(t, "\n", " ");
}

std::string TabsToSpaces(std::string_view text, std::int32_t n) {
    return ReplaceAll(RemoveCarriageReturns(text), "\t", RepeatChar(' ', n));
}

std::string SpacesToTabs(std::string_view text, std::int32_t n) {
    return ReplaceAll(RemoveCarriageReturns(text), RepeatChar(' ', n), "\t");
}

std::string AddIndents(std::string_view text, std::int32_t n) {
    const std::string indent = RepeatChar(' ', n);
    // The indent holds no LF, so replacing after it is the same as replacing
    // in indent + text.
    return indent + ReplaceAll(RemoveCarriageReturns(text), "\n", "\n" + indent);
}

std::string RemoveIndents(std::string_view text, std::int32_t n) {
    const std::string spaces = RepeatChar(' ', n);
    std::string t = RemoveCarriageReturns(text);
    if (TakeFirst(t, n) == spaces) t = std::string(TakeLast(t, static_cast<std::int64_t>(t.size()) - n));
    return ReplaceAll(t, "\n" + spaces, "\n");
}

std::string InsertBullets(std::string_view text) {
    std::string bulleted(BulletPrefix);
    bulleted += ReplaceAll(RemoveCarriageReturns(text), "\n", "\n\x95   ");
    return bulleted;
}

std::string OemTextToAnsi(std::string_view text, const CodePageConversion& conv) {
    std::string t = RemoveCarriageReturns(text);
    conv.OemToAnsi(t);
    return t;
}

std::string AnsiTextToOem(std::string_view text, const CodePageConversion& conv) {
    std::string t = RemoveCarriageReturns(text);
    conv.AnsiToOem(t);
    return t;
}

}  // namespace tidewick
