// SPDX-License-Identifier: MIT
#include "controls/model/layer_pixels.h"

#include "controls/model/nine_slice.h"

namespace k47 {

std::uint32_t TextLayerPixel(std::uint32_t rgb)
{
    rgb &= 0x00FFFFFFu;
    if (rgb == kTextLayerKey)
        return 0;
    if (rgb == 0)
        rgb = 0x00010000u;
    return 0xFF000000u | rgb;
}

std::uint32_t Premultiply(std::uint32_t argb)
{
    const std::uint32_t a = argb >> 24;
    auto ch = [&](int shift) { return ((((argb >> shift) & 0xFF) * a + 127) / 255) << shift; };
    return (a << 24) | ch(16) | ch(8) | ch(0);
}

std::uint32_t BlendOver(std::uint32_t dst, std::uint32_t src)
{
    const std::uint32_t sa = src >> 24;
    if (sa == 255)
        return src;
    if (sa == 0)
        return dst;
    const std::uint32_t keep = 255 - sa;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t s = (src >> shift) & 0xFF;
        const std::uint32_t d = (dst >> shift) & 0xFF;
        std::uint32_t v = s + (d * keep + 127) / 255;
        if (v > 255)
            v = 255;
        out |= v << shift;
    }
    return out;
}

std::uint32_t LiftBlack(std::uint32_t px)
{
    if ((px & 0x00FFFFFFu) == 0 && (px >> 24) != 0)
        return px | 0x00010000u;
    return px;
}

void StretchPixels(const std::uint32_t* src, std::int32_t sw, const Rect& from, std::uint32_t* dst,
                   std::int32_t dw, std::int32_t dh, const Rect& to)
{
    if (from.Width() <= 0 || from.Height() <= 0 || to.Width() <= 0 || to.Height() <= 0)
        return;
    for (std::int32_t y = to.top; y < to.bottom; ++y) {
        if (y < 0 || y >= dh)
            continue;
        const std::int32_t sy = from.top + (y - to.top) * from.Height() / to.Height();
        for (std::int32_t x = to.left; x < to.right; ++x) {
            if (x < 0 || x >= dw)
                continue;
            const std::int32_t sx = from.left + (x - to.left) * from.Width() / to.Width();
            dst[std::size_t(y) * std::size_t(dw) + std::size_t(x)] =
                src[std::size_t(sy) * std::size_t(sw) + std::size_t(sx)];
        }
    }
}

void NineSlicePixels(const std::uint32_t* src, std::int32_t sw, std::int32_t sh, std::uint32_t* dst,
                     std::int32_t dw, std::int32_t dh, std::int32_t border)
{
    for (const SliceCopy& c : NineSlice(sw, sh, dw, dh, border))
        StretchPixels(src, sw, c.source, dst, dw, dh, c.target);
}

} // namespace k47
