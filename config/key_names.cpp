// SPDX-License-Identifier: MIT
#include "config/key_names.h"

#include "config/keyboard_layout.h"
#include "config/seams.h"

namespace k47 {
namespace {

struct KeyName {
    std::uint32_t virtualKey;
    const char16_t* name;
};

// clang-format off
constexpr KeyName kKeyNames[] = {
    {0x00, u""}, {0xFF, u""}, {0x08, u"Backspace"}, {0x09, u"Tab"}, {0x0C, u"Clr"},
    {0x0D, u"Enter"}, {0x2B, u"Enter"}, {0x10, u"Shift"}, {0x11, u"Ctrl"}, {0x12, u"Alt"},
    {0x13, u"Pause"}, {0x14, u"CapsLock"}, {0x1B, u"Esc"}, {0x20, u"Space"}, {0x21, u"PageUp"},
    {0x22, u"PageDown"}, {0x23, u"End"}, {0x24, u"Home"}, {0x25, u"Left"}, {0x26, u"Up"},
    {0x27, u"Right"}, {0x28, u"Down"}, {0x29, u"Select"}, {0x2A, u"Print"}, {0x2C, u"PrtSc SysRq"},
    {0x2D, u"Insert"}, {0x2E, u"Delete"}, {0x2F, u"Help"}, {0x5B, u"LWin"}, {0x5C, u"RWin"},
    {0x5D, u"App"}, {0x60, u"(0)"}, {0x61, u"(1)"}, {0x62, u"(2)"}, {0x63, u"(3)"}, {0x64, u"(4)"},
    {0x65, u"(5)"}, {0x66, u"(6)"}, {0x67, u"(7)"}, {0x68, u"(8)"}, {0x69, u"(9)"}, {0x6A, u"(*)"},
    {0x6B, u"(+)"}, {0x6C, u"\\"}, {0x6D, u"(-)"}, {0x6E, u"(.)"}, {0x6F, u"(/)"}, {0x70, u"F1"},
    {0x71, u"F2"}, {0x72, u"F3"}, {0x73, u"F4"}, {0x74, u"F5"}, {0x75, u"F6"}, {0x76, u"F7"},
    {0x77, u"F8"}, {0x78, u"F9"}, {0x79, u"F10"}, {0x7A, u"F11"}, {0x7B, u"F12"},
    {0x90, u"Numlock"}, {0x91, u"Scroll Lock"}, {0xA0, u"LShift"}, {0xA1, u"RShift"},
    {0xA2, u"LCtrl"}, {0xA3, u"RCtrl"}, {0xA4, u"LAlt"}, {0xA5, u"RAlt"},
    {kKeyLeftButton, u"LButton"}, {kKeyRightButton, u"RButton"}, {kKeyMiddleButton, u"MButton"},
};
// clang-format on

const char16_t* FixedKeyName(std::uint32_t vk)
{
    for (const KeyName& key : kKeyNames) {
        if (key.virtualKey == vk)
            return key.name;
    }
    return nullptr;
}

} // namespace

Text GetKeyName(std::uint32_t virtualKey)
{
    if (const char16_t* name = FixedKeyName(virtualKey))
        return name;
    IKeyboardLayout* layout = ProcessSeams().keyboard;
    if (layout == nullptr)
        return Text();
    std::uint8_t c = layout->KeyCharacter(virtualKey);
    // A control character would show as an empty box; such a key has no name.
    if (c < 0x20 || c == 0x7F)
        return Text();
    if (c >= 'a' && c <= 'z')
        c = static_cast<std::uint8_t>(c - 'a' + 'A');
    return Text(1, static_cast<char16_t>(c));
}

} // namespace k47
