// The whole-text transforms: each rewrites the message text as one string
// by a short, fixed sequence of replacements, without splitting it into
// lines.
//
// Every one first deletes all CR bytes (RemoveCarriageReturns), so a CR LF
// pair and a lone LF are both one line break, a lone CR vanishes, and the
// result's line breaks are LF alone. N is the count from the number prompt;
// a count below 1 acts as 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "transforms/codepage.h"

namespace tidewick {

// The byte 0x95 (the bullet of code page 1252) and three spaces.
inline constexpr std::string_view BulletPrefix = "\x95   ";

// All lines joined into one: an LF with a space directly before or after it
// is deleted, every other LF becomes one space. No other byte changes, and
// the result holds no line break at all.
//   FillParagraph("The quick\r\nbrown fox \r\n  jumps\r\n") == "The quick brown fox   jumps "
//   FillParagraph("one\r\n\r\ntwo") == "one  two"
std::string FillParagraph(std::string_view text);

// Every tab replaced by exactly n spaces, whatever its column; n <= 0
// deletes the tabs.
//   TabsToSpaces("\tx\t\ty\r\n", 4) == "    x        y\n"
std::string TabsToSpaces(std::string_view text, std::int32_t n);

// Every run of n spaces, found from left to right anywhere in a line,
// replaced by one tab: a run of k spaces becomes k / n tabs and k % n
// spaces. n <= 0 changes nothing but the CRs.
//   SpacesToTabs("      x    y\r\n", 4) == "\t  x\ty\n"
std::string SpacesToTabs(std::string_view text, std::int32_t n);

// n spaces put before every line, the first and the empty ones included;
// after a final LF the result ends with n spaces and no line break.
//   AddIndents("a\r\n\r\nb\r\n", 2) == "  a\n  \n  b\n  "    AddIndents("", 3) == "   "
std::string AddIndents(std::string_view text, std::int32_t n);

// n spaces taken from the start of every line that starts with at least n
// spaces; every other line, a tab-indented one included, stays as it was.
//   RemoveIndents("  a\r\n   b\r\n c\r\n", 2) == "a\n b\n c\n"    RemoveIndents(" ", 2) == " "
std::string RemoveIndents(std::string_view text, std::int32_t n);

// BulletPrefix put before every line, the first and the empty ones
// included; after a final LF the result ends with BulletPrefix alone.
//   InsertBullets("a\r\nb\r\n") == "\x95   a\n\x95   b\n\x95   "    InsertBullets("") == "\x95   "
std::string InsertBullets(std::string_view text);

// text without its CRs, then every byte converted in place from the OEM to
// the ANSI code page (OemTextToAnsi) or back (AnsiTextToOem) by conv, whose
// function pointers must not be null. The length never changes after the
// CRs are gone.
std::string OemTextToAnsi(std::string_view text, const CodePageConversion& conv);
std::string AnsiTextToOem(std::string_view text, const CodePageConversion& conv);

}  // namespace tidewick
