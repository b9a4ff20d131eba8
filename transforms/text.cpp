#include "transforms/text.h"

#include <new>

namespace tidewick {

namespace {

bool IsWhitespace(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b == 0x20 || (b >= 0x09 && b <= 0x0D);
}

}  // namespace

std::string RepeatChar(char c, std::int64_t n) {
    std::string text;
    AppendRepeat(text, c, n);
    return text;
}

void AppendRepeat(std::string& out, char c, std::int64_t n) {
    if (n <= 0) return;
    // A count that no string can hold (a margin near 2^31 on the 32-bit
    // host) is memory running out, and is reported as such rather than as
    // std::length_error; the count is never narrowed to size_t unchecked.
    if (static_cast<std::uint64_t>(n) > out.max_size() - out.size()) throw std::bad_alloc();
    out.append(static_cast<std::size_t>(n), c);
}

std::string_view TakeFirst(std::string_view t, std::int64_t n) {
    if (n < 0) return {};
    if (static_cast<std::uint64_t>(n) >= t.size()) return t;
    return t.substr(0, static_cast<std::size_t>(n));
}

std::string_view TakeLast(std::string_view t, std::int64_t n) {
    if (n < 0) return {};
    if (static_cast<std::uint64_t>(n) >= t.size()) return t;
    return t.substr(t.size() - static_cast<std::size_t>(n));
}

std::int64_t FindFrom(std::string_view t, std::string_view s, std::int64_t i) {
    if (i < 0) i = 0;
    if (static_cast<std::uint64_t>(i) > t.size()) return -1;
    const std::size_t p = t.find(s, static_cast<std::size_t>(i));
    return p == std::string_view::npos ? -1 : static_cast<std::int64_t>(p);
}

std::int64_t FindLast(std::string_view t, char c) {
    const std::size_t p = t.rfind(c);
    return p == std::string_view::npos ? -1 : static_cast<std::int64_t>(p);
}

std::string_view StripLeading(std::string_view t, char c) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == c) ++i;
    return t.substr(i);
}

std::string_view StripTrailing(std::string_view t, char c) {
    std::size_t n = t.size();
    while (n > 0 && t[n - 1] == c) --n;
    return t.substr(0, n);
}

std::string_view StripTrailingWhitespace(std::string_view t) {
    std::size_t n = t.size();
    while (n > 0 && IsWhitespace(t[n - 1])) --n;
    return t.substr(0, n);
}

std::string ReplaceAll(std::string_view t, std::string_view from, std::string_view to) {
    if (from.empty() || from.size() > t.size()) return std::string(t);

    // Knuth-Morris-Pratt, so that a long pattern of spaces over long runs of
    // spaces stays linear; border[j] is the length of the longest proper
    // border of from[0..j].
    const std::size_t m = from.size();
    std::vector<std::size_t> border(m, 0);
    for (std::size_t j = 1, k = 0; j < m; ++j) {
        while (k > 0 && from[j] != from[k]) k = border[k - 1];
        if (from[j] == from[k]) ++k;
        border[j] = k;
    }

    std::string out;
    out.reserve(t.size());
    std::size_t copied = 0;  // t[0, copied) is in out
    std::size_t k = 0;       // bytes of from matched before t[i]
    std::size_t i = 0;
    while (i < t.size()) {
        if (k == 0) {
            // Nothing matched: skip to the next candidate first byte.
            i = t.find(from[0], i);
            if (i == std::string_view::npos) break;
        }
        while (k > 0 && t[i] != from[k]) k = border[k - 1];
        if (t[i] == from[k]) ++k;
        ++i;
        if (k == m) {
            out.append(t.substr(copied, i - m - copied));
            out.append(to);
            copied = i;
            k = 0;  // resume after the occurrence: no overlap
        }
    }
    out.append(t.substr(copied));
    return out;
}

std::string DecimalText(std::int64_t n) { return std::to_string(static_cast<long long>(n)); }

std::int64_t SplitString(std::string_view text, std::string_view separator, LineList& list) {
    if (separator.empty()) {
        list.push_back(text);
        return static_cast<std::int64_t>(list.size());
    }
    std::int64_t s = 0;
    std::int64_t p = FindFrom(text, separator, 0);
    while (p != -1) {
        list.push_back(text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(p - s)));
        s = p + static_cast<std::int64_t>(separator.size());
        p = FindFrom(text, separator, s);
    }
    list.push_back(text.substr(static_cast<std::size_t>(s)));
    return static_cast<std::int64_t>(list.size());
}

LineList GuardedLineSplit(std::string_view text) {
    // The guards' CR LF can never pair with a byte of text (a CR at its end
    // meets the guard's CR, an LF at its start follows the guard's LF), so
    // the pieces between the guards are exactly text's own pieces.
    // Counted first, so that a text of many short lines fills the list
    // without a chain of ever larger copies.
    std::size_t breaks = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string_view::npos; p = text.find("\r\n", p + 2)) ++breaks;
    LineList list;
    list.reserve(breaks + 3);
    list.emplace_back();
    SplitString(text, "\r\n", list);
    list.emplace_back();
    return list;
}

std::string RemoveCarriageReturns(std::string_view text) { return ReplaceAll(text, "\r", {}); }

}  // namespace tidewick
