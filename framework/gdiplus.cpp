// SPDX-License-Identifier: MIT
#include "framework/gdiplus.h"

namespace k47 {

CGdiplusSession::CGdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    if (Gdiplus::GdiplusStartup(&m_token, &input, nullptr) != Gdiplus::Ok)
        m_token = 0;
}

CGdiplusSession::~CGdiplusSession()
{
    if (m_token)
        Gdiplus::GdiplusShutdown(m_token);
}

CGdipBitmap CGdipBitmap::FromFile(const wchar_t* path)
{
    Gdiplus::GpBitmap* b = nullptr;
    if (gp::GdipCreateBitmapFromFile(path, &b) != Gdiplus::Ok)
        return CGdipBitmap();
    return CGdipBitmap(b);
}

void CGdipBitmap::Reset()
{
    if (m_bitmap)
        gp::GdipDisposeImage(m_bitmap);
    m_bitmap = nullptr;
}

int CGdipBitmap::Width() const
{
    UINT w = 0;
    if (m_bitmap)
        gp::GdipGetImageWidth(m_bitmap, &w);
    return static_cast<int>(w);
}

int CGdipBitmap::Height() const
{
    UINT h = 0;
    if (m_bitmap)
        gp::GdipGetImageHeight(m_bitmap, &h);
    return static_cast<int>(h);
}

CGdipBitmap CGdipBitmap::CloneArea(int x, int y, int w, int h) const
{
    if (!m_bitmap || w <= 0 || h <= 0)
        return CGdipBitmap();
    Gdiplus::PixelFormat format = 0;
    gp::GdipGetImagePixelFormat(m_bitmap, &format);
    Gdiplus::GpBitmap* copy = nullptr;
    if (gp::GdipCloneBitmapAreaI(x, y, w, h, format, m_bitmap, &copy) != Gdiplus::Ok)
        return CGdipBitmap();
    return CGdipBitmap(copy);
}

HBITMAP CGdipBitmap::ToHBITMAP(std::uint32_t background) const
{
    HBITMAP out = nullptr;
    if (m_bitmap && gp::GdipCreateHBITMAPFromBitmap(m_bitmap, &out, background) != Gdiplus::Ok)
        out = nullptr;
    return out;
}

std::uint32_t CGdipBitmap::GetPixel(int x, int y) const
{
    Gdiplus::ARGB c = 0;
    if (!m_bitmap || gp::GdipBitmapGetPixel(m_bitmap, x, y, &c) != Gdiplus::Ok)
        return 0;
    return c;
}

CGdipGraphics::CGdipGraphics(HDC dc)
{
    if (gp::GdipCreateFromHDC(dc, &m_graphics) != Gdiplus::Ok)
        m_graphics = nullptr;
}

CGdipGraphics::~CGdipGraphics()
{
    if (m_graphics)
        gp::GdipDeleteGraphics(m_graphics);
}

void CGdipGraphics::DrawImage(const CGdipBitmap& image, int dx, int dy, int dw, int dh, int sx,
                              int sy, int sw, int sh)
{
    if (!m_graphics || !image)
        return;
    gp::GdipDrawImageRectRectI(m_graphics, image.Image(), dx, dy, dw, dh, sx, sy, sw, sh,
                               Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
}

void CGdipGraphics::FillRectangle(std::uint32_t argb, int x, int y, int w, int h)
{
    if (!m_graphics)
        return;
    Gdiplus::GpSolidFill* brush = nullptr;
    if (gp::GdipCreateSolidFill(argb, &brush) != Gdiplus::Ok)
        return;
    gp::GdipFillRectangleI(m_graphics, brush, x, y, w, h);
    gp::GdipDeleteBrush(brush);
}

void CGdipGraphics::DrawLine(std::uint32_t argb, int x1, int y1, int x2, int y2)
{
    if (!m_graphics)
        return;
    Gdiplus::GpPen* pen = nullptr;
    if (gp::GdipCreatePen1(argb, 1.0f, Gdiplus::UnitPixel, &pen) != Gdiplus::Ok)
        return;
    gp::GdipDrawLineI(m_graphics, pen, x1, y1, x2, y2);
    gp::GdipDeletePen(pen);
}

void CGdipGraphics::DrawString(const wchar_t* text, float points, std::uint32_t argb, float x,
                               float y, float w, float h)
{
    if (!m_graphics || !text)
        return;
    // A system without the generic family (a bare Wine prefix, for one) gets
    // no text rather than a crash.
    Gdiplus::GpFontFamily* family = nullptr;
    if (gp::GdipGetGenericFontFamilySansSerif(&family) != Gdiplus::Ok || !family)
        return;
    Gdiplus::GpFont* font = nullptr;
    Gdiplus::GpSolidFill* brush = nullptr;
    Gdiplus::GpStringFormat* format = nullptr;
    if (gp::GdipCreateFont(family, points, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint, &font) ==
            Gdiplus::Ok &&
        gp::GdipCreateSolidFill(argb, &brush) == Gdiplus::Ok &&
        gp::GdipCreateStringFormat(0, LANG_NEUTRAL, &format) == Gdiplus::Ok) {
        gp::GdipSetStringFormatAlign(format, Gdiplus::StringAlignmentNear);
        const Gdiplus::RectF layout(x, y, w, h);
        gp::GdipDrawString(m_graphics, text, -1, font, &layout, format, brush);
    }
    if (format)
        gp::GdipDeleteStringFormat(format);
    if (brush)
        gp::GdipDeleteBrush(brush);
    if (font)
        gp::GdipDeleteFont(font);
    gp::GdipDeleteFontFamily(family);
}

} // namespace k47
