// SPDX-License-Identifier: MIT
#include "pages/led_set_dlg.h"

#include "resources/resource_ids.h"

namespace k47 {

CLedSetDlg::CLedSetDlg() : CSkinPage(IDD_LED_SET_DLG, L"Orvek_LedSet", L"Light\\LedSet_normal.bmp")
{
}

void CLedSetDlg::RefreshLighting()
{
    Invalidate(false);
}

void CLedSetDlg::RedrawControls()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace k47
