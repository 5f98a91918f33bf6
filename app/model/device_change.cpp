// SPDX-License-Identifier: MIT
#include "app/model/device_change.h"

namespace k47 {

SettleState g_Settle;

bool IsK47DeviceName(TextView deviceName)
{
    return ContainsNoCase(deviceName, u"VID_E7A3&PID_6B18");
}

ArrivalStep DecideArrival(std::uint32_t& expectReconnect)
{
    if (expectReconnect != 0) {
        expectReconnect = 0;
        return ArrivalStep::Settle;
    }
    return ArrivalStep::AnnounceFound;
}

RemovalStep DecideRemoval(std::uint32_t expectReconnect)
{
    return expectReconnect != 0 ? RemovalStep::CloseLink : RemovalStep::AnnounceEnd;
}

void BeginSettling(bool hasCursor, std::int32_t x, std::int32_t y)
{
    if (!hasCursor)
        return;
    g_Settle.x = x;
    g_Settle.y = y;
    g_Settle.settling = 1;
}

void EndSettling()
{
    g_Settle.settling = 0;
}

} // namespace k47
