// SPDX-License-Identifier: MIT
#include "config/hint_codes.h"

#include <gtest/gtest.h>

#include "config/lang_text.h"

namespace k47 {
namespace {

class HintCodesTest : public ::testing::Test {
protected:
    // Every text is its own key, so a case names the key it expects.
    void SetUp() override
    {
        for (std::size_t i = 0; i < kLangTextCount; ++i)
            LangText[i] = FromAscii(kLangKeys[i]);
    }
    void TearDown() override
    {
        for (auto& text : LangText)
            text.clear();
    }
    const std::array<Text, kHintButtonCount> buttons = {u"Click", u"Middle", u"Menu",   u"Forward",
                                                        u"Back",  u"Copy",   u"Macro A"};
};

TEST_F(HintCodesTest, CodesShowTheirKeysOrButtonNames)
{
    struct Case {
        std::int64_t code;
        Text expected;
    } cases[] = {
        {0, u"str_profile1"},
        {4, u"str_profile5"},
        {5, u"str_ok"},
        {10, u"str_about"},
        {11, u"str_dpiwant"},
        {16, u"str_rollerColumn"},
        {17, u"Click"},
        {19, u"Menu"},
        {23, u"Macro A"},
        {24, u"str_ledspe"},
        {32, u"str_led_custom"},
        {33, u"str_new_macro"},
        {45, u"str_menu"},
        {46, u"str_resetSts"},
        {47, u"str_cups"},
        {48, u"str_update"},
        {52, u"str_exportFile"},
        {53, u"str_led_off"},
        {60, u"str_rollerScreen"},
        // not in the table, or emptied on purpose
        {54, u""},
        {59, u""},
        {61, u""},
        {99, u""},
        {100, u""},
        {-1, u""},
        {0x100000000, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(HintText(c.code, buttons), c.expected);
    }
}

TEST_F(HintCodesTest, EveryTableKeyIsALanguageKey)
{
    for (std::int64_t code = -2; code <= 200; ++code) {
        std::string_view key = HintKey(code);
        if (!key.empty()) {
            EXPECT_GE(LangKeyIndex(key), 0) << code;
        }
    }
}

TEST_F(HintCodesTest, TextFollowsTheLoadedLanguage)
{
    SetLangText("str_profile1", u"Profil 1");
    EXPECT_EQ(HintText(0, buttons), u"Profil 1");
    SetLangText("str_profile1", u"");
    EXPECT_EQ(HintText(0, buttons), u"");
}

} // namespace
} // namespace k47
