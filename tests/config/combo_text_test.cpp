// SPDX-License-Identifier: MIT
#include "config/combo_text.h"

#include <gtest/gtest.h>

#include "config/function_catalogue.h"
#include "config/function_code.h"
#include "config/seams.h"
#include "fakes/scoped_chinese_ui.h"
#include "fakes/us_keyboard_layout.h"

namespace k47 {
namespace {

class ComboText : public testing::Test {
protected:
    test::UsKeyboardLayout m_us;
    ScopedSeam<IKeyboardLayout> m_layout{&Seams::keyboard, &m_us};
};

TEST_F(ComboText, Cases)
{
    struct Case {
        std::uint32_t code;
        const char16_t* text;
    };
    const Case cases[] = {
        {0x00060100, u"Ctrl + C"},
        {0x003D0400, u"Alt + F4"},
        {MakeKeyCode(kModCtrl | kModShift, 0x04), u"Shift + Ctrl + A"},
        {MakeKeyCode(0x0F, 0x2B), u"Shift + Ctrl + Alt + Win + Tab"},
        {MakeKeyCode(kModAlt | kModWin, 0x2D), u"Alt + Win + -"},
        {0x00290000, u"Esc"},
        {0x00E10000, u"LShift"}, // a lone modifier stored as its own usage
        {0x00000800, u"Win + "},
        {0x00570800, u"Win + (+)"},
        {0x00000000, u""},
        {0x00650000, u"App"},
        // only bits above Win: byte 1 is named as a usage, byte 2 is dropped
        {0x0004E000, u"LCtrl"},
        {0x00001000, u"M"},
        {MakeKeyCode(kModCtrl | 0x10, 0x06), u"Ctrl + C"},
        // byte 0 and byte 3 play no part
        {0xFF060109, u"Ctrl + C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(GetComboText(c.code), c.text);
    }
}

TEST_F(ComboText, NamesTheCatalogueShortcuts)
{
    struct Case {
        int type;
        const char16_t* text;
    };
    const Case cases[] = {
        {64, u"Ctrl + X"},   {66, u"Ctrl + V"}, {72, u"Ctrl + S"},
        {82, u"Win + L"},    {85, u"Win + D"},  {123, u"Win + M"},
        {124, u"Alt + Tab"}, {125, u"Win + Q"}, {127, u"Win + (-)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(GetComboText(FunctionCodeOfType(c.type)), c.text);
    }
}

TEST_F(ComboText, SameInEveryLanguage)
{
    test::ScopedChineseUI chinese(1);
    EXPECT_EQ(GetComboText(0x00060100), u"Ctrl + C");
}

} // namespace
} // namespace k47
