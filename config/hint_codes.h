// SPDX-License-Identifier: MIT
#pragma once
// The codes by which pages ask the main window for a hint (WM_SHOW_HINT,
// lParam = code) and the text each one shows.

#include <array>
#include <cstdint>
#include <string_view>

#include "config/text.h"

namespace k47 {

constexpr std::int64_t kHintButtonFirst = 17; // 17-23: the name of button code - 17
constexpr std::int64_t kHintButtonLast = 23;
constexpr std::int64_t kHintClear = 99;
constexpr std::size_t kHintButtonCount = 7;

// The language key a code shows; empty for the button codes, for 99 and for
// every code the table does not hold.
std::string_view HintKey(std::int64_t code);

// The hint for code: the loaded text of its key, the display name of the
// button for 17-23 (buttonNames in button order), otherwise empty.
Text HintText(std::int64_t code, const std::array<Text, kHintButtonCount>& buttonNames);

} // namespace k47
