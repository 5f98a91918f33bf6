// SPDX-License-Identifier: MIT
#include "controls/model/popup_menu_layout.h"

namespace k47 {
namespace {

bool Holds(const Rect& r, Point p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

bool Valid(const std::vector<PopupItemBox>& items, std::int32_t i)
{
    return i >= 0 && std::size_t(i) < items.size();
}

} // namespace

std::int32_t LayoutPopupItems(std::vector<PopupItemBox>& items)
{
    std::int32_t y = 6;
    for (PopupItemBox& item : items) {
        if (item.separator) {
            item.rect = Rect{32, y + 2, 110, y + 3};
            y += 4;
        } else {
            item.rect = Rect{6, y, 110, y + 22};
            y += 22;
        }
    }
    return y + 3;
}

HoverChange TrackHoverIndex(const std::vector<PopupItemBox>& items, std::int32_t hover, Point p)
{
    if (Valid(items, hover) && Holds(items[std::size_t(hover)].rect, p))
        return {hover, false};
    HoverChange out{-1, hover != -1};
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].separator && Holds(items[i].rect, p))
            return {std::int32_t(i), true};
    }
    return out;
}

ReleaseAction ReleaseOutcome(const std::vector<PopupItemBox>& items, std::int32_t hover, Point p)
{
    if (!Valid(items, hover))
        return ReleaseAction::None;
    if (!Holds(items[std::size_t(hover)].rect, p))
        return ReleaseAction::ClearHover;
    return ReleaseAction::Notify;
}

} // namespace k47
