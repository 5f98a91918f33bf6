// SPDX-License-Identifier: MIT
#pragma once
// Nine-slice scaling: the four corners kept, the edges stretched along one
// axis, the centre both ways.

#include "controls/model/geometry.h"

#include <array>
#include <cstdint>

namespace k47 {

struct SliceCopy {
    Rect source;
    Rect target;
};

// The nine copies that scale a source of sw x sh to dw x dh with the given
// border. A border larger than half of either picture is cut to that half;
// copies with an empty source or target are left empty (all zero).
std::array<SliceCopy, 9> NineSlice(std::int32_t sw, std::int32_t sh, std::int32_t dw,
                                   std::int32_t dh, std::int32_t border);

} // namespace k47
