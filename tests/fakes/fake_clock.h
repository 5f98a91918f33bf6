// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <vector>

#include "config/clock.h"

namespace k47::test {

// A clock that never blocks: Sleep advances the tick count and is recorded, so
// tests check every protocol pause in microseconds.
class FakeClock : public IClock {
public:
    std::uint32_t TickCount() override { return m_now; }
    void Sleep(std::uint32_t ms) override;
    void Advance(std::uint32_t ms) { m_now += ms; }

    const std::vector<std::uint32_t>& Sleeps() const { return m_sleeps; }
    std::uint64_t TotalSlept() const;
    void ClearSleeps() { m_sleeps.clear(); }

private:
    std::uint32_t m_now = 100000;
    std::vector<std::uint32_t> m_sleeps;
};

} // namespace k47::test
