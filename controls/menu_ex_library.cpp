// SPDX-License-Identifier: MIT
#include "controls/menu_ex_library.h"

#include "config/window_messages.h"
#include "controls/game_menu_wnd.h"
#include "controls/load_picture_file.h"

namespace k47 {
namespace {

// The top level of the open menu; null when none is open.
CGameMenuWnd* g_pOpenMenu = nullptr;
// The window of the top level: the object may be gone while the handle is
// checked.
HWND g_hOpenMenu = nullptr;

class CTopMenuWnd : public CGameMenuWnd {
public:
    using CGameMenuWnd::CGameMenuWnd;

protected:
    void PostNcDestroy() override
    {
        if (g_pOpenMenu == this) {
            g_pOpenMenu = nullptr;
            g_hOpenMenu = nullptr;
        }
        CGameMenuWnd::PostNcDestroy();
    }
};

} // namespace

int CreateMenuEx(HWND owner, int rowHeight, const POINT* position, std::uint32_t normalText,
                 std::uint32_t hoverText, std::uint32_t pressedText, const wchar_t* const* paths,
                 const MenuExItem* items, int count)
{
    DestroyMenuEx();
    if (!position || !items || count <= 0 || rowHeight <= 0)
        return 0;
    auto look = std::make_shared<GameMenuLook>();
    look->owner = owner;
    look->rowHeight = rowHeight;
    look->normalText = normalText;
    look->hoverText = hoverText;
    look->pressedText = pressedText;
    for (std::size_t i = 0; paths && i < look->pictures.size(); ++i) {
        if (paths[i] && paths[i][0])
            LoadPictureFile(paths[i], look->pictures[i], nullptr);
    }
    look->items.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        // Texts are read no further than their field, whatever the caller left in it.
        look->items.push_back(
            MakeMenuExItem(items[i].nParent, items[i].nItem, MenuExItemText(items[i])));
    }
    look->font.Attach(CreateSkinFont(14, FW_NORMAL));
    auto* menu = new CTopMenuWnd(look, kMenuExTopLevel, nullptr);
    if (!menu->Create(*position, owner, true)) {
        delete menu;
        return 0;
    }
    g_pOpenMenu = menu;
    g_hOpenMenu = menu->GetSafeHwnd();
    return 1;
}

int DestroyMenuEx()
{
    if (!g_pOpenMenu || !g_hOpenMenu || !::IsWindow(g_hOpenMenu)) {
        g_pOpenMenu = nullptr;
        g_hOpenMenu = nullptr;
        return 0;
    }
    HWND wnd = g_hOpenMenu;
    g_pOpenMenu = nullptr;
    g_hOpenMenu = nullptr;
    ::DestroyWindow(wnd);
    return 1;
}

BOOL DllPreTranslateMessage(MSG* msg)
{
    if (!msg || !g_pOpenMenu || msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE)
        return FALSE;
    DestroyMenuEx();
    return TRUE;
}

bool IsMenuExOpen()
{
    return g_pOpenMenu != nullptr;
}

HWND GetMenuExWindow()
{
    return g_pOpenMenu ? g_hOpenMenu : nullptr;
}

const MenuExEntryPoints& MenuExLibrary()
{
    static const MenuExEntryPoints entries{&DllPreTranslateMessage, &CreateMenuEx, &DestroyMenuEx};
    return entries;
}

} // namespace k47
