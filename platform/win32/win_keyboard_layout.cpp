// SPDX-License-Identifier: MIT
#include "platform/win32/win_keyboard_layout.h"

#include <windows.h>

namespace k47 {

std::uint8_t WinKeyboardLayout::KeyCharacter(std::uint32_t virtualKey)
{
    if (virtualKey == 0 || virtualKey > 0xFE)
        return 0;
    const BYTE keyState[256] = {};
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    WORD chars[2] = {};
    const int count = ToAscii(virtualKey, scanCode, keyState, chars, 0);
    if (count < 0) {
        // A dead key: the accent is in chars, and the layout now waits for the
        // next key. Typing the dead key once more clears that, so that naming
        // a key never changes what the user types next.
        WORD ignored[2] = {};
        ToAscii(virtualKey, scanCode, keyState, ignored, 0);
    }
    if (count == 0)
        return 0;
    return static_cast<std::uint8_t>(chars[0] & 0xFF);
}

} // namespace k47
