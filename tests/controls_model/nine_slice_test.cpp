// SPDX-License-Identifier: MIT
#include "controls/model/nine_slice.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(NineSlice, CornersKeptEdgesAndCentreStretched)
{
    // The 65 x 65 frame onto the language menu's 116 x 273.
    const auto s = NineSlice(65, 65, 116, 273, 32);
    struct Case {
        std::size_t i;
        Rect source;
        Rect target;
    };
    const Case cases[] = {
        {0, {0, 0, 32, 32}, {0, 0, 32, 32}},      {1, {32, 0, 33, 32}, {32, 0, 84, 32}},
        {2, {33, 0, 65, 32}, {84, 0, 116, 32}},   {3, {0, 32, 32, 33}, {0, 32, 32, 241}},
        {4, {32, 32, 33, 33}, {32, 32, 84, 241}}, {5, {33, 32, 65, 33}, {84, 32, 116, 241}},
        {6, {0, 33, 32, 65}, {0, 241, 32, 273}},  {8, {33, 33, 65, 65}, {84, 241, 116, 273}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.i);
        EXPECT_EQ(s[c.i].source, c.source);
        EXPECT_EQ(s[c.i].target, c.target);
    }
}

TEST(NineSlice, SmallTargetsCutTheBorder)
{
    const auto s = NineSlice(65, 65, 40, 20, 32);
    EXPECT_EQ(s[0].target, (Rect{0, 0, 20, 10}));
    EXPECT_EQ(s[8].target, (Rect{20, 10, 40, 20}));
    // No room between the corners: the edges and the centre are empty.
    EXPECT_EQ(s[4].target, Rect{});
    for (const SliceCopy& c : NineSlice(0, 65, 40, 20, 32))
        EXPECT_EQ(c.target, Rect{});
}

} // namespace
} // namespace k47
