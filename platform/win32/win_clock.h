// SPDX-License-Identifier: MIT
#pragma once
#include "config/clock.h"

namespace k47 {

// GetTickCount and Sleep.
class WinClock : public IClock {
public:
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t ms) override;
};

} // namespace k47
