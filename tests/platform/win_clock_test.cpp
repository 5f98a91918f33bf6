// SPDX-License-Identifier: MIT
#include "platform/win32/win_clock.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(WinClock, SleepAdvancesTheTickCount)
{
    WinClock clock;
    std::uint32_t before = clock.TickCount();
    clock.Sleep(30);
    EXPECT_GE(std::uint32_t(clock.TickCount() - before), 20u);
}

} // namespace
} // namespace k47
