// SPDX-License-Identifier: MIT
#include "config/macro_table.h"

#include "config/built_macro.h"
#include "config/button_setting.h"
#include "config/clock.h"
#include "config/function_types.h"
#include "config/profile_entry.h"
#include "config/seams.h"

namespace k47 {

MacroRecord g_MacroTable[kMacroSlots] = {};

bool IsMacroSlotUsed(const MacroRecord& slot)
{
    return slot.Size >= kBuiltMacroMinSize || (slot.Tag >> 16) == (kMacroTag >> 16);
}

int FindMacro(std::uint32_t id)
{
    for (std::size_t i = 0; i < kMacroSlots; ++i) {
        if (g_MacroTable[i].Id == id)
            return int(i);
    }
    return -1;
}

std::vector<std::size_t> ListMacrosOfGame(std::uint32_t game)
{
    std::vector<std::size_t> slots;
    for (std::size_t i = 0; i < kMacroSlots; ++i) {
        if (IsMacroSlotUsed(g_MacroTable[i]) && MacroGame(g_MacroTable[i].Id) == game)
            slots.push_back(i);
    }
    return slots;
}

bool IsMacroInUse(std::uint32_t id)
{
    for (const auto& entry : g_ProfileList) {
        for (auto macroId : entry.MacroIds) {
            if (macroId == id)
                return true;
        }
    }
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        if (g_ButtonSettings[i].nType == kTypeMacro && g_ButtonSettings[i].nMacroId == id)
            return true;
    }
    return false;
}

std::uint32_t NewMacroId(std::uint32_t game)
{
    static std::uint32_t s_lastId = 0;
    const std::uint32_t high = game << 24;
    std::uint32_t low = ProcessSeams().clock->TickCount() & 0x00FFFFFF;
    std::uint32_t id = high | low;
    // At most 500 slots and one earlier id stand in the way.
    for (std::size_t tries = 0; tries <= kMacroSlots + 1; ++tries) {
        id = high | low;
        if (id != s_lastId && FindMacro(id) < 0)
            break;
        low = (low + 1) & 0x00FFFFFF;
    }
    s_lastId = id;
    return id;
}

} // namespace k47
