// The Windows side of the module: its handle, cursors, icons and the
// system's own OEM/ANSI conversion.
#include <windows.h>

#include "plugin/platform.h"

namespace {

HINSTANCE g_module = nullptr;

void OemToAnsiInPlace(std::string& text) {
    // A text holds no NUL, so the C string is the whole text.
    OemToCharA(text.c_str(), text.data());
}

void AnsiToOemInPlace(std::string& text) {
    CharToOemA(text.c_str(), text.data());
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

namespace tidewick {

void ShowBusyCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

void ShowArrowCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }

void* LoadModuleIcon(int resourceId) {
    return LoadIconA(g_module, MAKEINTRESOURCEA(resourceId));
}

const CodePageConversion& PlatformCodePages() {
    static const CodePageConversion windows{OemToAnsiInPlace, AnsiToOemInPlace};
    return windows;
}

Dialogs* PlatformDialogs() { return nullptr; }

}  // namespace tidewick
