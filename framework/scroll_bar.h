// SPDX-License-Identifier: MIT
#pragma once
// The scroll bar control.

#include "framework/wnd.h"

namespace k47 {

class CScrollBar : public CWnd {
public:
    // Creates a SCROLLBAR control; style carries SBS_VERT for a vertical bar.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
};

} // namespace k47
