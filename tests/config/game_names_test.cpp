// SPDX-License-Identifier: MIT
#include "config/game_names.h"

#include <gtest/gtest.h>

#include "fakes/scoped_chinese_ui.h"

namespace k47 {
namespace {

TEST(GameNames, CaptionsInBothLanguagesKeepTheirBlanks)
{
    struct Case {
        std::uint32_t game;
        const char16_t* chinese;
        const char16_t* english;
    } cases[] = {
        {1, u"战地 3", u"Battlefield 3"},
        {7, u"文明 5 ", u"Civilization 5 "},
        {13, u"远古遗迹守卫2（Dota 2）", u"Dota 2 "},
        {21, u"玩家自定义", u"Customisze"},
        {0, u"", u""},
        {22, u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game);
        {
            test::ScopedChineseUI chinese(1);
            EXPECT_EQ(GameCaption(c.game), TextView(c.chinese));
        }
        test::ScopedChineseUI english(0);
        EXPECT_EQ(GameCaption(c.game), TextView(c.english));
    }
    for (const auto& name : kGameNames) {
        EXPECT_NE(TextView(name.chinese), u"");
        EXPECT_NE(TextView(name.english), u"");
    }
}

} // namespace
} // namespace k47
