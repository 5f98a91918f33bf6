// SPDX-License-Identifier: MIT
#pragma once
// The macro library in memory: 500 slots, the exact image of "Macro.cfg".

#include <cstddef>
#include <cstdint>
#include <vector>

#include "config/macro_record.h"

namespace k47 {

constexpr std::size_t kMacroSlots = 500;
constexpr std::uint32_t kGameCustom = 21; // the user's own macros

// All zero until the file is read. Written on the user-interface thread only.
extern MacroRecord g_MacroTable[kMacroSlots];
static_assert(sizeof(g_MacroTable) == 2052000);

constexpr std::uint32_t MacroGame(std::uint32_t id)
{
    return id >> 24;
}

// The test of every listing: Size of at least 108, or 0xE8E8 in the upper half
// of Tag. A freshly deleted slot fails it.
bool IsMacroSlotUsed(const MacroRecord& slot);

// The first slot, in slot order, whose Id equals id; -1 for none.
int FindMacro(std::uint32_t id);

// The slots, in slot order, that are used and belong to game number game.
std::vector<std::size_t> ListMacrosOfGame(std::uint32_t game);

// True when a mouse button refers to id: one of the macro ids kept in the five
// profiles, or a record of g_ButtonSettings of type 6 with that nMacroId.
bool IsMacroInUse(std::uint32_t id);

// game x 2^24 + the tick count modulo 2^24 (ProcessSeams().clock). Skips
// identifiers that a slot holds already and the one given last, counting on
// from the tick count, so that a new macro never takes over another's slot.
std::uint32_t NewMacroId(std::uint32_t game);

} // namespace k47
