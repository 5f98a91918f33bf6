// SPDX-License-Identifier: MIT
#include "config/language_table.h"

#include <gtest/gtest.h>

#include <set>

namespace k47 {
namespace {

TEST(LanguageTable, RowsByIndex)
{
    for (std::int32_t index : {0, -1, 13, 272}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(FindLanguage(index), nullptr);
    }
    std::set<std::uint16_t> pictures;
    for (std::int32_t index = 1; index <= 12; ++index) {
        SCOPED_TRACE(index);
        const LanguageRow* row = FindLanguage(index);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->index, index);
        EXPECT_EQ(row->flagBitmap, 172 + index);
        pictures.insert(row->menuPicture);
    }
    EXPECT_EQ(pictures.size(), 12u);
    EXPECT_EQ(*pictures.begin(), 185);
    EXPECT_EQ(*pictures.rbegin(), 196);
}

TEST(LanguageTable, KoreanAndGermanPicturesAreSwapped)
{
    EXPECT_EQ(FindLanguage(4)->menuName, u"Korean");
    EXPECT_EQ(FindLanguage(4)->flagBitmap, 176);
    EXPECT_EQ(FindLanguage(4)->menuPicture, 189);
    EXPECT_EQ(FindLanguage(5)->menuName, u"German");
    EXPECT_EQ(FindLanguage(5)->flagBitmap, 177);
    EXPECT_EQ(FindLanguage(5)->menuPicture, 188);
}

} // namespace
} // namespace k47
