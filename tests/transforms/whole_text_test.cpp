// The whole-text transforms: the worked examples and the edges.
#include "transforms/whole_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/support/test_files.h"
#include "tests/transforms/notation.h"

namespace tidewick {
namespace {

using test::Input;
using test::Result;
using test::Visible;

enum class Op { Fill, Tabs, Spaces, Add, Remove, Bullets };

const char* Name(Op op) {
    switch (op) {
        case Op::Fill: return "FillParagraph";
        case Op::Tabs: return "TabsToSpaces";
        case Op::Spaces: return "SpacesToTabs";
        case Op::Add: return "AddIndents";
        case Op::Remove: return "RemoveIndents";
        case Op::Bullets: return "InsertBullets";
    }
    return "?";
}

std::string Transform(Op op, std::string_view text, std::int32_t n) {
    switch (op) {
        case Op::Fill: return FillParagraph(text);
        case Op::Tabs: return TabsToSpaces(text, n);
        case Op::Spaces: return SpacesToTabs(text, n);
        case Op::Add: return AddIndents(text, n);
        case Op::Remove: return RemoveIndents(text, n);
        case Op::Bullets: return InsertBullets(text);
    }
    return {};
}

struct WholeCase {
    const char* why;
    Op op;
    std::int32_t n;
    std::string_view input, result;  // notation.h
};

const WholeCase kExamples[] = {
    {"LFs beside spaces deleted, others a space", Op::Fill, 0, "The·quick↵brown·fox·↵··jumps↵",
     "The·quick·brown·fox···jumps·"},
    {"an empty line adds a space", Op::Fill, 0, "one↵↵two", "one··two"},
    {"spaces are never merged", Op::Fill, 0, "a·↵·b", "a··b"},
    {"lone CR deleted, lone LF a break", Op::Fill, 0, "a␍b␊c", "ab·c"},
    {"each tab 4 spaces", Op::Tabs, 4, "⇥x⇥⇥y↵", "····x········y↵"},
    {"N 0 deletes tabs", Op::Tabs, 0, "⇥x⇥⇥y↵", "xy↵"},
    {"runs of 6 and 4", Op::Spaces, 4, "······x····y↵", "⇥··x⇥y↵"},
    {"a run of 3 stays", Op::Spaces, 4, "···x↵", "···x↵"},
    {"N 1: every space", Op::Spaces, 1, "a·b↵", "a⇥b↵"},
    {"N 0: unchanged", Op::Spaces, 0, "··x↵", "··x↵"},
    {"a final line break gets an indent", Op::Add, 2, "a↵↵b↵", "··a↵··↵··b↵··"},
    {"two lines", Op::Add, 2, "a↵b", "··a↵··b"},
    {"N 0: unchanged", Op::Add, 0, "a↵b", "a↵b"},
    {"empty input: N spaces", Op::Add, 3, "(empty)", "···"},
    {"lines with fewer spaces keep them", Op::Remove, 2, "··a↵···b↵·c↵", "a↵·b↵·c↵"},
    {"first line with one space stays", Op::Remove, 2, "·a↵··b", "·a↵b"},
    {"a line of exactly N spaces becomes empty", Op::Remove, 2, "··↵··x", "↵x"},
    {"tab-indented lines stay", Op::Remove, 2, "⇥a↵⇥··b", "⇥a↵⇥··b"},
    {"a text shorter than N stays", Op::Remove, 2, "·", "·"},
    {"a final line break gets a bullet", Op::Bullets, 0, "a↵b↵", "•···a↵•···b↵•···"},
    {"an empty line gets a bullet", Op::Bullets, 0, "a↵↵b", "•···a↵•···↵•···b"},
    {"empty input: the bullet prefix", Op::Bullets, 0, "(empty)", "•···"},
};

const WholeCase kEdges[] = {
    // Empty input.
    {"empty input", Op::Fill, 0, "(empty)", "(empty)"},
    {"empty input", Op::Tabs, 4, "(empty)", "(empty)"},
    {"empty input", Op::Spaces, 4, "(empty)", "(empty)"},
    {"empty input", Op::Remove, 2, "(empty)", "(empty)"},
    {"empty input, N 0", Op::Add, 0, "(empty)", "(empty)"},
    // Lone CR deleted, lone LF a line break, everywhere.
    {"lone CR and LF", Op::Tabs, 2, "a␍⇥␊b", "a··↵b"},
    {"lone CR and LF", Op::Spaces, 2, "a␍··␊b", "a⇥↵b"},
    {"lone CR and LF", Op::Add, 1, "a␍b␊c", "·ab↵·c"},
    {"lone CR and LF", Op::Remove, 1, "·a␍b␊·c", "ab↵c"},
    {"lone CR and LF", Op::Bullets, 0, "a␍b␊c", "•···ab↵•···c"},
    {"CRs only", Op::Bullets, 0, "␍␍", "•···"},
    // FillParagraph.
    {"a final line break after a space adds nothing", Op::Fill, 0, "a·↵", "a·"},
    {"leading spaces stay", Op::Fill, 0, "··a↵··b", "··a··b"},
    {"LF between two spaces: both stay", Op::Fill, 0, "a·↵·b", "a··b"},
    {"tabs are not spaces", Op::Fill, 0, "a⇥↵⇥b", "a⇥·⇥b"},
    {"line breaks only", Op::Fill, 0, "↵↵", "··"},
    // TabsToSpaces, SpacesToTabs.
    {"two adjacent tabs, N 4", Op::Tabs, 4, "⇥⇥", "········"},
    {"N below 0 acts as 0", Op::Tabs, -3, "a⇥b", "ab"},
    {"spaces between words too", Op::Spaces, 2, "a··b····c", "a⇥b⇥⇥c"},
    {"a run of 7, N 3", Op::Spaces, 3, "·······x", "⇥⇥·x"},
    {"N below 0 acts as 0", Op::Spaces, -3, "a··b↵", "a··b↵"},
    {"a long pattern over long runs", Op::Spaces, 8, "···············x················y", "⇥·······x⇥⇥y"},
    // AddIndents, RemoveIndents.
    {"N below 0 acts as 0", Op::Add, -2, "a↵b", "a↵b"},
    {"LF only", Op::Add, 2, "↵", "··↵··"},
    {"N 0: unchanged", Op::Remove, 0, "··a↵··b", "··a↵··b"},
    {"N below 0 acts as 0", Op::Remove, -2, "··a↵··b", "··a↵··b"},
    {"first N bytes hold an LF", Op::Remove, 2, "·↵··x", "·↵x"},
    {"first line of N spaces and more", Op::Remove, 2, "····a", "··a"},
    {"exactly N spaces", Op::Remove, 2, "··", "(empty)"},
    {"a line of one space", Op::Remove, 2, "a↵·↵b", "a↵·↵b"},
    // InsertBullets.
    {"0x95 in the text stays", Op::Bullets, 0, "•", "•···•"},
    {"LF only", Op::Bullets, 0, "↵", "•···↵•···"},
};

TEST(WholeText, WorkedExamples) {
    for (const WholeCase& c : kExamples) {
        EXPECT_EQ(Visible(Transform(c.op, Input(c.input), c.n)), Visible(Result(c.result)))
            << Name(c.op) << " " << c.n << ": " << c.why;
    }
}

TEST(WholeText, Edges) {
    for (const WholeCase& c : kEdges) {
        EXPECT_EQ(Visible(Transform(c.op, Input(c.input), c.n)), Visible(Result(c.result)))
            << Name(c.op) << " " << c.n << ": " << c.why;
    }
}

TEST(WholeText, NoResultHoldsACr) {
    const std::string text = "\r a\r\n\t  b \r\r\n\r";
    for (const Op op : {Op::Fill, Op::Tabs, Op::Spaces, Op::Add, Op::Remove, Op::Bullets}) {
        for (const std::int32_t n : {0, 1, 2, 300}) {
            EXPECT_EQ(Transform(op, text, n).find('\r'), std::string::npos) << Name(op) << " " << n;
        }
    }
}

TEST(WholeText, FillParagraphHoldsNoLf) {
    EXPECT_EQ(FillParagraph("a\n\n\r\n b \n\nc\r\n\n").find('\n'), std::string::npos);
}

TEST(BulletPrefix, IsTheBulletAndThreeSpaces) {
    EXPECT_EQ(BulletPrefix.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(BulletPrefix[0]), 0x95);
    EXPECT_EQ(BulletPrefix.substr(1), "   ");
}

// ---------------------------------------------------------------------------
// OemTextToAnsi, AnsiTextToOem with a stand-in conversion: ASCII letters up
// one way and down the other, and every byte that it sees recorded.

std::string gSeen;

void Upper(std::string& text) {
    gSeen = text;
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
}

void Lower(std::string& text) {
    gSeen = text;
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
}

const CodePageConversion kFake{Upper, Lower};

struct CodePageCase {
    const char* why;
    bool toAnsi;
    std::string_view input, seen, result;
};

const CodePageCase kCodePageCases[] = {
    {"to ANSI: CRs gone before the conversion", true, "ab\r\ncd\re", "ab\ncde", "AB\nCDE"},
    {"to ANSI: the whole text, after a lone LF too", true, "x\ny\nz", "x\ny\nz", "X\nY\nZ"},
    {"to ANSI: high bytes reach the conversion", true, "\x95\xA0q\r", "\x95\xA0q", "\x95\xA0Q"},
    {"to ANSI: empty input", true, "", "", ""},
    {"to OEM: CRs gone before the conversion", false, "AB\r\nCD\rE", "AB\nCDE", "ab\ncde"},
    {"to OEM: empty input", false, "\r", "", ""},
};

TEST(CodePages, TheConversionRunsOnceOverTheTextWithoutItsCrs) {
    for (const CodePageCase& c : kCodePageCases) {
        gSeen = "(not called)";
        const std::string result = c.toAnsi ? OemTextToAnsi(c.input, kFake) : AnsiTextToOem(c.input, kFake);
        EXPECT_EQ(Visible(gSeen), Visible(c.seen)) << c.why;
        EXPECT_EQ(Visible(result), Visible(c.result)) << c.why;
    }
}

}  // namespace
}  // namespace tidewick
