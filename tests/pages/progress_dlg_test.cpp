// SPDX-License-Identifier: MIT
#include "pages/progress_dlg.h"

#include "config/window_messages.h"

#include <gtest/gtest.h>

#include <thread>

namespace k47 {
namespace {

TEST(CProgressDlg, SwallowsTheKeysThatWouldEndIt)
{
    CProgressDlg dlg;
    struct Case {
        UINT msg;
        WPARAM key;
        bool swallowed;
    } cases[] = {
        {WM_KEYDOWN, VK_RETURN, true}, {WM_KEYUP, VK_RETURN, true},  {WM_KEYDOWN, VK_ESCAPE, true},
        {WM_KEYUP, VK_ESCAPE, true},   {WM_KEYDOWN, VK_SPACE, true}, {WM_KEYUP, VK_SPACE, true},
        {WM_SYSKEYDOWN, VK_F4, true},  {WM_KEYDOWN, 'A', false},     {WM_SYSKEYDOWN, 'A', false},
        {WM_KEYDOWN, VK_F4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.msg << " " << c.key);
        MSG msg{nullptr, c.msg, c.key, 0, 0, {0, 0}};
        EXPECT_EQ(dlg.PreTranslateMessage(msg), c.swallowed);
    }
}

TEST(CProgressDlg, FollowsTheTransferAndEndsOnItsClose)
{
    CProgressDlg dlg;
    std::thread transfer([&dlg] {
        for (int i = 0; i < 1000 && !::IsWindowVisible(dlg.GetSafeHwnd()); ++i)
            ::Sleep(10);
        HWND wnd = dlg.GetSafeHwnd();
        for (WPARAM v : {WPARAM(0), WPARAM(50), WPARAM(100), WPARAM(101)})
            ::PostMessageW(wnd, WM_SET_PROGRESS, v, 0);
        ::PostMessageW(wnd, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(dlg.DoModal(), 2);
    transfer.join();
    EXPECT_EQ(dlg.m_nLastValue, 101);
}

} // namespace
} // namespace k47
