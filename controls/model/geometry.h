// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

namespace k47 {

// A rectangle as the platform lays it out: left and top inside, right and
// bottom just outside.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const Rect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

} // namespace k47
