// SPDX-License-Identifier: MIT
#include "config/key_usage.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(KeyUsage, TableIsInAscendingUsageOrder)
{
    for (std::size_t i = 1; i < kKeyUsageTable.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(kKeyUsageTable[i - 1].usage, kKeyUsageTable[i].usage);
    }
}

TEST(KeyUsage, KeyToUsageTakesTheFirstMatchingRow)
{
    struct Case {
        std::uint32_t virtualKey;
        std::uint8_t usage;
    };
    const Case cases[] = {
        {0x0D, 0x28}, // Enter, not keypad Enter
        {0x00, 0x00},  {0x41, 0x04}, {0x30, 0x27}, {0x5C, 0xE7},
        {0x04, 0xF2},  {0x67, 0x5F}, {0x5F, 0x00}, // the sleep key is not in the table
        {0x141, 0x00},                             // no virtual key above 0xFF
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.virtualKey);
        EXPECT_EQ(KeyToUsage(c.virtualKey), c.usage);
    }
}

TEST(KeyUsage, UsageToKeyByRow)
{
    struct Case {
        std::uint32_t usage;
        std::uint32_t virtualKey;
    };
    const Case cases[] = {
        {0x58, 0x0D}, {0x28, 0x0D}, {0x1D, 0x5A}, {0x32, 0x00}, {0x64, 0x00}, {0x65, 0x5D},
        {0xE1, 0xA0}, {0xF0, 0x01}, {0x66, 0x00}, {0xE8, 0x00}, {0xF3, 0x00}, {0x104, 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.usage);
        EXPECT_EQ(UsageToKey(c.usage), c.virtualKey);
    }
}

} // namespace
} // namespace k47
