// SPDX-License-Identifier: MIT
#pragma once
// A popup menu owned by the object: destroyed with it.

#include "framework/win32.h"

namespace k47 {

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    bool CreatePopupMenu();
    bool DestroyMenu();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    // MF_STRING with a text, or MF_OWNERDRAW with item data in data.
    bool AppendMenu(UINT flags, UINT_PTR id, const wchar_t* text);
    bool AppendMenu(UINT flags, UINT_PTR id, const void* data);
    int GetMenuItemCount() const { return m_hMenu ? ::GetMenuItemCount(m_hMenu) : 0; }

    // Shows the menu at a screen point; with TPM_RETURNCMD the chosen
    // command (0 for none), otherwise nonzero when the menu was shown.
    virtual UINT TrackPopupMenu(UINT flags, int x, int y, HWND owner);

    // Owner-drawn items: the owner passes WM_MEASUREITEM and WM_DRAWITEM of
    // its menus here.
    virtual void MeasureItem(MEASUREITEMSTRUCT& mis);
    virtual void DrawItem(const DRAWITEMSTRUCT& dis);

protected:
    HMENU m_hMenu = nullptr;
};

} // namespace k47
