// SPDX-License-Identifier: MIT
#include "controls/skin_scroll_bar.h"

#include "framework/msg.h"

#include <algorithm>

namespace k47 {
namespace {

constexpr UINT_PTR kDelayTimer = 1;
constexpr UINT_PTR kRepeatTimer = 2;
constexpr UINT kFirstDelay = 500;
constexpr UINT kRepeatDelay = 100;
constexpr int kCap = 3;

// Cell column of a part within the bar's group.
int CellColumn(int part)
{
    switch (part) {
    case kScrollLineUp:
        return 0;
    case kScrollLineDown:
        return 1;
    case kScrollThumb:
        return 2;
    default:
        return 3;
    }
}

} // namespace

void CSkinScrollBar::SetSkin(HBITMAP skin)
{
    m_hSkin = skin;
    m_nCell = BitmapSize(skin).cx / 9;
    RECT rc = GetWindowRect();
    const int w = IsVertical() ? m_nCell : rc.right - rc.left;
    const int h = IsVertical() ? rc.bottom - rc.top : m_nCell;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT client = GetClientRect();
    m_nLength = IsVertical() ? client.bottom : client.right;
}

SCROLLINFO CSkinScrollBar::GetInfo() const
{
    return m_si;
}

ScrollLayout CSkinScrollBar::Layout(bool hit) const
{
    return hit ? HitLayout(m_nLength, m_nCell, Range(), CurrentPos())
               : PaintLayout(m_nLength, m_nCell, Range(), CurrentPos());
}

RECT CSkinScrollBar::PartRect(int part) const
{
    const ScrollSpan s = PartSpan(Layout(false), part);
    return IsVertical() ? RECT{0, s.begin, m_nCell, s.end} : RECT{s.begin, 0, s.end, m_nCell};
}

int CSkinScrollBar::HitTest(POINT pt) const
{
    const int across = IsVertical() ? pt.x : pt.y;
    if (across < 0 || across >= m_nCell)
        return kScrollPartNone;
    return PartAt(Layout(true), IsVertical() ? pt.y : pt.x);
}

void CSkinScrollBar::SendRequest(int code, int pos)
{
    ::SendMessageW(GetParent(), IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                   MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CSkinScrollBar::DrawPart(HDC dc, int part, int state)
{
    const RECT r = PartRect(part);
    const int len = IsVertical() ? r.bottom - r.top : r.right - r.left;
    if (len <= 0 || !m_hSkin || m_nCell <= 0)
        return;
    CMemDC skin(dc);
    CSelectObject sel(skin, m_hSkin);
    const int c = m_nCell;
    const int sx = ((IsVertical() ? 0 : 4) + CellColumn(part)) * c;
    const int sy = state * c;
    const bool vert = IsVertical();
    // Copies cell pixels [from, from + n) along the axis to [to, to + m).
    auto copy = [&](int to, int m, int from, int n) {
        if (m <= 0 || n <= 0)
            return;
        if (vert)
            ::StretchBlt(dc, 0, r.top + to, c, m, skin, sx, sy + from, c, n, SRCCOPY);
        else
            ::StretchBlt(dc, r.left + to, 0, m, c, skin, sx + from, sy, n, c, SRCCOPY);
    };
    if (part == kScrollLineUp || part == kScrollLineDown) {
        copy(0, len, 0, c);
    } else if (part == kScrollThumb && len > 2 * kCap && c > 2 * kCap) {
        copy(0, kCap, 0, kCap);
        const int middle = c - 2 * kCap;
        for (int at = kCap; at < len - kCap; at += middle)
            copy(at, std::min(middle, len - kCap - at), kCap, std::min(middle, len - kCap - at));
        copy(len - kCap, kCap, c - kCap, kCap);
    } else if (part == kScrollThumb) {
        copy(0, len, 0, c);
    } else {
        for (int at = 0; at < len; at += c)
            copy(at, std::min(c, len - at), 0, std::min(c, len - at));
    }
}

void CSkinScrollBar::OnPaint(HDC target)
{
    const RECT rc = GetClientRect();
    CMemDC mem(target);
    CBitmap canvas(::CreateCompatibleBitmap(target, std::max<LONG>(rc.right, 1),
                                            std::max<LONG>(rc.bottom, 1)));
    CSelectObject sel(mem, canvas);
    ::FillRect(mem, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    auto state = [&](int part) {
        if (part == kScrollThumb && m_bDragging)
            return 2;
        if (part == m_nPressed)
            return m_bPressedLeft ? 0 : 2;
        if (m_nPressed == kScrollPartNone && !m_bDragging && part == m_nHover)
            return 1;
        return 0;
    };
    DrawPart(mem, kScrollPageUp, 0);
    DrawPart(mem, kScrollPageDown, 0);
    for (int part : {kScrollLineUp, kScrollLineDown, kScrollThumb})
        DrawPart(mem, part, state(part));
    ::BitBlt(target, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
}

void CSkinScrollBar::RedrawTrack()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CSkinScrollBar::OnLButtonDown(POINT pt)
{
    ::SetCapture(m_hWnd);
    const int part = HitTest(pt);
    if (part == kScrollThumb) {
        m_bDragging = true;
        m_ptDrag = pt;
        m_nDragPos = m_si.nPos;
        m_si.nTrackPos = m_si.nPos;
        RedrawTrack();
        return;
    }
    if (part == kScrollPartNone)
        return;
    m_nPressed = part;
    m_bPressedLeft = false;
    m_bRepeating = false;
    SendRequest(part);
    ::SetTimer(m_hWnd, kDelayTimer, kFirstDelay, nullptr);
    RedrawTrack();
}

void CSkinScrollBar::OnMouseMove(POINT pt)
{
    if (!m_bTrackingLeave) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = ::TrackMouseEvent(&tme) != FALSE;
    }
    if (m_bDragging) {
        const int moved = IsVertical() ? pt.y - m_ptDrag.y : pt.x - m_ptDrag.x;
        const int pos = DragPos(PaintLayout(m_nLength, m_nCell, Range(), m_nDragPos), Range(),
                                m_nDragPos, moved);
        if (pos != m_si.nTrackPos) {
            m_si.nTrackPos = pos;
            RedrawTrack();
            SendRequest(SB_THUMBTRACK, pos);
        }
        return;
    }
    if (m_nPressed != kScrollPartNone) {
        const bool left = HitTest(pt) != m_nPressed;
        if (left != m_bPressedLeft) {
            m_bPressedLeft = left;
            RedrawTrack();
        }
        return;
    }
    const int part = HitTest(pt);
    if (part != m_nHover) {
        m_nHover = part;
        RedrawTrack();
    }
}

void CSkinScrollBar::OnLButtonUp(POINT pt)
{
    const bool dragging = m_bDragging;
    const int pressed = m_nPressed;
    m_bDragging = false;
    m_nPressed = kScrollPartNone;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    // The capture ended any leave tracking: ask again, so a pointer already
    // gone clears the hover.
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
    m_bTrackingLeave = ::TrackMouseEvent(&tme) != FALSE;
    if (dragging) {
        const int pos = m_si.nTrackPos;
        SendRequest(SB_THUMBPOSITION, pos);
        m_si.nTrackPos = -1;
        m_nHover = HitTest(pt);
        RedrawTrack();
    } else if (pressed != kScrollPartNone) {
        ::KillTimer(m_hWnd, kDelayTimer);
        ::KillTimer(m_hWnd, kRepeatTimer);
        m_bRepeating = false;
        m_nHover = HitTest(pt);
        RedrawTrack();
    }
}

void CSkinScrollBar::OnTimer(UINT_PTR id)
{
    if (id == kDelayTimer) {
        ::KillTimer(m_hWnd, kDelayTimer);
        if (m_nPressed != kScrollPartNone) {
            m_bRepeating = true;
            ::SetTimer(m_hWnd, kRepeatTimer, kRepeatDelay, nullptr);
        }
        return;
    }
    if (id != kRepeatTimer)
        return;
    if (m_nPressed == kScrollPartNone) {
        ::KillTimer(m_hWnd, kRepeatTimer);
        return;
    }
    if (m_bPressedLeft)
        return;
    POINT pt{};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    if (RepeatGoesOn(m_nPressed, Range(), m_si.nPos, HitTest(pt)))
        SendRequest(m_nPressed);
    else if (m_nPressed == kScrollLineUp || m_nPressed == kScrollLineDown)
        ::KillTimer(m_hWnd, kRepeatTimer);
}

LRESULT CSkinScrollBar::OnSetScrollInfo(BOOL redraw, const SCROLLINFO* si)
{
    if (!si)
        return m_si.nPos;
    if (si->fMask & SIF_RANGE) {
        m_si.nMin = si->nMin;
        m_si.nMax = std::max(si->nMin, si->nMax);
    }
    if (si->fMask & SIF_PAGE)
        m_si.nPage = si->nPage;
    if (si->fMask & SIF_POS)
        m_si.nPos = si->nPos;
    const ScrollRange r = Range();
    m_si.nPos = std::clamp(m_si.nPos, r.minimum, r.LastPos());
    if (redraw)
        RedrawTrack();
    return m_si.nPos;
}

LRESULT CSkinScrollBar::OnGetScrollInfo(SCROLLINFO* si) const
{
    if (!si)
        return FALSE;
    if (si->fMask & SIF_PAGE)
        si->nPage = m_si.nPage;
    if (si->fMask & SIF_POS)
        si->nPos = m_si.nPos;
    if (si->fMask & SIF_TRACKPOS)
        si->nTrackPos = m_si.nTrackPos;
    if (si->fMask & SIF_RANGE) {
        si->nMin = m_si.nMin;
        si->nMax = m_si.nMax;
    }
    return TRUE;
}

LRESULT CSkinScrollBar::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case SBM_SETSCROLLINFO:
        return OnSetScrollInfo(static_cast<BOOL>(wp), reinterpret_cast<const SCROLLINFO*>(lp));
    case SBM_GETSCROLLINFO:
        return OnGetScrollInfo(reinterpret_cast<SCROLLINFO*>(lp));
    case SBM_SETPOS: {
        SCROLLINFO si{sizeof(si), SIF_POS, 0, 0, 0, static_cast<int>(wp), 0};
        const int old = m_si.nPos;
        OnSetScrollInfo(static_cast<BOOL>(lp), &si);
        return old;
    }
    case SBM_GETPOS:
        return m_si.nPos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        SCROLLINFO si{sizeof(si), SIF_RANGE, static_cast<int>(wp), static_cast<int>(lp), 0, 0, 0};
        return OnSetScrollInfo(msg == SBM_SETRANGEREDRAW, &si);
    }
    case SBM_GETRANGE:
        if (wp)
            *reinterpret_cast<int*>(wp) = m_si.nMin;
        if (lp)
            *reinterpret_cast<int*>(lp) = m_si.nMax;
        return 0;
    case WM_SIZE: {
        const RECT rc = GetClientRect();
        m_nLength = IsVertical() ? rc.bottom : rc.right;
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_ENABLE:
    case SBM_ENABLE_ARROWS:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The platform's bar would paint itself over the skin.
        RedrawTrack();
        return msg == SBM_ENABLE_ARROWS ? TRUE : 0;
    case WM_PAINT: {
        CPaintDC dc(m_hWnd);
        OnPaint(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown(PointFromLParam(lp));
        return 0;
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFromLParam(lp));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(PointFromLParam(lp));
        return 0;
    case WM_MOUSELEAVE:
        m_bTrackingLeave = false;
        // A drag goes on outside the bar: the capture brings the movements.
        if (!m_bDragging)
            OnMouseMove(POINT{-1, -1});
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away (another window, a menu) ends a drag or a press.
        if (reinterpret_cast<HWND>(lp) != m_hWnd &&
            (m_bDragging || m_nPressed != kScrollPartNone)) {
            ::KillTimer(m_hWnd, kDelayTimer);
            ::KillTimer(m_hWnd, kRepeatTimer);
            if (m_bDragging)
                SendRequest(SB_THUMBPOSITION, m_si.nTrackPos);
            m_bDragging = false;
            m_si.nTrackPos = -1;
            m_nPressed = kScrollPartNone;
            RedrawTrack();
        }
        return 0;
    case WM_TIMER:
        OnTimer(wp);
        return 0;
    case WM_SETCURSOR:
    case WM_NCHITTEST:
        break;
    default:
        if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST)
            return 0;
        break;
    }
    return CScrollBar::WndProc(msg, wp, lp);
}

} // namespace k47
