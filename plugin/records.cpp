#include "plugin/records.h"

#include <cstdlib>
#include <cstring>

namespace tidewick {

void* ModuleAlloc(std::size_t size) { return std::malloc(size); }

void ModuleFree(void* block) { std::free(block); }

char* HeapCopy(const char* s) {
    const std::size_t n = std::strlen(s) + 1;
    auto* copy = static_cast<char*>(ModuleAlloc(n));
    if (copy != nullptr) std::memcpy(copy, s, n);
    return copy;
}

MimeInfo* MakeMimeInfo(const char* type, const char* subtype, const char* version) {
    auto* record = static_cast<MimeInfo*>(ModuleAlloc(sizeof(MimeInfo)));
    if (record == nullptr) return nullptr;
    record->Size = static_cast<std::int32_t>(sizeof(MimeInfo));
    record->Type = HeapCopy(type);
    record->Subtype = HeapCopy(subtype);
    record->Version = HeapCopy(version != nullptr ? version : "1.0");
    record->Params = nullptr;
    record->Extra = nullptr;
    record->ExtraParams = nullptr;
    if (record->Type == nullptr || record->Subtype == nullptr || record->Version == nullptr) {
        FreeMimeInfo(record);
        return nullptr;
    }
    return record;
}

static void FreeParams(MimeParam* node) {
    while (node != nullptr) {
        MimeParam* next = node->Next;
        ModuleFree(node->Name);
        ModuleFree(node->Value);
        ModuleFree(node);
        node = next;
    }
}

void FreeMimeInfo(MimeInfo* record) {
    if (record == nullptr) return;
    ModuleFree(record->Version);
    ModuleFree(record->Type);
    ModuleFree(record->Subtype);
    FreeParams(record->Params);
    ModuleFree(record->Extra);
    FreeParams(record->ExtraParams);
    ModuleFree(record);
}

}  // namespace tidewick
