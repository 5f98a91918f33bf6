// SPDX-License-Identifier: MIT
#pragma once
// The thumb of a picture slider: a small window drawn from a PNG, shaped to
// it by the colour of its corner pixel, dragged along its track.

#include "controls/model/geometry.h"
#include "framework/gdi.h"
#include "framework/gdiplus.h"
#include "framework/wnd.h"

namespace k47 {

class CPngHSlider : public CWnd {
public:
    // Creates the thumb on the track (parent bar coordinates), sitting on its
    // bottom edge; range 1..10, enabled.
    bool Create(const wchar_t* picturePath, HWND parentBar, UINT id, const RECT& track);
    // Stores v (the minimum when v is outside the range) and moves the thumb.
    void SetPos(int v);
    int GetPos() const { return m_nPos; }

    // Written directly by the page.
    BOOL m_bLimitMode = FALSE;
    BOOL m_bTopAligned = FALSE;
    int m_nMin = 1;
    int m_nMax = 10;
    int m_nLowLimit = 0;
    int m_nHighLimit = 0;
    BOOL m_bEnabled = TRUE;
    RECT m_rcMap{0, 0, 0, 0};
    BOOL m_bDisabled = FALSE;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnMouseMove(POINT pt);
    void Shape();

    UINT m_nID = 0;
    CGdipBitmap m_imgThumb;
    int m_nWidth = 0;
    int m_nHeight = 0;
    BOOL m_bDragging = FALSE;
    RECT m_rcTrack{0, 0, 0, 0};
    POINT m_ptDragStart{0, 0};
    HWND m_hParentBar = nullptr;
    int m_nPos = 0;
};

} // namespace k47
