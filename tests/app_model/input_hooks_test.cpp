// SPDX-License-Identifier: MIT
#include "app/model/input_hooks.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/message_box.h"
#include "config/seams.h"
#include "config/window_messages.h"

namespace k47 {
namespace {

struct RecordingMessages : IMessageBox {
    std::vector<std::pair<Text, Text>> boxes;
    int ShowInfoMessage(TextView, int) override { return 1; }
    void ShowPlatformMessage(TextView text, TextView caption) override
    {
        boxes.emplace_back(Text(text), Text(caption));
    }
};

class InputHooksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearMouseFilter();
        g_SwallowUp = 0;
        g_ForwardKeys = 0;
        g_ForwardMouse = 0;
    }
    void TearDown() override { SetUp(); }
};

constexpr std::uint32_t kWheelAway = 0x00780000;
constexpr std::uint32_t kWheelTowards = 0xFF880000;

TEST_F(InputHooksTest, AFilteredSideButtonIsSwallowedWithItsRelease)
{
    ASSERT_TRUE(AddMouseFilter(0x1020B));
    HookVerdict press = DecideMouseEvent(mouse_msg::kXButtonDown, 0x10000);
    EXPECT_TRUE(press.swallow);
    ASSERT_EQ(press.postCount, 1u);
    EXPECT_EQ(press.posts[0].message, WM_HOOK_BUTTON);
    EXPECT_EQ(press.posts[0].wParam, 0x1020Bu);
    EXPECT_EQ(g_SwallowUp, mouse_msg::kXButtonUp);

    EXPECT_TRUE(DecideMouseEvent(mouse_msg::kXButtonUp, 0x10000).swallow);
    EXPECT_EQ(g_SwallowUp, 0u);

    // The next press of another button passes.
    HookVerdict left = DecideMouseEvent(mouse_msg::kLButtonDown, 0);
    EXPECT_FALSE(left.swallow);
    EXPECT_FALSE(DecideMouseEvent(mouse_msg::kLButtonDown + 1, 0).swallow);
    // The other side button is not in the filter.
    EXPECT_FALSE(DecideMouseEvent(mouse_msg::kXButtonDown, 0x20000).swallow);
}

TEST_F(InputHooksTest, EveryPressAndNotchIsReported)
{
    struct Case {
        std::uint32_t m, data, code;
    } cases[] = {
        {mouse_msg::kLButtonDown, 0, 0x201},      {mouse_msg::kRButtonDown, 0, 0x204},
        {mouse_msg::kMButtonDown, 0, 0x207},      {mouse_msg::kXButtonDown, 0x20000, 0x2020B},
        {mouse_msg::kWheel, kWheelAway, 0x20A01}, {mouse_msg::kWheel, kWheelTowards, 0x20A00},
        {mouse_msg::kWheel, 0, 0x20A01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        HookVerdict v = DecideMouseEvent(c.m, c.data);
        EXPECT_FALSE(v.swallow);
        ASSERT_EQ(v.postCount, 1u);
        EXPECT_EQ(v.posts[0].message, WM_HOOK_BUTTON);
        EXPECT_EQ(v.posts[0].wParam, c.code);
        EXPECT_EQ(v.posts[0].lParam, 0u);
    }
    EXPECT_EQ(DecideMouseEvent(mouse_msg::kMove, 0).postCount, 0u);
}

TEST_F(InputHooksTest, AFilteredWheelNotchIsSwallowedAlone)
{
    AddMouseFilter(0x20A00);
    EXPECT_TRUE(DecideMouseEvent(mouse_msg::kWheel, kWheelTowards).swallow);
    EXPECT_EQ(g_SwallowUp, 0u);
    EXPECT_FALSE(DecideMouseEvent(mouse_msg::kWheel, kWheelAway).swallow);
}

TEST_F(InputHooksTest, ForwardedMouseCodesCarryTheSideButton)
{
    g_ForwardMouse = 1;
    struct Case {
        std::uint32_t m, data, forwarded;
    } cases[] = {
        {mouse_msg::kLButtonDown, 0, 0x201},
        {mouse_msg::kLButtonDown + 1, 0, 0x202},
        {mouse_msg::kXButtonUp, 0x20000, 0x2020C},
        {mouse_msg::kWheel, kWheelTowards, 0x20A00},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.forwarded);
        HookVerdict v = DecideMouseEvent(c.m, c.data);
        const HookPost& last = v.posts[v.postCount - 1];
        EXPECT_EQ(last.message, WM_HOOK_INPUT);
        EXPECT_EQ(last.wParam, c.forwarded);
    }
    EXPECT_EQ(DecideMouseEvent(mouse_msg::kMove, 0).postCount, 0u);

    // A swallowed press is not forwarded.
    AddMouseFilter(0x201);
    HookVerdict v = DecideMouseEvent(mouse_msg::kLButtonDown, 0);
    EXPECT_TRUE(v.swallow);
    EXPECT_EQ(v.postCount, 1u);
}

TEST_F(InputHooksTest, KeysAreForwardedOnlyWhenAskedAndNeverSwallowed)
{
    EXPECT_EQ(DecideKeyEvent(0x41, 0).postCount, 0u);
    g_ForwardKeys = 1;
    HookVerdict down = DecideKeyEvent(0x41, 0x00);
    HookVerdict up = DecideKeyEvent(0x41, 0x80);
    EXPECT_FALSE(down.swallow || up.swallow);
    ASSERT_EQ(up.postCount, 1u);
    EXPECT_EQ(up.posts[0].message, WM_HOOK_INPUT);
    EXPECT_EQ(up.posts[0].wParam, 0x41u);
    EXPECT_EQ(up.posts[0].lParam & 0x80, 0x80u);
    EXPECT_EQ(down.posts[0].lParam & 0x80, 0u);
}

TEST_F(InputHooksTest, TheFilterHoldsTwelveDistinctCodes)
{
    RecordingMessages messages;
    ScopedSeam<IMessageBox> seam(&Seams::messages, &messages);
    EXPECT_TRUE(AddMouseFilter(0x201));
    EXPECT_TRUE(AddMouseFilter(0x201));
    int used = 0;
    for (const auto& e : g_MouseFilter)
        used += e.load() != 0;
    EXPECT_EQ(used, 1);
    for (std::uint32_t code = 1; code < 12; ++code)
        EXPECT_TRUE(AddMouseFilter(0x1000 + code));
    EXPECT_FALSE(AddMouseFilter(0x2020B));
    EXPECT_FALSE(IsInMouseFilter(0x2020B));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].first, u"Error");
    EXPECT_EQ(messages.boxes[0].second, u"Mouse filter buffer is full!");
}

} // namespace
} // namespace k47
