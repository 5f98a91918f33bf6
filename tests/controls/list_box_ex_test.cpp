// SPDX-License-Identifier: MIT
#include "controls/list_box_ex.h"

#include "config/window_messages.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

constexpr UINT kId = 4100;

struct ListFixture : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create());
        ASSERT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, RECT{10, 10, 210, 130}, parent, kId));
        list.m_nItemHeight = 18;
        PumpPending();
        parent.received.clear();
    }
    HWND RenameBox() const { return ::FindWindowExW(list, nullptr, L"EDIT", nullptr); }
    CTestParent parent;
    CListBoxEx list;
};

TEST_F(ListFixture, AdditionsSelectTheNewEntryAndKeepTheKindBesideTheValue)
{
    EXPECT_EQ(list.AddItem(0, L"plain", 0x12345678u), 0);
    EXPECT_EQ(list.AddItem(3, L"down", 7), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetItemData(0), 0x12345678u);
    EXPECT_EQ(list.GetItemData(1), 0x03000007u);
    EXPECT_EQ(list.GetItemValue(1), 7u);
    EXPECT_EQ(list.InsertItem(0, 2, L"up", 5), 0);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.GetItemData(0), 0x02000005u);
    EXPECT_EQ(list.ReplaceItem(2, 0, L"replaced", 9), 2);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetText(2), L"replaced");
    EXPECT_EQ(list.GetItemData(2), 9u);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.ReplaceItem(7, 0, L"none", 1), -1);
    EXPECT_EQ(list.GetItemRect(0).bottom - list.GetItemRect(0).top, 18);
}

TEST_F(ListFixture, EnterCommitsTheRenameKeepingTheDataAndTellsTheParent)
{
    list.AddItem(0, L"first", 1);
    list.AddItem(4, L"step", 2, true);
    ASSERT_TRUE(list.IsRenaming());
    HWND box = RenameBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(::SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 20);
    ::SetWindowTextW(box, L"Renamed");
    ::SendMessageW(box, WM_KEYUP, VK_RETURN, 0);
    EXPECT_FALSE(list.IsRenaming());
    EXPECT_EQ(list.GetText(1), L"Renamed");
    EXPECT_EQ(list.GetItemData(1), 0x04000002u);
    EXPECT_EQ(list.GetCurSel(), 1);
    ASSERT_TRUE(PumpUntil([&] { return parent.Count(WM_LIST_ITEM_EDITED) == 1; }));
    EXPECT_EQ(parent.received.back().wp, kId);
    EXPECT_EQ(parent.received.back().lp, 1);
    EXPECT_FALSE(::IsWindow(box));
}

TEST_F(ListFixture, EscapeCancelsWithoutATrace)
{
    list.AddItem(0, L"keep", 1, true);
    HWND box = RenameBox();
    ASSERT_NE(box, nullptr);
    ::SetWindowTextW(box, L"lost");
    ::SendMessageW(box, WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_FALSE(list.IsRenaming());
    EXPECT_EQ(list.GetText(0), L"keep");
    EXPECT_EQ(list.GetCurSel(), 0);
    PumpPending();
    EXPECT_EQ(parent.Count(WM_LIST_ITEM_EDITED), 0);
    // A new entry closes an open rename without a notification.
    list.AddItem(0, L"other", 2, true);
    list.AddItem(0, L"third", 3);
    EXPECT_FALSE(list.IsRenaming());
    PumpPending();
    EXPECT_EQ(parent.Count(WM_LIST_ITEM_EDITED), 0);
}

TEST_F(ListFixture, DoubleClickRenamesOnlyWhenAllowed)
{
    list.AddItem(0, L"entry", 1);
    const LPARAM onEntry = MAKELPARAM(20, 8);
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, onEntry);
    list.SendMessage(WM_LBUTTONUP, 0, onEntry);
    EXPECT_FALSE(list.IsRenaming());
    list.m_bRename = TRUE;
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, onEntry);
    list.SendMessage(WM_LBUTTONUP, 0, onEntry);
    EXPECT_TRUE(list.IsRenaming());
}

} // namespace
} // namespace k47
