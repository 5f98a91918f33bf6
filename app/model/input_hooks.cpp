// SPDX-License-Identifier: MIT
#include "app/model/input_hooks.h"

#include "config/message_box.h"
#include "config/seams.h"
#include "config/window_messages.h"

namespace k47 {

std::array<std::atomic<std::uint32_t>, kMouseFilterEntries> g_MouseFilter{};
std::uint32_t g_SwallowUp = 0;
std::uint32_t g_ForwardKeys = 0;
std::uint32_t g_ForwardMouse = 0;

bool IsInMouseFilter(std::uint32_t code)
{
    for (const auto& entry : g_MouseFilter) {
        if (entry.load(std::memory_order_relaxed) == code)
            return true;
    }
    return false;
}

bool AddMouseFilter(std::uint32_t code)
{
    if (IsInMouseFilter(code))
        return true;
    for (auto& entry : g_MouseFilter) {
        if (entry.load(std::memory_order_relaxed) == 0) {
            entry.store(code, std::memory_order_relaxed);
            return true;
        }
    }
    if (IMessageBox* messages = ProcessSeams().messages)
        messages->ShowPlatformMessage(u"Error", u"Mouse filter buffer is full!");
    return false;
}

void ClearMouseFilter()
{
    for (auto& entry : g_MouseFilter)
        entry.store(0, std::memory_order_relaxed);
}

namespace {

void Post(HookVerdict& v, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam = 0)
{
    v.posts[v.postCount++] = HookPost{message, wParam, lParam};
}

std::uint32_t WheelCode(std::uint32_t mouseData)
{
    return std::int32_t(mouseData) < 0 ? 0x20A00 : 0x20A01;
}

} // namespace

HookVerdict DecideMouseEvent(std::uint32_t m, std::uint32_t mouseData)
{
    using namespace mouse_msg;
    HookVerdict v;
    if (m == kLButtonDown || m == kRButtonDown || m == kMButtonDown || m == kXButtonDown) {
        const std::uint32_t code = m == kXButtonDown ? m + mouseData : m;
        Post(v, WM_HOOK_BUTTON, code);
        if (IsInMouseFilter(code)) {
            g_SwallowUp = m == kXButtonDown ? kXButtonUp : m + 1;
            v.swallow = true;
            return v;
        }
    } else if (m == kWheel) {
        const std::uint32_t code = WheelCode(mouseData);
        Post(v, WM_HOOK_BUTTON, code);
        if (IsInMouseFilter(code)) {
            v.swallow = true;
            return v;
        }
    }
    if (g_SwallowUp != 0 && m == g_SwallowUp) {
        g_SwallowUp = 0;
        v.swallow = true;
        return v;
    }
    if (g_ForwardMouse && m != kMove)
        Post(v, WM_HOOK_INPUT, m == kWheel ? WheelCode(mouseData) : m + mouseData);
    return v;
}

HookVerdict DecideKeyEvent(std::uint32_t virtualKey, std::uint32_t flags)
{
    HookVerdict v;
    if (g_ForwardKeys)
        Post(v, WM_HOOK_INPUT, virtualKey, flags);
    return v;
}

} // namespace k47
