// SPDX-License-Identifier: MIT
#pragma once
// What the global mouse and keyboard hooks do with each event, decided apart
// from the hook procedures so that it runs and is tested anywhere. The state
// is process-wide: the transfer worker fills the filter, the pages switch the
// forwarding, the hook procedures on the user-interface thread read them.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace k47 {

constexpr std::size_t kMouseFilterEntries = 12;

// Filter codes of the buttons whose presses the PC handles itself; 0 is free.
// Atomic entries: the worker writes them while the hook reads them.
extern std::array<std::atomic<std::uint32_t>, kMouseFilterEntries> g_MouseFilter;
// The mouse message of the release still to be swallowed, 0 when none.
extern std::uint32_t g_SwallowUp;
// 1: forward key events, or mouse events, to the main window as WM_HOOK_INPUT.
extern std::uint32_t g_ForwardKeys;
extern std::uint32_t g_ForwardMouse;

// Adds a filter code once. A full filter raises the platform message box and
// gives false.
bool AddMouseFilter(std::uint32_t code);
bool IsInMouseFilter(std::uint32_t code);
void ClearMouseFilter();

// Mouse messages the hook tells apart.
namespace mouse_msg {
constexpr std::uint32_t kMove = 0x200;
constexpr std::uint32_t kLButtonDown = 0x201;
constexpr std::uint32_t kRButtonDown = 0x204;
constexpr std::uint32_t kMButtonDown = 0x207;
constexpr std::uint32_t kWheel = 0x20A;
constexpr std::uint32_t kXButtonDown = 0x20B;
constexpr std::uint32_t kXButtonUp = 0x20C;
} // namespace mouse_msg

// A message for the main window.
struct HookPost {
    std::uint32_t message = 0;
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
};

struct HookVerdict {
    bool swallow = false; // true: end the event here, no other program sees it
    std::size_t postCount = 0;
    std::array<HookPost, 2> posts{};
};

// One low-level mouse event: m the message, mouseData the event's mouse-data
// word (wheel delta or side button in the high word). Updates g_SwallowUp.
HookVerdict DecideMouseEvent(std::uint32_t m, std::uint32_t mouseData);

// One low-level key event: the virtual key and the flag word. Never swallows.
HookVerdict DecideKeyEvent(std::uint32_t virtualKey, std::uint32_t flags);

} // namespace k47
