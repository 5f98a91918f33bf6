// SPDX-License-Identifier: MIT
#include "controls/gdi_bitmap_btn.h"

#include "config/window_messages.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(CGDIBitmapBtn, SelfToggleFlipsTheMarkAndNotifiesThePressAndRelease)
{
    CTestParent parent;
    ASSERT_TRUE(parent.Create());
    CGDIBitmapBtn button;
    ASSERT_TRUE(button.Create(parent, RECT{10, 10, 76, 42}));
    button.m_bSelfToggle = TRUE;
    button.m_bCheckMode = TRUE;
    button.m_bMouseNotify = TRUE;
    for (BOOL want : {TRUE, FALSE}) {
        parent.received.clear();
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_EQ(button.m_bMark, want);
        button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PumpPending();
        ASSERT_EQ(parent.Count(WM_BUTTON_MOUSE), 2);
        EXPECT_EQ(parent.received[0].wp, static_cast<WPARAM>(WM_LBUTTONDOWN));
        EXPECT_EQ(parent.received[1].wp, static_cast<WPARAM>(WM_LBUTTONUP));
        EXPECT_EQ(parent.received[0].lp, reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
    }
}

TEST(CGDIBitmapBtn, CutsItsFacesAndDropsBorderAndTabStop)
{
    CTestParent parent;
    ASSERT_TRUE(parent.Create());
    CGDIBitmapBtn button;
    ASSERT_TRUE(button.Create(parent, RECT{10, 10, 76, 42}));
    EXPECT_EQ(button.GetDlgCtrlID(), 0);
    EXPECT_EQ(button.GetStyle() & WS_TABSTOP, 0);
    button.ModifyStyle(0, WS_BORDER | WS_TABSTOP);
    CClientDC dc(parent);
    CBitmap page(::CreateCompatibleBitmap(dc, 200, 100));
    button.SetPageBitmaps(page, nullptr, page, page, 10, 10, 76, 42);
    EXPECT_EQ(button.GetStyle() & (WS_BORDER | WS_TABSTOP), 0);
    button.RedrawNow();
}

} // namespace
} // namespace k47
