// SPDX-License-Identifier: MIT
#pragma once
// The twelve interface languages. The index is what the language menu sends,
// what the registry keeps and what picks the row.

#include <array>
#include <cstdint>

#include "config/text.h"

namespace k47 {

struct LanguageRow {
    std::int32_t index;        // 1-12
    TextView menuName;         // shown in the language menu
    TextView file;             // relative to the application folder
    std::uint16_t flagBitmap;  // bitmap resource for the language picture, 37 x 22
    std::uint16_t menuPicture; // PNG resource beside the menu name, 19 x 11
    int chineseUI;             // g_ChineseUI while the language is chosen
};

constexpr std::int32_t kDefaultLanguage = 1;

// In index order; the language menu lists its items in this order too, each
// with the index as its command value.
extern const std::array<LanguageRow, 12> kLanguageTable;

// The row of index, or nullptr outside 1-12.
const LanguageRow* FindLanguage(std::int32_t index);

} // namespace k47
