#include "transforms/align.h"

#include <algorithm>

#include "transforms/text.h"

namespace tidewick {

namespace {

enum class Alignment { Left, Right, Center };

// Where a line of the result starts and how many bytes may follow its pad.
struct LineShape {
    std::int64_t Indent;  // the pad of a piece that fills the width
    std::int64_t Width;   // at least 1
};

// What tells the three reflows apart: the make-over of an input line, and
// the pad, from the shapes of the first and of the later lines.
struct ReflowRule {
    Alignment Align;
    LineShape First;
    LineShape Later;
};

LineShape Shape(std::int64_t left, std::int64_t right) {
    // A width below 1, which the caller never passes, acts as 1: the loop
    // below then still ends.
    return {left, std::max<std::int64_t>(right - left, 1)};
}

// The pad before a piece of m bytes, m <= shape.Width. A piece cut inside a
// word fills the width, so it gets shape.Indent in every alignment.
std::int64_t PadFor(Alignment align, const LineShape& shape, std::int64_t m) {
    const std::int64_t free = shape.Width - m;
    switch (align) {
        case Alignment::Right: return shape.Indent + free;
        case Alignment::Center: return shape.Indent + free / 2;
        case Alignment::Left: break;
    }
    return shape.Indent;
}

void AppendLine(std::string& result, std::int64_t pad, std::string_view piece) {
    AppendRepeat(result, ' ', pad);
    result.append(piece);
    result.push_back('\n');
}

// The one loop behind AlignLeft, AlignRight and AlignCenter.
//
// The working text is the carried text followed by the made-over input line.
// When nothing is carried and the line needs no added byte, it is read in
// place; otherwise the line is appended to `carried`, whose live part starts
// at `carriedStart`. Pieces are taken off the front by moving an offset, and
// the dead front of `carried` is dropped only once it outweighs the live
// part, so every byte is copied a bounded number of times.
std::string Reflow(std::string_view text, const ReflowRule& rule) {
    const LineList lines = GuardedLineSplit(text);
    const std::size_t lastLine = lines.size() - 2;
    const bool addSpace = rule.Align == Alignment::Right;

    std::string result;
    std::string carried;
    std::size_t carriedStart = 0;  // carried is empty whenever no byte is carried
    bool firstLineOut = false;

    for (std::size_t k = 1; k <= lastLine; ++k) {
        const std::string_view line = addSpace ? StripLeading(StripTrailing(lines[k], ' '), ' ')
                                               : StripLeading(lines[k], ' ');
        const bool inPlace = carried.empty() && !addSpace;
        if (!inPlace) {
            carried.append(line);
            if (addSpace) carried.push_back(' ');
        }
        const std::string_view work = inPlace ? line : std::string_view(carried).substr(carriedStart);

        std::size_t off = 0;
        for (;;) {
            const LineShape& shape = firstLineOut ? rule.Later : rule.First;
            const std::size_t rest = work.size() - off;
            if (static_cast<std::uint64_t>(rest) <= static_cast<std::uint64_t>(shape.Width)) break;
            // shape.Width < rest, so it fits a size_t.
            const std::string_view window = work.substr(off, static_cast<std::size_t>(shape.Width));
            const std::int64_t p = FindLast(window, ' ');
            const std::size_t take = p >= 0 ? static_cast<std::size_t>(p) + 1 : window.size();
            AppendLine(result, PadFor(rule.Align, shape, static_cast<std::int64_t>(take)), work.substr(off, take));
            off += take;
            firstLineOut = true;
        }

        if (k == lastLine) {
            const LineShape& shape = firstLineOut ? rule.Later : rule.First;
            const std::string_view piece = work.substr(off);
            AppendLine(result, PadFor(rule.Align, shape, static_cast<std::int64_t>(piece.size())), piece);
        } else if (inPlace) {
            carried.assign(work.substr(off));
            carriedStart = 0;
        } else {
            carriedStart += off;
            if (carriedStart == carried.size()) {
                carried.clear();
                carriedStart = 0;
            } else if (carriedStart >= carried.size() - carriedStart) {
                carried.erase(0, carriedStart);
                carriedStart = 0;
            }
        }
    }
    return result;
}

}  // namespace

std::string AlignLeft(std::string_view text, const Margins& m) {
    const LineShape first = Shape(m.Left, m.Right);
    const LineShape later = m.HangOn ? Shape(m.Hanging, m.Right) : first;
    return Reflow(text, {Alignment::Left, first, later});
}

std::string AlignRight(std::string_view text, std::int32_t left, std::int32_t right) {
    const LineShape shape = Shape(left, right);
    return Reflow(text, {Alignment::Right, shape, shape});
}

std::string AlignCenter(std::string_view text, std::int32_t left, std::int32_t right) {
    const LineShape shape = Shape(left, right);
    return Reflow(text, {Alignment::Center, shape, shape});
}

}  // namespace tidewick
