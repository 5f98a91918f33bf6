// SPDX-License-Identifier: MIT
#pragma once
// The names the macro editor gives recorded keys.

#include <array>
#include <cstdint>

namespace k47 {

struct MacroKeyName {
    std::uint32_t virtualKey; // 0x1001-0x1006 the mouse's own buttons and wheel
    const char16_t* name;
};

// 115 rows. "K", "L" and "Z" appear twice (rows 18-20 and 21-23 counting from
// 1); a lookup finds the first of each pair.
extern const std::array<MacroKeyName, 115> g_MacroKeyNames;

// The first row whose code matches, or nullptr when none does.
const MacroKeyName* FindMacroKeyName(std::uint32_t virtualKey);

} // namespace k47
