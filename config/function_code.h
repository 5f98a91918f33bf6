// SPDX-License-Identifier: MIT
#pragma once
// The 32-bit function code the mouse receives for a button, sent little-endian.
// Byte 0 is the kind; the meaning of bytes 1-3 depends on it. 0 is no function.

#include <cstdint>

namespace k47 {

constexpr std::uint8_t kCodeKindKey = 0x00;      // byte 1 modifiers, byte 2 HID key usage
constexpr std::uint8_t kCodeKindMouse = 0x01;    // byte 2 0xF0-0xF4
constexpr std::uint8_t kCodeKindConsumer = 0x03; // bytes 2-3 HID consumer usage
constexpr std::uint8_t kCodeKindWheel = 0x04;    // byte 2: 1 forward, 2 backward
constexpr std::uint8_t kCodeKindScreenshot = 0x06;
constexpr std::uint8_t kCodeKindSlot3 = 0x07;
constexpr std::uint8_t kCodeKindMacro = 0x09; // byte 2 macro slot 1-7, byte 3 unit count

// Modifier bits of byte 1 of a key code: the HID modifier byte.
constexpr std::uint8_t kModCtrl = 0x01;
constexpr std::uint8_t kModShift = 0x02;
constexpr std::uint8_t kModAlt = 0x04;
constexpr std::uint8_t kModWin = 0x08;

constexpr std::uint8_t FunctionCodeKind(std::uint32_t code)
{
    return code & 0xFF;
}
constexpr std::uint8_t FunctionCodeModifiers(std::uint32_t code)
{
    return (code >> 8) & 0xFF;
}
constexpr std::uint8_t FunctionCodeKey(std::uint32_t code)
{
    return (code >> 16) & 0xFF;
}

// A keyboard key or combination: modifier bits and the key's HID usage (0 for none).
constexpr std::uint32_t MakeKeyCode(std::uint8_t modifiers, std::uint8_t usage)
{
    return kCodeKindKey | (std::uint32_t(modifiers) << 8) | (std::uint32_t(usage) << 16);
}

// A macro uploaded to slot 1-7 with its unit count, taken modulo 256.
constexpr std::uint32_t MakeMacroCode(std::uint8_t slot, std::uint32_t unitCount)
{
    return kCodeKindMacro | (std::uint32_t(slot) << 16) | ((unitCount & 0xFF) << 24);
}

static_assert(MakeKeyCode(kModCtrl, 0x06) == 0x00060100); // Ctrl + C
static_assert(MakeMacroCode(3, 0x1FF) == 0xFF030009);

} // namespace k47
