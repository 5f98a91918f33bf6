// SPDX-License-Identifier: MIT
#include "config/settings_image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/text.h"
#include "fakes/scoped_chinese_ui.h"

namespace k47 {
namespace {

class SettingsImageTest : public ::testing::Test {
protected:
    void TearDown() override { std::memset(&g_Settings, 0, sizeof g_Settings); }
};

std::uint32_t WordAt(std::size_t offset)
{
    std::uint32_t value = 0;
    std::memcpy(&value, reinterpret_cast<const std::uint8_t*>(&g_Settings) + offset, 4);
    return value;
}

TEST_F(SettingsImageTest, DefaultsAtTheirOffsets)
{
    std::memset(&g_Settings, 0xAB, sizeof g_Settings);
    FillDefaults();
    struct Case {
        std::size_t offset;
        std::uint32_t want;
    } cases[] = {
        {0, 0x80800210},    {4, 1},
        {4 + 3144, 4},      {4 + 2 * 3144, 2},
        {4 + 3 * 3144, 8},  {4 + 4 * 3144, 16},
        {4 + 5 * 3144, 11}, {4 + 6 * 3144, 22},
        {22012, 1000},      {22016, 1500},
        {22020, 2000},      {22024, 0},
        {22036, 0},         {22040, 0},
        {22072, 0},         {22076, 96},
        {22080, 1},         {22084, 0x000000FF},
        {22088, 1},         {22092, 1},
        {22096, 0},         {22100, 4},
        {22104, 0},         {22108, 10},
        {22112, 5},         {22116, 3},
        {22120, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(WordAt(c.offset), c.want);
    }
    // Everything else of a button record is zero.
    const auto* button = reinterpret_cast<const std::uint8_t*>(&g_Settings.Buttons[3]);
    for (std::size_t i = 4; i < sizeof(ButtonSetting); ++i) {
        if (i >= 544 && i < 544 + 520)
            continue;
        ASSERT_EQ(button[i], 0) << i;
    }
}

TEST_F(SettingsImageTest, DefaultNamesFollowTheLanguageOfTheMoment)
{
    struct Case {
        int chinese;
        const char16_t* left;
        const char16_t* wheelDown;
    } cases[] = {{1, u"单击", u"滚轮后滚"}, {0, u"Click", u"Scroll down"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chinese);
        test::ScopedChineseUI language(c.chinese);
        FillDefaults();
        EXPECT_EQ(FieldText(g_ButtonSettings[0].szName, kButtonNameUnits), c.left);
        EXPECT_EQ(FieldText(g_ButtonSettings[6].szName, kButtonNameUnits), c.wheelDown);
    }
}

TEST_F(SettingsImageTest, NamedSettingsAreTheImage)
{
    EXPECT_EQ(&g_ButtonSettings[0], &g_Settings.Buttons[0]);
    EXPECT_EQ(&g_DpiLevels[0], &g_Settings.DpiLevels[0]);
    g_LightMode = 2;
    g_WheelScrollLines = -1;
    g_ButtonSettings[4].nType = 121;
    EXPECT_EQ(WordAt(22100), 2u);
    EXPECT_EQ(WordAt(22120), 0xFFFFFFFFu);
    EXPECT_EQ(WordAt(4 + 4 * 3144), 121u);
}

} // namespace
} // namespace k47
