// SPDX-License-Identifier: MIT
#pragma once
// The game macro page.

#include "pages/skin_page.h"

namespace k47 {

class CMacroDlg : public CSkinPage {
public:
    CMacroDlg();
    // Lists the macros of game number game; returns the list selection.
    int FillMacroList(int game);
    // Releases the GDI object the page holds, before the page is destroyed.
    void ReleaseHeldObject();

    int m_nGame = 0;
    int m_nListSelection = -1;
    WPARAM m_nLastInput = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CBrush m_brEdit;
};

} // namespace k47
