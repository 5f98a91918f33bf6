// SPDX-License-Identifier: MIT
#pragma once
// The statistics and trophies page.

#include "pages/skin_page.h"

#include <cstdint>

namespace k47 {

class CStsDlg : public CSkinPage {
public:
    CStsDlg();

    // Button presses and wheel notches the main window passed on this run.
    std::uint64_t m_nEvents = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

} // namespace k47
