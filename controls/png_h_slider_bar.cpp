// SPDX-License-Identifier: MIT
#include "controls/png_h_slider_bar.h"

#include "config/window_messages.h"
#include "controls/model/slider_math.h"
#include "framework/msg.h"

namespace k47 {

bool CPngHSliderBar::Create(const wchar_t* thumbPath, HWND parent, UINT id, const RECT& rect)
{
    m_nMin = 0;
    m_nMax = 10;
    m_nID = id;
    m_hParent = parent;
    m_rcWindow = rect;
    m_strThumbPath = thumbPath ? thumbPath : L"";
    {
        const CGdipBitmap thumb = CGdipBitmap::FromFile(m_strThumbPath.c_str());
        m_nThumbWidth = thumb.Width();
        m_nThumbHeight = thumb.Height();
    }
    // The thumb is clipped out so painting the track never covers it.
    return CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, id);
}

void CPngHSliderBar::SetBackground(CGdipBitmap&& image)
{
    m_imgBackground = std::move(image);
    Invalidate(false);
}

BOOL CPngHSliderBar::EnableWindow(BOOL enable)
{
    m_bDisabled = !enable;
    m_Slider.m_bDisabled = !enable;
    return 1;
}

LRESULT CPngHSliderBar::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE: {
        const RECT track{0, 0, m_rcWindow.right - m_rcWindow.left,
                         m_rcWindow.bottom - m_rcWindow.top};
        if (m_Slider.Create(m_strThumbPath.c_str(), m_hWnd, m_nID, track)) {
            m_Slider.SetPos(0);
            m_Slider.m_bEnabled = TRUE;
        }
        return 0;
    }
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
        if (m_bDisabled)
            return 0;
        OnLButtonDown(PointFromLParam(lp));
        return DefWindowProc(msg, wp, lp);
    case WM_DESTROY: {
        const LRESULT r = DefWindowProc(msg, wp, lp);
        m_imgBackground.Reset();
        return r;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        if (msg == WM_SLIDER_POS) {
            ::PostMessageW(m_hParent, WM_SLIDER_POS, wp, static_cast<LPARAM>(m_nID));
            return 0;
        }
        return CWnd::WndProc(msg, wp, lp);
    }
}

void CPngHSliderBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const RECT rc = GetClientRect();
    const int w = rc.right;
    const int h = rc.bottom;
    CMemDC off(dc);
    CBitmap canvas(::CreateCompatibleBitmap(dc, w, h));
    CSelectObject sel(off, canvas);
    {
        CGdipGraphics g(off);
        g.DrawImage(m_imgBackground, 0, 0, w, h, 0, 0, w, h);
    }
    ::BitBlt(dc, 0, 0, w, h, off, 0, 0, SRCCOPY);
}

void CPngHSliderBar::OnLButtonDown(POINT pt)
{
    ::MapWindowPoints(m_hWnd, m_hParent, &pt, 1);
    const int value = TrackClickValue(pt.x, m_nMin, m_nMax, m_rcMap.left, m_rcMap.right);
    m_Slider.SetPos(value);
    ::PostMessageW(m_hParent, WM_SLIDER_POS, static_cast<WPARAM>(value),
                   static_cast<LPARAM>(m_nID));
}

} // namespace k47
