// SPDX-License-Identifier: MIT
#pragma once
// Pixel work of the layered popup: 32-bit pixels 0xAARRGGBB with
// premultiplied colour, as a top-down 32-bit device-independent bitmap keeps
// them.

#include "controls/model/geometry.h"

#include <cstdint>

namespace k47 {

constexpr std::uint32_t kTextLayerKey = 0x00FF00FFu; // magenta

// A pixel of the text layer with alpha: magenta becomes transparent, every
// other colour opaque, pure black RGB(1,0,0) first.
std::uint32_t TextLayerPixel(std::uint32_t rgb);

// Premultiplies a straight 0xAARRGGBB colour.
std::uint32_t Premultiply(std::uint32_t argb);

// Source-over of two premultiplied pixels.
std::uint32_t BlendOver(std::uint32_t dst, std::uint32_t src);

// A visible pure black pixel turns RGB(1,0,0), so a black colour key never
// cuts it out; transparent pixels stay as they are.
std::uint32_t LiftBlack(std::uint32_t px);

// Copies the source part of src (sw pixels a row) scaled to the target part
// of dst (dw pixels a row, dh rows) by nearest sampling, clipped to dst.
void StretchPixels(const std::uint32_t* src, std::int32_t sw, const Rect& from, std::uint32_t* dst,
                   std::int32_t dw, std::int32_t dh, const Rect& to);

// Draws src (sw x sh) nine-sliced with border over the whole of dst (dw x dh).
void NineSlicePixels(const std::uint32_t* src, std::int32_t sw, std::int32_t sh, std::uint32_t* dst,
                     std::int32_t dw, std::int32_t dh, std::int32_t border);

} // namespace k47
