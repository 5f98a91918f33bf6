// SPDX-License-Identifier: MIT
#include "config/key_names.h"

#include <gtest/gtest.h>

#include "config/seams.h"
#include "fakes/us_keyboard_layout.h"

namespace k47 {
namespace {

// A layout that types one given byte for every key.
class OneCharLayout : public IKeyboardLayout {
public:
    explicit OneCharLayout(std::uint8_t c) : m_c(c) {}
    std::uint8_t KeyCharacter(std::uint32_t) override { return m_c; }

private:
    std::uint8_t m_c;
};

TEST(KeyNames, FixedNamesAndTheUsLayout)
{
    test::UsKeyboardLayout us;
    ScopedSeam<IKeyboardLayout> layout(&Seams::keyboard, &us);
    struct Case {
        std::uint32_t virtualKey;
        const char16_t* name;
    };
    const Case cases[] = {
        {0x2B, u"Enter"},
        {0x0D, u"Enter"},
        {0x00, u""},
        {0xFF, u""},
        {0x1B, u"Esc"},
        {0x2C, u"PrtSc SysRq"},
        {0x60, u"(0)"},
        {0x69, u"(9)"},
        {0x6C, u"\\"},
        {0x6E, u"(.)"},
        {0x7B, u"F12"},
        {0x91, u"Scroll Lock"},
        {0xA5, u"RAlt"},
        {0xC1, u"LButton"},
        {0xC3, u"MButton"},
        {0x5D, u"App"},
        // the layout's character, letters upper-cased
        {0x41, u"A"},
        {0x5A, u"Z"},
        {0x37, u"7"},
        {0xBA, u";"},
        {0xC0, u"`"},
        {0xDE, u"'"},
        {0xBF, u"/"},
        // keys that type nothing, or only a control character
        {0x7C, u""},
        {0x03, u""},
        {0x1FF, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.virtualKey);
        EXPECT_EQ(GetKeyName(c.virtualKey), c.name);
    }
}

TEST(KeyNames, LayoutByteIsTakenAsIs)
{
    struct Case {
        std::uint8_t c;
        const char16_t* name;
    };
    const Case cases[] = {
        {'q', u"Q"}, {'Q', u"Q"}, {0xE4, u"\u00E4"}, {0x7F, u""}, {0x0D, u""}, {'#', u"#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.c));
        OneCharLayout one(c.c);
        ScopedSeam<IKeyboardLayout> layout(&Seams::keyboard, &one);
        EXPECT_EQ(GetKeyName(0xDE), c.name);
    }
}

TEST(KeyNames, WithoutALayoutOnlyFixedNames)
{
    ScopedSeam<IKeyboardLayout> none(&Seams::keyboard, nullptr);
    EXPECT_EQ(GetKeyName(0x41), u"");
    EXPECT_EQ(GetKeyName(0x2B), u"Enter");
}

} // namespace
} // namespace k47
