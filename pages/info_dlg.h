// SPDX-License-Identifier: MIT
#pragma once
// The program's own message box: a fixed-size picture with a title, the
// message, OK (and in question mode Cancel) and a close cross; optionally it
// counts down five seconds on OK and closes itself.

#include "controls/gdi_bitmap_btn.h"
#include "framework/dialog.h"
#include "framework/gdi.h"

#include <string>

namespace k47 {

class CInfoDlg : public CDialog {
public:
    static constexpr UINT_PTR kCountdownTimer = 2321;
    static constexpr COLORREF kTextColour = RGB(83, 97, 103);

    CInfoDlg();
    ~CInfoDlg() override;

    std::wstring m_strMessage;
    // 0 information (OK only), 1 question (OK and Cancel).
    int m_nMode = 0;
    int m_nCountdown = 5;
    // 1: count down on OK and close with 2.
    int m_bAutoClose = 0;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void SetupButton(CGDIBitmapBtn& button, const RECT& rc, const wchar_t* caption);

    CBitmap m_bmpNormal;
    CBitmap m_bmpHover;
    CBitmap m_bmpPressed;
    CGDIBitmapBtn m_btnOK;
    CGDIBitmapBtn m_btnCancel;
    CGDIBitmapBtn m_btnClose;
};

// Shows the message modally over the active window; 1 when the user pressed
// OK, 2 when the dialog ended any other way.
int ShowInfoMessage(std::wstring text, int mode);

} // namespace k47
