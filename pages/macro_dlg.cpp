// SPDX-License-Identifier: MIT
#include "pages/macro_dlg.h"

#include "config/window_messages.h"
#include "resources/resource_ids.h"

namespace k47 {

CMacroDlg::CMacroDlg()
    : CSkinPage(IDD_MACRO_DLG, L"Orvek_Macro", L"Macro_normal.bmp"),
      m_brEdit(::CreateSolidBrush(RGB(0x0F, 0x0F, 0x0F)))
{
}

int CMacroDlg::FillMacroList(int game)
{
    m_nGame = game;
    m_nListSelection = -1;
    Invalidate(false);
    return m_nListSelection;
}

void CMacroDlg::ReleaseHeldObject()
{
    m_brEdit.DeleteObject();
}

LRESULT CMacroDlg::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_HOOK_INPUT) {
        m_nLastInput = wp;
        return 1;
    }
    return CSkinPage::WndProc(msg, wp, lp);
}

} // namespace k47
