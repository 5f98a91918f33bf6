// SPDX-License-Identifier: MIT
#pragma once
// The single-line edit box of the skinned pages: borderless, its background
// the part of the page picture under it; a number-only box keeps its value
// in minimum..maximum and tells its parent about every change.

#include "framework/edit.h"
#include "framework/gdi.h"
#include "framework/gdiplus.h"

namespace k47 {

class CBitmapEdit : public CEdit {
public:
    static constexpr COLORREF kTextColour = RGB(88, 95, 103);

    // Creates the edit control with the owner's styles, then limits it to 256
    // characters, gives it its font and removes its border and tab stop.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    // The background: the (x, y, width, height) part of image.
    void SetBackground(const CGdipBitmap& image, int x, int y, int width, int height);

    // Written directly by owners (the font height before Create).
    int m_nFontHeight = 12;
    int m_nMin = 0;
    int m_nMax = 10;

protected:
    bool OnReflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void OnChange();

    CBrush m_brBackground;
    CGdipBitmap m_imgBackground;
    CFont m_font;
};

} // namespace k47
