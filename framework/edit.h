// SPDX-License-Identifier: MIT
#pragma once
// The edit control.

#include "framework/wnd.h"

namespace k47 {

class CEdit : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    void LimitText(UINT chars) { SendMessage(EM_LIMITTEXT, chars, 0); }
    void SetFont(HFONT font, bool redraw = true)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }
};

} // namespace k47
