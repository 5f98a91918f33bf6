// SPDX-License-Identifier: MIT
#include "pages/sts_dlg.h"

#include "config/window_messages.h"
#include "resources/resource_ids.h"

namespace k47 {

CStsDlg::CStsDlg() : CSkinPage(IDD_STS_DLG, L"Orvek_Sts", L"Sts_Normal.bmp") {}

LRESULT CStsDlg::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_STATS_EVENT) {
        ++m_nEvents;
        return 0;
    }
    return CSkinPage::WndProc(msg, wp, lp);
}

} // namespace k47
