// SPDX-License-Identifier: MIT
#include "platform/win32/win_clock.h"

#include <windows.h>

namespace k47 {

std::uint32_t WinClock::TickCount()
{
    return ::GetTickCount();
}

void WinClock::Sleep(std::uint32_t ms)
{
    ::Sleep(ms);
}

} // namespace k47
