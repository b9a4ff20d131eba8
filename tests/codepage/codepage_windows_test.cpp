// The tables against Windows' own OemToCharA and CharToOemA on every byte
// value. Meaningful only where the OEM code page is 437 and the ANSI one 1252.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/codepage/byte_report.h"
#include "transforms/codepage.h"

namespace tidewick {
namespace {

using test::AllBytes;
using test::SameBytes;

struct Direction {
    const char* name;
    InPlaceConversion table;
    BOOL(WINAPI* windows)(LPCSTR source, LPSTR target);
};

const Direction kDirections[] = {
    {"OemToCharA", Cp437Cp1252Conversion().OemToAnsi, OemToCharA},
    {"CharToOemA", Cp437Cp1252Conversion().AnsiToOem, CharToOemA},
};

TEST(Cp437Cp1252AgainstWindows, TablesMatchEveryByte) {
    // Under Wine the code pages follow the Unix locale: LC_ALL=en_US.UTF-8.
    ASSERT_TRUE(GetOEMCP() == 437 && GetACP() == 1252)
        << "OEM code page " << GetOEMCP() << ", ANSI code page " << GetACP()
        << ": the tables hold 437 and 1252 only; under Wine run with LC_ALL=en_US.UTF-8";

    for (const Direction& d : kDirections) {
        const std::string input = AllBytes();
        std::string fromTable = input;
        d.table(fromTable);
        std::string fromWindows = input;
        // In place, as the module calls it.
        d.windows(fromWindows.c_str(), fromWindows.data());
        EXPECT_TRUE(SameBytes(input, fromTable, fromWindows))
            << d.name << ": the table (got) differs from Windows (expected) on the bytes above";
    }
}

}  // namespace
}  // namespace tidewick
