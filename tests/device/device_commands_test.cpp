// SPDX-License-Identifier: MIT
#include "device/device_commands.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(DeviceCommands, ReportRateSendsOnlyKnownCodes)
{
    struct Case {
        std::uint32_t stored;
        std::uint8_t sent;
    } cases[] = {{1, 1}, {2, 2}, {4, 4}, {8, 8}, {3, 2}, {0, 2}, {0xFFFFFFFF, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ReportRateCode(c.stored), c.sent);
    }
}

TEST(DeviceCommands, LightSwitchIsOnOnlyOutsideModeFive)
{
    EXPECT_EQ(LightSwitchCode(1, 1), 0x80);
    EXPECT_EQ(LightSwitchCode(1, 5), 0x00);
    EXPECT_EQ(LightSwitchCode(0, 1), 0x00);
    EXPECT_EQ(LightSwitchCode(2, 1), 0x00);
}

TEST(DeviceCommands, LightModeBytesFollowTheModeTable)
{
    struct Case {
        std::uint32_t mode, first, second;
        std::uint8_t a, b, c;
    } cases[] = {
        {1, 3, 9, 1, 3, 1},  {1, 0, 9, 0, 0, 0}, {2, 3, 7, 2, 7, 1}, {3, 3, 7, 3, 2, 3},
        {4, 3, 7, 4, 10, 2}, {5, 3, 7, 0, 0, 0}, {0, 3, 7, 0, 0, 0}, {99, 3, 7, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        LightModeBytes bytes = LightModeFor(c.mode, c.first, c.second);
        EXPECT_EQ(bytes.a, c.a);
        EXPECT_EQ(bytes.b, c.b);
        EXPECT_EQ(bytes.c, c.c);
    }
}

TEST(DeviceCommands, SensitivityTableRepeatsItsHalfAndFlagsUnknownLevels)
{
    const std::uint32_t levels[3] = {800, 1750, 3000};
    SensitivityTable table = BuildSensitivityTable(levels);
    const SensitivityTable want = {0x80, 0x07, 0x26, 0x80, 0x01, 0x80, 0x80, 0x80,
                                   0x80, 0x07, 0x26, 0x80, 0x01, 0x80, 0x80, 0x80};
    EXPECT_EQ(table, want);
    EXPECT_EQ(SensitivityCode(250), 0x01);
    EXPECT_EQ(SensitivityCode(2500), 0x25);
    EXPECT_EQ(SensitivityCode(0), 0x80);
}

TEST(DeviceCommands, ButtonTablePutsButtonsInTheirSlotsAndFixesSlotThree)
{
    ButtonTable table = BuildButtonTable({10, 11, 12, 13, 14, 15, 16});
    const ButtonTable want = {10, 12, 11, kFixedSlot3Code, 14, 13, 0, 0, 0, 0, 0, 0, 0, 0, 15, 16};
    EXPECT_EQ(table, want);
}

TEST(DeviceCommands, MacroFunctionCodeWrapsTheUnitCount)
{
    EXPECT_EQ(MacroFunctionCode(1, 3), 0x03010009u);
    EXPECT_EQ(MacroFunctionCode(7, 256), 0x00070009u);
}

} // namespace
} // namespace k47
