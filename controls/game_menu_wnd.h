// SPDX-License-Identifier: MIT
#pragma once
// One level of the game menu: a column of rows drawn from the menu's
// pictures; a row with a sub-menu opens it beside itself when hovered.

#include "controls/model/menu_ex_item.h"
#include "framework/gdi.h"
#include "framework/wnd.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace k47 {

// What all levels of one open menu share.
struct GameMenuLook {
    HWND owner = nullptr;
    int rowHeight = 24;
    COLORREF normalText = 0;
    COLORREF hoverText = 0;
    COLORREF pressedText = 0;
    std::array<CBitmap, 8> pictures;
    std::vector<MenuExItem> items;
    CFont font;
};

class CGameMenuWnd : public CWnd {
public:
    static constexpr int kMargin = 2;
    static constexpr int kMinWidth = 120;

    CGameMenuWnd(std::shared_ptr<GameMenuLook> look, std::uint32_t parentItem,
                 CGameMenuWnd* parentMenu);

    // Creates the level at a screen point; owner is the window it belongs to.
    bool Create(POINT at, HWND owner, bool activate);
    // The number of rows of this level.
    std::size_t RowCount() const { return m_rows.size(); }
    // Whether wnd is this level or one of its sub-menus.
    bool Holds(HWND wnd) const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

private:
    bool HasSubMenu(int row) const;
    void SetHover(int row);
    void OpenSubMenu(int row);
    void CloseSubMenu();
    void Pick(int row);
    void OnPaint(HDC dc);
    int Width() const;
    RECT RowRect(int row) const;

    std::shared_ptr<GameMenuLook> m_look;
    std::uint32_t m_nParentItem;
    CGameMenuWnd* m_pParentMenu;
    CGameMenuWnd* m_pSubMenu = nullptr;
    int m_nSubRow = -1;
    std::vector<std::size_t> m_rows;
    int m_nHover = -1;
    int m_nPressed = -1;
    bool m_bTracking = false;
};

} // namespace k47
