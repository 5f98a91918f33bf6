// SPDX-License-Identifier: MIT
#pragma once
// A horizontal bar that shows a background picture and, over it, the left
// part of a fill picture in proportion to its position.

#include "framework/gdiplus.h"
#include "framework/wnd.h"

namespace k47 {

class CPngHProgressBar : public CWnd {
public:
    static constexpr UINT kControlId = 777;

    // Creates the bar at rect in the parent; range 0..10, position 0.
    bool Create(const RECT& rect, HWND parent);
    // Takes copies of the (x, y, width, height) part of the two pictures;
    // without a fill source there is no fill.
    void SetImages(int x, int y, int width, int height, const CGdipBitmap* background,
                   const CGdipBitmap* fill);

    // Set directly by the owner, which then redraws the bar.
    int m_nMin = 0;
    int m_nMax = 10;
    int m_nPos = 0;
    BOOL m_bEnabled = TRUE;
    BOOL m_bDisabled = FALSE;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();
    int PositionAt(POINT clientPt) const;

    CGdipBitmap m_imgBackground;
    CGdipBitmap m_imgFill;
    BOOL m_bDragging = FALSE;
    RECT m_rcWindow{0, 0, 0, 0};
    POINT m_ptDragStart{0, 0};
    HWND m_hParent = nullptr;
};

} // namespace k47
