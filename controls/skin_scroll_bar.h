// SPDX-License-Identifier: MIT
#pragma once
// A scroll bar drawn entirely from one skin picture: a grid of 9 x 3 square
// cells (arrows, thumb and track of the vertical and horizontal bars, the
// corner; normal, hover and pressed rows).

#include "controls/model/scroll_geometry.h"
#include "framework/gdi.h"
#include "framework/scroll_bar.h"

namespace k47 {

class CSkinScrollBar : public CScrollBar {
public:
    // Stores the picture (kept by the caller), the cell size (width / 9) and
    // gives the bar that thickness, keeping its place.
    void SetSkin(HBITMAP skin);
    int CellSize() const { return m_nCell; }
    bool IsVertical() const { return (GetStyle() & SBS_VERT) != 0; }
    bool IsDragging() const { return m_bDragging; }
    // The bar's own scroll state.
    SCROLLINFO GetInfo() const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    ScrollRange Range() const { return ScrollRange{m_si.nMin, m_si.nMax, int(m_si.nPage)}; }
    int CurrentPos() const { return m_si.nTrackPos != -1 ? m_si.nTrackPos : m_si.nPos; }
    ScrollLayout Layout(bool hit) const;
    RECT PartRect(int part) const;
    int HitTest(POINT pt) const;
    void SendRequest(int code, int pos = 0);
    void OnPaint(HDC dc);
    void DrawPart(HDC dc, int part, int state);
    void RedrawTrack();
    void OnLButtonDown(POINT pt);
    void OnMouseMove(POINT pt);
    void OnLButtonUp(POINT pt);
    void OnTimer(UINT_PTR id);
    LRESULT OnSetScrollInfo(BOOL redraw, const SCROLLINFO* si);
    LRESULT OnGetScrollInfo(SCROLLINFO* si) const;

    HBITMAP m_hSkin = nullptr;
    int m_nCell = 0;
    int m_nLength = 0;
    SCROLLINFO m_si{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, -1};
    bool m_bDragging = false;
    POINT m_ptDrag{0, 0};
    int m_nDragPos = 0;
    int m_nPressed = kScrollPartNone;
    bool m_bRepeating = false;
    int m_nHover = kScrollPartNone;
    bool m_bPressedLeft = false;
    bool m_bTrackingLeave = false;
};

} // namespace k47
