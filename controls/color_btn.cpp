// SPDX-License-Identifier: MIT
#include "controls/color_btn.h"

#include "controls/gdi_bitmap_btn.h"
#include "controls/model/button_face.h"
#include "framework/gdi.h"
#include "framework/gdiplus.h"
#include "framework/msg.h"

namespace k47 {

bool CColorBtn::Create(HWND parent, const RECT& rect)
{
    return CButton::Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, 0);
}

bool CColorBtn::PreTranslateMessage(MSG& msg)
{
    m_ToolTip.Relay(m_hWnd, msg);
    return CButton::PreTranslateMessage(msg);
}

void CColorBtn::PreSubclassWindow()
{
    ModifyStyle(WS_TABSTOP, 0);
}

LRESULT CColorBtn::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_KILLFOCUS: {
        const LRESULT r = DefWindowProc(msg, wp, lp);
        m_bHover = FALSE;
        Invalidate();
        return r;
    }
    case WM_MOUSEMOVE: {
        const LRESULT r = DefWindowProc(msg, wp, lp);
        const auto flags = static_cast<UINT>(wp);
        const POINT pt = PointFromLParam(lp);
        if ((flags & MK_LBUTTON) && !m_bHover)
            return r;
        if (::GetCapture() != m_hWnd && ::GetActiveWindow() && (GetOwner() || GetParent())) {
            m_bHover = TRUE;
            ::SetCapture(m_hWnd);
            Invalidate();
        } else {
            POINT screen = pt;
            ::ClientToScreen(m_hWnd, &screen);
            if (::WindowFromPoint(screen) != m_hWnd) {
                if (m_bHover) {
                    m_bHover = FALSE;
                    Invalidate();
                }
                if (!(flags & MK_LBUTTON))
                    ::ReleaseCapture();
            }
        }
        ForwardMouseMove(m_hWnd, flags, pt);
        return r;
    }
    case WM_CAPTURECHANGED:
        if (m_bHover) {
            ::ReleaseCapture();
            Invalidate();
        }
        return DefWindowProc(msg, wp, lp);
    case WM_ERASEBKGND:
        return 0;
    default:
        return CButton::WndProc(msg, wp, lp);
    }
}

void CColorBtn::DrawItem(const DRAWITEMSTRUCT& dis)
{
    const RECT rc = GetClientRect();
    const int w = rc.right;
    const int h = rc.bottom;
    HDC dc = dis.hDC;
    CMemDC off(dc);
    CBitmap canvas(::CreateCompatibleBitmap(dc, w, h));
    CSelectObject sel(off, canvas);
    {
        CGdipGraphics g(off);
        const std::uint32_t fill = 0xFF000000u | (GetRValue(m_crColor) << 16) |
                                   (GetGValue(m_crColor) << 8) | GetBValue(m_crColor);
        g.FillRectangle(fill, 0, 0, w, h);
        if (m_bOutline) {
            const std::uint32_t line = ColorBtnOutline(
                m_bSelected != FALSE, (dis.itemState & ODS_SELECTED) != 0, m_bHover != FALSE);
            g.DrawLine(line, rc.left, rc.top, rc.left, rc.bottom - 1);
            g.DrawLine(line, rc.left, rc.bottom - 1, rc.right - 1, rc.bottom - 1);
            g.DrawLine(line, rc.right - 1, rc.bottom - 1, rc.right - 1, rc.top);
            g.DrawLine(line, rc.right - 1, rc.top, rc.left - 1, rc.top);
        }
    }
    ::BitBlt(dc, 0, 0, w, h, off, 0, 0, SRCCOPY);
}

} // namespace k47
