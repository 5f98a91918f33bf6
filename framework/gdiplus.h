// SPDX-License-Identifier: MIT
#pragma once
// GDI+ through its flat API: start-up and shutdown for the process, and
// owners of the images, graphics, brushes and pens the controls draw with.

#include "framework/win32.h"

#include <algorithm>
// The C++ headers of GDI+ expect min and max in scope, which NOMINMAX removes.
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <cstdint>
#include <utility>

namespace k47 {

namespace gp = Gdiplus::DllExports;

// GdiplusStartup for the life of the object; the program holds one for its run.
class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;
    bool IsStarted() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};

// A GDI+ bitmap, disposed with its owner.
class CGdipBitmap {
public:
    CGdipBitmap() = default;
    explicit CGdipBitmap(Gdiplus::GpBitmap* b) : m_bitmap(b) {}
    ~CGdipBitmap() { Reset(); }
    CGdipBitmap(CGdipBitmap&& o) noexcept : m_bitmap(std::exchange(o.m_bitmap, nullptr)) {}
    CGdipBitmap& operator=(CGdipBitmap&& o) noexcept
    {
        if (this != &o) {
            Reset();
            m_bitmap = std::exchange(o.m_bitmap, nullptr);
        }
        return *this;
    }
    CGdipBitmap(const CGdipBitmap&) = delete;
    CGdipBitmap& operator=(const CGdipBitmap&) = delete;

    // The picture of a file (PNG, BMP, JPEG, GIF); empty when it cannot be read.
    static CGdipBitmap FromFile(const wchar_t* path);

    Gdiplus::GpBitmap* Get() const { return m_bitmap; }
    Gdiplus::GpImage* Image() const { return m_bitmap; }
    explicit operator bool() const { return m_bitmap != nullptr; }
    void Reset();

    int Width() const;
    int Height() const;
    // A copy of the (x, y, w, h) part in the image's own pixel format; empty on failure.
    CGdipBitmap CloneArea(int x, int y, int w, int h) const;
    // A GDI bitmap of the image on background (ARGB); the caller owns it.
    HBITMAP ToHBITMAP(std::uint32_t background) const;
    // The ARGB colour of one pixel, 0 outside the image.
    std::uint32_t GetPixel(int x, int y) const;

private:
    Gdiplus::GpBitmap* m_bitmap = nullptr;
};

// Drawing on a device context.
class CGdipGraphics {
public:
    explicit CGdipGraphics(HDC dc);
    ~CGdipGraphics();
    CGdipGraphics(const CGdipGraphics&) = delete;
    CGdipGraphics& operator=(const CGdipGraphics&) = delete;
    explicit operator bool() const { return m_graphics != nullptr; }

    // Draws the source part (sx, sy, sw, sh) into (dx, dy, dw, dh), in pixels.
    void DrawImage(const CGdipBitmap& image, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                   int sh);
    void FillRectangle(std::uint32_t argb, int x, int y, int w, int h);
    void DrawLine(std::uint32_t argb, int x1, int y1, int x2, int y2);
    // Draws text in the generic sans-serif family at the given point size,
    // near-aligned in the layout rectangle. Nothing when no family is found.
    void DrawString(const wchar_t* text, float points, std::uint32_t argb, float x, float y,
                    float w, float h);

private:
    Gdiplus::GpGraphics* m_graphics = nullptr;
};

} // namespace k47
