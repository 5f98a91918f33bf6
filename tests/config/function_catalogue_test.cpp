// SPDX-License-Identifier: MIT
#include "config/function_catalogue.h"

#include <cstring>
#include <gtest/gtest.h>

#include "config/buttons.h"
#include "config/function_types.h"
#include "fakes/scoped_chinese_ui.h"

namespace k47 {
namespace {

TEST(FunctionCatalogue, TypesAreUniqueAndAscending)
{
    for (std::size_t i = 1; i < kFunctionCatalogue.size(); ++i) {
        SCOPED_TRACE(kFunctionCatalogue[i].type);
        EXPECT_LT(kFunctionCatalogue[i - 1].type, kFunctionCatalogue[i].type);
    }
}

TEST(FunctionCatalogue, NameFollowsTheLanguageFlag)
{
    struct Case {
        int type;
        const char16_t* english;
        const char16_t* chinese;
    };
    const Case cases[] = {
        {1, u"Click", u"单击"},
        {66, u"Past", u"粘贴"},
        {86, u"Sreen zoom in", u"放大屏幕"},
        {126, u"sreen zoom in", u"放大"},
        {32, u"Play/Pause", u"播放/暂停"},
        {38, u"Volume down", u"音量-"},
        {123, u"Enter classic desktop", u"进入传统界面"},
        {143, u"FIRE", u"火力"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        {
            test::ScopedChineseUI english(0);
            EXPECT_EQ(GetFunctionName(c.type), c.english);
        }
        test::ScopedChineseUI chinese(1);
        EXPECT_EQ(GetFunctionName(c.type), c.chinese);
    }
}

TEST(FunctionCatalogue, TypesWithoutANameGiveTheEmptyText)
{
    for (int chinese : {0, 1}) {
        test::ScopedChineseUI language(chinese);
        for (int type : {kTypeCombo, kTypeMacro, kTypeAdvanced, 3, 0, -1, 144, 0x7FFFFFFF}) {
            SCOPED_TRACE(type);
            EXPECT_EQ(GetFunctionName(type), u"");
            EXPECT_EQ(FindFunction(type), nullptr);
        }
    }
}

TEST(FunctionCatalogue, CodeOfType)
{
    struct Case {
        int type;
        std::uint32_t code;
    };
    const Case cases[] = {
        {65, 0x00060100}, {81, 0x003D0400},  {122, 0x00000800},  {127, 0x00560800},
        {40, 0x01830003}, {118, 0x01CB0006}, {22, 0x00020004},   {121, 0},
        {12, 0},          {86, 0},           {133, 0},           {kTypeSnipe, 0},
        {kTypeCombo, 0},  {kTypeMacro, 0},   {kTypeAdvanced, 0}, {3, 0},
        {-5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(FunctionCodeOfType(c.type), c.code);
    }
}

TEST(FunctionCatalogue, TypesWithoutACodeAreToldApartFromDisableKey)
{
    struct Case {
        int type;
        bool has;
    };
    const Case cases[] = {
        {65, true},          {kTypeDisable, true}, {kTypeCombo, true}, {kTypeAdvanced, true},
        {kTypeMacro, false}, {12, false},          {86, false},        {87, false},
        {133, false},        {142, false},         {143, false},       {3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(HasFunctionCode(c.type), c.has);
    }
}

TEST(FunctionCatalogue, ButtonsDefaultToTheirNativeCode)
{
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(FunctionCodeOfType(kButtons[i].defaultType), kButtons[i].nativeCode);
    }
}

TEST(FunctionCatalogue, ButtonFunctionCodeByType)
{
    struct Case {
        int type;
        std::uint32_t comboCode;
        int button;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {kTypeCombo, 0x00040300, kButtonBack, 0x00040300}, // Ctrl + Shift + A
        {kTypeCombo, 0, kButtonLeft, 0},                   // an empty combination
        {kTypeAdvanced, 0, kButtonRight, 0x00F10001},      // the button keeps its own click
        {kTypeAdvanced, 0, kButtonWheelBackward, 0x00020004},
        {kTypeMacro, 0x00060100, kButtonMiddle, 0},   // built during the transfer
        {65, 0x12345678, kButtonForward, 0x00060100}, // combo code ignored
        {kTypeSnipe, 0, kButtonLeft, 0},
        {kTypeDisable, 0, kButtonLeft, 0},
        {999, 0, kButtonLeft, 0},
        {kTypeAdvanced, 0, 7, 0},
        {kTypeAdvanced, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " button " << c.button);
        ButtonSetting setting;
        std::memset(&setting, 0, sizeof setting);
        setting.nType = c.type;
        setting.dwComboCode = c.comboCode;
        setting.nMacroId = 0x15000001;
        EXPECT_EQ(ButtonFunctionCode(setting, c.button), c.expected);
    }
}

} // namespace
} // namespace k47
