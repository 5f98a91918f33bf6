// SPDX-License-Identifier: MIT
#pragma once
// The window messages that cross parts of the program, all in the WM_USER
// range, each with one meaning everywhere. Plain numbers, so portable code and
// tests can name them without the platform headers.

#include <cstdint>

namespace k47 {

constexpr std::uint32_t kWmUser = 0x0400;

// Language menu, main window -> main window; lParam the language index.
constexpr std::uint32_t WM_SELECT_LANGUAGE = kWmUser + 1;
// Hooks -> main window -> capturing page; a forwarded key or mouse event.
constexpr std::uint32_t WM_HOOK_INPUT = kWmUser + 10;
// Transfer worker -> progress dialog; wParam the progress 0-100, lParam 0.
constexpr std::uint32_t WM_SET_PROGRESS = kWmUser + 43;
// Skinned list box -> its target; the selection changed.
constexpr std::uint32_t WM_LIST_ITEM_CLICK = kWmUser + 101;
// Tray icon, second instance -> main window; lParam the mouse message.
constexpr std::uint32_t WM_TRAY_NOTIFY = kWmUser + 108;
// Skinned list box -> its target; an entry's text was edited in place.
constexpr std::uint32_t WM_LIST_ITEM_EDITED = kWmUser + 112;
// Main window -> statistics page; wParam the filter code.
constexpr std::uint32_t WM_STATS_EVENT = kWmUser + 201;
// Cursor sampler -> statistics page; one cursor position sample.
constexpr std::uint32_t WM_CURSOR_SAMPLE = kWmUser + 202;
// Menu library -> owner; lParam the picked item.
constexpr std::uint32_t WM_MENUEX_PICK = kWmUser + 257;
// Transfer worker -> main window; the transfer's result.
constexpr std::uint32_t WM_SETTING_DONE = kWmUser + 771;
constexpr std::uint32_t WM_SETTING_FAILED = kWmUser + 772;
// Bitmap button -> parent; wParam WM_LBUTTONDOWN or WM_LBUTTONUP, lParam the
// button's window.
constexpr std::uint32_t WM_BUTTON_MOUSE = kWmUser + 781;
// Mouse hook -> main window; wParam the filter code.
constexpr std::uint32_t WM_HOOK_BUTTON = kWmUser + 1003;
// Slider -> parent; wParam the position, lParam the control ID.
constexpr std::uint32_t WM_SLIDER_POS = kWmUser + 1024;
// Edit box -> parent; wParam the box's window, lParam its control ID.
constexpr std::uint32_t WM_EDIT_CHANGED = kWmUser + 1026;
// Pages -> main window; lParam the hint code.
constexpr std::uint32_t WM_SHOW_HINT = kWmUser + 1029;
// Support page -> main window; reset to the defaults and transfer.
constexpr std::uint32_t WM_RESTORE_DEFAULTS = kWmUser + 1030;
// Progress bar -> parent after a drag on it; wParam the position, lParam the
// control ID. No window acts on it.
constexpr std::uint32_t WM_PROGRESS_DRAGGED = kWmUser + 80;

static_assert(WM_SET_PROGRESS == 1067 && WM_TRAY_NOTIFY == 1132 && WM_BUTTON_MOUSE == 1805);
static_assert(WM_SLIDER_POS == 2048 && WM_EDIT_CHANGED == 2050 && WM_RESTORE_DEFAULTS == 2054);
static_assert(WM_MENUEX_PICK == 1281 && WM_HOOK_BUTTON == 2027 && WM_SETTING_FAILED == 1796);

} // namespace k47
