// Shared by the code page tests: every byte value as one text, and the bytes
// on which two conversions of that text disagree.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <string>

namespace tidewick::test {

// The bytes 0x01..0xFF in order, byte b at index b - 1; NUL never occurs in a text.
inline std::string AllBytes() {
    std::string bytes;
    for (int b = 0x01; b <= 0xFF; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

inline std::string Hex(char c) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}

// got[i] and expected[i] are what input[i] became. On a mismatch, one line
// per differing byte, named by the input byte:
//   0x82: got 0x45, expected 0xE9
inline ::testing::AssertionResult SameBytes(const std::string& input, const std::string& got,
                                            const std::string& expected) {
    std::string report;
    const auto addLine = [&report](const std::string& line) {
        report += (report.empty() ? "" : "\n") + line;
    };
    if (got.size() != expected.size()) {
        addLine("length: got " + std::to_string(got.size()) + ", expected " + std::to_string(expected.size()));
    }
    for (std::size_t i = 0; i < input.size() && i < got.size() && i < expected.size(); ++i) {
        if (got[i] != expected[i]) {
            addLine(Hex(input[i]) + ": got " + Hex(got[i]) + ", expected " + Hex(expected[i]));
        }
    }
    if (report.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << report;
}

}  // namespace tidewick::test
