// A notation for the texts of the transform tables, turned into bytes, so
// that spaces, tabs and line breaks show in a row.
//
//   ·  space         ⇥  tab          •  the byte 0x95
//   ↵  a line break: CR LF in an input, LF in a result
//   ␍  a CR standing alone           ␊  an LF standing alone
//   (empty)  the empty text
// Every other byte stands for itself, so "\xA0" or "\r" still work.
#pragma once

#include <string>
#include <string_view>

namespace tidewick::test {

std::string Input(std::string_view notation);
std::string Result(std::string_view notation);

}  // namespace tidewick::test
