// SPDX-License-Identifier: MIT
#include "controls/bitmap_edit.h"

#include "config/window_messages.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

constexpr UINT kId = 42;

struct EditFixture : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(parent.Create()); }
    void Make(DWORD extraStyle, int minimum, int maximum)
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | extraStyle,
                                RECT{10, 10, 70, 30}, parent, kId));
        edit.m_nMin = minimum;
        edit.m_nMax = maximum;
        PumpPending();
        parent.received.clear();
    }
    int Changes()
    {
        PumpPending();
        const int n = parent.Count(WM_EDIT_CHANGED);
        parent.received.clear();
        return n;
    }
    CTestParent parent;
    CBitmapEdit edit;
};

TEST_F(EditFixture, ANumberBoxPutsTheLimitInPlaceOfAnOutOfRangeValue)
{
    Make(ES_NUMBER, 1, 30);
    struct Case {
        const wchar_t* typed;
        const wchar_t* shown;
        int changes;
    } cases[] = {
        {L"12", L"12", 1}, {L"45", L"30", 2}, {L"", L"1", 2}, {L"0", L"1", 2}, {L"30", L"30", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "typed " << c.changes);
        edit.SetWindowText(c.typed);
        EXPECT_EQ(edit.GetWindowText(), c.shown);
        EXPECT_EQ(Changes(), c.changes);
    }
}

TEST_F(EditFixture, ANegativeNumberCountsAsHugeAndBecomesTheMaximum)
{
    Make(ES_NUMBER, 0, 255);
    edit.SetWindowText(L"-5");
    EXPECT_EQ(edit.GetWindowText(), L"255");
}

TEST_F(EditFixture, ATextBoxIsNeverChangedButReportsEveryChange)
{
    Make(0, 1, 30);
    edit.SetWindowText(L"hello");
    EXPECT_EQ(edit.GetWindowText(), L"hello");
    edit.SetWindowText(L"99");
    EXPECT_EQ(edit.GetWindowText(), L"99");
    PumpPending();
    ASSERT_EQ(parent.Count(WM_EDIT_CHANGED), 2);
    EXPECT_EQ(parent.received[0].wp, reinterpret_cast<WPARAM>(edit.GetSafeHwnd()));
    EXPECT_EQ(parent.received[0].lp, static_cast<LPARAM>(kId));
}

TEST_F(EditFixture, LosesItsBorderAndTabStopAndLimitsTheText)
{
    Make(ES_NUMBER | WS_BORDER | WS_TABSTOP, 0, 10);
    EXPECT_EQ(edit.GetStyle() & (WS_BORDER | WS_TABSTOP), 0);
    EXPECT_EQ(edit.SendMessage(EM_GETLIMITTEXT), 256);
}

} // namespace
} // namespace k47
