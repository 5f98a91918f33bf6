// SPDX-License-Identifier: MIT
#pragma once
// The game menu, provided inside the program with the entry points its
// callers look up: a popup of rows drawn from eight pictures, a pick sent to
// the owner as WM_MENUEX_PICK with the item number. One menu is open at a
// time; DestroyMenuEx may be called at any time.

#include "controls/model/menu_ex_item.h"
#include "framework/win32.h"

#include <cstdint>

namespace k47 {

// Opens the menu owned by owner with its top-left corner at position (screen
// coordinates). rowHeight is the height of a row; normalText, hoverText and
// pressedText the text colours (0x00BBGGRR) of a row in its three states,
// pressedText also the frame. paths names eight bitmap files: normal, hover,
// pressed and spare picture of a plain row, then of a row with a sub-menu.
// items holds count records; top-level items have parent 255. A menu open
// before is closed. 1 when the menu opened, 0 otherwise.
int CreateMenuEx(HWND owner, int rowHeight, const POINT* position, std::uint32_t normalText,
                 std::uint32_t hoverText, std::uint32_t pressedText, const wchar_t* const* paths,
                 const MenuExItem* items, int count);

// Closes the open menu, if any; 1 when one was closed.
int DestroyMenuEx();

// Escape closes an open menu; true when the message was consumed.
BOOL DllPreTranslateMessage(MSG* msg);

// Whether a menu is open.
bool IsMenuExOpen();
// The window of the open menu's top level, or null.
HWND GetMenuExWindow();

using CreateMenuExProc = int (*)(HWND, int, const POINT*, std::uint32_t, std::uint32_t,
                                 std::uint32_t, const wchar_t* const*, const MenuExItem*, int);
using DestroyMenuExProc = int (*)();
using DllPreTranslateMessageProc = BOOL (*)(MSG*);

// The entry points, held process-wide; all found, as the menu is part of the
// program.
struct MenuExEntryPoints {
    DllPreTranslateMessageProc pDllPreTranslateMessage = nullptr;
    CreateMenuExProc pCreateMenuEx = nullptr;
    DestroyMenuExProc pDestroyMenuEx = nullptr;
};
const MenuExEntryPoints& MenuExLibrary();

} // namespace k47
