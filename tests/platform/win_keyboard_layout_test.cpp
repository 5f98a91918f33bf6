// SPDX-License-Identifier: MIT
#include "platform/win32/win_keyboard_layout.h"

#include <gtest/gtest.h>

#include "config/combo_text.h"
#include "config/key_names.h"
#include "config/seams.h"
#include "fakes/us_keyboard_layout.h"

namespace k47 {
namespace {

// The prefix runs with the default US layout, so the fake of the unit tests
// must agree with it key by key.
TEST(WinKeyboardLayout, AgreesWithTheUsFakeOnEveryKey)
{
    WinKeyboardLayout layout;
    test::UsKeyboardLayout us;
    for (std::uint32_t vk = 0; vk <= 0x1FF; ++vk) {
        SCOPED_TRACE(vk);
        EXPECT_EQ(int(layout.KeyCharacter(vk)), int(us.KeyCharacter(vk)));
    }
}

TEST(WinKeyboardLayout, NamesTheLetterKeysInLowerCase)
{
    WinKeyboardLayout layout;
    EXPECT_EQ(layout.KeyCharacter(0x41), 'a');
    EXPECT_EQ(layout.KeyCharacter(0x5A), 'z');
    EXPECT_EQ(layout.KeyCharacter(0x70), 0); // F1 types nothing
}

TEST(WinKeyboardLayout, GivesKeyNamesTheirCharacter)
{
    WinKeyboardLayout windows;
    ScopedSeam<IKeyboardLayout> layout(&Seams::keyboard, &windows);
    EXPECT_EQ(GetKeyName(0x41), u"A");
    EXPECT_EQ(GetKeyName(0xBF), u"/");
    EXPECT_EQ(GetComboText(0x00060100), u"Ctrl + C");
}

} // namespace
} // namespace k47
