// The module's platform layer where Windows is absent.
#include <cstdint>

#include "plugin/platform.h"

namespace tidewick {

void ShowBusyCursor() {}

void ShowArrowCursor() {}

// No icon resources here: the handle is the resource number itself, which
// is all a host of this build can show.
void* LoadModuleIcon(int resourceId) {
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(resourceId));
}

const CodePageConversion& PlatformCodePages() { return Cp437Cp1252Conversion(); }

Dialogs* PlatformDialogs() { return nullptr; }

}  // namespace tidewick
