// SPDX-License-Identifier: MIT
#include "app/model/hint_targets.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(HintTargetsTest, WidenedByOnePixel)
{
    std::array<HintRect, kHintTargets> rects{};
    for (std::size_t i = 0; i < rects.size(); ++i)
        rects[i] = HintRect{std::int32_t(100 * i), 0, std::int32_t(100 * i + 50), 20};
    struct Case {
        std::int32_t x, y;
        std::vector<std::int64_t> hints;
    };
    const Case cases[] = {
        {10, 10, {0}}, {-1, -1, {0}}, {50, 20, {0}},   {51, 10, {}},
        {99, 10, {1}}, {510, 5, {5}}, {1010, 5, {10}}, {300, 22, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(HintsAt(rects, c.x, c.y), c.hints);
    }
}

TEST(HintTargetsTest, TouchingRectanglesGiveBoth)
{
    std::array<HintRect, kHintTargets> rects{};
    rects[4] = HintRect{0, 0, 10, 10};
    rects[5] = HintRect{10, 0, 20, 10};
    EXPECT_EQ(HintsAt(rects, 10, 5), (std::vector<std::int64_t>{4, 5}));
}

} // namespace
} // namespace k47
