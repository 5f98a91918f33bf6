// SPDX-License-Identifier: MIT
#include "controls/model/popup_menu_layout.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

std::vector<PopupItemBox> Items(std::initializer_list<bool> separators)
{
    std::vector<PopupItemBox> items;
    for (bool s : separators)
        items.push_back(PopupItemBox{s, {}});
    return items;
}

TEST(PopupMenuLayout, TwelveLanguagesMake116By273)
{
    auto items =
        Items({false, false, false, false, false, false, false, false, false, false, false, false});
    EXPECT_EQ(LayoutPopupItems(items), 273);
    EXPECT_EQ(items[0].rect, (Rect{6, 6, 110, 28}));
    EXPECT_EQ(items[11].rect, (Rect{6, 248, 110, 270}));
    EXPECT_EQ(kPopupMenuWidth, 116);
}

TEST(PopupMenuLayout, SeparatorsTakeFourPixels)
{
    auto items = Items({false, true, false});
    EXPECT_EQ(LayoutPopupItems(items), 6 + 22 + 4 + 22 + 3);
    EXPECT_EQ(items[1].rect, (Rect{32, 30, 110, 31}));
    EXPECT_EQ(items[2].rect, (Rect{6, 32, 110, 54}));
}

TEST(PopupMenuLayout, HoverChangesOncePerItem)
{
    auto items = Items({false, true, false});
    LayoutPopupItems(items);
    struct Case {
        const char* name;
        std::int32_t hover;
        Point p;
        HoverChange want;
    };
    const Case cases[] = {
        {"onto the first item", -1, {50, 10}, {0, true}},
        {"within it again", 0, {90, 27}, {0, false}},
        {"onto the next item", 0, {50, 40}, {2, true}},
        {"onto the separator", 2, {50, 30}, {-1, true}},
        {"outside with none", -1, {200, 10}, {-1, false}},
        {"outside the window", 2, {-5, -5}, {-1, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HoverChange h = TrackHoverIndex(items, c.hover, c.p);
        EXPECT_EQ(h.hover, c.want.hover);
        EXPECT_EQ(h.changed, c.want.changed);
    }
}

TEST(PopupMenuLayout, ReleaseNotifiesOnlyOnTheHighlightedItem)
{
    auto items = Items({false, false});
    LayoutPopupItems(items);
    EXPECT_EQ(ReleaseOutcome(items, -1, {50, 10}), ReleaseAction::None);
    EXPECT_EQ(ReleaseOutcome(items, 0, {50, 10}), ReleaseAction::Notify);
    EXPECT_EQ(ReleaseOutcome(items, 0, {50, 40}), ReleaseAction::ClearHover);
    EXPECT_EQ(ReleaseOutcome(items, 7, {50, 10}), ReleaseAction::None);
}

} // namespace
} // namespace k47
