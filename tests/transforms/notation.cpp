#include "tests/transforms/notation.h"

namespace tidewick::test {

namespace {

struct Mark {
    std::string_view glyph;  // UTF-8
    std::string_view input;
    std::string_view result;
};

const Mark kMarks[] = {
    {"\xC2\xB7", " ", " "},              // ·
    {"\xE2\x87\xA5", "\t", "\t"},        // ⇥
    {"\xE2\x80\xA2", "\x95", "\x95"},    // •
    {"\xE2\x86\xB5", "\r\n", "\n"},      // ↵
    {"\xE2\x90\x8D", "\r", "\r"},        // ␍
    {"\xE2\x90\x8A", "\n", "\n"},        // ␊
};

std::string Decode(std::string_view notation, bool input) {
    if (notation == "(empty)") return {};
    std::string bytes;
    while (!notation.empty()) {
        bool matched = false;
        for (const Mark& mark : kMarks) {
            if (notation.substr(0, mark.glyph.size()) == mark.glyph) {
                bytes += input ? mark.input : mark.result;
                notation.remove_prefix(mark.glyph.size());
                matched = true;
                break;
            }
        }
        if (!matched) {
            bytes += notation.front();
            notation.remove_prefix(1);
        }
    }
    return bytes;
}

}  // namespace

std::string Input(std::string_view notation) { return Decode(notation, true); }
std::string Result(std::string_view notation) { return Decode(notation, false); }

}  // namespace tidewick::test
