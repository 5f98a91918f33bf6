// SPDX-License-Identifier: MIT
#pragma once
// One slot of the macro library, byte for byte as "Macro.cfg" holds it.

#include <cstddef>
#include <cstdint>

namespace k47 {

constexpr std::size_t kMacroMaxEvents = 1000;
constexpr std::size_t kMacroNameUnits = 40;

// Event words: the kind in bits 24-31, the value in bits 0-23.
constexpr std::uint32_t kMacroEventPress = 0xC0;   // value: virtual key pressed
constexpr std::uint32_t kMacroEventRelease = 0xE0; // value: virtual key released
constexpr std::uint32_t kMacroEventPause = 0xA0;   // value: milliseconds

constexpr std::uint32_t MacroEvent(std::uint32_t kind, std::uint32_t value)
{
    return (kind << 24) | (value & 0x00FFFFFF);
}
constexpr std::uint32_t MacroEventKind(std::uint32_t event)
{
    return event >> 24;
}
constexpr std::uint32_t MacroEventValue(std::uint32_t event)
{
    return event & 0x00FFFFFF;
}

constexpr std::uint32_t kMacroTag = 0xE8E80010;
// The repeat value that marks a macro of a single press event.
constexpr std::uint32_t kMacroSinglePress = 0xFFFE;

struct MacroRecord {
    std::uint32_t Size; // 104 + 4 x the editor's event count; 0 in a free slot
    std::uint32_t Tag;  // kMacroTag; readers look at the upper 16 bits only
    std::uint32_t Id;   // bits 24-31 game number, bits 0-23 from the tick counter
    std::uint32_t Reserved;
    std::uint32_t Repeat;     // 1-65533, or kMacroSinglePress
    std::uint32_t EventCount; // valid words in Events
    std::uint32_t Events[kMacroMaxEvents];
    char16_t Name[kMacroNameUnits];
};

static_assert(sizeof(MacroRecord) == 4104);
static_assert(offsetof(MacroRecord, Size) == 0);
static_assert(offsetof(MacroRecord, Tag) == 4);
static_assert(offsetof(MacroRecord, Id) == 8);
static_assert(offsetof(MacroRecord, Reserved) == 12);
static_assert(offsetof(MacroRecord, Repeat) == 16);
static_assert(offsetof(MacroRecord, EventCount) == 20);
static_assert(offsetof(MacroRecord, Events) == 24);
static_assert(offsetof(MacroRecord, Name) == 4024);

} // namespace k47
