#include "transforms/per_line.h"

#include "transforms/text.h"

namespace tidewick {

std::string TrimTrailingSpaces(std::string_view text) {
    const LineList lines = GuardedLineSplit(text);
    std::string result;
    result.reserve(text.size() + 1);
    for (std::size_t k = 1; k + 1 < lines.size(); ++k) {
        result.append(StripTrailingWhitespace(lines[k]));
        result.push_back('\n');
    }
    return result;
}

std::string NumberLines(std::string_view text, std::int32_t start) {
    const std::string t = RemoveCarriageReturns(text);
    LineList pieces;
    SplitString(t, "\n", pieces);
    std::string result;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) result.push_back('\n');
        result.append(DecimalText(static_cast<std::int64_t>(start) + static_cast<std::int64_t>(i)));
        result.append(". ");
        result.append(pieces[i]);
    }
    return result;
}

}  // namespace tidewick
