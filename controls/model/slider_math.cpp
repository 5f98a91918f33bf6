// SPDX-License-Identifier: MIT
#include "controls/model/slider_math.h"

namespace k47 {
namespace {

std::int32_t Clamp(std::int64_t v, std::int32_t lo, std::int32_t hi)
{
    return static_cast<std::int32_t>(v < lo ? lo : (v > hi ? hi : v));
}

std::int64_t Span(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int64_t>(b) - a;
}

// Signed map of offset over width onto minimum..maximum, truncating toward
// zero and clamped. A zero width maps everything onto the minimum instead of
// dividing by zero.
std::int32_t MapSigned(std::int64_t offset, std::int64_t width, std::int32_t minimum,
                       std::int32_t maximum)
{
    if (width == 0)
        return minimum;
    return Clamp(minimum + Span(minimum, maximum) * offset / width, minimum, maximum);
}

} // namespace

std::int32_t SliderStoredPos(std::int32_t v, std::int32_t minimum, std::int32_t maximum)
{
    const auto u = static_cast<std::uint32_t>(v);
    if (u < static_cast<std::uint32_t>(minimum) || u > static_cast<std::uint32_t>(maximum))
        return minimum;
    return v;
}

std::int32_t SliderThumbX(std::int32_t pos, std::int32_t minimum, std::int32_t maximum,
                          const Rect& track, std::int32_t thumbWidth)
{
    const auto travel = static_cast<std::uint32_t>(track.right - track.left - thumbWidth);
    const auto offset = static_cast<std::uint32_t>(pos - minimum);
    const auto range = static_cast<std::uint32_t>(maximum - minimum);
    if (range == 0)
        return track.left;
    return track.left + static_cast<std::int32_t>(travel * offset / range);
}

std::int32_t TrackClickValue(std::int32_t x, std::int32_t minimum, std::int32_t maximum,
                             std::int32_t mapLeft, std::int32_t mapRight)
{
    return MapSigned(Span(mapLeft, x), Span(mapLeft, mapRight), minimum, maximum);
}

std::int32_t ClampDragDelta(std::int32_t d, std::int32_t thumbLeft, std::int32_t thumbRight,
                            const Rect& track)
{
    if (thumbLeft + d < track.left)
        d = track.left - thumbLeft;
    if (thumbRight + d > track.right)
        d = track.right - thumbRight;
    return d;
}

std::int32_t DragValue(std::int32_t newLeft, std::int32_t minimum, std::int32_t maximum,
                       const Rect& track, std::int32_t thumbWidth)
{
    return MapSigned(Span(track.left, newLeft), Span(track.left, track.right - thumbWidth), minimum,
                     maximum);
}

bool LimitBlocksMove(std::int32_t pos, std::int32_t lowLimit, std::int32_t highLimit,
                     std::int32_t x, std::int32_t pressX)
{
    return (pos >= highLimit && x > pressX) || (pos <= lowLimit && x < pressX);
}

std::int32_t ProgressFillWidth(std::int32_t width, std::int32_t pos, std::int32_t minimum,
                               std::int32_t maximum)
{
    const std::int64_t range = Span(minimum, maximum);
    if (range == 0)
        return 0;
    return Clamp(static_cast<std::int64_t>(width) * Span(minimum, pos) / range, 0, width);
}

std::int32_t ProgressPointerPos(std::int32_t x, std::int32_t left, std::int32_t right,
                                std::int32_t minimum, std::int32_t maximum)
{
    if (x < left)
        x = left;
    return MapSigned(Span(left, x), Span(left, right), minimum, maximum);
}

std::int32_t ProgressMessagePos(std::int32_t value, std::int32_t minimum, std::int32_t maximum)
{
    return (value >= minimum && value <= maximum) ? value : minimum;
}

} // namespace k47
