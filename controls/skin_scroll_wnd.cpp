// SPDX-License-Identifier: MIT
#include "controls/skin_scroll_wnd.h"

namespace k47 {
namespace {

constexpr wchar_t kFrameProp[] = L"K47.SkinScrollFrame";
constexpr UINT_PTR kHookId = 0x4B5357; // "KSW"
constexpr UINT_PTR kSyncTimer = 1;
constexpr UINT kSyncDelay = 500;

// The clipping window: notifications of the target that no reflection
// handled go on to the page, as if the target were still its child.
class CLimitWnd : public CWnd {
protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_COMMAND || msg == WM_NOTIFY || msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM) {
            HWND frame = GetParent();
            return ::SendMessageW(::GetParent(frame), msg, wp, lp);
        }
        if (msg == WM_ERASEBKGND)
            return TRUE;
        return CWnd::WndProc(msg, wp, lp);
    }
};

bool SameState(const SCROLLINFO& a, const SCROLLINFO& b)
{
    return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

} // namespace

CSkinScrollWnd* SkinWndScroll(HWND target, HBITMAP skin)
{
    auto* frame = new CSkinScrollWnd;
    if (!frame->SkinWndScroll(target, skin)) {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow(); // deletes it
        else
            delete frame;
        return nullptr;
    }
    return frame;
}

CSkinScrollWnd* CSkinScrollWnd::FromTarget(HWND target)
{
    if (!target || !::IsWindow(target))
        return nullptr;
    return static_cast<CSkinScrollWnd*>(::GetPropW(target, kFrameProp));
}

bool CSkinScrollWnd::SkinWndScroll(HWND target, HBITMAP skin)
{
    if (m_hWnd || !target || !::IsWindow(target) || !skin || FromTarget(target))
        return false;
    HWND parent = ::GetParent(target);
    if (!parent)
        return false;
    m_hSkin = skin;
    m_nCell = BitmapSize(skin).cx / 9;
    if (m_nCell <= 0)
        return false;
    RECT rc{};
    ::GetWindowRect(target, &rc);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);

    const LONG_PTR style = ::GetWindowLongPtrW(target, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(target, GWL_EXSTYLE);
    DWORD frameStyle = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    DWORD frameEx = 0;
    if (style & WS_VISIBLE)
        frameStyle |= WS_VISIBLE;
    if (style & WS_BORDER)
        frameStyle |= WS_BORDER;
    if (exStyle & WS_EX_CLIENTEDGE)
        frameEx |= WS_EX_CLIENTEDGE;
    if (!CreateEx(frameEx, nullptr, L"SkinScrollBarFrame", frameStyle, rc, parent,
                  static_cast<UINT>(::GetDlgCtrlID(target))))
        return false;
    // The frame carries the border now.
    if ((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE)) {
        ::SetWindowLongPtrW(target, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));
        ::SetWindowLongPtrW(target, GWL_EXSTYLE,
                            exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    }
    // Below the target, so the frame takes the target's place in the order.
    ::SetWindowPos(m_hWnd, target, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    const RECT client = GetClientRect();
    auto* limit = new CLimitWnd;
    m_wndLimit.reset(limit);
    if (!limit->CreateEx(0, nullptr, L"LIMIT", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, client,
                         m_hWnd, kLimitId))
        return false;
    const RECT none{0, 0, m_nCell, m_nCell};
    if (!m_sbHorz.Create(WS_CHILD | SBS_HORZ, none, m_hWnd, kHorzBarId) ||
        !m_sbVert.Create(WS_CHILD | SBS_VERT, none, m_hWnd, kVertBarId))
        return false;
    m_sbHorz.SetSkin(skin);
    m_sbVert.SetSkin(skin);

    m_hTarget = target;
    m_hTargetParent = parent;
    ::SetParent(target, limit->GetSafeHwnd());
    ::SetPropW(target, kFrameProp, this);
    ::SetWindowSubclass(target, &CSkinScrollWnd::TargetHook, kHookId,
                        reinterpret_cast<DWORD_PTR>(this));
    ::SetWindowPos(target, nullptr, 0, 0, client.right, client.bottom,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ::SetTimer(m_hWnd, kSyncTimer, kSyncDelay, nullptr);
    ::MoveWindow(limit->GetSafeHwnd(), 0, 0, client.right, client.bottom, TRUE);
    ::SetWindowPos(target, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // Laid out at once, so the first paint shows no platform bar.
    LayoutLimit((style & WS_VSCROLL) != 0,
                (::GetWindowLongPtrW(target, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0);
    SyncBars(true);
    return true;
}

LRESULT CALLBACK CSkinScrollWnd::TargetHook(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR ref)
{
    auto* self = reinterpret_cast<CSkinScrollWnd*>(ref);
    if (!self || self->m_hTarget != wnd)
        return ::DefSubclassProc(wnd, msg, wp, lp);
    return self->OnTargetMessage(msg, wp, lp);
}

LRESULT CSkinScrollWnd::OnTargetMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND target = m_hTarget;
    if (msg == WM_DESTROY) {
        ReleaseTarget();
        return ::DefSubclassProc(target, msg, wp, lp);
    }
    const LRESULT r = ::DefSubclassProc(target, msg, wp, lp);
    switch (msg) {
    case WM_NCCALCSIZE:
        OnTargetNcCalcSize(wp, lp);
        break;
    case WM_ERASEBKGND:
        if (!m_bOp)
            SyncBars(false);
        break;
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
        // The target's own scrolling shows on the bars at once.
        if (!m_bOp)
            SyncBars(false);
        break;
    default:
        break;
    }
    return r;
}

void CSkinScrollWnd::OnTargetNcCalcSize(WPARAM wp, LPARAM lp)
{
    RECT* client =
        wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
    const LONG_PTR style = ::GetWindowLongPtrW(m_hTarget, GWL_STYLE);
    const bool left = (::GetWindowLongPtrW(m_hTarget, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const bool vert = (style & WS_VSCROLL) != 0;
    const bool horz = (style & WS_HSCROLL) != 0;
    const int c = m_nCell;
    // The target's own bars keep a strip only c wide, which the clipping
    // window hides; the skinned bars cover it.
    if (vert) {
        const int grow = ::GetSystemMetrics(SM_CXVSCROLL) - c;
        if (left)
            client->left -= grow;
        else
            client->right += grow;
    }
    if (horz)
        client->bottom += ::GetSystemMetrics(SM_CYHSCROLL) - c;

    const RECT frame = GetClientRect();
    const int w = frame.right, h = frame.bottom;
    if (vert) {
        const int x = left ? 0 : w - c;
        ::SetWindowPos(m_sbVert, nullptr, x, 0, c, h - (horz ? c : 0),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
        ::ShowWindow(m_sbVert, SW_HIDE);
    }
    if (horz) {
        const int x = (vert && left) ? c : 0;
        ::SetWindowPos(m_sbHorz, nullptr, x, h - c, w - (vert ? c : 0), c,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
        ::ShowWindow(m_sbHorz, SW_HIDE);
    }
    m_nCorner = (vert && horz) ? (left ? 1 : 2) : 0;
    PostMessage(kLayoutMessage, vert ? 1 : 0, left ? 1 : 0);
}

void CSkinScrollWnd::SyncBar(CSkinScrollBar& bar, int which, bool force)
{
    if (!m_hTarget || !bar.GetSafeHwnd() || bar.IsDragging())
        return;
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(m_hTarget, which, &si))
        return;
    if (!force && SameState(si, bar.GetInfo()))
        return;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    bar.SendMessage(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
    ::EnableWindow(bar, si.nMax >= static_cast<int>(si.nPage));
}

void CSkinScrollWnd::SyncBars(bool force)
{
    const LONG_PTR style = ::GetWindowLongPtrW(m_hTarget, GWL_STYLE);
    if (style & WS_VSCROLL)
        SyncBar(m_sbVert, SB_VERT, force);
    if (style & WS_HSCROLL)
        SyncBar(m_sbHorz, SB_HORZ, force);
}

void CSkinScrollWnd::LayoutLimit(bool vertical, bool left)
{
    if (!m_wndLimit || !m_hTarget)
        return;
    const RECT rc = GetClientRect();
    const int c = m_nCell;
    RECT limit = rc;
    if (vertical) {
        if (left)
            limit.left += c;
        else
            limit.right -= c;
    }
    if (::IsWindowVisible(m_sbHorz))
        limit.bottom -= c;
    ::SetWindowPos(m_wndLimit->GetSafeHwnd(), nullptr, limit.left, limit.top,
                   limit.right - limit.left, limit.bottom - limit.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(m_hTarget, nullptr, (vertical && left) ? -c : 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(false);
}

void CSkinScrollWnd::ForwardScroll(UINT msg, WPARAM wp, LPARAM)
{
    m_bOp = true;
    ::SendMessageW(m_hTarget, msg, wp, 0);
    if (LOWORD(wp) == SB_THUMBTRACK) {
        // Some targets read the tracking position from their own bar, which
        // is not tracking: the position is then set as a thumb position.
        SCROLLINFO si{sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
        const int want = static_cast<int>(HIWORD(wp));
        if (::GetScrollInfo(m_hTarget, msg == WM_VSCROLL ? SB_VERT : SB_HORZ, &si) &&
            si.nPos != want)
            ::SendMessageW(m_hTarget, msg, MAKEWPARAM(SB_THUMBPOSITION, want), 0);
    }
    m_bOp = false;
    if (LOWORD(wp) != SB_THUMBTRACK)
        SyncBar(msg == WM_VSCROLL ? m_sbVert : m_sbHorz, msg == WM_VSCROLL ? SB_VERT : SB_HORZ,
                true);
}

void CSkinScrollWnd::ReleaseTarget()
{
    if (m_bReleased || !m_hTarget)
        return;
    m_bReleased = true;
    HWND target = m_hTarget;
    ::RemoveWindowSubclass(target, &CSkinScrollWnd::TargetHook, kHookId);
    ::RemovePropW(target, kFrameProp);
    m_hTarget = nullptr;
    if (m_bDying)
        return;
    // The target goes on its own: it gets its place back and the frame goes.
    RECT rc = GetWindowRect();
    ::MapWindowPoints(nullptr, m_hTargetParent, reinterpret_cast<POINT*>(&rc), 2);
    ::SetParent(target, m_hTargetParent);
    ::SetWindowPos(target, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    DestroyWindow();
}

LRESULT CSkinScrollWnd::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE: {
        const RECT rc = GetClientRect();
        if (m_wndLimit)
            ::MoveWindow(m_wndLimit->GetSafeHwnd(), 0, 0, rc.right, rc.bottom, TRUE);
        if (m_hTarget)
            ::SetWindowPos(m_hTarget, nullptr, 0, 0, rc.right, rc.bottom,
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return 0;
    }
    case kLayoutMessage:
        LayoutLimit(wp != 0, lp != 0);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (m_hTarget && (reinterpret_cast<HWND>(lp) == m_sbVert.GetSafeHwnd() ||
                          reinterpret_cast<HWND>(lp) == m_sbHorz.GetSafeHwnd()))
            ForwardScroll(msg, wp, lp);
        return 0;
    case WM_TIMER:
        if (wp == kSyncTimer && m_hTarget) {
            if (::IsWindowVisible(m_sbVert))
                SyncBar(m_sbVert, SB_VERT, false);
            if (::IsWindowVisible(m_sbHorz))
                SyncBar(m_sbHorz, SB_HORZ, false);
        }
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        CPaintDC dc(m_hWnd);
        if (m_nCorner != 0 && m_hSkin) {
            const RECT rc = GetClientRect();
            const int c = m_nCell;
            const int x = m_nCorner == 2 ? rc.right - c : 0;
            CMemDC skin(dc);
            CSelectObject sel(skin, m_hSkin);
            ::BitBlt(dc, x, rc.bottom - c, c, c, skin, 8 * c, m_nCorner == 2 ? 0 : c, SRCCOPY);
        }
        return 0;
    }
    case WM_DESTROY:
        m_bDying = true;
        ::KillTimer(m_hWnd, kSyncTimer);
        if (m_hTarget) {
            // Destroyed with the page: the target goes with the clipping window.
            ReleaseTarget();
        }
        return CWnd::WndProc(msg, wp, lp);
    default:
        return CWnd::WndProc(msg, wp, lp);
    }
}

} // namespace k47
