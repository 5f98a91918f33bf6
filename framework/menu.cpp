// SPDX-License-Identifier: MIT
#include "framework/menu.h"

namespace k47 {

bool CMenu::CreatePopupMenu()
{
    if (m_hMenu)
        return false;
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu != nullptr;
}

bool CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return false;
    const bool ok = ::DestroyMenu(m_hMenu) != FALSE;
    m_hMenu = nullptr;
    return ok;
}

bool CMenu::AppendMenu(UINT flags, UINT_PTR id, const wchar_t* text)
{
    return m_hMenu && ::AppendMenuW(m_hMenu, flags, id, text) != FALSE;
}

bool CMenu::AppendMenu(UINT flags, UINT_PTR id, const void* data)
{
    return m_hMenu && ::AppendMenuW(m_hMenu, flags, id, static_cast<const wchar_t*>(data)) != FALSE;
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner)
{
    if (!m_hMenu)
        return 0;
    return static_cast<UINT>(::TrackPopupMenuEx(m_hMenu, flags, x, y, owner, nullptr));
}

void CMenu::MeasureItem(MEASUREITEMSTRUCT&) {}

void CMenu::DrawItem(const DRAWITEMSTRUCT&) {}

} // namespace k47
