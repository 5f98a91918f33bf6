// SPDX-License-Identifier: MIT
#include "pages/main_set_dlg.h"

#include "config/window_messages.h"
#include "resources/resource_ids.h"

namespace k47 {

CMainSetDlg::CMainSetDlg() : CSkinPage(IDD_MAIN_SET_DLG, L"Orvek_MainSet", L"Main_Normal.bmp") {}

void CMainSetDlg::RefreshFromSettings()
{
    Invalidate(false);
}

void CMainSetDlg::CloseKeyPanel()
{
    if (m_hKeyPanel && ::IsWindow(m_hKeyPanel))
        ::SendMessageW(m_hKeyPanel, WM_CLOSE, 0, 0);
    m_hKeyPanel = nullptr;
}

LRESULT CMainSetDlg::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_HOOK_INPUT) {
        m_nLastInput = wp;
        if (m_hKeyPanel && ::IsWindow(m_hKeyPanel))
            ::PostMessageW(m_hKeyPanel, msg, wp, lp);
        return 1;
    }
    return CSkinPage::WndProc(msg, wp, lp);
}

} // namespace k47
