// SPDX-License-Identifier: MIT
#include "controls/model/list_item_data.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(ListItemData, KindSharesTheDataWithTheValue)
{
    struct Case {
        std::int32_t kind;
        std::uint32_t value;
        std::uint32_t data;
    };
    const Case cases[] = {{0, 0x12345678u, 0x12345678u},
                          {2, 7, 0x02000007u},
                          {4, 0xFFFFFFFFu, 0x04FFFFFFu},
                          {255, 1, 0xFF000001u}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(PackListItemData(c.kind, c.value), c.data);
        if (c.kind != 0) {
            EXPECT_EQ(ListItemKind(c.data), c.kind);
        }
    }
}

TEST(ListItemData, MarkerFilesAndIndent)
{
    EXPECT_EQ(ListMarkerFile(2, false), u"up_normal.png");
    EXPECT_EQ(ListMarkerFile(3, true), u"down_select.png");
    EXPECT_EQ(ListMarkerFile(4, false), u"delay_normal.png");
    EXPECT_TRUE(ListMarkerFile(1, true).empty());
    EXPECT_TRUE(ListMarkerFile(9, false).empty());
    EXPECT_EQ(ListTextIndent(0, true, 16), 5);
    EXPECT_EQ(ListTextIndent(3, false, 16), 5);
    EXPECT_EQ(ListTextIndent(1, true, 16), 26);
    EXPECT_EQ(ListTextIndent(9, true, 12), 22);
}

} // namespace
} // namespace k47
