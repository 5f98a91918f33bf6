// SPDX-License-Identifier: MIT
#include "controls/layer_canvas.h"

#include "controls/model/layer_pixels.h"

#include <algorithm>
#include <cstring>

namespace k47 {
namespace {

// The canvases alive on the interface thread.
std::vector<CLayerCanvas*>& Canvases()
{
    static std::vector<CLayerCanvas*> canvases;
    return canvases;
}

} // namespace

CLayerCanvas* CLayerCanvas::FromDc(HDC dc)
{
    for (CLayerCanvas* c : Canvases())
        if (c->m_dc == dc && c->m_pBits)
            return c;
    return nullptr;
}

CLayerCanvas::CLayerCanvas(int width, int height)
    : m_nWidth(width > 0 ? width : 0), m_nHeight(height > 0 ? height : 0)
{
    if (m_nWidth == 0 || m_nHeight == 0)
        return;
    void* bits = nullptr;
    CClientDC screen(nullptr);
    m_bitmap.Attach(CreateTopDownDib(screen, m_nWidth, m_nHeight, &bits));
    m_dc = ::CreateCompatibleDC(screen);
    if (!m_bitmap || !bits || !m_dc)
        return;
    m_old = ::SelectObject(m_dc, m_bitmap);
    m_pBits = static_cast<std::uint32_t*>(bits);
    Canvases().push_back(this);
}

CLayerCanvas::~CLayerCanvas()
{
    auto& all = Canvases();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    if (m_dc) {
        if (m_old)
            ::SelectObject(m_dc, m_old);
        ::DeleteDC(m_dc);
    }
}

void CLayerCanvas::Fill(std::uint32_t px)
{
    ::GdiFlush();
    for (std::size_t i = 0; m_pBits && i < Count(); ++i)
        m_pBits[i] = px;
}

std::vector<std::uint32_t> PremultipliedPixels(const CGdipBitmap& picture)
{
    std::vector<std::uint32_t> out;
    const int w = picture.Width(), h = picture.Height();
    if (!picture || w <= 0 || h <= 0)
        return out;
    Gdiplus::Rect rect(0, 0, w, h);
    Gdiplus::BitmapData data{};
    if (gp::GdipBitmapLockBits(picture.Get(), &rect, Gdiplus::ImageLockModeRead,
                               PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return out;
    out.resize(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const BYTE*>(data.Scan0) + std::ptrdiff_t(y) * data.Stride);
        for (int x = 0; x < w; ++x)
            out[std::size_t(y) * std::size_t(w) + std::size_t(x)] = Premultiply(row[x]);
    }
    gp::GdipBitmapUnlockBits(picture.Get(), &data);
    return out;
}

void BlendPixelsOnDc(HDC dc, const std::vector<std::uint32_t>& pixels, int w, int h, int x, int y)
{
    CLayerCanvas* canvas = CLayerCanvas::FromDc(dc);
    if (!canvas || w <= 0 || h <= 0 || pixels.size() < std::size_t(w) * std::size_t(h))
        return;
    ::GdiFlush();
    const int dw = canvas->Width(), dh = canvas->Height();
    std::uint32_t* bits = canvas->Bits();
    for (int py = 0; py < h; ++py) {
        const int ty = y + py;
        if (ty < 0 || ty >= dh)
            continue;
        std::uint32_t* row = bits + std::size_t(ty) * std::size_t(dw);
        for (int px = 0; px < w; ++px) {
            const int tx = x + px;
            if (tx >= 0 && tx < dw)
                row[tx] =
                    BlendOver(row[tx], pixels[std::size_t(py) * std::size_t(w) + std::size_t(px)]);
        }
    }
}

CGdipBitmap LoadPngResource(UINT id)
{
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!info)
        return CGdipBitmap();
    const DWORD size = ::SizeofResource(module, info);
    HGLOBAL res = ::LoadResource(module, info);
    const void* data = res ? ::LockResource(res) : nullptr;
    if (!data || size == 0)
        return CGdipBitmap();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return CGdipBitmap();
    if (void* p = ::GlobalLock(block)) {
        std::memcpy(p, data, size);
        ::GlobalUnlock(block);
    }
    IStream* stream = nullptr;
    if (::CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK) {
        ::GlobalFree(block);
        return CGdipBitmap();
    }
    Gdiplus::GpBitmap* decoded = nullptr;
    const bool ok = gp::GdipCreateBitmapFromStream(stream, &decoded) == Gdiplus::Ok;
    CGdipBitmap picture(ok ? decoded : nullptr);
    // The decoder may read from the stream later: keep a copy of its own.
    CGdipBitmap copy = picture.CloneArea(0, 0, picture.Width(), picture.Height());
    picture.Reset();
    stream->Release();
    return copy;
}

} // namespace k47
