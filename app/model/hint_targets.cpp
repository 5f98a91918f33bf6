// SPDX-License-Identifier: MIT
#include "app/model/hint_targets.h"

namespace k47 {

std::vector<std::int64_t> HintsAt(const std::array<HintRect, kHintTargets>& rects, std::int32_t x,
                                  std::int32_t y)
{
    std::vector<std::int64_t> hints;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const HintRect& r = rects[i];
        // The widened rectangle, right and bottom exclusive as the platform's.
        if (x >= r.left - 1 && x < r.right + 1 && y >= r.top - 1 && y < r.bottom + 1)
            hints.push_back(std::int64_t(i));
    }
    return hints;
}

} // namespace k47
