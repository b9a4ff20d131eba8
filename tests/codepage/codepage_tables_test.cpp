// The OEM 437 / ANSI 1252 tables: properties any faithful pair of tables has,
// and pairs that follow from where the two code pages place a character.
#include "transforms/codepage.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <string>
#include <utility>

#include "tests/codepage/byte_report.h"

namespace tidewick {
namespace {

using test::AllBytes;
using test::Hex;
using test::SameBytes;

std::string Converted(InPlaceConversion convert, std::string text) {
    convert(text);
    return text;
}

struct Direction {
    const char* name;
    InPlaceConversion convert;
};

const Direction kDirections[] = {
    {"OEM to ANSI", Cp437Cp1252Conversion().OemToAnsi},
    {"ANSI to OEM", Cp437Cp1252Conversion().AnsiToOem},
};

// Each byte converts alone, whatever its neighbours and position: converting
// the whole text in place equals converting its bytes one at a time.
TEST(Cp437Cp1252, ConvertsEveryByteInPlaceKeepingTheLength) {
    for (const Direction& d : kDirections) {
        SCOPED_TRACE(d.name);
        const std::string input = AllBytes() + "\r\n" + AllBytes();
        std::string byteByByte;
        for (char c : input) {
            byteByByte += Converted(d.convert, std::string(1, c));
        }
        EXPECT_EQ(input.size(), byteByByte.size());
        EXPECT_TRUE(SameBytes(input, Converted(d.convert, input), byteByByte));
        EXPECT_EQ("", Converted(d.convert, ""));
    }
}

// Control bytes included: line ends and tabs must come through both ways.
TEST(Cp437Cp1252, KeepsAsciiBothWays) {
    std::string ascii;
    for (int b = 0x01; b <= 0x7F; ++b) {
        ascii.push_back(static_cast<char>(b));
    }
    for (const Direction& d : kDirections) {
        SCOPED_TRACE(d.name);
        EXPECT_TRUE(SameBytes(ascii, Converted(d.convert, ascii), ascii));
    }
}

struct PairCase {
    const char* why;
    unsigned char from, to;
};

const PairCase kOemToAnsiPairs[] = {
    {"C cedilla", 0x80, 0xC7},
    {"u umlaut", 0x81, 0xFC},
    {"e acute", 0x82, 0xE9},
    {"pound sign", 0x9C, 0xA3},
    {"sharp s", 0xE1, 0xDF},
    {"degree sign", 0xF8, 0xB0},
    {"no-break space", 0xFF, 0xA0},
    {"box line, best fit '-'", 0xC4, '-'},
    {"box bar, best fit broken bar", 0xB3, 0xA6},
    {"box corner, best fit '+'", 0xDA, '+'},
};

const PairCase kAnsiToOemPairs[] = {
    {"C cedilla", 0xC7, 0x80},
    {"e acute", 0xE9, 0x82},
    {"pound sign", 0xA3, 0x9C},
    {"sharp s", 0xDF, 0xE1},
    {"no-break space", 0xA0, 0xFF},
    {"A grave loses its accent", 0xC0, 'A'},
    {"O tilde loses its accent", 0xD5, 'O'},
    {"a tilde loses its accent", 0xE3, 'a'},
    {"y acute loses its accent", 0xFD, 'y'},
};

void ExpectPairs(InPlaceConversion convert, const PairCase* begin, const PairCase* end) {
    for (const PairCase* c = begin; c != end; ++c) {
        const std::string from(1, static_cast<char>(c->from));
        const std::string to(1, static_cast<char>(c->to));
        EXPECT_TRUE(SameBytes(from, Converted(convert, from), to)) << c->why;
    }
}

TEST(Cp437Cp1252, OemToAnsiKnownPairs) {
    ExpectPairs(Cp437Cp1252Conversion().OemToAnsi, std::begin(kOemToAnsiPairs), std::end(kOemToAnsiPairs));
}

TEST(Cp437Cp1252, AnsiToOemKnownPairs) {
    ExpectPairs(Cp437Cp1252Conversion().AnsiToOem, std::begin(kAnsiToOemPairs), std::end(kAnsiToOemPairs));
}

// The upper-half characters that 437 shares with 1252: accented letters,
// currency, Spanish punctuation, guillemets, fractions and a few signs.
// Each must reach a 1252 byte above 0x7F and come back unchanged.
const std::pair<unsigned char, unsigned char> kSharedOemRanges[] = {
    {0x80, 0x9D},  // Ç .. ¥; 0x9E, the peseta sign, is not in 1252
    {0x9F, 0xA8},  // ƒ .. ¿
    {0xAA, 0xAF},  // ¬ .. »; 0xA9, the reversed not sign, is not in 1252
    {0xE1, 0xE1},  // ß
    {0xE6, 0xE6},  // µ
    {0xF1, 0xF1},  // ±
    {0xF6, 0xF6},  // ÷
    {0xF8, 0xF8},  // °
    {0xFA, 0xFA},  // ·
    {0xFD, 0xFD},  // ²
    {0xFF, 0xFF},  // no-break space
};

TEST(Cp437Cp1252, SharedCharactersMakeTheRoundTrip) {
    const CodePageConversion& cp = Cp437Cp1252Conversion();
    std::string shared;
    for (const auto& [first, last] : kSharedOemRanges) {
        for (int b = first; b <= last; ++b) {
            shared.push_back(static_cast<char>(b));
        }
    }
    const std::string ansi = Converted(cp.OemToAnsi, shared);
    for (std::size_t i = 0; i < shared.size(); ++i) {
        EXPECT_GE(static_cast<unsigned char>(ansi[i]), 0x80)
            << Hex(shared[i]) << " became " << Hex(ansi[i]) << ", a best fit, not the same character";
    }
    EXPECT_TRUE(SameBytes(shared, Converted(cp.AnsiToOem, ansi), shared));
}

}  // namespace
}  // namespace tidewick
