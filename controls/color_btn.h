// SPDX-License-Identifier: MIT
#pragma once
// A colour swatch: filled with one colour, outlined in a colour that shows
// whether it is selected, held down or under the pointer.

#include "controls/button_tooltip.h"
#include "framework/button.h"

namespace k47 {

class CColorBtn : public CButton {
public:
    // Created like the bitmap button: empty caption, owner-drawn, control ID 0.
    bool Create(HWND parent, const RECT& rect);

    bool PreTranslateMessage(MSG& msg) override;
    void SetTooltipText(const wchar_t* text) { m_ToolTip.SetText(m_hWnd, text); }

    // Written directly by owners, who redraw the swatch afterwards.
    BOOL m_bSelected = FALSE;
    BOOL m_bHover = FALSE;
    COLORREF m_crColor = RGB(255, 255, 255);
    BOOL m_bOutline = FALSE;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PreSubclassWindow() override;
    void DrawItem(const DRAWITEMSTRUCT& dis) override;

private:
    CButtonTooltip m_ToolTip;
};

} // namespace k47
