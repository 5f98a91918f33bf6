// SPDX-License-Identifier: MIT
#pragma once
// The language menu's rules: where its items lie, which one the pointer
// highlights and what a release does.

#include "controls/model/geometry.h"

#include <cstdint>
#include <vector>

namespace k47 {

constexpr std::int32_t kPopupMenuWidth = 116;

struct PopupItemBox {
    bool separator = false;
    Rect rect;
};

// Lays the items out top to bottom and returns the window's height.
std::int32_t LayoutPopupItems(std::vector<PopupItemBox>& items);

struct HoverChange {
    std::int32_t hover = -1;
    bool changed = false;
};

// The highlighted item after the pointer moved to p, and whether the
// highlight changed (which asks for a repaint).
HoverChange TrackHoverIndex(const std::vector<PopupItemBox>& items, std::int32_t hover, Point p);

enum class ReleaseAction {
    None,       // nothing highlighted
    ClearHover, // released off the highlighted item: clear it and repaint
    Notify,     // released on it: tell the parent its value
};

ReleaseAction ReleaseOutcome(const std::vector<PopupItemBox>& items, std::int32_t hover, Point p);

} // namespace k47
