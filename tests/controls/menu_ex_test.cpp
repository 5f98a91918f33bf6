// SPDX-License-Identifier: MIT
#include "controls/menu_ex_a.h"

#include "config/window_messages.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

struct LanguageMenuFixture : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create());
        menu = new CMenuExA;
        ASSERT_TRUE(menu->LoadBackground());
        ASSERT_TRUE(menu->Create(parent, RECT{50, 40, 166, 313}));
        wnd = *menu;
        PumpPending();
        parent.received.clear();
    }
    void TearDown() override
    {
        if (::IsWindow(wnd))
            ::DestroyWindow(wnd);
    }
    int Selected(LPARAM lp) const
    {
        int n = 0;
        for (const auto& m : parent.received)
            n += m.msg == WM_SELECT_LANGUAGE && m.wp == 0 && m.lp == lp;
        return n;
    }
    CTestParent parent;
    CMenuExA* menu = nullptr;
    HWND wnd = nullptr;
};

TEST_F(LanguageMenuFixture, TwelveLanguagesWithPicturesIn116By273)
{
    const RECT wr = menu->GetWindowRect();
    EXPECT_EQ(wr.right - wr.left, 116);
    EXPECT_EQ(wr.bottom - wr.top, 273);
    EXPECT_EQ(wr.left, 50);
    EXPECT_EQ(wr.top, 40);
    ASSERT_EQ(menu->Items().size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(menu->Items()[i].nValue, static_cast<int>(i) + 1);
        EXPECT_EQ(menu->Items()[i].nImageWidth, 19);
        EXPECT_EQ(menu->Items()[i].nImageHeight, 11);
    }
    EXPECT_EQ(menu->Items()[1].strText, L"English");
    EXPECT_TRUE(::GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(menu->m_nNotifyMessage, WM_SELECT_LANGUAGE);
}

TEST_F(LanguageMenuFixture, AClickSendsTheIndexAndTheMenuStays)
{
    ::SendMessageW(wnd, WM_MOUSEMOVE, 0, At(50, 61)); // French
    EXPECT_EQ(menu->GetHover(), 2);
    ::SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 61));
    ::SendMessageW(wnd, WM_LBUTTONUP, 0, At(52, 63));
    EXPECT_EQ(Selected(3), 1);
    EXPECT_TRUE(::IsWindow(wnd));
}

TEST_F(LanguageMenuFixture, ReleasedOffTheItemSendsNothing)
{
    ::SendMessageW(wnd, WM_MOUSEMOVE, 0, At(50, 17));
    ::SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 17));
    ::SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, At(50, 61));
    EXPECT_EQ(menu->GetHover(), 0) << "no hover while pressed";
    ::SendMessageW(wnd, WM_LBUTTONUP, 0, At(50, 61));
    EXPECT_EQ(menu->GetHover(), -1);
    EXPECT_TRUE(parent.received.empty());
}

TEST_F(LanguageMenuFixture, ClosingTellsTheParentWithZeroAndEndsTheObject)
{
    ::PostMessageW(wnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(wnd); }));
    EXPECT_EQ(Selected(0), 1);
}

TEST(MenuEx, AnItemWithoutItsPictureHasNone)
{
    auto* menu = new CMenuEx;
    EXPECT_EQ(menu->AddItem(L"none", 9999, 5), 1);
    EXPECT_EQ(menu->AddSeparator(), 2);
    EXPECT_FALSE(menu->Items()[0].pImage);
    EXPECT_EQ(menu->Items()[1].rcItem.top, 30);
    delete menu; // never created, so nothing deletes it
}

} // namespace
} // namespace k47
