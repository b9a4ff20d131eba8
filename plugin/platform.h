// What the entry points need from the platform, one implementation per build.
#pragma once

#include "transforms/codepage.h"
#include "ui/dialogs.h"

namespace tidewick {

void ShowBusyCursor();
void ShowArrowCursor();

// The icon resource's handle, or null where it cannot be loaded.
void* LoadModuleIcon(int resourceId);

// The OEM/ANSI pair of this platform.
const CodePageConversion& PlatformCodePages();

// The module's dialogs, or null in a build that has none: then a translator
// that needs one fails rather than guessing the user's answer.
Dialogs* PlatformDialogs();

}  // namespace tidewick
