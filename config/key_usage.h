// SPDX-License-Identifier: MIT
#pragma once
// The pairs of HID keyboard usages and Windows virtual keys through which key
// events reach the device (combinations, macros) and come back as names.

#include <array>
#include <cstdint>

namespace k47 {

struct KeyUsage {
    std::uint8_t usage; // Keyboard/Keypad page usage; 0xF0-0xF2 the device's mouse buttons
    std::uint8_t virtualKey;
};

// 113 rows in ascending usage order.
extern const std::array<KeyUsage, 113> kKeyUsageTable;

// The usage of the first row, in table order, whose virtual key matches; 0 when
// none does. So 0x0D (Enter) gives 0x28, not the keypad's 0x58.
std::uint8_t KeyToUsage(std::uint32_t virtualKey);

// The virtual key of the row with that usage; 0 when there is none.
std::uint32_t UsageToKey(std::uint32_t usage);

} // namespace k47
