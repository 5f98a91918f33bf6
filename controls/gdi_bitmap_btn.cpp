// SPDX-License-Identifier: MIT
#include "controls/gdi_bitmap_btn.h"

#include "config/window_messages.h"
#include "controls/model/button_face.h"
#include "framework/msg.h"

namespace k47 {

void ForwardMouseMove(HWND child, UINT flags, POINT pt)
{
    HWND parent = ::GetParent(child);
    if (!parent)
        return;
    ::MapWindowPoints(child, parent, &pt, 1);
    ::PostMessageW(parent, WM_MOUSEMOVE, flags, LParamFromPoint(pt));
}

CGDIBitmapBtn::~CGDIBitmapBtn() = default;

bool CGDIBitmapBtn::Create(HWND parent, const RECT& rect)
{
    return CButton::Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, 0);
}

void CGDIBitmapBtn::SetPageBitmaps(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled,
                                   int left, int top, int right, int bottom)
{
    CClientDC dc(m_hWnd);
    const HBITMAP sources[4] = {normal, hover, pressed, disabled};
    CBitmap* targets[4] = {&m_bmpNormal, &m_bmpHover, &m_bmpPressed, &m_bmpDisabled};
    for (int i = 0; i < 4; ++i) {
        if (!sources[i])
            continue;
        targets[i]->Attach(CopyBitmapPart(dc, sources[i], left, top, right - left, bottom - top));
    }
    ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
}

void CGDIBitmapBtn::SetBitmaps(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled)
{
    m_bmpNormal.Attach(normal);
    m_bmpHover.Attach(hover);
    m_bmpPressed.Attach(pressed);
    m_bmpDisabled.Attach(disabled);
}

void CGDIBitmapBtn::SetCaption(const wchar_t* text)
{
    m_strCaption = text ? text : L"";
    Invalidate();
}

void CGDIBitmapBtn::SetCheck(BOOL mark)
{
    if ((mark != FALSE) == (m_bMark != FALSE))
        return;
    m_bMark = mark;
    Invalidate();
}

void CGDIBitmapBtn::SetTooltipText(const wchar_t* text)
{
    m_ToolTip.SetText(m_hWnd, text);
}

bool CGDIBitmapBtn::PreTranslateMessage(MSG& msg)
{
    m_ToolTip.Relay(m_hWnd, msg);
    return CButton::PreTranslateMessage(msg);
}

void CGDIBitmapBtn::PreSubclassWindow()
{
    ModifyStyle(WS_TABSTOP, 0);
}

LRESULT CGDIBitmapBtn::WndProc(UINT msg, WPARAM wp, LPARAM lp)
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
        OnMouseMove(static_cast<UINT>(wp), PointFromLParam(lp));
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
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return DefWindowProc(msg, wp, lp);
    case WM_LBUTTONUP:
        if (m_bMouseNotify)
            ::PostMessageW(GetParent(), WM_BUTTON_MOUSE, WM_LBUTTONUP,
                           reinterpret_cast<LPARAM>(m_hWnd));
        return DefWindowProc(msg, wp, lp);
    default:
        return CButton::WndProc(msg, wp, lp);
    }
}

void CGDIBitmapBtn::OnMouseMove(UINT flags, POINT pt)
{
    if ((flags & MK_LBUTTON) && !m_bHover)
        return;
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
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    ForwardMouseMove(m_hWnd, flags, pt);
}

void CGDIBitmapBtn::OnLButtonDown()
{
    HWND target = GetOwner() ? GetOwner() : GetParent();
    if (target && ::GetActiveWindow() != target)
        ::SetActiveWindow(target);
    if (m_bSelfToggle) {
        m_bMark = !m_bMark;
        Invalidate();
    }
    if (m_bMouseNotify)
        ::PostMessageW(GetParent(), WM_BUTTON_MOUSE, WM_LBUTTONDOWN,
                       reinterpret_cast<LPARAM>(m_hWnd));
}

void CGDIBitmapBtn::DrawItem(const DRAWITEMSTRUCT& dis)
{
    BitmapBtnState state;
    state.checkMode = m_bCheckMode != FALSE;
    state.mark = m_bMark != FALSE;
    state.selected = (dis.itemState & ODS_SELECTED) != 0;
    state.disabled = (dis.itemState & ODS_DISABLED) != 0;
    state.hover = m_bHover != FALSE;
    state.hoverLook = m_bHoverLook != FALSE;
    const FaceChoice choice = ChooseBitmapBtnFace(state);

    HBITMAP face = m_bmpNormal;
    COLORREF colour = m_crNormalCaption;
    switch (choice.face) {
    case ButtonFace::Pressed:
        face = m_bmpPressed;
        break;
    case ButtonFace::Hover:
        face = m_bmpHover;
        break;
    case ButtonFace::Disabled:
        face = m_bmpDisabled;
        break;
    case ButtonFace::Normal:
        break;
    }
    switch (choice.colour) {
    case CaptionColour::Pressed:
        colour = m_crPressedCaption;
        break;
    case CaptionColour::Hover:
        colour = m_crHoverCaption;
        break;
    case CaptionColour::Disabled:
        colour = kDisabledCaption;
        break;
    case CaptionColour::Normal:
        break;
    }

    const RECT client = GetClientRect();
    const int w = client.right;
    const int h = client.bottom;
    HDC dc = dis.hDC;
    if (m_strCaption.empty()) {
        if (face) {
            CMemDC mem(dc);
            CSelectObject sel(mem, face);
            ::BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
        }
        return;
    }

    CMemDC off(dc);
    CBitmap canvas(::CreateCompatibleBitmap(dc, w, h));
    CSelectObject selCanvas(off, canvas);
    if (face) {
        CMemDC mem(dc);
        CSelectObject sel(mem, face);
        ::BitBlt(off, 0, 0, w, h, mem, 0, 0, SRCCOPY);
    }
    ::SetBkMode(off, TRANSPARENT);
    ::SetTextColor(off, colour);
    CFont font(CreateSkinFont(m_bLargeCaptionFont ? 20 : 14, 300));
    CSelectObject selFont(off, font);
    SIZE extent{0, 0};
    ::GetTextExtentPoint32W(off, m_strCaption.c_str(), static_cast<int>(m_strCaption.size()),
                            &extent);
    const Rect stored{m_rcCaption.left, m_rcCaption.top, m_rcCaption.right, m_rcCaption.bottom};
    const Rect r = BitmapBtnCaptionRect(w, h, extent.cy, m_bUseCaptionRect != FALSE, stored,
                                        colour == m_crPressedCaption);
    RECT rc{r.left, r.top, r.right, r.bottom};
    ::DrawTextW(off, m_strCaption.c_str(), static_cast<int>(m_strCaption.size()), &rc,
                DT_CENTER | DT_SINGLELINE | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS);
    ::BitBlt(dc, 0, 0, w, h, off, 0, 0, SRCCOPY);
}

} // namespace k47
