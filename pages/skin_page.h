// SPDX-License-Identifier: MIT
#pragma once
// A page of the main window: a child dialog that paints its normal page
// picture of the skins folder and never ends from the keyboard.

#include "framework/dialog.h"
#include "framework/gdi.h"

#include <string>

namespace k47 {

class CSkinPage : public CDialog {
public:
    // picture: the normal picture below the skins folder, "Main_Normal.bmp".
    CSkinPage(UINT templateId, const wchar_t* title, const wchar_t* picture);

    // Creates the page as a hidden child of parent over rect.
    bool CreatePage(HWND parent, const RECT& rect);

    // Enter, Escape and Space are swallowed.
    bool PreTranslateMessage(MSG& msg) override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnOK() override {}
    void OnCancel() override {}
    // Draws what the page shows over its picture.
    virtual void PaintContent(HDC) {}

private:
    void OnPaint();

    const wchar_t* m_szTitle;
    std::wstring m_strPicture;
    CBitmap m_bmpNormal;
    SIZE m_szPicture{0, 0};
};

} // namespace k47
