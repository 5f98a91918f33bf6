// SPDX-License-Identifier: MIT
#include "controls/irr_button.h"

#include "controls/model/button_face.h"
#include "framework/msg.h"

#include <string>

namespace k47 {
namespace {

HBITMAP LoadBitmapResource(UINT id)
{
    return static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

} // namespace

CIrrButton::~CIrrButton() = default;

void CIrrButton::LoadBitmaps(UINT normal, UINT pressed, UINT hover, UINT disabled)
{
    m_bmpNormal.Attach(LoadBitmapResource(normal));
    m_bmpPressed.Attach(LoadBitmapResource(pressed));
    m_bmpHover.Attach(LoadBitmapResource(hover));
    m_bmpDisabled.Attach(LoadBitmapResource(disabled));
}

bool CIrrButton::CreateShaped(HRGN region, HWND parent)
{
    m_rgn.DeleteObject();
    HRGN copy = ::CreateRectRgn(0, 0, 0, 0);
    ::CombineRgn(copy, region, nullptr, RGN_COPY);
    RECT box{};
    ::GetRgnBox(copy, &box);
    m_rcRegionBox = box;
    ::OffsetRgn(copy, -box.left, -box.top);
    m_rgn.Attach(copy);
    m_ptCaptionCentre = IrrCaptionCentre(Rect{box.left, box.top, box.right, box.bottom});
    if (!CButton::Create(L"", WS_CHILD | WS_VISIBLE, box, parent, 0))
        return false;
    // The window takes a copy of the region as its shape: SetWindowRgn owns
    // what it is given.
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    ::CombineRgn(shape, m_rgn, nullptr, RGN_COPY);
    ::SetWindowRgn(m_hWnd, shape, TRUE);
    return true;
}

void CIrrButton::SetCheck(BYTE mark)
{
    if (mark != m_nMark) {
        m_nMark = mark;
        Invalidate();
    }
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
        m_bCaptured = FALSE;
        m_bHover = FALSE;
        RedrawAtOnce();
    }
}

bool CIrrButton::PreTranslateMessage(MSG& msg)
{
    m_ToolTip.Relay(m_hWnd, msg);
    return CButton::PreTranslateMessage(msg);
}

void CIrrButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
}

LRESULT CIrrButton::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    // A double click counts as a second press.
    if (msg == WM_LBUTTONDBLCLK)
        msg = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(msg, wp, lp);
}

LRESULT CIrrButton::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEMOVE:
        TrackRegionHover(PointFromLParam(lp));
        return DefWindowProc(msg, wp, lp);
    case WM_LBUTTONDOWN: {
        HWND target = GetOwner() ? GetOwner() : GetParent();
        ::PostMessageW(target, WM_COMMAND, 0, reinterpret_cast<LPARAM>(m_hWnd));
        if (!m_bCaptured) {
            ::SetCapture(m_hWnd);
            m_bCaptured = TRUE;
        }
        return DefWindowProc(msg, wp, lp);
    }
    case WM_LBUTTONUP:
        if (m_bCaptured) {
            ::ReleaseCapture();
            m_bCaptured = FALSE;
        }
        TrackRegionHover(PointFromLParam(lp));
        return DefWindowProc(msg, wp, lp);
    default:
        return CButton::WndProc(msg, wp, lp);
    }
}

void CIrrButton::TrackRegionHover(POINT pt)
{
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    bool inside = false;
    if (::GetWindowRgn(m_hWnd, shape) != ERROR) {
        RECT box{};
        ::GetRgnBox(shape, &box);
        inside = ::PtInRect(&box, pt) && ::PtInRegion(shape, pt.x, pt.y);
    }
    ::DeleteObject(shape);
    if (inside) {
        if (!m_bCaptured) {
            ::SetCapture(m_hWnd);
            m_bCaptured = TRUE;
        }
        if (m_bHover)
            return;
        m_bHover = TRUE;
    } else {
        if (m_bCaptured) {
            m_bCaptured = FALSE;
            ::ReleaseCapture();
        }
        m_bHover = FALSE;
    }
    RedrawAtOnce();
}

void CIrrButton::RedrawAtOnce()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CIrrButton::DrawItem(const DRAWITEMSTRUCT& dis)
{
    const std::wstring caption = GetWindowText();
    const RECT client = GetClientRect();
    const int w = client.right;
    const int h = client.bottom;

    const FaceChoice choice = ChooseIrrButtonFace(
        m_bCheckMode != FALSE, m_nMark != 0, (dis.itemState & ODS_SELECTED) != 0,
        (dis.itemState & ODS_DISABLED) != 0, m_bHover != FALSE);
    HBITMAP face = m_bmpNormal;
    if (choice.face == ButtonFace::Pressed)
        face = m_bmpPressed;
    else if (choice.face == ButtonFace::Hover)
        face = m_bmpHover;
    else if (choice.face == ButtonFace::Disabled)
        face = m_bmpDisabled;
    COLORREF colour = m_crNormalCaption;
    if (choice.colour == CaptionColour::Pressed)
        colour = m_crPressedCaption;
    else if (choice.colour == CaptionColour::Hover)
        colour = m_crHoverCaption;

    // The face and its caption are composed off-screen in window coordinates,
    // so the shared pictures keep no caption of an earlier draw.
    HDC dc = dis.hDC;
    CMemDC off(dc);
    CBitmap canvas(::CreateCompatibleBitmap(dc, w, h));
    CSelectObject selCanvas(off, canvas);
    if (face) {
        CMemDC mem(dc);
        CSelectObject sel(mem, face);
        ::BitBlt(off, 0, 0, w, h, mem, m_rcRegionBox.left, m_rcRegionBox.top, SRCCOPY);
    }
    if (!caption.empty()) {
        ::SetBkMode(off, TRANSPARENT);
        ::SetTextColor(off, colour);
        CFont font(CreateSkinFont(14, 300));
        CSelectObject selFont(off, font);
        const Point at = IrrCaptionOrigin(m_ptCaptionCentre, caption.size());
        ::TextOutW(off, at.x - m_rcRegionBox.left, at.y - m_rcRegionBox.top, caption.c_str(),
                   static_cast<int>(caption.size()));
    }
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    const bool shaped = ::GetWindowRgn(m_hWnd, clip) != ERROR;
    if (shaped)
        ::SelectClipRgn(dc, clip);
    ::BitBlt(dc, 0, 0, w, h, off, 0, 0, SRCCOPY);
    if (shaped)
        ::SelectClipRgn(dc, nullptr);
    ::DeleteObject(clip);
}

} // namespace k47
