// The fourteen translators and the module's identity.
#pragma once

#include <cstdint>

#include "resources/resource_ids.h"

namespace tidewick {

constexpr std::int16_t kInterfaceVersion = 3;
constexpr char kPluginDescription[] = "Reformatting Options (Brisbow)";
constexpr std::int32_t kPluginId = 4372;
constexpr int kPluginIcon = IDI_PLUGIN;

// Every row shares these; the host sees the type, ems_can_translate tests the
// flags and the MIME type.
constexpr std::int32_t kTranslatorType = 16;
constexpr std::int32_t kTranslatorFlags = 4;
constexpr char kTextMimeType[] = "text";
constexpr char kTextMimeSubtype[] = "plain";

struct TranslatorRow {
    std::int32_t Id;
    const char* Name;
    int IconResource;
};

constexpr std::int32_t kTranslatorCount = 14;

constexpr TranslatorRow TranslatorCatalogue[kTranslatorCount] = {
    {1, "Reformat Paragraph...", IDI_REFORMAT_PARAGRAPH},
    {2, "Left Align", IDI_LEFT_ALIGN},
    {3, "Right Align", IDI_RIGHT_ALIGN},
    {4, "Center Align", IDI_CENTER_ALIGN},
    {5, "Fill Paragraph", IDI_FILL_PARAGRAPH},
    {6, "Tabs to Spaces", IDI_TABS_TO_SPACES},
    {7, "Spaces to Tabs", IDI_SPACES_TO_TABS},
    {8, "Trim Trailing Spaces", IDI_TRIM_TRAILING_SPACES},
    {9, "OEM to ANSI", IDI_OEM_TO_ANSI},
    {10, "ANSI to OEM", IDI_ANSI_TO_OEM},
    {11, "Add Indents", IDI_ADD_INDENTS},
    {12, "Remove Indents", IDI_REMOVE_INDENTS},
    {13, "Insert Bullets", IDI_INSERT_BULLETS},
    {14, "Number Lines", IDI_NUMBER_LINES},
};

constexpr bool CatalogueIsInIdOrder() {
    for (std::int32_t i = 0; i < kTranslatorCount; ++i)
        if (TranslatorCatalogue[i].Id != i + 1) return false;
    return true;
}
static_assert(CatalogueIsInIdOrder(), "row i holds translator i + 1");

// The row of translator id, or null outside 1..14.
constexpr const TranslatorRow* FindTranslator(std::int32_t id) {
    return id >= 1 && id <= kTranslatorCount ? &TranslatorCatalogue[id - 1] : nullptr;
}

}  // namespace tidewick
