// SPDX-License-Identifier: MIT
#include "controls/xp_menu.h"

#include "framework/gdi.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

COLORREF DrawAndRead(const XPMenuItemData& data, UINT state, int x, int y)
{
    CXPMenu menu;
    CClientDC screen(nullptr);
    CMemDC dc(screen);
    CBitmap bitmap(::CreateCompatibleBitmap(screen, 75, 22));
    CSelectObject sel(dc, bitmap);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemState = state;
    dis.hDC = dc;
    dis.rcItem = RECT{0, 0, 75, 22};
    dis.itemData = reinterpret_cast<ULONG_PTR>(&data);
    menu.DrawItem(dis);
    return ::GetPixel(dc, x, y);
}

TEST(XPMenu, ItemsAre75By22WithTheirFaces)
{
    CXPMenu menu;
    MEASUREITEMSTRUCT mis{};
    menu.MeasureItem(mis);
    EXPECT_EQ(mis.itemWidth, 75u);
    EXPECT_EQ(mis.itemHeight, 22u);
    const XPMenuItemData exit{IDI_TRAY_EXIT, IDI_TRAY_EXIT, L"Exit"};
    EXPECT_EQ(DrawAndRead(exit, 0, 20, 20), RGB(219, 216, 209));
    EXPECT_EQ(DrawAndRead(exit, ODS_SELECTED, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(DrawAndRead(exit, ODS_SELECTED, 20, 20), RGB(177, 185, 207));
    // The icon sits at the top-left corner.
    EXPECT_NE(DrawAndRead(exit, 0, 8, 8), RGB(219, 216, 209));
}

TEST(XPMenu, AppendsOwnerDrawnItems)
{
    CXPMenu menu;
    const XPMenuItemData config{IDI_TRAY_CONFIG, IDI_TRAY_CONFIG, L"Config"};
    ASSERT_TRUE(menu.AppendItem(24576, &config));
    EXPECT_EQ(menu.GetMenuItemCount(), 1);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
    ASSERT_TRUE(::GetMenuItemInfoW(menu, 0, TRUE, &mii));
    EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
    EXPECT_EQ(mii.wID, 24576u);
    EXPECT_EQ(mii.dwItemData, reinterpret_cast<ULONG_PTR>(&config));
}

} // namespace
} // namespace k47
