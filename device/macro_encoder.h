// SPDX-License-Identifier: MIT
#pragma once
// The device's macro format: a 512-byte buffer of 256 two-byte units, unit 0
// the repeat count, units 1-255 the entries.

#include <array>
#include <cstddef>
#include <cstdint>

#include "config/macro_record.h"

namespace k47 {

constexpr std::size_t kMacroBufferSize = 512;
constexpr std::size_t kMacroBufferUnits = kMacroBufferSize / 2;
using MacroBuffer = std::array<std::uint8_t, kMacroBufferSize>;

// The most units an encoding uses, the header included. The button that plays a
// macro carries the unit count in one byte, so the last unit of the buffer
// stays unused rather than let a full buffer's count wrap to 0.
constexpr std::size_t kMacroMaxUnits = kMacroBufferUnits - 1;

// Encodes the macro into buffer (cleared first) and returns the number of units
// used, the header included. A short pause rides on the key entry before it
// only while the entry's seven delay bits can hold it; otherwise it is written
// as a pause of its own, so no pause turns a press into a release or lengthens
// another pause. Encoding stops before kMacroMaxUnits would be passed: an event
// whose units do not all fit is dropped with every event after it.
std::uint32_t EncodeMacro(const MacroRecord& macro, MacroBuffer& buffer);

} // namespace k47
