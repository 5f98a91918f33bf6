// SPDX-License-Identifier: MIT
#include "controls/skin_scroll_wnd.h"

#include "controls/list_box_ex.h"
#include "framework/window_test_support.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

std::wstring Title(HWND wnd)
{
    wchar_t buf[64] = {};
    ::GetWindowTextW(wnd, buf, 64);
    return buf;
}

struct FrameFixture : ::testing::Test {
    void SetUp() override
    {
        skin.Attach(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                      MAKEINTRESOURCEW(IDB_SCROLL_SKIN),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ASSERT_TRUE(skin);
        ASSERT_TRUE(parent.Create());
        ASSERT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, RECT{10, 10, 210, 120}, parent, 77));
        list.m_nItemHeight = 18;
        for (int i = 0; i < 30; ++i)
            list.AddItem(0, L"entry", static_cast<std::uint32_t>(i));
        list.SetCurSel(0);
        list.SetTopIndex(0);
    }
    CBitmap skin;
    CTestParent parent;
    CListBoxEx list;
};

TEST_F(FrameFixture, TakesTheListOverAndFollowsItsScrollState)
{
    CSkinScrollWnd* frame = SkinWndScroll(list, skin);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(CSkinScrollWnd::FromTarget(list), frame);
    EXPECT_EQ(Title(*frame), L"SkinScrollBarFrame");
    EXPECT_EQ(frame->GetDlgCtrlID(), 77);
    EXPECT_EQ(Title(list.GetParent()), L"LIMIT");
    EXPECT_EQ(::GetParent(list.GetParent()), frame->GetSafeHwnd());
    PumpPending();
    ASSERT_TRUE(::IsWindowVisible(frame->m_sbVert));
    EXPECT_FALSE(::IsWindowVisible(frame->m_sbHorz));
    const RECT bar = frame->m_sbVert.GetWindowRect();
    EXPECT_EQ(bar.right - bar.left, 18);
    EXPECT_EQ(frame->m_sbVert.GetInfo().nMax, 29);
    EXPECT_EQ(frame->m_sbVert.GetInfo().nPage, 6u);

    // A request from the bar scrolls the list, and the bar follows.
    ::SendMessageW(*frame, WM_VSCROLL, SB_LINEDOWN,
                   reinterpret_cast<LPARAM>(frame->m_sbVert.GetSafeHwnd()));
    EXPECT_EQ(list.GetTopIndex(), 1);
    EXPECT_EQ(frame->m_sbVert.GetInfo().nPos, 1);
    ::SendMessageW(*frame, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20),
                   reinterpret_cast<LPARAM>(frame->m_sbVert.GetSafeHwnd()));
    EXPECT_EQ(list.GetTopIndex(), 20);
    // The list's own scrolling reaches the bar.
    list.SetTopIndex(3);
    EXPECT_TRUE(PumpUntil([&] { return frame->m_sbVert.GetInfo().nPos == 3; }));

    // The frame goes with the list.
    HWND frameWnd = *frame;
    list.DestroyWindow();
    EXPECT_FALSE(::IsWindow(frameWnd));
}

TEST_F(FrameFixture, BarKeepsItsOwnStateWithinTheRange)
{
    CSkinScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, RECT{0, 0, 30, 110}, parent, 5));
    bar.SetSkin(skin);
    EXPECT_EQ(bar.CellSize(), 18);
    EXPECT_EQ(bar.GetWindowRect().right - bar.GetWindowRect().left, 18);
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 29, 5, 99, 0};
    bar.SendMessage(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
    SCROLLINFO out{sizeof(out), SIF_ALL, 0, 0, 0, 0, 0};
    bar.SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&out));
    EXPECT_EQ(out.nMax, 29);
    EXPECT_EQ(out.nPage, 5u);
    EXPECT_EQ(out.nPos, 25) << "max - page + 1";
    EXPECT_EQ(out.nTrackPos, -1);
}

} // namespace
} // namespace k47
