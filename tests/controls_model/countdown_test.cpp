// SPDX-License-Identifier: MIT
#include "controls/model/countdown.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(Countdown, CountsFourToOneAndClosesAtTheFifthTick)
{
    for (const bool chinese : {false, true}) {
        SCOPED_TRACE(chinese);
        const Text ok = chinese ? Text(u"确定") : Text(u"OK");
        EXPECT_EQ(CountdownStartLabel(chinese), ok + u" (5s)");
        int counter = 4;
        for (const char16_t* n : {u"4", u"3", u"2", u"1"}) {
            const CountdownTick tick = NextCountdownTick(counter, chinese);
            EXPECT_FALSE(tick.close);
            EXPECT_EQ(tick.caption, ok + u" (" + n + u")");
        }
        EXPECT_TRUE(NextCountdownTick(counter, chinese).close);
    }
}

} // namespace
} // namespace k47
