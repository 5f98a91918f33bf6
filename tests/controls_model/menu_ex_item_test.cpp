// SPDX-License-Identifier: MIT
#include "controls/model/menu_ex_item.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(MenuExItem, TextIsCutTo39Units)
{
    const Text longText(50, u'x');
    const MenuExItem item = MakeMenuExItem(kMenuExTopLevel, 21, longText);
    EXPECT_EQ(item.nParent, 255u);
    EXPECT_EQ(item.nItem, 21u);
    EXPECT_EQ(MenuExItemText(item), Text(39, u'x'));
    EXPECT_EQ(item.szText[39], 0);
    // Numbers are byte values.
    EXPECT_EQ(MakeMenuExItem(0x1FF, 0x102, u"a").nParent, 255u);
    EXPECT_EQ(MakeMenuExItem(0x1FF, 0x102, u"a").nItem, 2u);
}

TEST(MenuExItem, AnUnterminatedTextStopsAtItsField)
{
    MenuExItem item{};
    for (char16_t& c : item.szText)
        c = u'y';
    EXPECT_EQ(MenuExItemText(item).size(), kMenuExTextUnits);
}

TEST(MenuExItem, ChildrenPicturesAndRows)
{
    const MenuExItem items[] = {MakeMenuExItem(255, 1, u"A"), MakeMenuExItem(1, 2, u"A1"),
                                MakeMenuExItem(255, 3, u"B"), MakeMenuExItem(1, 4, u"A2")};
    EXPECT_EQ(MenuExChildren(items, 4, 255), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(MenuExChildren(items, 4, 1), (std::vector<std::size_t>{1, 3}));
    EXPECT_TRUE(MenuExChildren(items, 4, 3).empty());
    EXPECT_EQ(MenuExPicture(false, MenuExRowState::Hover), 1u);
    EXPECT_EQ(MenuExPicture(true, MenuExRowState::Pressed), 6u);
    EXPECT_EQ(MenuExRowAt(1, 2, 24, 21), -1);
    EXPECT_EQ(MenuExRowAt(2, 2, 24, 21), 0);
    EXPECT_EQ(MenuExRowAt(2 + 24 * 20 + 23, 2, 24, 21), 20);
    EXPECT_EQ(MenuExRowAt(2 + 24 * 21, 2, 24, 21), -1);
}

} // namespace
} // namespace k47
