// SPDX-License-Identifier: MIT
#pragma once
// The tray icon's popup menu with owner-drawn items of 75 x 22 pixels: an
// icon strip, a text, and a lit face for the selected item.

#include "framework/menu.h"

#include <cstdint>
#include <string>

namespace k47 {

// The record each item carries as its item data; kept by the caller for as
// long as the menu lives.
struct XPMenuItemData {
    std::uint32_t nNormalIcon = 0;   // icon resource of the item
    std::uint32_t nSelectedIcon = 0; // icon resource of the selected item
    std::wstring strText;
};

class CXPMenu : public CMenu {
public:
    static constexpr int kItemWidth = 75;
    static constexpr int kItemHeight = 22;

    // Appends an owner-drawn item with the caller's record.
    bool AppendItem(UINT id, const XPMenuItemData* data);

    // Shows the menu at a screen point for owner. The owner's WM_MEASUREITEM
    // and WM_DRAWITEM are answered by the menu itself; the chosen command is
    // returned with TPM_RETURNCMD and otherwise posted to owner as WM_COMMAND.
    UINT TrackPopupMenu(UINT flags, int x, int y, HWND owner) override;

    void MeasureItem(MEASUREITEMSTRUCT& mis) override;
    void DrawItem(const DRAWITEMSTRUCT& dis) override;
};

} // namespace k47
