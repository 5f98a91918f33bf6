// SPDX-License-Identifier: MIT
#pragma once
// A button shaped by a region (slanted tabs and shaped buttons). Its faces
// are whole-window bitmap resources of which it shows the part under its
// region, so several buttons can share the same four resources.

#include "controls/button_tooltip.h"
#include "controls/model/geometry.h"
#include "framework/button.h"
#include "framework/gdi.h"

namespace k47 {

class CIrrButton : public CButton {
public:
    CIrrButton() = default;
    ~CIrrButton() override;

    // Deletes the previous pictures and loads four bitmap resources; a
    // missing resource leaves that picture empty.
    void LoadBitmaps(UINT normal, UINT pressed, UINT hover, UINT disabled);
    // Creates the button over a region given in the parent's client
    // coordinates; the caller keeps its region.
    bool CreateShaped(HRGN region, HWND parent);
    void SetCheck(BYTE mark);

    bool PreTranslateMessage(MSG& msg) override;

    // Written directly by owners; the caption is the window text.
    BYTE m_nMark = 0;
    BOOL m_bCheckMode = FALSE;
    COLORREF m_crNormalCaption = RGB(189, 189, 200);
    COLORREF m_crHoverCaption = RGB(255, 255, 255);
    COLORREF m_crPressedCaption = RGB(38, 29, 5);
    // Maintained by the button.
    BOOL m_bHover = FALSE;
    BOOL m_bCaptured = FALSE;
    Point m_ptCaptionCentre;
    RECT m_rcRegionBox{0, 0, 0, 0};

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PreSubclassWindow() override;
    void DrawItem(const DRAWITEMSTRUCT& dis) override;

private:
    // Hover and capture follow whether the pointer (client point) is in the region.
    void TrackRegionHover(POINT pt);
    void RedrawAtOnce();

    CButtonTooltip m_ToolTip;
    CBitmap m_bmpNormal;
    CBitmap m_bmpPressed;
    CBitmap m_bmpHover;
    CBitmap m_bmpDisabled;
    CRgn m_rgn;
};

} // namespace k47
