// SPDX-License-Identifier: MIT
#pragma once
// The button assignment page.

#include "pages/skin_page.h"

namespace k47 {

class CMainSetDlg : public CSkinPage {
public:
    CMainSetDlg();
    // Shows the seven assignments of g_ButtonSettings again.
    void RefreshFromSettings();
    // Closes the key setting panel when one is open (WM_CLOSE, sent).
    void CloseKeyPanel();

    // The key setting panel while it is open, else null.
    HWND m_hKeyPanel = nullptr;
    // The last event the hooks forwarded while this page captured keys.
    WPARAM m_nLastInput = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

} // namespace k47
