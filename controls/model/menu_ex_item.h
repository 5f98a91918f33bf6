// SPDX-License-Identifier: MIT
#pragma once
// One entry of the game menu as its callers pass it: parent item, item
// number and text, 88 bytes.

#include "config/text.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace k47 {

constexpr std::uint32_t kMenuExTopLevel = 255;
constexpr std::size_t kMenuExTextUnits = 40;

struct MenuExItem {
    std::uint32_t nParent; // kMenuExTopLevel for a top-level item
    std::uint32_t nItem;   // the number a pick reports
    char16_t szText[kMenuExTextUnits];
};
static_assert(sizeof(MenuExItem) == 88, "MenuExItem is 88 bytes");
static_assert(offsetof(MenuExItem, nItem) == 4 && offsetof(MenuExItem, szText) == 8);

// An item with text cut to 39 units and NUL-terminated; parent and number
// keep their low byte.
MenuExItem MakeMenuExItem(std::uint32_t parent, std::uint32_t item, TextView text);

// The text of an item, read up to its NUL or its 40th unit.
Text MenuExItemText(const MenuExItem& item);

// Indices (into items) of the children of parent, in order.
std::vector<std::size_t> MenuExChildren(const MenuExItem* items, std::size_t count,
                                        std::uint32_t parent);

// Which of the eight pictures a row shows: 0-2 normal, hover, pressed for a
// plain item, 4-6 for an item with a sub-menu.
enum class MenuExRowState { Normal = 0, Hover = 1, Pressed = 2 };
std::size_t MenuExPicture(bool hasSubMenu, MenuExRowState state);

// The row under a point y of a menu with rows of rowHeight below a top
// margin, or -1.
std::int32_t MenuExRowAt(std::int32_t y, std::int32_t top, std::int32_t rowHeight,
                         std::size_t rows);

} // namespace k47
