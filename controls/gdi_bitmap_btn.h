// SPDX-License-Identifier: MIT
#pragma once
// The rectangular skinned button: its faces are its own rectangle cut out of
// page-sized pictures, with an optional centred caption, a check mode, a
// hover look kept with the pointer capture, a tooltip and press/release
// notifications to the parent.

#include "controls/button_tooltip.h"
#include "framework/button.h"
#include "framework/gdi.h"

#include <string>

namespace k47 {

class CGDIBitmapBtn : public CButton {
public:
    CGDIBitmapBtn() = default;
    ~CGDIBitmapBtn() override;

    // Creates the button with an empty caption, WS_CHILD | WS_VISIBLE |
    // BS_OWNERDRAW and control ID 0, at rect in the parent's client coordinates.
    bool Create(HWND parent, const RECT& rect);

    // Cuts the four faces out of page-sized pictures at (left, top, right,
    // bottom); a null source leaves that face as it was.
    void SetPageBitmaps(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled, int left,
                        int top, int right, int bottom);
    // Takes over four bitmaps of the button's size.
    void SetBitmaps(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled);
    void SetCaption(const wchar_t* text);
    void SetCheck(BOOL mark);
    void SetTooltipText(const wchar_t* text);

    bool PreTranslateMessage(MSG& msg) override;

    // Written and read directly by owners.
    BOOL m_bCheckMode = FALSE;
    BOOL m_bMark = FALSE;
    BOOL m_bSelfToggle = FALSE;
    BOOL m_bHoverLook = TRUE;
    int m_nValue = 0;
    std::wstring m_strCaption;
    BOOL m_bHover = FALSE;
    BOOL m_bUseCaptionRect = FALSE;
    RECT m_rcCaption{0, 0, 0, 0};
    COLORREF m_crHoverCaption = RGB(255, 255, 255);
    COLORREF m_crNormalCaption = RGB(189, 189, 200);
    COLORREF m_crPressedCaption = RGB(38, 29, 5);
    BOOL m_bLargeCaptionFont = FALSE;
    BOOL m_bMouseNotify = FALSE;

    static constexpr COLORREF kDisabledCaption = RGB(38, 42, 39);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PreSubclassWindow() override;
    void DrawItem(const DRAWITEMSTRUCT& dis) override;

private:
    void OnMouseMove(UINT flags, POINT pt);
    void OnLButtonDown();

    CButtonTooltip m_ToolTip;
    CBitmap m_bmpNormal;
    CBitmap m_bmpHover;
    CBitmap m_bmpPressed;
    CBitmap m_bmpDisabled;
};

// Forwards a pointer move at a client point of child to its parent, in the
// parent's client coordinates.
void ForwardMouseMove(HWND child, UINT flags, POINT pt);

} // namespace k47
