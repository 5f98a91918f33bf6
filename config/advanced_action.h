// SPDX-License-Identifier: MIT
#pragma once
// The advanced action word of a type 19 button (ButtonSetting::dwAction): what
// the PC does, itself, when that button is pressed.

#include <cstdint>

namespace k47 {

constexpr std::uint32_t kAdvancedActionTag = 0x0006; // bits 0-15

enum class AdvancedAction : std::uint8_t { // bits 20-23
    PlaySound = 0xC,                       // a .wav file
    LaunchProgram = 0xD,
    OpenFile = 0xE,
    OpenFolder = 0xF,
};

// button in bits 16-19, the action in bits 20-23.
constexpr std::uint32_t MakeAdvancedActionWord(int button, AdvancedAction action)
{
    return kAdvancedActionTag | ((std::uint32_t(button) & 0xF) << 16) |
           (std::uint32_t(action) << 20);
}

constexpr int AdvancedActionButton(std::uint32_t word)
{
    return (word >> 16) & 0xF;
}

constexpr std::uint8_t AdvancedActionCode(std::uint32_t word)
{
    return (word >> 20) & 0xF;
}

// Reads the action of a word; false for a word no advanced page builds (wrong
// tag, action outside 0xC-0xF, bits above 23 set), which must run nothing.
constexpr bool DecodeAdvancedAction(std::uint32_t word, AdvancedAction* action)
{
    if ((word & 0xFFFF) != kAdvancedActionTag || (word >> 24) != 0)
        return false;
    const std::uint8_t code = AdvancedActionCode(word);
    if (code < 0xC)
        return false;
    *action = static_cast<AdvancedAction>(code);
    return true;
}

static_assert(MakeAdvancedActionWord(2, AdvancedAction::LaunchProgram) == 0x00D20006);

} // namespace k47
