// SPDX-License-Identifier: MIT
#include "app/input_hooks.h"

#include "app/model/input_hooks.h"

namespace k47 {

HHOOK g_hKeyboardHook = nullptr;
HHOOK g_hMouseHook = nullptr;
HWND g_hHookTarget = nullptr;

namespace {

// Posts the verdict's messages; true when the event ends here.
bool Carry(const HookVerdict& verdict)
{
    for (std::size_t i = 0; i < verdict.postCount; ++i) {
        const HookPost& p = verdict.posts[i];
        ::PostMessageW(g_hHookTarget, p.message, WPARAM(p.wParam), LPARAM(p.lParam));
    }
    return verdict.swallow;
}

} // namespace

bool InstallHooks(HWND target)
{
    g_hHookTarget = target;
    HINSTANCE module = ::GetModuleHandleW(nullptr);
    g_hKeyboardHook = ::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProc, module, 0);
    g_hMouseHook = ::SetWindowsHookExW(WH_MOUSE_LL, MouseHookProc, module, 0);
    return g_hKeyboardHook != nullptr && g_hMouseHook != nullptr;
}

void RemoveHooks()
{
    if (g_hKeyboardHook)
        ::UnhookWindowsHookEx(g_hKeyboardHook);
    if (g_hMouseHook)
        ::UnhookWindowsHookEx(g_hMouseHook);
    g_hKeyboardHook = nullptr;
    g_hMouseHook = nullptr;
}

// Runs for every mouse event of the desktop: it compares, posts and returns,
// and never waits.
LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (Carry(DecideMouseEvent(std::uint32_t(wParam), std::uint32_t(event->mouseData))))
            return 1;
    }
    return ::CallNextHookEx(g_hMouseHook, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        Carry(DecideKeyEvent(std::uint32_t(event->vkCode), std::uint32_t(event->flags)));
    }
    return ::CallNextHookEx(g_hKeyboardHook, code, wParam, lParam);
}

} // namespace k47
