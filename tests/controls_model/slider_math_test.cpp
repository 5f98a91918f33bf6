// SPDX-License-Identifier: MIT
#include "controls/model/slider_math.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

const Rect kTrack{0, 0, 128, 12};

TEST(SliderThumb, PlacesPositionsWithUnsignedDivision)
{
    struct Case {
        std::int32_t v, x;
    } cases[] = {{0, 0}, {128, 60}, {255, 120}, {300, 0}, {-1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v);
        const std::int32_t pos = SliderStoredPos(c.v, 0, 255);
        EXPECT_EQ(SliderThumbX(pos, 0, 255, kTrack, 8), c.x);
    }
    EXPECT_EQ(SliderStoredPos(300, 0, 255), 0);
    EXPECT_EQ(SliderStoredPos(0, 1, 20), 1);
    EXPECT_EQ(SliderStoredPos(20, 1, 20), 20);
}

TEST(TrackClickValue, MapsOntoTheMappingRectangleAndClamps)
{
    struct Case {
        std::int32_t x, want;
    } cases[] = {{50, 0}, {100, 0}, {150, 5}, {199, 9}, {200, 10}, {260, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(TrackClickValue(c.x, 0, 10, 100, 200), c.want);
    }
    EXPECT_EQ(TrackClickValue(5, 3, 9, 5, 5), 3) << "a zero-width map gives the minimum";
}

TEST(SliderDrag, StopsAtTheTrackEndsAndReportsClampedValues)
{
    // Thumb 8 wide at 100..108 on a 128 track.
    EXPECT_EQ(ClampDragDelta(40, 100, 108, kTrack), 20);
    EXPECT_EQ(ClampDragDelta(-150, 100, 108, kTrack), -100);
    EXPECT_EQ(ClampDragDelta(5, 100, 108, kTrack), 5);
    EXPECT_EQ(DragValue(120, 0, 255, kTrack, 8), 255);
    EXPECT_EQ(DragValue(0, 0, 255, kTrack, 8), 0);
    EXPECT_EQ(DragValue(60, 0, 255, kTrack, 8), 127);
    EXPECT_EQ(DragValue(-4, 1, 20, kTrack, 8), 1);
}

TEST(SliderDrag, LimitModeIgnoresMovesFurtherPastALimit)
{
    EXPECT_TRUE(LimitBlocksMove(10, 1, 10, 6, 4));
    EXPECT_FALSE(LimitBlocksMove(10, 1, 10, 2, 4));
    EXPECT_TRUE(LimitBlocksMove(1, 1, 10, 2, 4));
    EXPECT_FALSE(LimitBlocksMove(5, 1, 10, 9, 4));
}

TEST(ProgressBar, FillsInProportionAndEmptiesOnBadValues)
{
    EXPECT_EQ(ProgressFillWidth(260, 50, 0, 100), 130);
    EXPECT_EQ(ProgressFillWidth(260, 100, 0, 100), 260);
    EXPECT_EQ(ProgressFillWidth(260, 0, 0, 100), 0);
    struct Case {
        std::int32_t value, pos;
    } cases[] = {{-1, 0}, {0, 0}, {57, 57}, {100, 100}, {101, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ProgressMessagePos(c.value, 0, 100), c.pos);
    }
    EXPECT_EQ(ProgressPointerPos(10, 35, 295, 0, 100), 0);
    EXPECT_EQ(ProgressPointerPos(165, 35, 295, 0, 100), 50);
    EXPECT_EQ(ProgressPointerPos(400, 35, 295, 0, 100), 100);
}

} // namespace
} // namespace k47
