// The eight exported entry points, as the host calls them: plain names,
// stdcall with 32-bit arguments on the 32-bit host. Host values are passed
// by the host and never read.
#pragma once

#include <cstdint>

#include "plugin/records.h"

#ifdef _WIN32
#define EMS_CALL __stdcall
#define EMS_EXPORT
#else
#define EMS_CALL
#define EMS_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

EMS_EXPORT std::int32_t EMS_CALL ems_plugin_version(std::int16_t* version);
EMS_EXPORT std::int32_t EMS_CALL ems_plugin_init(void* host1, void* host2, tidewick::MailConfig* config,
                                                 tidewick::PluginInfo* info);
EMS_EXPORT std::int32_t EMS_CALL ems_translator_info(void* host, tidewick::TranslatorInfo* info);
EMS_EXPORT std::int32_t EMS_CALL ems_can_translate(void* host1, tidewick::TranslatorInfo* info,
                                                   tidewick::DataFile* data, void* host2);
EMS_EXPORT std::int32_t EMS_CALL ems_translate_file(void* host1, tidewick::TranslatorInfo* info,
                                                    tidewick::DataFile* input, void* host2,
                                                    tidewick::DataFile* output, tidewick::ResultStatus* status);
EMS_EXPORT std::int32_t EMS_CALL ems_plugin_config(void* host1, void* host2);
EMS_EXPORT std::int32_t EMS_CALL ems_plugin_finish(void* host);
EMS_EXPORT std::int32_t EMS_CALL ems_free(void* block);

}  // extern "C"

// Pointer types for a host that loads the module at run time.
namespace tidewick {
using EmsPluginVersion = std::int32_t(EMS_CALL*)(std::int16_t*);
using EmsPluginInit = std::int32_t(EMS_CALL*)(void*, void*, MailConfig*, PluginInfo*);
using EmsTranslatorInfo = std::int32_t(EMS_CALL*)(void*, TranslatorInfo*);
using EmsCanTranslate = std::int32_t(EMS_CALL*)(void*, TranslatorInfo*, DataFile*, void*);
using EmsTranslateFile = std::int32_t(EMS_CALL*)(void*, TranslatorInfo*, DataFile*, void*, DataFile*, ResultStatus*);
using EmsPluginConfig = std::int32_t(EMS_CALL*)(void*, void*);
using EmsPluginFinish = std::int32_t(EMS_CALL*)(void*);
using EmsFree = std::int32_t(EMS_CALL*)(void*);
}  // namespace tidewick
