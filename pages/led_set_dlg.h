// SPDX-License-Identifier: MIT
#pragma once
// The lighting page.

#include "pages/skin_page.h"

namespace k47 {

class CLedSetDlg : public CSkinPage {
public:
    CLedSetDlg();
    // Takes the lighting of g_Settings into the page's controls.
    void RefreshLighting();
    // Redraws the page and its controls at once.
    void RedrawControls();
};

} // namespace k47
