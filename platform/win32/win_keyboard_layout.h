// SPDX-License-Identifier: MIT
#pragma once
#include "config/keyboard_layout.h"

namespace k47 {

// ToAscii of the calling thread's layout with an all-zero key state, the scan
// code from MapVirtualKeyW.
class WinKeyboardLayout : public IKeyboardLayout {
public:
    std::uint8_t KeyCharacter(std::uint32_t virtualKey) override;
};

} // namespace k47
