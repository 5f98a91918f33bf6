// SPDX-License-Identifier: MIT
#pragma once
// The number-only edit box's rule: its text, read as the C library reads a
// wide-string integer, is kept inside minimum..maximum compared unsigned.

#include "config/text.h"

#include <cstdint>
#include <optional>

namespace k47 {

// Leading blanks, an optional sign, decimal digits; 0 without digits; the
// 32-bit limits on overflow.
std::int32_t WideTextToLong(TextView text);

// The text to put in place of the box's text, or nothing when it is in range.
std::optional<Text> ClampedNumberText(TextView text, std::int32_t minimum, std::int32_t maximum);

// "%d" of a value.
Text FormatInt(std::int32_t value);

} // namespace k47
