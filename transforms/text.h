// The text model shared by the transforms: byte strings, the line list and
// the string operations that the transforms are written in.
//
// A text is a byte string; one byte is one character and one column, and
// every count and index below counts bytes. Bytes are compared as unsigned
// values, so bytes from 0x80 up are ordinary characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tidewick {

// n bytes equal to c; the empty text when n <= 0.
//   RepeatChar(' ', 3) == "   "    RepeatChar(' ', -3) == ""
std::string RepeatChar(char c, std::int64_t n);

// out followed by RepeatChar(c, n), without the temporary text.
//   s = "ab"; AppendRepeat(s, '-', 2);  // s == "ab--"
void AppendRepeat(std::string& out, char c, std::int64_t n);

// The first n bytes of t; all of t when n >= t.size(), nothing when n < 0.
//   TakeFirst("abc", 2) == "ab"    TakeFirst("abc", 5) == "abc"    TakeFirst("abc", -1) == ""
std::string_view TakeFirst(std::string_view t, std::int64_t n);

// The last n bytes of t; all of t when n >= t.size(), nothing when n < 0.
//   TakeLast("abc", 2) == "bc"    TakeLast("abc", 5) == "abc"    TakeLast("abc", -1) == ""
std::string_view TakeLast(std::string_view t, std::int64_t n);

// The index of the first occurrence of s in t that begins at index i or
// later; -1 when there is none, and -1 without searching when i > t.size().
// A negative i searches from 0. An empty s occurs at i itself.
//   FindFrom("abcabc", "bc", 2) == 4    FindFrom("abc", "c", 3) == -1    FindFrom("abc", "", 3) == 3
std::int64_t FindFrom(std::string_view t, std::string_view s, std::int64_t i);

// The index of the last byte of t equal to c; -1 when there is none.
//   FindLast("a b c", ' ') == 3    FindLast("", ' ') == -1
std::int64_t FindLast(std::string_view t, char c);

// t without the run of bytes equal to c at its start (or, for
// StripTrailing, at its end); nothing inside t is touched.
//   StripLeading("  a b ", ' ') == "a b "    StripLeading("\t x", ' ') == "\t x"
//   StripTrailing("a b  ", ' ') == "a b"     StripTrailing("   ", ' ') == ""
std::string_view StripLeading(std::string_view t, char c);
std::string_view StripTrailing(std::string_view t, char c);

// t without the run of white space at its end. White space is exactly tab,
// LF, VT, FF, CR (0x09 to 0x0D) and space; no byte from 0x80 up counts.
//   StripTrailingWhitespace("x \t\r\n") == "x"    StripTrailingWhitespace("x\xA0") == "x\xA0"
std::string_view StripTrailingWhitespace(std::string_view t);

// t with every occurrence of from, found from left to right without
// overlap, replaced by to; the bytes that to inserts are never scanned
// again. An empty from leaves t unchanged. Time is linear in the sizes of
// t and of the result, whatever the pattern.
//   ReplaceAll("aaa", "aa", "b") == "ba"    ReplaceAll("a", "a", "aa") == "aa"
std::string ReplaceAll(std::string_view t, std::string_view from, std::string_view to);

// n in decimal as "%d" writes it: a minus sign when negative, no plus sign,
// no leading zeros, no fill.
//   DecimalText(10) == "10"    DecimalText(-7) == "-7"    DecimalText(0) == "0"
std::string DecimalText(std::int64_t n);

// An ordered list of lines. The lines are views into the text that was
// split, which must outlive the list.
using LineList = std::vector<std::string_view>;

// Appends to list the pieces of text between the occurrences of separator,
// found from left to right without overlap, and returns list.size() after
// the call. m occurrences give m + 1 pieces. An empty separator, which no
// transform passes, gives one piece: the whole text.
//   "a\r\n\r\nb" at "\r\n" -> "a", "", "b"    "" -> ""    "aaa" at "aa" -> "", "a"
std::int64_t SplitString(std::string_view text, std::string_view separator, LineList& list);

// The list that splitting CR LF + text + CR LF at CR LF gives, made without
// copying text: an empty guard, the pieces of text at CR LF, another empty
// guard. So size() >= 3, and the lines of text are the entries 1 to
// size() - 2. A lone CR or LF is an ordinary byte of its line.
//   "" -> "", "", ""    "a\r\nb" -> "", "a", "b", ""    "a\r\n" -> "", "a", "", ""
LineList GuardedLineSplit(std::string_view text);

// text without any CR byte, lone or before an LF.
//   RemoveCarriageReturns("a\r\nb\rc") == "a\nbc"
std::string RemoveCarriageReturns(std::string_view text);

}  // namespace tidewick
