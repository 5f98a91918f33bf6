// SPDX-License-Identifier: MIT
#include "controls/game_menu_wnd.h"

#include "config/window_messages.h"
#include "controls/menu_ex_library.h"
#include "framework/msg.h"

#include <algorithm>
#include <string>

namespace k47 {
namespace {

constexpr int kTextLeft = 10;
constexpr int kArrowRoom = 18;

std::wstring Wide(const Text& t)
{
    return std::wstring(t.begin(), t.end());
}

} // namespace

CGameMenuWnd::CGameMenuWnd(std::shared_ptr<GameMenuLook> look, std::uint32_t parentItem,
                           CGameMenuWnd* parentMenu)
    : m_look(std::move(look)), m_nParentItem(parentItem), m_pParentMenu(parentMenu)
{
    m_rows = MenuExChildren(m_look->items.data(), m_look->items.size(), parentItem);
}

int CGameMenuWnd::Width() const
{
    int widest = 0;
    CClientDC screen(nullptr);
    CSelectObject font(screen, m_look->font);
    for (std::size_t i : m_rows) {
        const std::wstring text = Wide(MenuExItemText(m_look->items[i]));
        SIZE size{};
        ::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    return std::max(kMinWidth, widest + kTextLeft + kArrowRoom + 2 * kMargin);
}

RECT CGameMenuWnd::RowRect(int row) const
{
    const RECT rc = GetClientRect();
    const int top = kMargin + row * m_look->rowHeight;
    return RECT{kMargin, top, rc.right - kMargin, top + m_look->rowHeight};
}

bool CGameMenuWnd::Create(POINT at, HWND owner, bool activate)
{
    if (m_rows.empty())
        return false;
    const int h = static_cast<int>(m_rows.size()) * m_look->rowHeight + 2 * kMargin;
    const RECT rc{at.x, at.y, at.x + Width(), at.y + h};
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, L"", WS_POPUP | WS_CLIPSIBLINGS, rc,
                  owner, 0))
        return false;
    ::ShowWindow(m_hWnd, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    if (activate)
        ::SetForegroundWindow(m_hWnd);
    return true;
}

bool CGameMenuWnd::Holds(HWND wnd) const
{
    if (wnd == m_hWnd)
        return true;
    return m_pSubMenu && m_pSubMenu->Holds(wnd);
}

bool CGameMenuWnd::HasSubMenu(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return false;
    const MenuExItem& item = m_look->items[m_rows[std::size_t(row)]];
    // An item naming itself as parent would open itself for ever.
    if (item.nItem == item.nParent)
        return false;
    return !MenuExChildren(m_look->items.data(), m_look->items.size(), item.nItem).empty();
}

void CGameMenuWnd::SetHover(int row)
{
    if (row == m_nHover)
        return;
    m_nHover = row;
    Invalidate(false);
    if (row >= 0 && HasSubMenu(row))
        OpenSubMenu(row);
    else if (row >= 0)
        CloseSubMenu();
}

void CGameMenuWnd::OpenSubMenu(int row)
{
    if (m_pSubMenu && m_nSubRow == row)
        return;
    CloseSubMenu();
    const RECT wr = GetWindowRect();
    const RECT rr = RowRect(row);
    auto* sub = new CGameMenuWnd(m_look, m_look->items[m_rows[std::size_t(row)]].nItem, this);
    if (!sub->Create(POINT{wr.right - 1, wr.top + rr.top - kMargin}, m_hWnd, false)) {
        delete sub;
        return;
    }
    m_pSubMenu = sub;
    m_nSubRow = row;
}

void CGameMenuWnd::CloseSubMenu()
{
    if (!m_pSubMenu)
        return;
    CGameMenuWnd* sub = m_pSubMenu;
    m_pSubMenu = nullptr;
    m_nSubRow = -1;
    sub->DestroyWindow();
    Invalidate(false);
}

void CGameMenuWnd::Pick(int row)
{
    const HWND owner = m_look->owner;
    const std::uint32_t number = m_look->items[m_rows[std::size_t(row)]].nItem;
    // The menu is gone before the owner hears of the pick, so the owner may
    // open another one at once.
    DestroyMenuEx();
    if (owner && ::IsWindow(owner))
        ::SendMessageW(owner, WM_MENUEX_PICK, 0, static_cast<LPARAM>(number));
}

void CGameMenuWnd::OnPaint(HDC target)
{
    const RECT rc = GetClientRect();
    CMemDC mem(target);
    CBitmap canvas(::CreateCompatibleBitmap(target, rc.right, rc.bottom));
    CSelectObject sel(mem, canvas);
    {
        CBrush frame(::CreateSolidBrush(m_look->pressedText));
        CBrush back(::CreateSolidBrush(RGB(20, 22, 26)));
        ::FillRect(mem, &rc, frame);
        RECT inner{1, 1, rc.right - 1, rc.bottom - 1};
        ::FillRect(mem, &inner, back);
    }
    CMemDC pic(target);
    CSelectObject font(mem, m_look->font);
    ::SetBkMode(mem, TRANSPARENT);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const bool sub = HasSubMenu(row);
        const bool hover = row == m_nHover || (m_pSubMenu && row == m_nSubRow);
        const MenuExRowState state = (row == m_nPressed && row == m_nHover)
                                         ? MenuExRowState::Pressed
                                     : hover ? MenuExRowState::Hover
                                             : MenuExRowState::Normal;
        const RECT r = RowRect(row);
        const CBitmap& face = m_look->pictures[MenuExPicture(sub, state)];
        if (face) {
            const SIZE size = BitmapSize(face);
            CSelectObject p(pic, face);
            ::SetStretchBltMode(mem, COLORONCOLOR);
            ::StretchBlt(mem, r.left, r.top, r.right - r.left, r.bottom - r.top, pic, 0, 0, size.cx,
                         size.cy, SRCCOPY);
        }
        const COLORREF colour = state == MenuExRowState::Pressed ? m_look->pressedText
                                : state == MenuExRowState::Hover ? m_look->hoverText
                                                                 : m_look->normalText;
        ::SetTextColor(mem, colour);
        RECT tr{r.left + kTextLeft, r.top, r.right - kArrowRoom, r.bottom};
        const std::wstring text = Wide(MenuExItemText(m_look->items[m_rows[i]]));
        ::DrawTextW(mem, text.c_str(), -1, &tr,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    ::BitBlt(target, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
}

LRESULT CGameMenuWnd::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        CPaintDC dc(m_hWnd);
        OnPaint(dc);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        // Sub-menus take clicks without taking the activation from the top level.
        return m_pParentMenu ? MA_NOACTIVATE : MA_ACTIVATE;
    case WM_MOUSEMOVE: {
        if (!m_bTracking) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
            m_bTracking = ::TrackMouseEvent(&tme) != FALSE;
        }
        const POINT pt = PointFromLParam(lp);
        SetHover(MenuExRowAt(pt.y, kMargin, m_look->rowHeight, m_rows.size()));
        return 0;
    }
    case WM_MOUSELEAVE:
        m_bTracking = false;
        m_nPressed = -1;
        if (!m_pSubMenu) {
            m_nHover = -1;
            Invalidate(false);
        }
        return 0;
    case WM_LBUTTONDOWN: {
        const POINT pt = PointFromLParam(lp);
        m_nPressed = MenuExRowAt(pt.y, kMargin, m_look->rowHeight, m_rows.size());
        Invalidate(false);
        return 0;
    }
    case WM_LBUTTONUP: {
        const POINT pt = PointFromLParam(lp);
        const int row = MenuExRowAt(pt.y, kMargin, m_look->rowHeight, m_rows.size());
        const bool pick = row >= 0 && row == m_nPressed && !HasSubMenu(row);
        m_nPressed = -1;
        if (pick) {
            Pick(row); // this level is gone now
            return 0;
        }
        Invalidate(false);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) {
            DestroyMenuEx();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // Losing the activation to anything outside the menu closes it.
        if (LOWORD(wp) == WA_INACTIVE && !m_pParentMenu && !Holds(reinterpret_cast<HWND>(lp))) {
            ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
        }
        break;
    case WM_CLOSE:
        if (!m_pParentMenu) {
            DestroyMenuEx();
            return 0;
        }
        break;
    case WM_DESTROY:
        if (m_pParentMenu && m_pParentMenu->m_pSubMenu == this) {
            m_pParentMenu->m_pSubMenu = nullptr;
            m_pParentMenu->m_nSubRow = -1;
        }
        if (m_pSubMenu) {
            CGameMenuWnd* sub = m_pSubMenu;
            m_pSubMenu = nullptr;
            sub->DestroyWindow();
        }
        break;
    default:
        break;
    }
    return CWnd::WndProc(msg, wp, lp);
}

void CGameMenuWnd::PostNcDestroy()
{
    delete this;
}

} // namespace k47
