// OEM/ANSI conversion: the one thing the transforms need from the platform.
#pragma once

#include <string>

namespace tidewick {

// Rewrites every byte of text in place from one single-byte code page to
// another; the length never changes.
using InPlaceConversion = void (*)(std::string& text);

// The pair the OEM/ANSI translators use: Windows' own in the DLL, fixed
// tables elsewhere.
struct CodePageConversion {
    InPlaceConversion OemToAnsi;
    InPlaceConversion AnsiToOem;
};

// OEM code page 437 and ANSI code page 1252 by 256-byte tables that mirror
// Windows' conversion for that pair, best-fit mappings included.
const CodePageConversion& Cp437Cp1252Conversion();

}  // namespace tidewick
