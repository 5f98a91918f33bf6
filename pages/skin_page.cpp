// SPDX-License-Identifier: MIT
#include "pages/skin_page.h"

#include "controls/load_picture_file.h"
#include "framework/app_folder.h"

namespace k47 {

CSkinPage::CSkinPage(UINT templateId, const wchar_t* title, const wchar_t* picture)
    : CDialog(templateId), m_szTitle(title), m_strPicture(picture)
{
}

bool CSkinPage::CreatePage(HWND parent, const RECT& rect)
{
    if (!Create(parent))
        return false;
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    return true;
}

BOOL CSkinPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_szTitle);
    const std::wstring path = ExecutableFolder() + L"skins\\" + m_strPicture;
    LoadPictureFile(path.c_str(), m_bmpNormal, &m_szPicture);
    return TRUE;
}

bool CSkinPage::PreTranslateMessage(MSG& msg)
{
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE))
        return true;
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CSkinPage::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return CDialog::WndProc(msg, wp, lp);
    }
}

void CSkinPage::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const RECT rc = GetClientRect();
    if (m_bmpNormal) {
        CMemDC mem(dc);
        CSelectObject keep(mem, m_bmpNormal);
        ::BitBlt(dc, 0, 0, m_szPicture.cx, m_szPicture.cy, mem, 0, 0, SRCCOPY);
    } else {
        ::FillRect(dc, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    PaintContent(dc);
}

} // namespace k47
