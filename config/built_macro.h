// SPDX-License-Identifier: MIT
#pragma once
// A macro as the editor builds it and the game macro page finds it in the
// registry: this fixed part, then EventCount event words (macro_record.h).

#include <cstddef>
#include <cstdint>

#include "config/macro_record.h"

namespace k47 {

struct BuiltMacro {
    std::uint32_t Size;             // 104 + 4 x the editor's entries
    std::uint32_t Tag;              // kMacroTag
    std::uint32_t Id;               // game number in bits 24-31
    std::uint32_t Reserved;         // 0
    std::uint32_t Repeat;           // 1-65533, or kMacroSinglePress
    char16_t Name[kMacroNameUnits]; // NUL-terminated
    std::uint32_t EventCount;       // event words that follow
};

static_assert(sizeof(BuiltMacro) == 104);
static_assert(alignof(BuiltMacro) == 4);
static_assert(offsetof(BuiltMacro, Size) == 0);
static_assert(offsetof(BuiltMacro, Tag) == 4);
static_assert(offsetof(BuiltMacro, Id) == 8);
static_assert(offsetof(BuiltMacro, Reserved) == 12);
static_assert(offsetof(BuiltMacro, Repeat) == 16);
static_assert(offsetof(BuiltMacro, Name) == 20);
static_assert(sizeof(BuiltMacro::Name) == 80);
static_assert(offsetof(BuiltMacro, EventCount) == 100);

// The smallest Size of a stored macro: the fixed part and one event.
constexpr std::uint32_t kBuiltMacroMinSize = 108;

} // namespace k47
