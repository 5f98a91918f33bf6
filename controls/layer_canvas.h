// SPDX-License-Identifier: MIT
#pragma once
// A 32-bit top-down device-independent bitmap selected into its own memory
// device context, with its pixels at hand; and the pixels of pictures, for
// the layered popup's composition.

#include "framework/gdi.h"
#include "framework/gdiplus.h"

#include <cstdint>
#include <vector>

namespace k47 {

class CLayerCanvas {
public:
    CLayerCanvas(int width, int height);
    ~CLayerCanvas();
    CLayerCanvas(const CLayerCanvas&) = delete;
    CLayerCanvas& operator=(const CLayerCanvas&) = delete;

    explicit operator bool() const { return m_pBits != nullptr; }
    HDC Dc() const { return m_dc; }
    std::uint32_t* Bits() const { return m_pBits; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    std::size_t Count() const { return std::size_t(m_nWidth) * std::size_t(m_nHeight); }
    void Fill(std::uint32_t px);
    // The canvas whose device context dc is, or null.
    static CLayerCanvas* FromDc(HDC dc);

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_dc = nullptr;
    CBitmap m_bitmap;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_pBits = nullptr;
};

// The premultiplied 0xAARRGGBB pixels of a picture, row by row; empty when
// it cannot be read.
std::vector<std::uint32_t> PremultipliedPixels(const CGdipBitmap& picture);

// Blends premultiplied pixels (w x h) at (x, y) over the canvas whose device
// context dc is; nothing for any other device context.
void BlendPixelsOnDc(HDC dc, const std::vector<std::uint32_t>& pixels, int w, int h, int x, int y);

// A PNG of the program's resources (type "PNG"); empty when missing.
CGdipBitmap LoadPngResource(UINT id);

} // namespace k47
