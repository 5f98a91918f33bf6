// SPDX-License-Identifier: MIT
#pragma once
// The current keyboard layout, as far as key names need it. Installed
// process-wide as ProcessSeams().keyboard.

#include <cstdint>

namespace k47 {

class IKeyboardLayout {
public:
    virtual ~IKeyboardLayout() = default;
    // The character the layout types for the virtual key with no modifier key
    // held, as one byte of the system's ANSI code page; 0 when it types none.
    virtual std::uint8_t KeyCharacter(std::uint32_t virtualKey) = 0;
};

} // namespace k47
