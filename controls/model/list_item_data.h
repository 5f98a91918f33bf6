// SPDX-License-Identifier: MIT
#pragma once
// The item data of a skinned list entry: the picture kind in bits 24-31
// beside the caller's value, and what the kind means for drawing.

#include "config/text.h"

#include <cstdint>

namespace k47 {

constexpr std::int32_t kListNoPicture = 0;
constexpr std::int32_t kListIndentOnly = 1;
constexpr std::int32_t kListUpMarker = 2;
constexpr std::int32_t kListDownMarker = 3;
constexpr std::int32_t kListDelayMarker = 4;

// The stored data: value as it is for kind 0, else kind in bits 24-31 and
// the value's bits 0-23.
std::uint32_t PackListItemData(std::int32_t kind, std::uint32_t value);
std::int32_t ListItemKind(std::uint32_t data);

// The marker picture's file name in the skins folder for kinds 2-4; empty
// for the others.
TextView ListMarkerFile(std::int32_t kind, bool selected);

// Offset of an entry's text from the entry's left edge.
std::int32_t ListTextIndent(std::int32_t kind, bool icons, std::int32_t iconWidth);

} // namespace k47
