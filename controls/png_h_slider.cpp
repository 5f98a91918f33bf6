// SPDX-License-Identifier: MIT
#include "controls/png_h_slider.h"

#include "config/window_messages.h"
#include "controls/model/slider_math.h"
#include "framework/msg.h"

#include <vector>

namespace k47 {
namespace {

Rect ToRect(const RECT& r)
{
    return Rect{r.left, r.top, r.right, r.bottom};
}

} // namespace

bool CPngHSlider::Create(const wchar_t* picturePath, HWND parentBar, UINT id, const RECT& track)
{
    m_bEnabled = TRUE;
    m_nMin = 1;
    m_nMax = 10;
    m_bDragging = FALSE;
    m_nID = id;
    m_hParentBar = parentBar;
    m_rcTrack = track;
    m_imgThumb = CGdipBitmap::FromFile(picturePath);
    m_nWidth = m_imgThumb.Width();
    m_nHeight = m_imgThumb.Height();
    const RECT rc{track.left, track.bottom - m_nHeight, track.left + m_nWidth, track.bottom};
    if (!CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rc, parentBar, id))
        return false;
    Shape();
    return true;
}

void CPngHSlider::Shape()
{
    if (!m_imgThumb || m_nWidth <= 0 || m_nHeight <= 0)
        return;
    // The picture on opaque black; the corner pixel's colour is cut out.
    void* bits = nullptr;
    CClientDC screen(nullptr);
    CBitmap dib(CreateTopDownDib(screen, m_nWidth, m_nHeight, &bits));
    if (!dib || !bits)
        return;
    {
        CMemDC mem(screen);
        CSelectObject sel(mem, dib);
        CGdipGraphics g(mem);
        g.FillRectangle(0xFF000000u, 0, 0, m_nWidth, m_nHeight);
        g.DrawImage(m_imgThumb, 0, 0, m_nWidth, m_nHeight, 0, 0, m_nWidth, m_nHeight);
    }
    ::GdiFlush();
    const auto* px = static_cast<const std::uint32_t*>(bits);
    const std::uint32_t key = px[0] & 0x00FFFFFFu;
    std::vector<RECT> runs;
    for (int y = 0; y < m_nHeight; ++y) {
        int x = 0;
        while (x < m_nWidth) {
            while (x < m_nWidth && (px[y * m_nWidth + x] & 0x00FFFFFFu) == key)
                ++x;
            const int start = x;
            while (x < m_nWidth && (px[y * m_nWidth + x] & 0x00FFFFFFu) != key)
                ++x;
            if (x > start)
                runs.push_back(RECT{start, y, x, y + 1});
        }
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* rd = reinterpret_cast<RGNDATA*>(data.data());
    rd->rdh.dwSize = sizeof(RGNDATAHEADER);
    rd->rdh.iType = RDH_RECTANGLES;
    rd->rdh.nCount = static_cast<DWORD>(runs.size());
    rd->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    rd->rdh.rcBound = RECT{0, 0, m_nWidth, m_nHeight};
    if (!runs.empty())
        std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(rd->Buffer));
    HRGN shape = ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), rd);
    if (shape && ::SetWindowRgn(m_hWnd, shape, TRUE) == 0)
        ::DeleteObject(shape);
}

void CPngHSlider::SetPos(int v)
{
    m_nPos = SliderStoredPos(v, m_nMin, m_nMax);
    const int x = SliderThumbX(m_nPos, m_nMin, m_nMax, ToRect(m_rcTrack), m_nWidth);
    const int y = m_bTopAligned == 1 ? m_rcTrack.top : m_rcTrack.bottom - m_nHeight;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CPngHSlider::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (m_bEnabled) {
            ::SetCapture(m_hWnd);
            m_ptDragStart = PointFromLParam(lp);
            m_bDragging = TRUE;
        }
        return DefWindowProc(msg, wp, lp);
    case WM_MOUSEMOVE:
        if (m_bDisabled)
            return 0;
        if (m_bDragging)
            OnMouseMove(PointFromLParam(lp));
        return DefWindowProc(msg, wp, lp);
    case WM_LBUTTONUP:
        m_bDragging = FALSE;
        ::ReleaseCapture();
        return DefWindowProc(msg, wp, lp);
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag ends the drag.
        m_bDragging = FALSE;
        return DefWindowProc(msg, wp, lp);
    case WM_PAINT: {
        CPaintDC dc(m_hWnd);
        CGdipGraphics g(dc);
        g.DrawImage(m_imgThumb, 0, 0, m_nWidth, m_nHeight, 0, 0, m_nWidth, m_nHeight);
        return 0;
    }
    case WM_DESTROY: {
        const LRESULT r = DefWindowProc(msg, wp, lp);
        m_imgThumb.Reset();
        return r;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        return CWnd::WndProc(msg, wp, lp);
    }
}

void CPngHSlider::OnMouseMove(POINT pt)
{
    if (m_bLimitMode && LimitBlocksMove(m_nPos, m_nLowLimit, m_nHighLimit, pt.x, m_ptDragStart.x))
        return;
    RECT wr = GetWindowRect();
    ::MapWindowPoints(nullptr, m_hParentBar, reinterpret_cast<POINT*>(&wr), 2);
    const Rect track = ToRect(m_rcTrack);
    const int d = ClampDragDelta(pt.x - m_ptDragStart.x, wr.left, wr.right, track);
    const int value = DragValue(wr.left + d, m_nMin, m_nMax, track, m_nWidth);
    m_nPos = value;
    if (m_nPos < m_nLowLimit)
        m_nPos = m_nLowLimit;
    else if (m_nPos > m_nHighLimit)
        m_nPos = m_nHighLimit;
    SetPos(m_nPos);
    ::PostMessageW(m_hParentBar, WM_SLIDER_POS, static_cast<WPARAM>(value),
                   static_cast<LPARAM>(m_nID));
}

} // namespace k47
