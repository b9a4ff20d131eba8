#include "plugin/module_state.h"

namespace tidewick {

std::string& ConfigDir() {
    static std::string dir;
    return dir;
}

}  // namespace tidewick
