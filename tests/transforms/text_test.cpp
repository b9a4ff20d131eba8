// The string primitives, SplitString and GuardedLineSplit, edge by edge.
#include "transforms/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/test_files.h"

namespace tidewick {
namespace {

using test::Visible;

std::string Pieces(const LineList& list) {
    std::string out = "{";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) out += ", ";
        out += "\"" + Visible(list[i]) + "\"";
    }
    return out + "}";
}

// ---------------------------------------------------------------------------
// RepeatChar

struct RepeatCase {
    const char* why;
    char c;
    std::int64_t n;
    std::string_view result;
};

const RepeatCase kRepeatCases[] = {
    {"three spaces", ' ', 3, "   "},
    {"count 0", ' ', 0, ""},
    {"count -3", ' ', -3, ""},
    {"smallest count", ' ', std::numeric_limits<std::int64_t>::min(), ""},
    {"a byte above 0x7F", '\x95', 2, "\x95\x95"},
};

TEST(RepeatChar, Table) {
    for (const RepeatCase& c : kRepeatCases) {
        EXPECT_EQ(Visible(RepeatChar(c.c, c.n)), Visible(c.result)) << c.why;
    }
}

TEST(AppendRepeat, AppendsAndIgnoresCountsBelowOne) {
    std::string s = "ab";
    AppendRepeat(s, '-', 2);
    AppendRepeat(s, '-', 0);
    AppendRepeat(s, '-', -5);
    EXPECT_EQ(s, "ab--");
}

TEST(AppendRepeat, ACountNoStringCanHoldIsOutOfMemory) {
    std::string s = "ab";
    EXPECT_THROW(AppendRepeat(s, ' ', std::numeric_limits<std::int64_t>::max()), std::bad_alloc);
    EXPECT_EQ(s, "ab");
}

// ---------------------------------------------------------------------------
// TakeFirst, TakeLast

struct TakeCase {
    const char* why;
    std::string_view t;
    std::int64_t n;
    std::string_view first, last;
};

const TakeCase kTakeCases[] = {
    {"inside", "abc", 2, "ab", "bc"},
    {"count equal to the length", "abc", 3, "abc", "abc"},
    {"count beyond the length", "abc", 5, "abc", "abc"},
    {"count 0", "abc", 0, "", ""},
    {"count -1", "abc", -1, "", ""},
    {"smallest count", "abc", std::numeric_limits<std::int64_t>::min(), "", ""},
    {"largest count", "abc", std::numeric_limits<std::int64_t>::max(), "abc", "abc"},
    {"empty text", "", 2, "", ""},
    {"high bytes are bytes", "\x95\xA0z", 1, "\x95", "z"},
};

TEST(TakeFirstAndTakeLast, Table) {
    for (const TakeCase& c : kTakeCases) {
        EXPECT_EQ(Visible(TakeFirst(c.t, c.n)), Visible(c.first)) << c.why;
        EXPECT_EQ(Visible(TakeLast(c.t, c.n)), Visible(c.last)) << c.why;
    }
}

// ---------------------------------------------------------------------------
// FindFrom, FindLast

struct FindFromCase {
    const char* why;
    std::string_view t, s;
    std::int64_t i;
    std::int64_t result;
};

const FindFromCase kFindFromCases[] = {
    {"first occurrence", "abcabc", "bc", 0, 1},
    {"from after the first", "abcabc", "bc", 2, 4},
    {"at the start index itself", "abcabc", "bc", 4, 4},
    {"none", "abcabc", "x", 0, -1},
    {"start equal to the length", "abc", "c", 3, -1},
    {"start beyond the length", "abc", "c", 4, -1},
    {"start beyond the length, empty pattern", "abc", "", 4, -1},
    {"empty pattern at the length", "abc", "", 3, 3},
    {"negative start searches from 0", "abc", "a", -7, 0},
    {"empty text", "", "\r\n", 0, -1},
    {"CR LF after a lone CR", "a\r\r\nb", "\r\n", 0, 2},
    {"a byte above 0x7F", "ab\x95" "c", "\x95", 0, 2},
};

TEST(FindFrom, Table) {
    for (const FindFromCase& c : kFindFromCases) {
        EXPECT_EQ(FindFrom(c.t, c.s, c.i), c.result) << c.why;
    }
}

struct FindLastCase {
    const char* why;
    std::string_view t;
    char c;
    std::int64_t result;
};

const FindLastCase kFindLastCases[] = {
    {"last of several", "a b c", ' ', 3},
    {"at index 0", " abc", ' ', 0},
    {"at the end", "abc ", ' ', 3},
    {"none", "abc", ' ', -1},
    {"empty text", "", ' ', -1},
    {"0xA0 is no space", "a\xA0" "b", ' ', -1},
    {"a byte above 0x7F", "\x95 \x95 ", '\x95', 2},
};

TEST(FindLast, Table) {
    for (const FindLastCase& c : kFindLastCases) {
        EXPECT_EQ(FindLast(c.t, c.c), c.result) << c.why;
    }
}

// ---------------------------------------------------------------------------
// StripLeading, StripTrailing, StripTrailingWhitespace

struct StripCase {
    const char* why;
    std::string_view t;
    char c;
    std::string_view leading, trailing;
};

const StripCase kStripCases[] = {
    {"one run at each end", "  a b  ", ' ', "a b  ", "  a b"},
    {"nothing inside is touched", "a  b", ' ', "a  b", "a  b"},
    {"only the byte given: a tab first", "\t x", ' ', "\t x", "\t x"},
    {"only the byte given: a tab last", "x \t", ' ', "x \t", "x \t"},
    {"all of it", "   ", ' ', "", ""},
    {"empty text", "", ' ', "", ""},
    {"another byte", "xxaxx", 'x', "axx", "xxa"},
    {"a byte above 0x7F", "\xA0\xA0" "a\xA0", '\xA0', "a\xA0", "\xA0\xA0" "a"},
};

TEST(StripLeadingAndStripTrailing, Table) {
    for (const StripCase& c : kStripCases) {
        EXPECT_EQ(Visible(StripLeading(c.t, c.c)), Visible(c.leading)) << c.why;
        EXPECT_EQ(Visible(StripTrailing(c.t, c.c)), Visible(c.trailing)) << c.why;
    }
}

struct WhitespaceCase {
    const char* why;
    std::string_view t, result;
};

const WhitespaceCase kWhitespaceCases[] = {
    {"space, tab, CR, LF", "x \t\r\n", "x"},
    {"VT and FF", "x\v\f", "x"},
    {"only at the end", " \tx y \t", " \tx y"},
    {"no-break space 0xA0 stays", "x\xA0", "x\xA0"},
    {"0x85 stays", "x\x85", "x\x85"},
    {"white space before 0xA0 stays", "x \xA0", "x \xA0"},
    {"0x08 and 0x0E are no white space", "x\x08\x0E", "x\x08\x0E"},
    {"0x1F and 0x7F are no white space", "x\x1F\x7F", "x\x1F\x7F"},
    {"all of it", " \r\n\t", ""},
    {"empty text", "", ""},
};

TEST(StripTrailingWhitespace, Table) {
    for (const WhitespaceCase& c : kWhitespaceCases) {
        EXPECT_EQ(Visible(StripTrailingWhitespace(c.t)), Visible(c.result)) << c.why;
    }
}

TEST(StripTrailingWhitespace, NoByteFrom0x80UpCounts) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string t = std::string("x") + static_cast<char>(b);
        EXPECT_EQ(StripTrailingWhitespace(t).size(), 2u) << "byte " << b;
    }
}

// ---------------------------------------------------------------------------
// ReplaceAll

struct ReplaceCase {
    const char* why;
    std::string_view t, from, to, result;
};

const ReplaceCase kReplaceCases[] = {
    // From the definition.
    {"a by aa: inserted bytes are not scanned again", "a", "a", "aa", "aa"},
    {"aa by b in aaa: no overlap", "aaa", "aa", "b", "ba"},
    {"LF by a space where there is none", "abc", "\n", " ", "abc"},
    // Empty operands.
    {"empty pattern: unchanged", "abc", "", "x", "abc"},
    {"empty replacement removes", "a\rb\r\r", "\r", "", "ab"},
    {"empty text", "", "a", "b", ""},
    // Places.
    {"at the start", "\n x", "\n ", " ", " x"},
    {"at the end", "x \n", " \n", " ", "x "},
    {"the whole text", "abc", "abc", "", ""},
    {"pattern longer than the text", "ab", "abc", "x", "ab"},
    {"a near miss at the end", "aab", "abc", "x", "aab"},
    // Self-overlapping patterns, where a naive restart would go wrong.
    {"aab in aaab", "aaab", "aab", "X", "aX"},
    {"abab in ababab", "ababab", "abab", "X", "Xab"},
    {"abab in abababab", "abababab", "abab", "X", "XX"},
    {"aabaab in aabaabaab", "aabaabaab", "aabaab", "X", "Xaab"},
    {"three spaces over runs of 2, 3, 7", "a  b   c       d", "   ", "\t", "a  b\tc\t\t d"},
    // Bytes.
    {"bytes above 0x7F", "\x95" "a\x95", "\x95", "\xA0\xA0", "\xA0\xA0" "a\xA0\xA0"},
    {"LF followed by a bullet prefix", "a\nb", "\n", "\n\x95   ", "a\n\x95   b"},
};

TEST(ReplaceAll, Table) {
    for (const ReplaceCase& c : kReplaceCases) {
        EXPECT_EQ(Visible(ReplaceAll(c.t, c.from, c.to)), Visible(c.result)) << c.why;
    }
}

// The definition, step by step, with copies: the reference for the table
// below.
std::string ReplaceAllByDefinition(std::string t, const std::string& from, const std::string& to) {
    if (from.empty()) return t;
    std::string out;
    std::size_t i = 0;
    while (i < t.size()) {
        if (t.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += t[i];
            ++i;
        }
    }
    return out;
}

// Every text of up to 8 bytes over {a, b}, against every pattern of up to 4.
TEST(ReplaceAll, AgreesWithTheDefinitionOnEverySmallText) {
    auto all = [](std::size_t maxLength) {
        std::vector<std::string> texts{""};
        for (std::size_t begin = 0, length = 1; length <= maxLength; ++length) {
            const std::size_t end = texts.size();
            for (std::size_t i = begin; i < end; ++i) {
                texts.push_back(texts[i] + "a");
                texts.push_back(texts[i] + "b");
            }
            begin = end;
        }
        return texts;
    };
    const std::vector<std::string> texts = all(8);
    const std::vector<std::string> patterns = all(4);
    for (const std::string& from : patterns) {
        for (const std::string& t : texts) {
            ASSERT_EQ(ReplaceAll(t, from, "X"), ReplaceAllByDefinition(t, from, "X"))
                << "text " << t << ", pattern " << from;
        }
    }
}

// ---------------------------------------------------------------------------
// DecimalText

struct DecimalCase {
    std::int64_t n;
    std::string_view text;
};

const DecimalCase kDecimalCases[] = {
    {0, "0"},
    {7, "7"},
    {10, "10"},
    {-7, "-7"},
    {300, "300"},
    {std::numeric_limits<std::int32_t>::max(), "2147483647"},
    {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    {std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1, "2147483648"},
    {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
};

TEST(DecimalText, Table) {
    for (const DecimalCase& c : kDecimalCases) {
        EXPECT_EQ(DecimalText(c.n), c.text);
    }
}

// ---------------------------------------------------------------------------
// SplitString

struct SplitCase {
    const char* why;
    std::string_view text, sep;
    std::vector<std::string_view> pieces;
};

const SplitCase kSplitCases[] = {
    {"empty text gives one empty piece", "", "\r\n", {""}},
    {"adjacent separators", "a\r\n\r\nb", "\r\n", {"a", "", "b"}},
    {"separator alone gives two empty pieces", "\r\n", "\r\n", {"", ""}},
    {"separator at the end", "a\r\n", "\r\n", {"a", ""}},
    {"separator at the start", "\r\na", "\r\n", {"", "a"}},
    {"no separator", "abc", "\r\n", {"abc"}},
    {"no overlap: aaa split at aa", "aaa", "aa", {"", "a"}},
    {"CR, CR LF: a CR and the empty text", "\r\r\n", "\r\n", {"\r", ""}},
    {"CR LF, LF: the empty text and an LF", "\r\n\n", "\r\n", {"", "\n"}},
    {"lone CR and LF inside a piece", "a\rb\nc\r\nd", "\r\n", {"a\rb\nc", "d"}},
    {"at LF", "a\nb\n", "\n", {"a", "b", ""}},
    {"at LF, CRs stay", "a\r\nb", "\n", {"a\r", "b"}},
    {"empty separator: one piece, the whole text", "a\r\nb", "", {"a\r\nb"}},
    {"empty separator, empty text", "", "", {""}},
};

TEST(SplitString, Table) {
    for (const SplitCase& c : kSplitCases) {
        LineList list;
        const std::int64_t n = SplitString(c.text, c.sep, list);
        EXPECT_EQ(Pieces(list), Pieces(c.pieces)) << c.why;
        EXPECT_EQ(n, static_cast<std::int64_t>(c.pieces.size())) << c.why;
    }
}

TEST(SplitString, AppendsAndCountsTheWholeList) {
    LineList list{"x"};
    EXPECT_EQ(SplitString("a\r\nb", "\r\n", list), 3);
    EXPECT_EQ(Pieces(list), Pieces({"x", "a", "b"}));
}

// ---------------------------------------------------------------------------
// GuardedLineSplit

struct GuardedCase {
    const char* why;
    std::string_view text;
    std::vector<std::string_view> list;
};

const GuardedCase kGuardedCases[] = {
    {"empty text: three empty texts, one empty line", "", {"", "", ""}},
    {"two lines", "a\r\nb", {"", "a", "b", ""}},
    {"a final CR LF gives an empty last line", "a\r\n", {"", "a", "", ""}},
    {"a blank line between", "a\r\n\r\nb", {"", "a", "", "b", ""}},
    {"CR LF alone: two empty lines", "\r\n", {"", "", "", ""}},
    {"a lone LF first stays in its line", "\nabc", {"", "\nabc", ""}},
    {"a lone CR last stays in its line", "abc\r", {"", "abc\r", ""}},
    {"LF CR inside", "a\n\rb", {"", "a\n\rb", ""}},
};

TEST(GuardedLineSplit, Table) {
    for (const GuardedCase& c : kGuardedCases) {
        EXPECT_EQ(Pieces(GuardedLineSplit(c.text)), Pieces(c.list)) << c.why;
    }
}

// GuardedLineSplit builds its list without joining the guards to the text;
// every text of up to 6 bytes over {a, CR, LF} shows that this is the list
// of the definition.
TEST(GuardedLineSplit, IsTheSplitOfTheGuardedText) {
    std::vector<std::string> texts{""};
    for (std::size_t begin = 0, length = 1; length <= 6; ++length) {
        const std::size_t end = texts.size();
        for (std::size_t i = begin; i < end; ++i) {
            for (const char b : {'a', '\r', '\n'}) texts.push_back(texts[i] + b);
        }
        begin = end;
    }
    for (const std::string& text : texts) {
        const std::string guarded = "\r\n" + text + "\r\n";
        LineList expected;
        SplitString(guarded, "\r\n", expected);
        ASSERT_EQ(Pieces(GuardedLineSplit(text)), Pieces(expected)) << Visible(text);
    }
}

TEST(GuardedLineSplit, LinesAreViewsIntoTheText) {
    const std::string text = "ab\r\ncd";
    const LineList list = GuardedLineSplit(text);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].data(), text.data());
    EXPECT_EQ(list[2].data(), text.data() + 4);
}

// ---------------------------------------------------------------------------
// RemoveCarriageReturns

struct RemoveCrCase {
    const char* why;
    std::string_view text, result;
};

const RemoveCrCase kRemoveCrCases[] = {
    {"CR of CR LF and lone CR", "a\r\nb\rc", "a\nbc"},
    {"CRs only", "\r\r\r", ""},
    {"none", "a\nb", "a\nb"},
    {"empty text", "", ""},
    {"high bytes stay", "\x95\r\xA0", "\x95\xA0"},
};

TEST(RemoveCarriageReturns, Table) {
    for (const RemoveCrCase& c : kRemoveCrCases) {
        EXPECT_EQ(Visible(RemoveCarriageReturns(c.text)), Visible(c.result)) << c.why;
    }
}

}  // namespace
}  // namespace tidewick
