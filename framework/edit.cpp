// SPDX-License-Identifier: MIT
#include "framework/edit.h"

namespace k47 {

bool CEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"EDIT", L"", style, rect, parent, id);
}

} // namespace k47
