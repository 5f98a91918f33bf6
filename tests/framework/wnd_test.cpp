// SPDX-License-Identifier: MIT
#include "framework/button.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace k47 {
namespace {

constexpr UINT kThrow = WM_USER + 5;
constexpr UINT kAnswer = WM_USER + 6;

class CProbeWnd : public CWnd {
public:
    int destroyed = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == kThrow)
            throw std::runtime_error("handler failed");
        if (msg == kAnswer)
            return 42;
        return CWnd::WndProc(msg, wp, lp);
    }
    void PostNcDestroy() override { ++destroyed; }
};

class COwnerDrawn : public CButton {
public:
    int draws = 0;
    UINT lastType = 0;

protected:
    void DrawItem(const DRAWITEMSTRUCT& dis) override
    {
        ++draws;
        lastType = dis.CtlType;
    }
};

TEST(CWnd, FindsItsObjectFromTheWindowUntilTheWindowGoes)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"probe", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    HWND h = wnd.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandle(h), &wnd);
    EXPECT_EQ(wnd.SendMessage(kAnswer), 42);
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(wnd.destroyed, 1);
    EXPECT_EQ(CWnd::FromHandle(h), nullptr);
    EXPECT_EQ(CWnd::FromHandle(::GetDesktopWindow()), nullptr);
}

TEST(CWnd, AnExceptionInAHandlerStaysInsideTheWindowProcedure)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"probe", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    EXPECT_EQ(wnd.SendMessage(kThrow), 0);
    EXPECT_EQ(wnd.SendMessage(kAnswer), 42) << "the window still works";
}

TEST(CWnd, SubclassedControlsPaintThemselvesThroughReflection)
{
    CTestParent parent;
    ASSERT_TRUE(parent.Create());
    COwnerDrawn button;
    ASSERT_TRUE(
        button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{10, 10, 80, 40}, parent, 0));
    EXPECT_EQ(CWnd::FromHandle(button), &button);
    button.RedrawNow();
    EXPECT_GE(button.draws, 1);
    EXPECT_EQ(button.lastType, static_cast<UINT>(ODT_BUTTON));
    // The object lets go of a control destroyed with its parent.
    parent.DestroyWindow();
    EXPECT_EQ(button.GetSafeHwnd(), nullptr);
}

} // namespace
} // namespace k47
