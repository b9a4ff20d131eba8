#include "host/plugin_module.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#include <climits>
#endif

namespace tidewick {
namespace {

void* OpenLibrary(const std::string& path, std::string& error) {
#ifdef _WIN32
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return reinterpret_cast<void*>(module);
#else
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) error = dlerror();
    return module;
#endif
}

void* FindSymbol(void* module, const char* name) {
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
#else
    return dlsym(module, name);
#endif
}

template <typename F>
bool Resolve(void* module, const char* name, F& target, std::string& error) {
    void* symbol = FindSymbol(module, name);
    if (symbol == nullptr) {
        error = std::string("the module has no entry point ") + name;
        return false;
    }
    target = reinterpret_cast<F>(symbol);
    return true;
}

}  // namespace

std::unique_ptr<PluginModule> PluginModule::Load(const std::string& path, std::string& error) {
    void* handle = OpenLibrary(path, error);
    if (handle == nullptr) return nullptr;
    std::unique_ptr<PluginModule> module(new PluginModule(handle));
    if (Resolve(handle, "ems_plugin_version", module->PluginVersion, error) &&
        Resolve(handle, "ems_plugin_init", module->PluginInit, error) &&
        Resolve(handle, "ems_translator_info", module->TranslatorInfo, error) &&
        Resolve(handle, "ems_can_translate", module->CanTranslate, error) &&
        Resolve(handle, "ems_translate_file", module->TranslateFile, error) &&
        Resolve(handle, "ems_plugin_config", module->PluginConfig, error) &&
        Resolve(handle, "ems_plugin_finish", module->PluginFinish, error) &&
        Resolve(handle, "ems_free", module->Free, error))
        return module;
    return nullptr;
}

PluginModule::~PluginModule() {
#ifdef _WIN32
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

const char* ModuleFileName() {
#ifdef _WIN32
    return "tidewick.dll";
#else
    return "libtidewick.so";
#endif
}

std::string ProgramDirectory() {
#ifdef _WIN32
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, n < MAX_PATH ? n : 0);
    const char separator = '\\';
#else
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path);
    std::string full(path, n > 0 ? static_cast<std::size_t>(n) : 0);
    const char separator = '/';
#endif
    const std::size_t cut = full.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") + separator : full.substr(0, cut + 1);
}

}  // namespace tidewick
