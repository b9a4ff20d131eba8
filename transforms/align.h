// The reflow transforms: the whole text poured into new lines between a left
// and a right margin, broken at spaces, left-aligned (with an optional
// hanging indent), right-aligned or centred.
//
// All three treat the input as one paragraph: its lines are those of
// GuardedLineSplit (a lone CR or LF is an ordinary one-column byte), its line
// breaks and blank lines do not survive, and every line of the result ends
// with LF, the last one included. Only the space byte is a break point; a
// line is broken after the last space among its first `width` bytes (the
// space stays at its end), or cut after exactly `width` bytes when there is
// none. Margins are absolute columns counted from 0; a prefix or pad of
// n <= 0 spaces is empty. Widths and pads are computed in 64 bits, so any
// 32-bit margins are safe; the caller guarantees Right > Left and, for
// AlignLeft, Right > Hanging, so that every width is at least 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tidewick {

struct Margins {
    std::int32_t Left;     // LeftMargin: start column of the first line
    std::int32_t Right;    // RightMargin: the column that no line passes
    std::int32_t Hanging;  // HangingIndent: start column of the later lines when HangOn
    bool HangOn;           // the settings' HI == 1
};

// Left-aligned. The first line of the result has a prefix of Left spaces and
// up to Right - Left bytes after it; with HangOn every later line has a
// prefix of Hanging spaces and up to Right - Hanging bytes, otherwise the
// first line's. Each input line is stripped of leading spaces and joins the
// text carried from the lines before it directly, so words on two lines run
// together unless the first ends with a space.
//   AlignLeft("aaaa bbbb cccc ddd", {0, 10, 3, true}) == "aaaa bbbb \n   cccc \n   ddd\n"
//   AlignLeft("aaa\r\nbbb", {0, 10, 0, false}) == "aaabbb\n"
//   AlignLeft("", {3, 10, 0, false}) == "   \n"
std::string AlignLeft(std::string_view text, const Margins& m);

// Right-aligned between left and right. Each input line is stripped of
// spaces at both ends and followed by one space before it joins the text, so
// words on two lines stay one space apart and every line but a cut one ends
// with a space. A piece of m bytes gets a pad of left + (right - left) - m
// spaces, so that it ends at column right.
//   AlignRight("ab\r\n\r\ncd", 0, 10) == "   ab  cd \n"
//   AlignRight("aabbc", 0, 5) == "aabbc\n     \n"
std::string AlignRight(std::string_view text, std::int32_t left, std::int32_t right);

// Centred between left and right. Input lines join as in AlignLeft. A piece
// of m bytes, its break space counted, gets a pad of
// left + ((right - left) - m) / 2 spaces: an odd free column goes right.
//   AlignCenter("abc", 0, 6) == " abc\n"    AlignCenter("", 2, 7) == "    \n"
std::string AlignCenter(std::string_view text, std::int32_t left, std::int32_t right);

}  // namespace tidewick
