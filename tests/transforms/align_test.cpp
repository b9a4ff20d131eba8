// AlignLeft, AlignRight and AlignCenter: the worked examples, the edges, and
// the shared loop against a word-for-word reading of its definition.
#include "transforms/align.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "tests/support/test_files.h"
#include "tests/transforms/notation.h"
#include "transforms/text.h"

namespace tidewick {
namespace {

using test::Input;
using test::Result;
using test::Visible;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// ---------------------------------------------------------------------------
// AlignLeft

struct LeftCase {
    const char* why;
    std::int32_t lm, rm, hgi, hi;
    std::string_view input, result;  // notation.h
};

const LeftCase kLeftExamples[] = {
    {"plain, 0..10", 0, 10, 0, 0, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "The·quick·↵brown·fox·↵jumps·↵over·the·↵lazy·dog↵"},
    {"left margin 2", 2, 12, 0, 0, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "··The·quick·↵··brown·fox·↵··jumps·↵··over·the·↵··lazy·dog↵"},
    {"hanging indent 4 right of LM", 0, 14, 4, 1, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "The·quick·↵····brown·fox·↵····jumps·↵····over·the·↵····lazy·dog↵"},
    {"hanging indent 0 left of LM", 4, 14, 0, 1, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "····The·quick·↵brown·fox·↵jumps·over·↵the·lazy·dog↵"},
    {"later width applies to the loop test", 0, 10, 3, 1, "aaaa·bbbb·cccc·ddd",
     "aaaa·bbbb·↵···cccc·↵···ddd↵"},
    {"lines run together", 0, 10, 0, 0, "aaa↵bbb", "aaabbb↵"},
    {"a trailing space keeps words apart", 0, 10, 0, 0, "aaa·↵bbb", "aaa·bbb↵"},
    {"blank lines vanish", 0, 10, 0, 0, "one·two·↵↵three", "one·two·↵three↵"},
    {"a long word is cut at the width", 0, 5, 0, 0, "abcdefghijklmnopq·rs", "abcde↵fghij↵klmno↵pq·rs↵"},
    {"a run of spaces: the break takes the first", 0, 4, 0, 0, "aaa··bbb·ccc", "aaa·↵·↵bbb·↵ccc↵"},
    {"empty input", 3, 10, 0, 0, "(empty)", "···↵"},
};

const LeftCase kLeftEdges[] = {
    {"spaces and line breaks only", 2, 10, 0, 0, "···↵↵·↵", "··↵"},
    {"a final CR LF changes nothing", 0, 10, 0, 0, "one·two·three·four↵", "one·two·↵three·four↵"},
    {"a fitting line keeps its trailing spaces", 1, 10, 0, 0, "··ab··", "·ab··↵"},
    {"exactly the width fits", 0, 5, 0, 0, "abcde", "abcde↵"},
    {"one byte over the width is cut", 0, 5, 0, 0, "abcdef", "abcde↵f↵"},
    {"break at a space at the width's last byte", 0, 5, 0, 0, "abcd·ef", "abcd·↵ef↵"},
    {"a space right after the width is not seen", 0, 5, 0, 0, "abcde·f", "abcde↵·f↵"},
    {"spaces after a break begin the next line", 0, 3, 0, 0, "ab···cd", "ab·↵··↵cd↵"},
    {"HI 1 with HGI equal to LM", 2, 12, 2, 1, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "··The·quick·↵··brown·fox·↵··jumps·↵··over·the·↵··lazy·dog↵"},
    {"HI 0: HGI plays no part", 2, 12, 7, 0, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "··The·quick·↵··brown·fox·↵··jumps·↵··over·the·↵··lazy·dog↵"},
    {"HI 2 is off", 2, 12, 7, 2, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "··The·quick·↵··brown·fox·↵··jumps·↵··over·the·↵··lazy·dog↵"},
    {"HI -1 is off", 2, 12, 7, -1, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "··The·quick·↵··brown·fox·↵··jumps·↵··over·the·↵··lazy·dog↵"},
    {"hanging indent on, one line only", 2, 12, 6, 1, "short", "··short↵"},
    {"hanging indent on a later input line", 0, 6, 2, 1, "abc·def↵ghi·jkl",
     "abc·↵··defg↵··hi·↵··jkl↵"},
    {"a cut line after a hanging indent holds the later width", 0, 6, 2, 1, "abcdefghijklmn",
     "abcdef↵··ghij↵··klmn↵"},
    {"first line flag lasts the run", 0, 4, 2, 1, "ab·cd↵ef↵gh", "ab·↵··cd↵··ef↵··gh↵"},
    {"a tab is no break and is not stripped", 0, 4, 0, 0, "ab↵⇥cd·ef", "ab⇥c↵d·ef↵"},
    {"a lone LF is an ordinary byte", 0, 4, 0, 0, "ab␊cd·e", "ab\nc↵d·e↵"},
    {"a lone CR is an ordinary byte", 0, 10, 0, 0, "ab␍cd", "ab\rcd↵"},
    {"a leading tab after carried text", 0, 10, 0, 0, "ab·↵⇥cd", "ab·⇥cd↵"},
    {"bytes above 0x7F are one column", 0, 3, 0, 0, "\x95\xA0\x95\xA0·x", "\x95\xA0\x95↵\xA0·x↵"},
    {"negative LM: no prefix, width RM - LM", -5, 10, 0, 0, "abcdefghijklmno·pq", "abcdefghijklmno↵·pq↵"},
    {"negative HGI: no prefix, width RM - HGI", 1, 4, -2, 1, "abcdefghijk", "·abc↵defghi↵jk↵"},
};

std::string RunLeft(const LeftCase& c) {
    return AlignLeft(Input(c.input), Margins{c.lm, c.rm, c.hgi, c.hi == 1});
}

TEST(AlignLeft, WorkedExamples) {
    for (const LeftCase& c : kLeftExamples) EXPECT_EQ(Visible(RunLeft(c)), Visible(Result(c.result))) << c.why;
}

TEST(AlignLeft, Edges) {
    for (const LeftCase& c : kLeftEdges) EXPECT_EQ(Visible(RunLeft(c)), Visible(Result(c.result))) << c.why;
}

TEST(AlignLeft, AFinalLineBreakAndBlankLinesChangeNothing) {
    const std::string text = "The quick brown\r\nfox jumps over\r\nthe lazy dog";
    const std::string expected = AlignLeft(text, {2, 12, 4, true});
    EXPECT_EQ(Visible(AlignLeft(text + "\r\n", {2, 12, 4, true})), Visible(expected));
    EXPECT_EQ(Visible(AlignLeft("\r\n\r\n" + text + "\r\n \r\n\r\n", {2, 12, 4, true})), Visible(expected));
}

// Its lines end with their break spaces, so reflowing its own result, each
// LF written as CR LF, joins them back into the same words.
TEST(AlignLeft, ReflowingItsResultGivesTheSameAsReflowingTheInput) {
    const std::string text = "The quick brown fox jumps over the lazy dog, and then some more words follow.";
    std::string narrow = ReplaceAll(AlignLeft(text, {0, 12, 0, false}), "\n", "\r\n");
    EXPECT_EQ(Visible(AlignLeft(narrow, {4, 40, 0, false})), Visible(AlignLeft(text, {4, 40, 0, false})));
}

TEST(AlignLeft, ExtremeMarginsFitEverythingOnOneUnprefixedLine) {
    EXPECT_EQ(Visible(AlignLeft("abc def\r\nghi", {kMin, kMax, 0, false})), "abc defghi\\n");
    EXPECT_EQ(Visible(AlignLeft("abc def\r\nghi", {kMin, kMax, kMin, true})), "abc defghi\\n");
    EXPECT_EQ(Visible(AlignLeft("", {kMin, kMax, kMin, true})), "\\n");
}

TEST(AlignLeft, AHugeLaterWidthAfterANarrowFirstLine) {
    EXPECT_EQ(Visible(AlignLeft("aaa bbb ccc", {0, 3, kMin, true})), Visible("aaa\n bbb ccc\n"));
    EXPECT_EQ(Visible(AlignLeft("aaa bbb ccc", {kMin, kMax, kMax - 3, true})),
              Visible("aaa bbb ccc\n"));
}

// ---------------------------------------------------------------------------
// AlignRight, AlignCenter

enum class Op { Right, Center };

struct RightCenterCase {
    const char* why;
    Op op;
    std::int32_t lm, rm;
    std::string_view input, result;  // notation.h
};

const RightCenterCase kRightCenterExamples[] = {
    {"right, 0..10", Op::Right, 0, 10, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "The·quick·↵brown·fox·↵····jumps·↵·over·the·↵·lazy·dog·↵"},
    {"right, 2..12, two lines", Op::Right, 2, 12, "The·quick·brown·fox↵jumps·over·the·lazy·dog",
     "··The·quick·↵··brown·fox·↵······jumps·↵···over·the·↵···lazy·dog·↵"},
    {"right, a blank line adds a space", Op::Right, 0, 10, "ab↵↵cd", "···ab··cd·↵"},
    {"right, a long word cut after LM", Op::Right, 2, 7, "abcdefghijklmnop·qr", "··abcde↵··fghij↵··klmno↵··p·qr·↵"},
    {"right, empty input", Op::Right, 2, 7, "(empty)", "·······↵"},
    {"center, 0..10", Op::Center, 0, 10, "The·quick·brown·fox·jumps·over·the·lazy·dog",
     "The·quick·↵brown·fox·↵··jumps·↵over·the·↵·lazy·dog↵"},
    {"center, 2..12, two lines run together", Op::Center, 2, 12, "The·quick·brown·fox↵jumps·over·the·lazy·dog",
     "··The·quick·↵····brown·↵··foxjumps·↵··over·the·↵···lazy·dog↵"},
    {"center, a long word cut after LM", Op::Center, 2, 7, "abcdefghijklmnop·qr", "··abcde↵··fghij↵··klmno↵··p·qr↵"},
    {"center, empty input", Op::Center, 2, 7, "(empty)", "····↵"},
};

const RightCenterCase kRightCenterEdges[] = {
    // AlignRight
    {"right, empty input is RM spaces", Op::Right, 0, 5, "(empty)", "·····↵"},
    {"right, spaces only", Op::Right, 1, 4, "···", "····↵"},
    {"right, stripped at both ends, one space added", Op::Right, 0, 8, "··ab··", "·····ab·↵"},
    {"right, W - 1 bytes fit with the added space", Op::Right, 0, 5, "abcd", "abcd·↵"},
    {"right, W bytes and the added space: broken", Op::Right, 0, 5, "aa·bb", "··aa·↵··bb·↵"},
    {"right, W bytes without a space: cut, then RM spaces", Op::Right, 0, 5, "aabbc", "aabbc↵·····↵"},
    {"right, a final CR LF adds one more space", Op::Right, 0, 10, "ab·cd↵", "···ab·cd··↵"},
    {"right, a final CR LF after a full line", Op::Right, 0, 10, "The·quick·brown·fox↵",
     "The·quick·↵brown·fox·↵··········↵"},
    {"right, lines stay one space apart", Op::Right, 0, 20, "aaa↵··bbb··↵ccc", "········aaa·bbb·ccc·↵"},
    {"right, a tab is no break", Op::Right, 0, 4, "a⇥b·c", "a⇥b·↵··c·↵"},
    {"right, negative LM: width RM - LM, pad may be empty", Op::Right, -5, 5, "abc", "·abc·↵"},
    {"right, negative LM, a long line", Op::Right, -3, 2, "abcdefg", "abcde↵fg·↵"},
    // AlignCenter
    {"center, empty input is LM + W / 2 spaces", Op::Center, 0, 5, "(empty)", "··↵"},
    {"center, odd free columns: the odd one right", Op::Center, 0, 5, "ab", "·ab↵"},
    {"center, even free columns", Op::Center, 0, 6, "ab", "··ab↵"},
    {"center, exactly W after stripping", Op::Center, 1, 6, "···abcde", "·abcde↵"},
    {"center, trailing spaces are centred too", Op::Center, 0, 10, "ab··", "···ab··↵"},
    {"center, the break space counts", Op::Center, 0, 6, "abc·def·ghi", "·abc·↵·def·↵·ghi↵"},
    {"center, a final CR LF changes nothing", Op::Center, 0, 6, "abc·def·ghi↵↵", "·abc·↵·def·↵·ghi↵"},
    {"center, no space added at the joins", Op::Center, 0, 10, "ab↵cd", "···abcd↵"},
    {"center, negative LM", Op::Center, -1, 7, "ab", "··ab↵"},
    {"center, negative LM, pad below 0", Op::Center, -4, 4, "ab", "ab↵"},
};

std::string Align(Op op, std::string_view text, std::int32_t lm, std::int32_t rm) {
    return op == Op::Right ? AlignRight(text, lm, rm) : AlignCenter(text, lm, rm);
}

TEST(AlignRightAndAlignCenter, WorkedExamples) {
    for (const RightCenterCase& c : kRightCenterExamples) {
        EXPECT_EQ(Visible(Align(c.op, Input(c.input), c.lm, c.rm)), Visible(Result(c.result))) << c.why;
    }
}

TEST(AlignRightAndAlignCenter, Edges) {
    for (const RightCenterCase& c : kRightCenterEdges) {
        EXPECT_EQ(Visible(Align(c.op, Input(c.input), c.lm, c.rm)), Visible(Result(c.result))) << c.why;
    }
}

TEST(AlignRight, EveryLineIsRmBytesLong) {
    const std::string text = "The quick brown fox\r\njumps over the lazy dog\r\n\r\n  a b  c\r\nxxxxxxxxxxxxxxxxxxxx\r\n";
    const std::string result = AlignRight(text, 3, 11);
    LineList lines;
    SplitString(result, "\n", lines);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines.back().empty());
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 11u) << Visible(lines[i]);
        EXPECT_EQ(lines[i].substr(0, 3), "   ") << Visible(lines[i]);
    }
}

// Margins from a hand-edited file: the width no longer fits 32 bits.
TEST(AlignRightAndAlignCenter, ExtremeMargins) {
    // W = 2^31 + 20: everything fits; the pad RM - m is 20 - 8.
    EXPECT_EQ(Visible(AlignRight("abc\r\ndef", kMin, 20)), Visible(std::string(12, ' ') + "abc def \n"));
    // W = 2^31 + 3: the pad 3 - 8 is not positive, so empty.
    EXPECT_EQ(Visible(AlignRight("abc\r\ndef", kMin, 3)), Visible("abc def \n"));
    // W = 2^32 - 1: the pad LM + (W - m) / 2 is about -m / 2, so empty.
    EXPECT_EQ(Visible(AlignCenter("abc\r\ndef", kMin, kMax)), Visible("abcdef\n"));
    EXPECT_EQ(Visible(AlignCenter("", kMin, kMax)), Visible("\n"));
    // W = 2^32 - 49: the pad -2147483600 + (W - 3) / 2 is 22.
    EXPECT_EQ(Visible(AlignCenter("abc", kMin + 48, kMax)), Visible(std::string(22, ' ') + "abc\n"));
}

// ---------------------------------------------------------------------------
// The shared loop against the definitions, read word for word: copies of
// the working text and all.

std::string LeftByDefinition(const std::string& text, std::int64_t lm, std::int64_t rm, std::int64_t hgi, bool hi) {
    LineList lines;
    const std::string guarded = "\r\n" + text + "\r\n";
    const std::size_t n = static_cast<std::size_t>(SplitString(guarded, "\r\n", lines));
    const std::string firstPrefix = RepeatChar(' ', lm);
    const std::string laterPrefix = hi ? RepeatChar(' ', hgi) : firstPrefix;
    const std::int64_t firstWidth = rm - lm;
    const std::int64_t laterWidth = hi ? rm - hgi : rm - lm;
    std::string result, carried;
    bool first = false;
    for (std::size_t k = 1; k <= n - 2; ++k) {
        std::string work = carried + std::string(StripLeading(lines[k], ' '));
        while (static_cast<std::int64_t>(work.size()) > (first ? laterWidth : firstWidth)) {
            const std::int64_t w = first ? laterWidth : firstWidth;
            const std::string& prefix = first ? laterPrefix : firstPrefix;
            const std::int64_t p = FindLast(TakeFirst(work, w), ' ');
            const std::size_t take = p >= 0 ? static_cast<std::size_t>(p + 1) : static_cast<std::size_t>(w);
            result += prefix + work.substr(0, take) + "\n";
            work = work.substr(take);
            first = true;
        }
        if (k == n - 2) {
            result += (first ? laterPrefix : firstPrefix) + work + "\n";
            first = true;
        } else {
            carried = work;
        }
    }
    return result;
}

std::string RightCenterByDefinition(Op op, const std::string& text, std::int64_t lm, std::int64_t rm) {
    LineList lines;
    const std::string guarded = "\r\n" + text + "\r\n";
    const std::size_t n = static_cast<std::size_t>(SplitString(guarded, "\r\n", lines));
    const std::int64_t w = rm - lm;
    auto pad = [&](std::int64_t m) {
        return RepeatChar(' ', op == Op::Right ? lm + w - m : lm + (w - m) / 2);
    };
    std::string result, carried;
    for (std::size_t k = 1; k <= n - 2; ++k) {
        const std::string line = op == Op::Right
                                     ? std::string(StripLeading(StripTrailing(lines[k], ' '), ' ')) + " "
                                     : std::string(StripLeading(lines[k], ' '));
        std::string work = carried + line;
        while (static_cast<std::int64_t>(work.size()) > w) {
            const std::int64_t p = FindLast(TakeFirst(work, w), ' ');
            if (p >= 0) {
                result += pad(p + 1) + work.substr(0, static_cast<std::size_t>(p + 1)) + "\n";
                work = work.substr(static_cast<std::size_t>(p + 1));
            } else {
                result += RepeatChar(' ', lm) + work.substr(0, static_cast<std::size_t>(w)) + "\n";
                work = work.substr(static_cast<std::size_t>(w));
            }
        }
        if (k == n - 2) {
            result += pad(static_cast<std::int64_t>(work.size())) + work + "\n";
        } else {
            carried = work;
        }
    }
    return result;
}

// Texts built from words, runs of spaces, line breaks (CR LF, lone CR, lone
// LF), tabs and high bytes; margins small, negative ones included.
std::string RandomText(std::mt19937& random, std::size_t maxPieces) {
    static const char* const kPieces[] = {"a", "bb", "cccc", "dddddddd", " ", " ", "  ", "\r\n", "\r\n", "\r\n\r\n",
                                          "\t", "\r", "\n", "\x95", " \r\n", "\r\n "};
    std::string text;
    const std::size_t count = random() % (maxPieces + 1);
    for (std::size_t i = 0; i < count; ++i) text += kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
    return text;
}

TEST(Reflow, AgreesWithTheDefinitionsOnManyTexts) {
    std::mt19937 random(20240607);
    for (int run = 0; run < 4000; ++run) {
        const std::string text = RandomText(random, run < 3000 ? 20 : 200);
        const std::int32_t lm = static_cast<std::int32_t>(random() % 10) - 3;
        const std::int32_t rm = lm + 1 + static_cast<std::int32_t>(random() % (run % 2 == 0 ? 8 : 40));
        const std::int32_t hgi = rm - 1 - static_cast<std::int32_t>(random() % 12);
        const bool hi = random() % 2 == 0;
        ASSERT_EQ(Visible(AlignLeft(text, {lm, rm, hgi, hi})), Visible(LeftByDefinition(text, lm, rm, hgi, hi)))
            << "left " << lm << ".." << rm << " hgi " << hgi << " hi " << hi << ": " << Visible(text);
        ASSERT_EQ(Visible(AlignRight(text, lm, rm)), Visible(RightCenterByDefinition(Op::Right, text, lm, rm)))
            << "right " << lm << ".." << rm << ": " << Visible(text);
        ASSERT_EQ(Visible(AlignCenter(text, lm, rm)), Visible(RightCenterByDefinition(Op::Center, text, lm, rm)))
            << "center " << lm << ".." << rm << ": " << Visible(text);
    }
}

// Many short lines under a wide width: the carried text grows across lines
// and is taken off the front in small pieces.
TEST(Reflow, AgreesWithTheDefinitionsWhenMuchIsCarried) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += (i % 7 == 0 ? "word word " : i % 5 == 0 ? "xxxxxxxxxxxxx" : "ab ") + std::string("\r\n");
    for (const std::int32_t rm : {3, 11, 50, 333, 5000}) {
        EXPECT_EQ(AlignLeft(text, {0, rm, 1, true}), LeftByDefinition(text, 0, rm, 1, true)) << rm;
        EXPECT_EQ(AlignRight(text, 0, rm), RightCenterByDefinition(Op::Right, text, 0, rm)) << rm;
        EXPECT_EQ(AlignCenter(text, 0, rm), RightCenterByDefinition(Op::Center, text, 0, rm)) << rm;
    }
}

}  // namespace
}  // namespace tidewick
