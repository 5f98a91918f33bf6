// SPDX-License-Identifier: MIT
#include "config/macro_table.h"

#include <gtest/gtest.h>

#include "config/function_types.h"
#include "fakes/settings_world.h"

namespace k47 {
namespace {

class MacroTableTest : public test::SettingsWorld {
protected:
    static void Fill(std::size_t slot, std::uint32_t size, std::uint32_t tag, std::uint32_t id)
    {
        g_MacroTable[slot].Size = size;
        g_MacroTable[slot].Tag = tag;
        g_MacroTable[slot].Id = id;
    }
};

TEST_F(MacroTableTest, SlotUsedBySizeOrTag)
{
    struct Case {
        std::uint32_t size, tag;
        bool used;
    } cases[] = {
        {0, 0, false},
        {107, 0, false},
        {108, 0, true},
        {0, 0xE8E80010, true},
        {0, 0xE8E80000, true},
        {0, 0xE8E70010, false},
        {4104, 0x12345678, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        SCOPED_TRACE(c.tag);
        MacroRecord slot{};
        slot.Size = c.size;
        slot.Tag = c.tag;
        EXPECT_EQ(IsMacroSlotUsed(slot), c.used);
    }
}

TEST_F(MacroTableTest, FindAndListGoInSlotOrder)
{
    const std::uint32_t a = 0x15000100, b = 0x03000200;
    Fill(4, 0, 0, a);           // free slot with the id: found, not listed
    Fill(7, 120, kMacroTag, a); // the same id again
    Fill(9, 120, kMacroTag, b);
    Fill(12, 108, 0, 0x15000300); // listed by its size alone
    Fill(20, 120, kMacroTag, 0x15000400);

    EXPECT_EQ(FindMacro(a), 4);
    EXPECT_EQ(FindMacro(b), 9);
    EXPECT_EQ(FindMacro(0x15999999), -1);
    EXPECT_EQ(ListMacrosOfGame(21), (std::vector<std::size_t>{7, 12, 20}));
    EXPECT_EQ(ListMacrosOfGame(3), (std::vector<std::size_t>{9}));
    EXPECT_TRUE(ListMacrosOfGame(1).empty());
}

TEST_F(MacroTableTest, InUseByAStoredProfileOrAMacroButton)
{
    g_ProfileList[3].MacroIds[6] = 0x15000001;
    g_ButtonSettings[2].nType = kTypeMacro;
    g_ButtonSettings[2].nMacroId = 0x15000002;
    g_ButtonSettings[4].nType = kTypeClick;
    g_ButtonSettings[4].nMacroId = 0x15000003; // not a macro button
    g_ButtonMacroIds[0] = 0x15000004;          // not stored in a profile yet

    struct Case {
        std::uint32_t id;
        bool used;
    } cases[] = {
        {0x15000001, true},
        {0x15000002, true},
        {0x15000003, false},
        {0x15000004, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(IsMacroInUse(c.id), c.used);
    }
}

TEST_F(MacroTableTest, NewIdsComeFromTheTickCountAndAvoidTakenOnes)
{
    clock.Advance(0x01000000 * 3 + 0x123456 - clock.TickCount());
    EXPECT_EQ(NewMacroId(21), 0x15123456u);
    // Asked again in the same millisecond, or with the id taken, it moves on.
    EXPECT_EQ(NewMacroId(21), 0x15123457u);
    Fill(0, 120, kMacroTag, 0x15123458);
    Fill(1, 120, kMacroTag, 0x15123459);
    clock.Advance(2);
    EXPECT_EQ(NewMacroId(21), 0x1512345Au);
    EXPECT_EQ(NewMacroId(1), 0x01123458u);
    EXPECT_EQ(MacroGame(NewMacroId(20)), 20u);
}

} // namespace
} // namespace k47
