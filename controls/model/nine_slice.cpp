// SPDX-License-Identifier: MIT
#include "controls/model/nine_slice.h"

#include <algorithm>

namespace k47 {

std::array<SliceCopy, 9> NineSlice(std::int32_t sw, std::int32_t sh, std::int32_t dw,
                                   std::int32_t dh, std::int32_t border)
{
    std::array<SliceCopy, 9> out{};
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0)
        return out;
    const std::int32_t b = std::max(0, border);
    // Source and target borders, each cut to half its picture.
    const std::int32_t sbx = std::min(b, sw / 2), sby = std::min(b, sh / 2);
    const std::int32_t dbx = std::min(sbx, dw / 2), dby = std::min(sby, dh / 2);
    const std::int32_t sx[4] = {0, sbx, sw - sbx, sw};
    const std::int32_t sy[4] = {0, sby, sh - sby, sh};
    const std::int32_t dx[4] = {0, dbx, dw - dbx, dw};
    const std::int32_t dy[4] = {0, dby, dh - dby, dh};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            SliceCopy c{{sx[col], sy[row], sx[col + 1], sy[row + 1]},
                        {dx[col], dy[row], dx[col + 1], dy[row + 1]}};
            if (c.source.Width() > 0 && c.source.Height() > 0 && c.target.Width() > 0 &&
                c.target.Height() > 0)
                out[std::size_t(row * 3 + col)] = c;
        }
    }
    return out;
}

} // namespace k47
