// SPDX-License-Identifier: MIT
#include "framework/list_box.h"

#include <vector>

namespace k47 {

bool CListBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"LISTBOX", L"", style, rect, parent, id);
}

std::wstring CListBox::GetText(int index) const
{
    const LRESULT n = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (n == LB_ERR || n < 0)
        return std::wstring();
    std::vector<wchar_t> buf(static_cast<size_t>(n) + 1, L'\0');
    SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buf.data()));
    return std::wstring(buf.data());
}

RECT CListBox::GetItemRect(int index) const
{
    RECT rc{};
    SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
    return rc;
}

void CListBox::MeasureItem(MEASUREITEMSTRUCT&) {}

void CListBox::DrawItem(const DRAWITEMSTRUCT&) {}

bool CListBox::OnReflect(UINT msg, WPARAM, LPARAM lp, LRESULT& result)
{
    if (msg == WM_MEASUREITEM) {
        MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    if (msg == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    return false;
}

} // namespace k47
