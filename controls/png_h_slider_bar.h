// SPDX-License-Identifier: MIT
#pragma once
// A horizontal picture slider: the track shows the part of the page picture
// under it and hosts the thumb; a click on the track moves the thumb there.

#include "controls/png_h_slider.h"

#include <string>

namespace k47 {

class CPngHSliderBar : public CWnd {
public:
    // Creates the track at rect in the parent page with range 0..10, and the
    // thumb from the picture file on it.
    bool Create(const wchar_t* thumbPath, HWND parent, UINT id, const RECT& rect);
    // The track picture; the bar owns it.
    void SetBackground(CGdipBitmap&& image);
    // Enables or disables clicks on the track and drags of the thumb.
    BOOL EnableWindow(BOOL enable);

    // Written directly by the page after Create.
    RECT m_rcMap{0, 0, 0, 0};
    int m_nMin = 0;
    int m_nMax = 10;
    CPngHSlider m_Slider;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();
    void OnLButtonDown(POINT pt);

    UINT m_nID = 0;
    CGdipBitmap m_imgBackground;
    int m_nThumbWidth = 0;
    int m_nThumbHeight = 0;
    std::wstring m_strThumbPath;
    RECT m_rcWindow{0, 0, 0, 0};
    HWND m_hParent = nullptr;
    BOOL m_bDisabled = FALSE;
};

} // namespace k47
