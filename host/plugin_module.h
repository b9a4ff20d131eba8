// A plug-in module loaded at run time, with its eight entry points.
#pragma once

#include <memory>
#include <string>

#include "plugin/exports.h"

namespace tidewick {

class PluginModule {
public:
    // Loads the module at path; null with error set when it cannot be loaded
    // or lacks an entry point.
    static std::unique_ptr<PluginModule> Load(const std::string& path, std::string& error);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    EmsPluginVersion PluginVersion = nullptr;
    EmsPluginInit PluginInit = nullptr;
    EmsTranslatorInfo TranslatorInfo = nullptr;
    EmsCanTranslate CanTranslate = nullptr;
    EmsTranslateFile TranslateFile = nullptr;
    EmsPluginConfig PluginConfig = nullptr;
    EmsPluginFinish PluginFinish = nullptr;
    EmsFree Free = nullptr;

private:
    explicit PluginModule(void* handle) : handle_(handle) {}
    void* handle_;
};

// The module's file name in this build: tidewick.dll or libtidewick.so.
const char* ModuleFileName();

// The directory of the running program, with a trailing separator.
std::string ProgramDirectory();

}  // namespace tidewick
