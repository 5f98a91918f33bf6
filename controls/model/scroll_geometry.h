// SPDX-License-Identifier: MIT
#pragma once
// The picture scroll bar's parts along its axis: arrows, track and thumb,
// for painting, for the hit test and for a thumb drag.

#include <cstdint>

namespace k47 {

// Part codes, equal to the scroll request codes.
constexpr std::int32_t kScrollPartNone = -1;
constexpr std::int32_t kScrollLineUp = 0;
constexpr std::int32_t kScrollLineDown = 1;
constexpr std::int32_t kScrollPageUp = 2;
constexpr std::int32_t kScrollPageDown = 3;
constexpr std::int32_t kScrollThumb = 5;

struct ScrollRange {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int32_t page = 0;
    // The positions the thumb can take beyond the first: max - min - page + 1.
    std::int32_t Steps() const { return maximum - minimum - page + 1; }
    // The last position the thumb can take.
    std::int32_t LastPos() const { return Steps() > 0 ? minimum + Steps() : minimum; }
};

// Lengths along the axis for a bar of length L with cells of c pixels.
struct ScrollLayout {
    std::int32_t length = 0; // L
    std::int32_t arrow = 0;  // a
    std::int32_t track = 0;  // T
    std::int32_t thumb = 0;  // g, 0 for no thumb
    std::int32_t offset = 0; // o, the thumb's start within the track
};

struct ScrollSpan {
    std::int32_t begin = 0;
    std::int32_t end = 0;
    bool operator==(const ScrollSpan& o) const { return begin == o.begin && end == o.end; }
};

// The layout the bar is painted with at position pos.
ScrollLayout PaintLayout(std::int32_t length, std::int32_t cell, const ScrollRange& range,
                         std::int32_t pos);
// The layout the hit test uses: the thumb keeps its 6-pixel minimum whenever
// the track is at least 6 long, even when nothing can scroll.
ScrollLayout HitLayout(std::int32_t length, std::int32_t cell, const ScrollRange& range,
                       std::int32_t pos);

// Where a part lies along the axis; empty for an unknown part.
ScrollSpan PartSpan(const ScrollLayout& layout, std::int32_t part);

// The part under a point at distance along from the bar's start, or
// kScrollPartNone before the start or past the end.
std::int32_t PartAt(const ScrollLayout& layout, std::int32_t along);

// The position while dragging the thumb by moved pixels from a drag that
// began at startPos, kept within minimum..last position.
std::int32_t DragPos(const ScrollLayout& layout, const ScrollRange& range, std::int32_t startPos,
                     std::int32_t moved);

// Whether an auto-repeat of a pressed part goes on at pos: arrows until the
// range end, track parts until the thumb reaches the pointer (the part under
// the pointer is no longer the pressed one).
bool RepeatGoesOn(std::int32_t pressed, const ScrollRange& range, std::int32_t pos,
                  std::int32_t partUnderPointer);

} // namespace k47
