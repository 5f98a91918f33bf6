// SPDX-License-Identifier: MIT
#pragma once
// The progress dialog shown while the settings are written to the mouse: a
// picture, one line of text and a picture progress bar that the transfer
// thread advances by posted WM_SET_PROGRESS and ends with WM_CLOSE. The user
// cannot dismiss it.

#include "controls/png_h_progress_bar.h"
#include "framework/dialog.h"
#include "framework/gdiplus.h"

namespace k47 {

class CProgressDlg : public CDialog {
public:
    CProgressDlg();
    ~CProgressDlg() override;

    // Enter, Esc and Space (down and up) and Alt+F4 are swallowed.
    bool PreTranslateMessage(MSG& msg) override;

    int m_nLastValue = 0;

protected:
    BOOL OnInitDialog() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();
    LRESULT OnSetProgress(WPARAM value);

    CGdipBitmap m_imgBackground;
    CGdipBitmap m_imgFill;
    CPngHProgressBar m_Progress;
};

} // namespace k47
