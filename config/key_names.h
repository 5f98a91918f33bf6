// SPDX-License-Identifier: MIT
#pragma once
// The names shown for keys in combinations and key pickers.

#include <cstdint>

#include "config/text.h"

namespace k47 {

// The system's own key codes for the mouse buttons in key pickers.
constexpr std::uint32_t kKeyLeftButton = 0xC1;
constexpr std::uint32_t kKeyRightButton = 0xC2;
constexpr std::uint32_t kKeyMiddleButton = 0xC3;

// The fixed name of a virtual key ("Enter", "F5", "(7)", "LShift"); for any
// other key the character the keyboard layout (ProcessSeams().keyboard) types
// for it with nothing held, a lower-case letter upper-cased. The empty text
// for 0 and 0xFF, for a key that types no printable character, and for every
// key without a fixed name while no layout is installed.
Text GetKeyName(std::uint32_t virtualKey);

} // namespace k47
