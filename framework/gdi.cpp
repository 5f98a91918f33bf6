// SPDX-License-Identifier: MIT
#include "framework/gdi.h"

namespace k47 {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP bm{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(bm), &bm) == 0)
        return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

HFONT CreateSkinFont(int height, int weight, const wchar_t* face)
{
    return ::CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, 1, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face);
}

HBITMAP CreateTopDownDib(HDC dc, int width, int height, void** bits)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    *bits = nullptr;
    return ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP CopyBitmapPart(HDC dc, HBITMAP source, int x, int y, int width, int height)
{
    if (!source || width <= 0 || height <= 0)
        return nullptr;
    HBITMAP copy = ::CreateCompatibleBitmap(dc, width, height);
    if (!copy)
        return nullptr;
    CMemDC from(dc);
    CMemDC to(dc);
    CSelectObject selFrom(from, source);
    CSelectObject selTo(to, copy);
    ::SetStretchBltMode(to, COLORONCOLOR);
    ::StretchBlt(to, 0, 0, width, height, from, x, y, width, height, SRCCOPY);
    return copy;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y)
{
    if (!bitmap)
        return;
    const SIZE size = BitmapSize(bitmap);
    CMemDC mem(dc);
    CSelectObject sel(mem, bitmap);
    ::BitBlt(dc, x, y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
}

} // namespace k47
