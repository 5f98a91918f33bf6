// SPDX-License-Identifier: MIT
#pragma once
// Which hints a pointer move over the main window asks for: the profile
// buttons (hints 0-4), the apply button (5) and the page tabs (6-10), each
// over its rectangle widened by one pixel on every side.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace k47 {

struct HintRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

constexpr std::size_t kHintTargets = 11;

// rects in hint order (profile buttons 1-5, apply, tabs 1-5), client
// coordinates; the hint codes whose widened rectangle holds the point, in order.
std::vector<std::int64_t> HintsAt(const std::array<HintRect, kHintTargets>& rects, std::int32_t x,
                                  std::int32_t y);

} // namespace k47
