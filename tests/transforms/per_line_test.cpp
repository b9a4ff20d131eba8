// TrimTrailingSpaces and NumberLines: the worked examples and the edges.
#include "transforms/per_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "tests/support/test_files.h"
#include "tests/transforms/notation.h"

namespace tidewick {
namespace {

using test::Input;
using test::Result;
using test::Visible;

// ---------------------------------------------------------------------------
// TrimTrailingSpaces

struct TrimCase {
    const char* why;
    std::string_view input, result;  // notation.h
};

const TrimCase kTrimExamples[] = {
    {"spaces and a tab; a final CR LF gives one more line", "ab··↵cd⇥↵", "ab↵cd↵↵"},
    {"a last line without a break gains one", "ab··↵cd", "ab↵cd↵"},
    {"empty input: one LF", "(empty)", "↵"},
    {"two line breaks: three", "↵↵", "↵↵↵"},
    {"a lone LF stays inside its line", "x·␊·y·↵", "x·↵·y↵↵"},
    {"a CR before CR LF goes, a CR inside stays", "a␍↵·b␍·c·↵", "a↵·b␍·c↵↵"},
};

const TrimCase kTrimEdges[] = {
    {"one line with CR LF", "a↵", "a↵↵"},
    {"one line", "a", "a↵"},
    {"0xA0 stays", "a\xA0↵b·\xA0", "a\xA0↵b·\xA0↵"},
    {"VT and FF go", "a\v\f↵", "a↵↵"},
    {"leading and inner white space stay", "·⇥a·⇥·b··", "·⇥a·⇥·b↵"},
    {"lines ending in LF alone are one line", "a··␊b··␊", "a··\nb↵"},
    {"white space only", "··⇥↵·", "↵↵"},
    {"a lone CR at the end", "a·␍", "a↵"},
};

TEST(TrimTrailingSpaces, WorkedExamples) {
    for (const TrimCase& c : kTrimExamples) {
        EXPECT_EQ(Visible(TrimTrailingSpaces(Input(c.input))), Visible(Result(c.result))) << c.why;
    }
}

TEST(TrimTrailingSpaces, Edges) {
    for (const TrimCase& c : kTrimEdges) {
        EXPECT_EQ(Visible(TrimTrailingSpaces(Input(c.input))), Visible(Result(c.result))) << c.why;
    }
}

// ---------------------------------------------------------------------------
// NumberLines

struct NumberCase {
    const char* why;
    std::int32_t start;
    std::string_view input, result;  // notation.h
};

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

const NumberCase kNumberExamples[] = {
    {"the empty piece after a final break is numbered", 1, "a↵b↵", "1.·a↵2.·b↵3.·"},
    {"no fill before a shorter number", 9, "a↵b", "9.·a↵10.·b"},
    {"empty input", 1, "(empty)", "1.·"},
    {"empty lines numbered, from 0", 0, "x↵↵y", "0.·x↵1.·↵2.·y"},
    {"lone CR vanishes, lone LF a break", 1, "a␍b␊c", "1.·ab↵2.·c"},
};

const NumberCase kNumberEdges[] = {
    {"empty input from 0", 0, "(empty)", "0.·"},
    {"one line, no break after it", 300, "abc", "300.·abc"},
    {"CRs only", 5, "␍␍", "5.·"},
    {"lines keep their spaces", 1, "·a·↵⇥", "1.··a·↵2.·⇥"},
    {"past the 32-bit range: no overflow", kMax, "a↵b", "2147483647.·a↵2147483648.·b"},
    {"the smallest start", kMin, "a↵b", "-2147483648.·a↵-2147483647.·b"},
    {"negative to positive", -1, "a↵b↵c", "-1.·a↵0.·b↵1.·c"},
};

TEST(NumberLines, WorkedExamples) {
    for (const NumberCase& c : kNumberExamples) {
        EXPECT_EQ(Visible(NumberLines(Input(c.input), c.start)), Visible(Result(c.result))) << c.why;
    }
}

TEST(NumberLines, Edges) {
    for (const NumberCase& c : kNumberEdges) {
        EXPECT_EQ(Visible(NumberLines(Input(c.input), c.start)), Visible(Result(c.result))) << c.why;
    }
}

}  // namespace
}  // namespace tidewick
