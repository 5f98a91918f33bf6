// SPDX-License-Identifier: MIT
#include "pages/info_dlg.h"

#include "config/chinese_ui.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace k47 {
namespace {

// The message dialog with a look at what it built, then a scripted ending.
class CProbeInfoDlg : public CInfoDlg {
public:
    enum class End { Close, CloseCross, Ok, Cancel };
    End end = End::Close;
    std::wstring title;
    SIZE size{};
    std::vector<RECT> buttons; // in creation order: close, OK, Cancel

protected:
    BOOL OnInitDialog() override
    {
        const BOOL r = CInfoDlg::OnInitDialog();
        title = GetWindowText();
        const RECT wr = GetWindowRect();
        size = SIZE{wr.right - wr.left, wr.bottom - wr.top};
        std::vector<HWND> children;
        for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
            children.push_back(c);
        for (HWND c : children) {
            RECT rc{};
            ::GetWindowRect(c, &rc);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
            buttons.push_back(rc);
        }
        switch (end) {
        case End::Close:
            PostMessage(WM_CLOSE);
            break;
        case End::CloseCross:
            PostMessage(WM_COMMAND, 0, reinterpret_cast<LPARAM>(children.at(0)));
            break;
        case End::Ok:
            PostMessage(WM_COMMAND, 0, reinterpret_cast<LPARAM>(children.at(1)));
            break;
        case End::Cancel:
            PostMessage(WM_COMMAND, 0, reinterpret_cast<LPARAM>(children.at(2)));
            break;
        }
        return r;
    }
};

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(CInfoDlg, InformationModeHasOneButtonQuestionModeTwo)
{
    struct Case {
        int mode;
        std::vector<RECT> buttons;
    } cases[] = {
        {0, {{300, 0, 329, 29}, {240, 127, 306, 159}}},
        {1, {{300, 0, 329, 29}, {178, 127, 244, 159}, {245, 127, 311, 159}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        CProbeInfoDlg dlg;
        dlg.m_nMode = c.mode;
        dlg.m_strMessage = L"message";
        EXPECT_EQ(dlg.DoModal(), 2);
        EXPECT_EQ(dlg.title, L"OrvekK470InfoDlg");
        EXPECT_EQ(dlg.size.cx, 330);
        EXPECT_EQ(dlg.size.cy, 160);
        ASSERT_EQ(dlg.buttons.size(), c.buttons.size());
        for (size_t i = 0; i < c.buttons.size(); ++i)
            EXPECT_TRUE(Same(dlg.buttons[i], c.buttons[i])) << "button " << i;
    }
}

TEST(CInfoDlg, OkGivesOneEverythingElseTwo)
{
    struct Case {
        int mode;
        CProbeInfoDlg::End end;
        INT_PTR want;
    } cases[] = {
        {0, CProbeInfoDlg::End::Ok, 1},         {0, CProbeInfoDlg::End::CloseCross, 2},
        {1, CProbeInfoDlg::End::Ok, 1},         {1, CProbeInfoDlg::End::Cancel, 2},
        {1, CProbeInfoDlg::End::CloseCross, 2}, {1, CProbeInfoDlg::End::Close, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << static_cast<int>(c.end));
        CProbeInfoDlg dlg;
        dlg.m_nMode = c.mode;
        dlg.end = c.end;
        EXPECT_EQ(dlg.DoModal(), c.want);
    }
}

TEST(CInfoDlg, AutoCloseEndsWithTwoAfterTheCountdown)
{
    CInfoDlg dlg;
    dlg.m_strMessage = L"found";
    dlg.m_bAutoClose = 1;
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(dlg.DoModal(), 2);
    EXPECT_GE(::GetTickCount() - start, 4000u) << "five one-second ticks";
}

} // namespace
} // namespace k47
