// SPDX-License-Identifier: MIT
#include "controls/menu_ex_library.h"

#include "config/window_messages.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace k47 {
namespace {

struct GameMenuFixture : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create());
        for (std::uint32_t i = 1; i <= 21; ++i)
            items.push_back(MakeMenuExItem(kMenuExTopLevel, i, u"Game"));
    }
    void TearDown() override { DestroyMenuEx(); }
    int Open(const std::vector<MenuExItem>& list)
    {
        const POINT at{100, 50};
        return CreateMenuEx(parent, 24, &at, 0x676153, 0xFFFFFF, 0xB98C15, nullptr, list.data(),
                            static_cast<int>(list.size()));
    }
    static LPARAM Row(int row) { return MAKELPARAM(30, 2 + row * 24 + 12); }
    CTestParent parent;
    std::vector<MenuExItem> items;
};

TEST_F(GameMenuFixture, DestroyIsSafeAtAnyTime)
{
    EXPECT_EQ(DestroyMenuEx(), 0);
    ASSERT_EQ(Open(items), 1);
    EXPECT_TRUE(IsMenuExOpen());
    const RECT wr = [] {
        RECT r{};
        ::GetWindowRect(GetMenuExWindow(), &r);
        return r;
    }();
    EXPECT_EQ(wr.bottom - wr.top, 21 * 24 + 4);
    EXPECT_EQ(DestroyMenuEx(), 1);
    EXPECT_FALSE(IsMenuExOpen());
    EXPECT_EQ(DestroyMenuEx(), 0);
    const MenuExEntryPoints& lib = MenuExLibrary();
    EXPECT_TRUE(lib.pCreateMenuEx && lib.pDestroyMenuEx && lib.pDllPreTranslateMessage);
}

TEST_F(GameMenuFixture, APickReachesTheOwnerWithTheItemNumber)
{
    ASSERT_EQ(Open(items), 1);
    HWND menu = GetMenuExWindow();
    ::SendMessageW(menu, WM_MOUSEMOVE, 0, Row(3));
    ::SendMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, Row(3));
    ::SendMessageW(menu, WM_LBUTTONUP, 0, Row(3));
    ASSERT_EQ(parent.Count(WM_MENUEX_PICK), 1);
    EXPECT_EQ(parent.received.back().lp, 4);
    EXPECT_FALSE(IsMenuExOpen());
    EXPECT_FALSE(::IsWindow(menu));
}

TEST_F(GameMenuFixture, AnItemWithChildrenOpensThemInsteadOfPicking)
{
    items.push_back(MakeMenuExItem(2, 30, u"Sub"));
    ASSERT_EQ(Open(items), 1);
    HWND menu = GetMenuExWindow();
    ::SendMessageW(menu, WM_MOUSEMOVE, 0, Row(1));
    ::SendMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, Row(1));
    ::SendMessageW(menu, WM_LBUTTONUP, 0, Row(1));
    EXPECT_EQ(parent.Count(WM_MENUEX_PICK), 0);
    EXPECT_TRUE(IsMenuExOpen());
    // The sub-menu is owned by the top level.
    HWND sub = nullptr;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetWindow(w, GW_OWNER) == menu && ::IsWindowVisible(w))
            sub = w;
    ASSERT_NE(sub, nullptr);
    ::SendMessageW(sub, WM_LBUTTONDOWN, MK_LBUTTON, Row(0));
    ::SendMessageW(sub, WM_LBUTTONUP, 0, Row(0));
    ASSERT_EQ(parent.Count(WM_MENUEX_PICK), 1);
    EXPECT_EQ(parent.received.back().lp, 30);
    EXPECT_FALSE(::IsWindow(sub));
}

TEST_F(GameMenuFixture, NothingToShowOpensNothing)
{
    EXPECT_EQ(Open({}), 0);
    EXPECT_EQ(Open({MakeMenuExItem(5, 1, u"orphan")}), 0);
    EXPECT_FALSE(IsMenuExOpen());
}

} // namespace
} // namespace k47
