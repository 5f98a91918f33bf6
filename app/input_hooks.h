// SPDX-License-Identifier: MIT
#pragma once
// The system-wide low-level hooks. The procedures hand each event to the
// portable decision and pass everything they do not swallow on.

#include <windows.h>

namespace k47 {

extern HHOOK g_hKeyboardHook;
extern HHOOK g_hMouseHook;
extern HWND g_hHookTarget;

// Stores the target and installs both hooks for all threads; true when both
// are in place.
bool InstallHooks(HWND target);
// Removes whichever hook is installed.
void RemoveHooks();

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

} // namespace k47
