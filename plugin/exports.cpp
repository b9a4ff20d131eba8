// Thin exports: check the pointers, forward to typed code, and let no
// exception cross into the host.
#include "plugin/exports.h"

#include <cstring>
#include <new>

#include "plugin/catalogue.h"
#include "plugin/driver.h"
#include "plugin/module_state.h"
#include "plugin/platform.h"
#include "settings/settings.h"

namespace tidewick {
namespace {

// A holder for the icon of catalogue row index, or of the plug-in when index
// is negative; null when the holder cannot be allocated.
IconHolder* MakeIconHolder(std::int32_t index) {
    auto* holder = static_cast<IconHolder*>(ModuleAlloc(sizeof(IconHolder)));
    if (holder == nullptr) return nullptr;
    const int resource = index < 0 ? kPluginIcon : FindTranslator(index & 0xFFFF)->IconResource;
    holder->Icon = LoadModuleIcon(resource);
    return holder;
}

bool IsExactly(const char* s, const char* expected) {
    return s != nullptr && std::strcmp(s, expected) == 0;
}

}  // namespace
}  // namespace tidewick

using namespace tidewick;

extern "C" {

std::int32_t EMS_CALL ems_plugin_version(std::int16_t* version) {
    if (version == nullptr) return ResultFailed;
    *version = kInterfaceVersion;
    return ResultOk;
}

std::int32_t EMS_CALL ems_plugin_init(void*, void*, MailConfig* config, PluginInfo* info) {
    if (info == nullptr) return ResultOk;
    if (config == nullptr) return ResultFailed;
    try {
        std::string dir = config->ConfigDirectory != nullptr ? config->ConfigDirectory : "";
        info->TranslatorCount = kTranslatorCount;
        info->Description = HeapCopy(kPluginDescription);
        info->PluginId = kPluginId;
        ConfigDir().swap(dir);
        info->Icon = MakeIconHolder(-1);
        return ResultOk;
    } catch (...) {
        return ResultFailed;
    }
}

std::int32_t EMS_CALL ems_translator_info(void*, TranslatorInfo* info) {
    if (info == nullptr) return ResultOk;
    const TranslatorRow* row = FindTranslator(info->Id);
    if (row == nullptr) return ResultNoSuchTranslator;
    info->Type = kTranslatorType;
    info->Flags = kTranslatorFlags;
    info->Description = HeapCopy(row->Name);
    info->Icon = MakeIconHolder(info->Id);
    return ResultOk;
}

std::int32_t EMS_CALL ems_can_translate(void*, TranslatorInfo* info, DataFile* data, void*) {
    if (info == nullptr || data == nullptr) return ResultCannotTranslate;
    if (FindTranslator(info->Id) == nullptr) return ResultNoSuchTranslator;
    if ((data->Flags & kTranslatorFlags) == 0) return ResultCannotTranslate;
    const MimeInfo* mime = data->Mime;
    if (mime == nullptr || !IsExactly(mime->Type, kTextMimeType) || !IsExactly(mime->Subtype, kTextMimeSubtype))
        return ResultCannotTranslate;
    return ResultCanTranslate;
}

std::int32_t EMS_CALL ems_translate_file(void*, TranslatorInfo* info, DataFile* input, void*, DataFile* output,
                                         ResultStatus* status) {
    if (info == nullptr || input == nullptr || output == nullptr || input->FileName == nullptr ||
        output->FileName == nullptr)
        return ResultFailed;
    try {
        ShowBusyCursor();
        const DriverContext context{SettingsFile(ConfigDir()), PlatformDialogs(), &PlatformCodePages()};
        const ResultCode result = TranslateFile(info->Id, input->FileName, output->FileName, *output, status, context);
        if (result == ResultOk) ShowArrowCursor();
        return result;
    } catch (const std::bad_alloc&) {
        ReportFailure(status, kOutOfMemoryText, kOutOfMemoryCode);
        return ResultFailed;
    } catch (...) {
        return ResultFailed;
    }
}

std::int32_t EMS_CALL ems_plugin_config(void*, void*) {
    try {
        Dialogs* ui = PlatformDialogs();
        if (ui == nullptr) return ResultOk;
        OptionsDialog dialog;
        dialog.SettingsPath = SettingsFile(ConfigDir());
        dialog.OnTheFly = 0;
        ui->RunOptions(dialog);
    } catch (...) {
        // Whatever the user saved is already in the settings file.
    }
    return ResultOk;
}

std::int32_t EMS_CALL ems_plugin_finish(void*) { return ResultOk; }

std::int32_t EMS_CALL ems_free(void* block) {
    ModuleFree(block);
    return ResultOk;
}

}  // extern "C"
