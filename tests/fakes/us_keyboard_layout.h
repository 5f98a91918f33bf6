// SPDX-License-Identifier: MIT
#pragma once
#include "config/keyboard_layout.h"

namespace k47::test {

// The US layout with nothing held: lower-case letters, digits, the
// punctuation keys, the keypad operators and the control characters of Enter,
// Tab, Backspace and Escape. Num Lock is off in an all-zero key state, so the
// keypad digits and point type nothing.
class UsKeyboardLayout : public IKeyboardLayout {
public:
    std::uint8_t KeyCharacter(std::uint32_t virtualKey) override;
};

} // namespace k47::test
