// SPDX-License-Identifier: MIT
#include "controls/model/scroll_geometry.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

// A list 110 pixels high with cells of 18: a 74-pixel track.
constexpr std::int32_t kCell = 18;

TEST(ScrollGeometry, PaintLayoutOfTheParts)
{
    struct Case {
        const char* name;
        std::int32_t length;
        ScrollRange range;
        std::int32_t pos;
        ScrollLayout want;
    };
    const Case cases[] = {
        {"top", 110, {0, 29, 5}, 0, {110, 18, 74, 12, 0}},
        {"bottom", 110, {0, 29, 5}, 25, {110, 18, 74, 12, 62}},
        {"middle", 110, {0, 29, 5}, 10, {110, 18, 74, 12, 24}},
        {"small page keeps 6 pixels", 110, {0, 999, 5}, 0, {110, 18, 74, 6, 0}},
        {"page covers the range: no thumb", 110, {0, 9, 10}, 0, {110, 18, 74, 0, 37}},
        {"page larger than the range: no thumb", 110, {0, 3, 10}, 0, {110, 18, 74, 0, 37}},
        {"too short for arrows", 30, {0, 29, 5}, 0, {30, 15, 0, 0, 0}},
        {"track of 5: no thumb", 41, {0, 29, 5}, 0, {41, 18, 5, 0, 0}},
        {"position past the end is kept at the end", 110, {0, 29, 5}, 99, {110, 18, 74, 12, 62}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScrollLayout l = PaintLayout(c.length, kCell, c.range, c.pos);
        EXPECT_EQ(l.length, c.want.length);
        EXPECT_EQ(l.arrow, c.want.arrow);
        EXPECT_EQ(l.track, c.want.track);
        EXPECT_EQ(l.thumb, c.want.thumb);
        EXPECT_EQ(l.offset, c.want.offset);
    }
}

TEST(ScrollGeometry, HitTestFindsEachPart)
{
    const ScrollLayout l = HitLayout(110, kCell, {0, 29, 5}, 10); // thumb at 42..54
    struct Case {
        std::int32_t along;
        std::int32_t part;
    };
    const Case cases[] = {{-1, kScrollPartNone}, {0, kScrollLineUp},     {17, kScrollLineUp},
                          {18, kScrollPageUp},   {41, kScrollPageUp},    {42, kScrollThumb},
                          {53, kScrollThumb},    {54, kScrollPageDown},  {91, kScrollPageDown},
                          {92, kScrollLineDown}, {109, kScrollLineDown}, {110, kScrollPartNone}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.along);
        EXPECT_EQ(PartAt(l, c.along), c.part);
    }
    EXPECT_EQ(PartSpan(l, kScrollThumb), (ScrollSpan{42, 54}));
}

TEST(ScrollGeometry, HitTestKeepsAThumbWhenNothingScrolls)
{
    // Painted without a thumb, hit-tested with the whole track as thumb.
    const ScrollLayout hit = HitLayout(110, kCell, {0, 9, 10}, 0);
    EXPECT_EQ(hit.thumb, 74);
    EXPECT_EQ(PartAt(hit, 50), kScrollThumb);
    const ScrollLayout tiny = HitLayout(110, kCell, {0, 999, 0}, 0);
    EXPECT_EQ(tiny.thumb, 6);
}

TEST(ScrollGeometry, DragStaysInTheRange)
{
    const ScrollRange range{0, 29, 5};
    const ScrollLayout l = PaintLayout(110, kCell, range, 0); // 62 pixels of room, 25 steps
    struct Case {
        std::int32_t start;
        std::int32_t moved;
        std::int32_t want;
    };
    const Case cases[] = {{0, 0, 0},   {0, 31, 12},   {0, 62, 25}, {0, 1000, 25},
                          {10, -5, 8}, {10, -500, 0}, {25, 10, 25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moved);
        EXPECT_EQ(DragPos(l, range, c.start, c.moved), c.want);
    }
    // No room to move: the position stays.
    const ScrollLayout full = PaintLayout(110, kCell, {0, 9, 10}, 0);
    EXPECT_EQ(DragPos(full, {0, 9, 10}, 0, 40), 0);
}

TEST(ScrollGeometry, RepeatEndsAtTheRangeEndOrTheThumb)
{
    const ScrollRange range{0, 29, 5};
    EXPECT_TRUE(RepeatGoesOn(kScrollLineDown, range, 24, kScrollLineDown));
    EXPECT_FALSE(RepeatGoesOn(kScrollLineDown, range, 25, kScrollLineDown));
    EXPECT_TRUE(RepeatGoesOn(kScrollLineUp, range, 1, kScrollPartNone));
    EXPECT_FALSE(RepeatGoesOn(kScrollLineUp, range, 0, kScrollLineUp));
    EXPECT_TRUE(RepeatGoesOn(kScrollPageDown, range, 5, kScrollPageDown));
    EXPECT_FALSE(RepeatGoesOn(kScrollPageDown, range, 15, kScrollThumb));
}

} // namespace
} // namespace k47
