// SPDX-License-Identifier: MIT
#include "framework/scroll_bar.h"

namespace k47 {

bool CScrollBar::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"SCROLLBAR", L"", style, rect, parent, id);
}

} // namespace k47
