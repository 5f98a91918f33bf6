// SPDX-License-Identifier: MIT
#include "controls/model/scroll_geometry.h"

#include <algorithm>

namespace k47 {
namespace {

constexpr std::int32_t kMinThumb = 6;

ScrollLayout Base(std::int32_t length, std::int32_t cell)
{
    ScrollLayout l;
    l.length = std::max(length, 0);
    l.arrow = l.length - 2 * cell > 0 ? cell : l.length / 2;
    l.track = std::max(l.length - 2 * cell, 0);
    return l;
}

std::int32_t RawThumb(const ScrollLayout& l, const ScrollRange& r)
{
    const std::int64_t span = std::int64_t(r.maximum) - r.minimum + 1;
    if (span <= 0 || r.page <= 0)
        return 0;
    const std::int64_t g = std::int64_t(r.page) * l.track / span;
    return std::int32_t(std::min<std::int64_t>(g, l.track));
}

void PlaceThumb(ScrollLayout& l, const ScrollRange& r, std::int32_t pos)
{
    const std::int32_t n = r.Steps();
    if (n > 0) {
        const std::int64_t q = std::clamp(pos, r.minimum, r.LastPos()) - r.minimum;
        l.offset = std::int32_t(q * (l.track - l.thumb) / n);
    } else {
        l.offset = (l.track - l.thumb) / 2;
    }
}

} // namespace

ScrollLayout PaintLayout(std::int32_t length, std::int32_t cell, const ScrollRange& range,
                         std::int32_t pos)
{
    ScrollLayout l = Base(length, cell);
    // Nothing to scroll (or no room) shows no thumb.
    if (range.Steps() > 0 && l.track > kMinThumb - 1)
        l.thumb = std::max(RawThumb(l, range), kMinThumb);
    PlaceThumb(l, range, pos);
    return l;
}

ScrollLayout HitLayout(std::int32_t length, std::int32_t cell, const ScrollRange& range,
                       std::int32_t pos)
{
    ScrollLayout l = Base(length, cell);
    l.thumb = RawThumb(l, range);
    if (l.track >= kMinThumb)
        l.thumb = std::max(l.thumb, kMinThumb);
    PlaceThumb(l, range, pos);
    return l;
}

ScrollSpan PartSpan(const ScrollLayout& l, std::int32_t part)
{
    const std::int32_t a = l.arrow;
    switch (part) {
    case kScrollLineUp:
        return {0, a};
    case kScrollPageUp:
        return {a, a + l.offset};
    case kScrollThumb:
        return {a + l.offset, a + l.offset + l.thumb};
    case kScrollPageDown:
        return {a + l.offset + l.thumb, l.length - a};
    case kScrollLineDown:
        return {l.length - a, l.length};
    default:
        return {};
    }
}

std::int32_t PartAt(const ScrollLayout& l, std::int32_t along)
{
    if (along < 0 || along >= l.length)
        return kScrollPartNone;
    for (std::int32_t part :
         {kScrollLineUp, kScrollPageUp, kScrollThumb, kScrollPageDown, kScrollLineDown}) {
        const ScrollSpan s = PartSpan(l, part);
        if (along >= s.begin && along < s.end)
            return part;
    }
    return kScrollPartNone;
}

std::int32_t DragPos(const ScrollLayout& l, const ScrollRange& r, std::int32_t startPos,
                     std::int32_t moved)
{
    const std::int32_t room = l.track - l.thumb;
    const std::int32_t n = r.Steps();
    std::int64_t pos = startPos;
    if (room > 0 && n > 0)
        pos = std::int64_t(moved) * n / room + startPos;
    return std::int32_t(std::clamp<std::int64_t>(pos, r.minimum, r.LastPos()));
}

bool RepeatGoesOn(std::int32_t pressed, const ScrollRange& range, std::int32_t pos,
                  std::int32_t partUnderPointer)
{
    switch (pressed) {
    case kScrollLineUp:
        return pos > range.minimum;
    case kScrollLineDown:
        return pos < range.LastPos();
    case kScrollPageUp:
    case kScrollPageDown:
        return partUnderPointer == pressed;
    default:
        return false;
    }
}

} // namespace k47
