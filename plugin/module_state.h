// State that lasts from one call to the next.
#pragma once

#include <string>

namespace tidewick {

// The host's configuration directory: empty until ems_plugin_init sets it.
std::string& ConfigDir();

}  // namespace tidewick
