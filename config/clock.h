// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

namespace k47 {

// Time as the protocol and the macro library see it. The protocol's pauses go
// through Sleep so that tests can count them without waiting.
class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since some fixed point, wrapping at 2^32 (GetTickCount).
    virtual std::uint32_t TickCount() = 0;
    // Blocks the calling thread for ms milliseconds.
    virtual void Sleep(std::uint32_t ms) = 0;
};

} // namespace k47
