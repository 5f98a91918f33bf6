// SPDX-License-Identifier: MIT
#include "app/model/device_change.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(DeviceChangeTest, OnlyTheMouseNameCounts)
{
    struct Case {
        const char16_t* name;
        bool ours;
    };
    const Case cases[] = {
        {u"\\\\?\\USB#VID_E7A3&PID_6B18#5&1a2b#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", true},
        {u"\\\\?\\hid#vid_e7a3&pid_6b18&mi_02#8&2c7f", true},
        {u"\\\\?\\USB#VID_E7A3&PID_6B01#5&1a2b", false},
        {u"\\\\?\\USB#VID_046D&PID_C077#5&1a2b", false},
        {u"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        EXPECT_EQ(IsK47DeviceName(c.name), c.ours);
    }
}

TEST(DeviceChangeTest, ExpectedReturnSettlesOnceThenAnnounces)
{
    std::uint32_t expect = 1;
    EXPECT_EQ(DecideRemoval(expect), RemovalStep::CloseLink);
    EXPECT_EQ(DecideArrival(expect), ArrivalStep::Settle);
    EXPECT_EQ(expect, 0u);
    EXPECT_EQ(DecideArrival(expect), ArrivalStep::AnnounceFound);
    EXPECT_EQ(DecideRemoval(expect), RemovalStep::AnnounceEnd);
}

TEST(DeviceChangeTest, SettlingNeedsTheCursor)
{
    g_Settle = SettleState{};
    BeginSettling(false, 5, 6);
    EXPECT_EQ(g_Settle.settling, 0u);
    BeginSettling(true, 120, 340);
    EXPECT_EQ(g_Settle.settling, 1u);
    EXPECT_EQ(g_Settle.x, 120);
    EXPECT_EQ(g_Settle.y, 340);
    EndSettling();
    EXPECT_EQ(g_Settle.settling, 0u);
}

} // namespace
} // namespace k47
