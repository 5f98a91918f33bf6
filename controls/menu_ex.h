// SPDX-License-Identifier: MIT
#pragma once
// A popup menu of items with a small picture and a text (or separators);
// the item under the pointer is highlighted, a click sends the item's value
// to the parent.

#include "controls/wnd_popup.h"

#include <string>
#include <vector>

namespace k47 {

struct MenuExEntry {
    int bSeparator = 0;
    int nValue = 0;
    CGdipBitmap pImage;
    int nImageWidth = 0;
    int nImageHeight = 0;
    std::wstring strText;
    RECT rcItem{0, 0, 0, 0};
};

class CMenuEx : public CWndPopup {
public:
    // Appends an item with the PNG resource as its picture (none when it
    // cannot be loaded), lays the items out and returns their count.
    int AddItem(const wchar_t* text, UINT pngResource, int value);
    // Appends a separator line; returns the count.
    int AddSeparator();

    int GetHover() const { return m_nHover; }
    const std::vector<MenuExEntry>& Items() const { return m_Items; }

protected:
    void DrawItems(HDC dc, const RECT& rc) override;
    void DrawImages(HDC dc, const RECT& rc) override;
    bool TrackHover(POINT pt) override;
    bool OnPress(POINT pt) override;
    bool OnRelease(POINT pt) override;

    void Layout();

    std::vector<MenuExEntry> m_Items;
    int m_nHover = -1;
};

} // namespace k47
