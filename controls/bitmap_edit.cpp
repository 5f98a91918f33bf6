// SPDX-License-Identifier: MIT
#include "controls/bitmap_edit.h"

#include "config/window_messages.h"
#include "controls/model/number_text.h"
#include "framework/msg.h"

#include <string>

namespace k47 {

bool CBitmapEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!CEdit::Create(style, rect, parent, id))
        return false;
    LimitText(256);
    m_font.Attach(CreateSkinFont(m_nFontHeight, 500, L""));
    SetFont(m_font, true);
    ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
    return true;
}

void CBitmapEdit::SetBackground(const CGdipBitmap& image, int x, int y, int width, int height)
{
    m_imgBackground = image.CloneArea(x, y, width, height);
    CBitmap bitmap(m_imgBackground.ToHBITMAP(0));
    // The brush keeps its own copy of the bitmap.
    m_brBackground.Attach(bitmap ? ::CreatePatternBrush(bitmap) : nullptr);
    Invalidate();
}

bool CBitmapEdit::OnReflect(UINT msg, WPARAM wp, LPARAM, LRESULT& result)
{
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC) {
        if (!m_brBackground)
            return false;
        HDC dc = reinterpret_cast<HDC>(wp);
        ::SetTextColor(dc, kTextColour);
        ::SetBkColor(dc, kTextColour);
        ::SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(m_brBackground.Get());
        return true;
    }
    if (msg == WM_COMMAND && CommandCode(wp) == EN_CHANGE) {
        OnChange();
        result = 0;
        return true;
    }
    return false;
}

void CBitmapEdit::OnChange()
{
    if (GetStyle() & ES_NUMBER) {
        const std::wstring text = GetWindowText();
        const TextView view(reinterpret_cast<const char16_t*>(text.c_str()), text.size());
        if (const auto replacement = ClampedNumberText(view, m_nMin, m_nMax)) {
            // The replacement changes the text again, which comes back here
            // once with a value in range.
            SetWindowText(reinterpret_cast<const wchar_t*>(replacement->c_str()));
        }
    }
    ::PostMessageW(GetParent(), WM_EDIT_CHANGED, reinterpret_cast<WPARAM>(m_hWnd),
                   static_cast<LPARAM>(GetDlgCtrlID()));
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

} // namespace k47
