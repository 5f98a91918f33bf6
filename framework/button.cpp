// SPDX-License-Identifier: MIT
#include "framework/button.h"

namespace k47 {

bool CButton::Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"BUTTON", caption, style, rect, parent, id);
}

void CButton::DrawItem(const DRAWITEMSTRUCT&) {}

bool CButton::OnReflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result)
{
    if (msg != WM_DRAWITEM)
        return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    result = TRUE;
    return true;
}

} // namespace k47
