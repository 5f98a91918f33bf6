// SPDX-License-Identifier: MIT
#include "controls/png_h_progress_bar.h"

#include "config/window_messages.h"
#include "controls/model/slider_math.h"
#include "framework/gdi.h"
#include "framework/msg.h"

namespace k47 {

bool CPngHProgressBar::Create(const RECT& rect, HWND parent)
{
    m_nMin = 0;
    m_nMax = 10;
    m_nPos = 0;
    m_bEnabled = TRUE;
    m_rcWindow = rect;
    m_hParent = parent;
    return CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent, kControlId);
}

void CPngHProgressBar::SetImages(int x, int y, int width, int height, const CGdipBitmap* background,
                                 const CGdipBitmap* fill)
{
    m_imgBackground.Reset();
    m_imgFill.Reset();
    if (background)
        m_imgBackground = background->CloneArea(x, y, width, height);
    if (fill)
        m_imgFill = fill->CloneArea(x, y, width, height);
}

int CPngHProgressBar::PositionAt(POINT pt) const
{
    ::MapWindowPoints(m_hWnd, m_hParent, &pt, 1);
    return ProgressPointerPos(pt.x, m_rcWindow.left, m_rcWindow.right, m_nMin, m_nMax);
}

LRESULT CPngHProgressBar::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        if (m_bEnabled && !m_bDisabled) {
            ::SetCapture(m_hWnd);
            m_ptDragStart = PointFromLParam(lp);
            m_bDragging = TRUE;
        }
        return 0;
    case WM_MOUSEMOVE:
        if (m_bDragging) {
            m_nPos = PositionAt(PointFromLParam(lp));
            Invalidate(false);
        }
        return 0;
    case WM_LBUTTONUP:
        if (m_bDragging) {
            m_bDragging = FALSE;
            m_nPos = PositionAt(PointFromLParam(lp));
            ::PostMessageW(m_hParent, WM_PROGRESS_DRAGGED, static_cast<WPARAM>(m_nPos), kControlId);
            ::ReleaseCapture();
            Invalidate(false);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (m_bDragging) {
            m_bDragging = FALSE;
            Invalidate(false);
        }
        return 0;
    case WM_KILLFOCUS:
        m_bDragging = FALSE;
        Invalidate(false);
        return DefWindowProc(msg, wp, lp);
    default:
        return CWnd::WndProc(msg, wp, lp);
    }
}

void CPngHProgressBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const int w = m_rcWindow.right - m_rcWindow.left;
    const int h = m_rcWindow.bottom - m_rcWindow.top;
    const int f = ProgressFillWidth(w, m_nPos, m_nMin, m_nMax);
    CMemDC off(dc);
    CBitmap canvas(::CreateCompatibleBitmap(dc, w, h));
    CSelectObject sel(off, canvas);
    {
        CGdipGraphics g(off);
        g.DrawImage(m_imgBackground, 0, 0, w, h, 0, 0, w, h);
        if (f > 0)
            g.DrawImage(m_imgFill, 0, 0, f, h, 0, 0, f, h);
    }
    ::BitBlt(dc, 0, 0, w, h, off, 0, 0, SRCCOPY);
}

} // namespace k47
