// The per-line transforms: each splits the text into lines, changes every
// line on its own and joins the lines again. They find their lines
// differently, and the difference shows in the result.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tidewick {

// Every line of GuardedLineSplit (lines end at CR LF only) without its
// trailing white space (tab, LF, VT, FF, CR, space; not 0xA0), each followed
// by LF, the last one included. So a lone LF stays inside its line, and an
// input ending in CR LF gains one more empty line.
//   TrimTrailingSpaces("ab  \r\ncd\t\r\n") == "ab\ncd\n\n"    TrimTrailingSpaces("") == "\n"
//   TrimTrailingSpaces("x \n y \r\n") == "x \n y\n\n"
std::string TrimTrailingSpaces(std::string_view text);

// The CRs deleted, then every piece between LFs, empty ones included,
// preceded by its number (start, start + 1, ...; computed in 64 bits) in
// decimal and ". ", with LF between the numbered lines and none after the
// last.
//   NumberLines("a\r\nb\r\n", 1) == "1. a\n2. b\n3. "    NumberLines("a\r\nb", 9) == "9. a\n10. b"
std::string NumberLines(std::string_view text, std::int32_t start);

}  // namespace tidewick
