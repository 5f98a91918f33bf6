// SPDX-License-Identifier: MIT
#include "fakes/fake_clock.h"

namespace k47::test {

void FakeClock::Sleep(std::uint32_t ms)
{
    m_sleeps.push_back(ms);
    m_now += ms;
}

std::uint64_t FakeClock::TotalSlept() const
{
    std::uint64_t total = 0;
    for (auto ms : m_sleeps)
        total += ms;
    return total;
}

} // namespace k47::test
