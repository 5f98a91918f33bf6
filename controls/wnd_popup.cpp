// SPDX-License-Identifier: MIT
#include "controls/wnd_popup.h"

#include "config/window_messages.h"
#include "controls/layer_canvas.h"
#include "controls/model/layer_pixels.h"
#include "framework/msg.h"

namespace k47 {
namespace {

constexpr int kBorder = 32;
constexpr UINT kHoverTime = 50;
constexpr std::uint32_t kFrameBlue = 0xFF0093D1u; // RGB(0,147,209)

} // namespace

CWndPopup::CWndPopup()
    : m_Font(::CreateFontW(12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, 32,
                           L"Arial"))
{
}

bool CWndPopup::LoadBackground(UINT resourceId)
{
    m_pBackground = LoadPngResource(resourceId);
    m_nBackWidth = m_pBackground.Width();
    m_nBackHeight = m_pBackground.Height();
    m_backPixels = PremultipliedPixels(m_pBackground);
    if (m_backPixels.empty()) {
        m_pBackground.Reset();
        m_nBackWidth = m_nBackHeight = 0;
    }
    return static_cast<bool>(m_pBackground);
}

bool CWndPopup::Create(HWND parent, const RECT& rect)
{
    m_ptPos = POINT{rect.left, rect.top};
    m_nNotifyMessage = WM_SELECT_LANGUAGE;
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, nullptr, L"", WS_POPUP, rect, parent, 0);
}

void CWndPopup::Render()
{
    if (!m_hWnd)
        return;
    const RECT rc = GetClientRect();
    const int w = rc.right, h = rc.bottom;
    CLayerCanvas a(w, h), b(w, h);
    if (!a || !b)
        return;
    const bool picture = m_pBackground && !m_backPixels.empty();
    if (picture) {
        a.Fill(0);
        NineSlicePixels(m_backPixels.data(), m_nBackWidth, m_nBackHeight, a.Bits(), w, h, kBorder);
    } else {
        a.Fill(kFrameBlue);
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x)
                a.Bits()[std::size_t(y) * std::size_t(w) + std::size_t(x)] = 0xFFFFFFFFu;
    }
    b.Fill(kTextLayerKey);
    DrawItems(b.Dc(), rc);
    ::GdiFlush();
    for (std::size_t i = 0; i < a.Count(); ++i)
        a.Bits()[i] = BlendOver(a.Bits()[i], TextLayerPixel(b.Bits()[i]));
    DrawImages(a.Dc(), rc);
    ::GdiFlush();
    for (std::size_t i = 0; i < a.Count(); ++i)
        a.Bits()[i] = LiftBlack(a.Bits()[i]);

    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    const RECT wr = GetWindowRect();
    POINT pos{wr.left, wr.top};
    SIZE size{w, h};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    CClientDC screen(nullptr);
    ::UpdateLayeredWindow(m_hWnd, screen, &pos, &size, a.Dc(), &origin, RGB(0, 0, 0), &blend,
                          picture ? ULW_ALPHA : ULW_COLORKEY);
}

void CWndPopup::DrawItems(HDC, const RECT&) {}

void CWndPopup::DrawImages(HDC, const RECT&) {}

void CWndPopup::BuildItems() {}

bool CWndPopup::TrackHover(POINT)
{
    return false;
}

bool CWndPopup::OnPress(POINT)
{
    return false;
}

bool CWndPopup::OnRelease(POINT)
{
    return false;
}

POINT CWndPopup::CursorInClient() const
{
    POINT pt{};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    return pt;
}

LRESULT CWndPopup::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        ModifyStyle(WS_BORDER | WS_DLGFRAME,
                    WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_THICKFRAME);
        ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
        BuildItems();
        ::SetWindowPos(m_hWnd, nullptr, m_ptPos.x, m_ptPos.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        Render();
        ::ShowWindow(m_hWnd, SW_SHOW);
        return 0;
    case WM_NCCALCSIZE:
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        CPaintDC dc(m_hWnd);
        return 0;
    }
    case WM_MOUSEMOVE: {
        if (!m_bTracking) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_HOVER, m_hWnd, kHoverTime};
            m_bTracking = ::TrackMouseEvent(&tme) != FALSE;
        }
        if (!m_bPressed && TrackHover(PointFromLParam(lp)))
            Render();
        return 0;
    }
    case WM_MOUSELEAVE:
        m_bTracking = false;
        if (!m_bPressed)
            TrackHover(CursorInClient());
        return 0;
    case WM_MOUSEHOVER:
        TrackHover(CursorInClient());
        return 0;
    case WM_LBUTTONDOWN:
        m_bPressed = true;
        ::SetCapture(m_hWnd);
        m_bCaptured = true;
        if (OnPress(PointFromLParam(lp))) {
            Render();
            return 0;
        }
        break;
    case WM_LBUTTONUP: {
        if (m_bCaptured) {
            m_bCaptured = false;
            ::ReleaseCapture();
        }
        m_bPressed = false;
        HWND self = m_hWnd;
        const bool repaint = OnRelease(PointFromLParam(lp));
        // The parent may have destroyed the popup (and so this object) on the click.
        if (!::IsWindow(self))
            return 0;
        if (repaint)
            Render();
        break;
    }
    case WM_NCACTIVATE:
        if (!wp) {
            PostMessage(WM_CLOSE);
            return TRUE;
        }
        break;
    case WM_CLOSE: {
        HWND parent = GetParent();
        if (!parent)
            parent = GetOwner();
        ::SendMessageW(parent, m_nNotifyMessage, 0, 0);
        DestroyWindow();
        return 0;
    }
    default:
        break;
    }
    return CWnd::WndProc(msg, wp, lp);
}

} // namespace k47
