// The records and result codes of the host's "EMS-API" plug-in interface.
// On the 32-bit host every field is 32 bits wide; the static_asserts below
// hold the layout against the host's tables. Elsewhere pointers take their
// natural width and the offsets follow from the field order.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tidewick {

enum ResultCode : std::int32_t {
    ResultOk = 0,
    ResultFailed = 1,
    ResultCannotTranslate = 2,
    ResultNoSuchTranslator = 3,
    ResultFileError = 5,
    ResultCanTranslate = 10,
    ResultCancelled = 11,
};

// Detail codes that go with ResultStatus::ErrorText; never returned.
constexpr std::int32_t kFileIoErrorCode = 410;
constexpr std::int32_t kOutOfMemoryCode = 424;
constexpr char kFileIoErrorText[] = "File I/O Error";
constexpr char kOutOfMemoryText[] = "Out of Memory";

// A heap block of one cell holding a platform icon handle.
struct IconHolder {
    void* Icon;
};

struct MimeParam {              // 16 bytes on the 32-bit host
    std::int32_t HostField0;    //  0  never touched
    char*        Name;          //  4
    char*        Value;         //  8
    MimeParam*   Next;          // 12  null at the end of the list
};

struct MimeInfo {               // 28 bytes on the 32-bit host
    std::int32_t Size;          //  0  always 28
    char*        Version;       //  4  copies from our heap; the host frees them with ems_free
    char*        Type;          //  8
    char*        Subtype;       // 12
    MimeParam*   Params;        // 16  null in every record we build
    char*        Extra;         // 20  null in every record we build
    MimeParam*   ExtraParams;   // 24  null in every record we build
};

struct PluginInfo {             // 28 bytes on the 32-bit host
    std::int32_t HostField0;    //  0  the host's, never touched
    std::int32_t TranslatorCount; // 4
    std::int32_t HostField8;    //  8
    std::int32_t HostField12;   // 12
    char*        Description;   // 16
    std::int32_t PluginId;      // 20
    IconHolder*  Icon;          // 24
};

struct TranslatorInfo {         // 24 bytes on the 32-bit host
    std::int32_t HostField0;    //  0
    std::int32_t Id;            //  4  set by the host
    std::int32_t Type;          //  8
    std::int32_t Flags;         // 12
    char*        Description;   // 16
    IconHolder*  Icon;          // 20
};

struct MailConfig {             // at least 12 bytes on the 32-bit host
    std::int32_t HostField0;    //  0
    std::int32_t HostField4;    //  4
    const char*  ConfigDirectory; // 8  may be null
};

struct DataFile {               // 20 bytes on the 32-bit host
    std::int32_t HostField0;    //  0
    std::int32_t Flags;         //  4
    MimeInfo*    Mime;          //  8
    std::int32_t HostField12;   // 12
    const char*  FileName;      // 16
};

struct ResultStatus {           // 16 bytes on the 32-bit host
    std::int32_t HostField0;    //  0
    std::int32_t HostField4;    //  4
    char*        ErrorText;     //  8  overwritten, never freed: the host owns the old one
    std::int32_t ErrorCode;     // 12
};

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(MimeParam) == 16);
static_assert(offsetof(MimeParam, Name) == 4 && offsetof(MimeParam, Value) == 8 && offsetof(MimeParam, Next) == 12);
static_assert(sizeof(MimeInfo) == 28);
static_assert(offsetof(MimeInfo, Size) == 0 && offsetof(MimeInfo, Version) == 4 && offsetof(MimeInfo, Type) == 8);
static_assert(offsetof(MimeInfo, Subtype) == 12 && offsetof(MimeInfo, Params) == 16);
static_assert(offsetof(MimeInfo, Extra) == 20 && offsetof(MimeInfo, ExtraParams) == 24);
static_assert(sizeof(PluginInfo) == 28);
static_assert(offsetof(PluginInfo, TranslatorCount) == 4 && offsetof(PluginInfo, Description) == 16);
static_assert(offsetof(PluginInfo, PluginId) == 20 && offsetof(PluginInfo, Icon) == 24);
static_assert(sizeof(TranslatorInfo) == 24);
static_assert(offsetof(TranslatorInfo, Id) == 4 && offsetof(TranslatorInfo, Type) == 8);
static_assert(offsetof(TranslatorInfo, Flags) == 12 && offsetof(TranslatorInfo, Description) == 16);
static_assert(offsetof(TranslatorInfo, Icon) == 20);
static_assert(sizeof(MailConfig) == 12 && offsetof(MailConfig, ConfigDirectory) == 8);
static_assert(sizeof(DataFile) == 20);
static_assert(offsetof(DataFile, Flags) == 4 && offsetof(DataFile, Mime) == 8 && offsetof(DataFile, FileName) == 16);
static_assert(sizeof(ResultStatus) == 16);
static_assert(offsetof(ResultStatus, ErrorText) == 8 && offsetof(ResultStatus, ErrorCode) == 12);
static_assert(sizeof(IconHolder) == 4);
#endif

// A new heap copy of s with its NUL, or null when it cannot be allocated.
char* HeapCopy(const char* s);

// A new MimeInfo with copies of the three strings (version "1.0" when null),
// or null when any allocation fails; nothing is left allocated then.
MimeInfo* MakeMimeInfo(const char* type, const char* subtype, const char* version);

// Releases a MimeInfo, its strings and both parameter lists; null does nothing.
void FreeMimeInfo(MimeInfo* record);

// Every block handed to the host comes from here and goes back through here.
void* ModuleAlloc(std::size_t size);
void ModuleFree(void* block);

}  // namespace tidewick
