// SPDX-License-Identifier: MIT
#include "controls/xp_menu.h"

#include "framework/gdi.h"

#include <algorithm>
#include <vector>

namespace k47 {
namespace {

constexpr UINT_PTR kOwnerHookId = 0x4B584D; // "KXM"
constexpr COLORREF kSelectedFill = RGB(177, 185, 207);
constexpr COLORREF kSelectedText = RGB(0, 60, 145);
constexpr COLORREF kFace = RGB(219, 216, 209);

void Fill(HDC dc, const RECT& r, COLORREF c)
{
    CBrush brush(::CreateSolidBrush(c));
    ::FillRect(dc, &r, brush);
}

void DrawIcon16(HDC dc, std::uint32_t id, int x, int y)
{
    HICON icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                 IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (!icon)
        return;
    ::DrawIconEx(dc, x, y, icon, 16, 16, 0, nullptr, DI_NORMAL);
    ::DestroyIcon(icon);
}

// The menus being tracked with the records of their items, so the owner's
// hook answers only for them.
struct Tracked {
    CXPMenu* menu;
    std::vector<const XPMenuItemData*> items;
};

LRESULT CALLBACK OwnerHook(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref)
{
    auto* t = reinterpret_cast<Tracked*>(ref);
    auto ours = [&](ULONG_PTR data) {
        return std::find(t->items.begin(), t->items.end(),
                         reinterpret_cast<const XPMenuItemData*>(data)) != t->items.end();
    };
    if (msg == WM_MEASUREITEM) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (mis->CtlType == ODT_MENU && ours(mis->itemData)) {
            t->menu->MeasureItem(*mis);
            return TRUE;
        }
    } else if (msg == WM_DRAWITEM) {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (dis->CtlType == ODT_MENU && ours(dis->itemData)) {
            t->menu->DrawItem(*dis);
            return TRUE;
        }
    }
    return ::DefSubclassProc(wnd, msg, wp, lp);
}

std::vector<const XPMenuItemData*> ItemRecords(HMENU menu)
{
    std::vector<const XPMenuItemData*> out;
    const int n = ::GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA;
        if (::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii) && mii.dwItemData)
            out.push_back(reinterpret_cast<const XPMenuItemData*>(mii.dwItemData));
    }
    return out;
}

} // namespace

bool CXPMenu::AppendItem(UINT id, const XPMenuItemData* data)
{
    if (!m_hMenu && !CreatePopupMenu())
        return false;
    return AppendMenu(MF_OWNERDRAW, id, static_cast<const void*>(data));
}

UINT CXPMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner)
{
    if (!m_hMenu || !owner)
        return 0;
    Tracked tracked{this, ItemRecords(m_hMenu)};
    const bool hooked = ::SetWindowSubclass(owner, &OwnerHook, kOwnerHookId,
                                            reinterpret_cast<DWORD_PTR>(&tracked)) != FALSE;
    const UINT result = CMenu::TrackPopupMenu(flags, x, y, owner);
    if (hooked)
        ::RemoveWindowSubclass(owner, &OwnerHook, kOwnerHookId);
    return result;
}

void CXPMenu::MeasureItem(MEASUREITEMSTRUCT& mis)
{
    mis.itemWidth = kItemWidth;
    mis.itemHeight = kItemHeight;
}

void CXPMenu::DrawItem(const DRAWITEMSTRUCT& dis)
{
    const auto* data = reinterpret_cast<const XPMenuItemData*>(dis.itemData);
    if (!data)
        return;
    HDC dc = dis.hDC;
    const RECT r = dis.rcItem;
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF text = RGB(0, 0, 0);
    if (dis.itemState & ODS_SELECTED) {
        {
            CSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
            CSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
            ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
        }
        Fill(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kSelectedFill);
        DrawIcon16(dc, data->nSelectedIcon, r.left, r.top);
        text = kSelectedText;
    } else {
        Fill(dc, RECT{r.left, r.top, r.left + 25, r.bottom}, kFace);
        Fill(dc, RECT{r.left + 25, r.top, r.right, r.bottom}, kFace);
        DrawIcon16(dc, data->nNormalIcon, r.left, r.top);
    }
    CFont font(::CreateFontW(14, 0, 0, 0, 500, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, L"Arial"));
    CSelectObject sel(dc, font);
    const COLORREF oldText = ::SetTextColor(dc, text);
    RECT tr = r;
    tr.left += 8;
    ::DrawTextW(dc, data->strText.c_str(), -1, &tr,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SetTextColor(dc, oldText);
    ::SetBkMode(dc, oldMode);
}

} // namespace k47
