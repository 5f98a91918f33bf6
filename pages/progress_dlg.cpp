// SPDX-License-Identifier: MIT
#include "pages/progress_dlg.h"

#include "config/chinese_ui.h"
#include "config/window_messages.h"
#include "controls/model/slider_math.h"
#include "framework/app_folder.h"
#include "framework/gdi.h"
#include "resources/resource_ids.h"

#include <string>

namespace k47 {

CProgressDlg::CProgressDlg() : CDialog(IDD_PROGRESS_DLG) {}

CProgressDlg::~CProgressDlg() = default;

BOOL CProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(L"Orvek_ProcessDlg");

    const std::wstring folder = ExecutableFolder() + L"skins\\ProgressBar\\";
    m_imgBackground = CGdipBitmap::FromFile((folder + L"Progress_Normal.png").c_str());
    m_imgFill = CGdipBitmap::FromFile((folder + L"Progress_Over.png").c_str());

    const auto w = static_cast<unsigned>(m_imgBackground.Width());
    const auto h = static_cast<unsigned>(m_imgBackground.Height());
    const auto cx = static_cast<unsigned>(::GetSystemMetrics(SM_CXFULLSCREEN));
    const auto cy = static_cast<unsigned>(::GetSystemMetrics(SM_CYFULLSCREEN));
    ::SetWindowPos(m_hWnd, nullptr, static_cast<int>((cx - w) / 2), static_cast<int>((cy - h) / 2),
                   static_cast<int>(w), static_cast<int>(h), SWP_NOZORDER | SWP_NOACTIVATE);

    const RECT bar{35, 47, 295, 56};
    m_Progress.Create(bar, m_hWnd);
    m_Progress.SetImages(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
                         &m_imgBackground, &m_imgFill);
    m_Progress.m_nMin = 0;
    m_Progress.m_nMax = 100;
    m_Progress.m_nPos = 0;
    m_Progress.Invalidate(false);

    HWND foreground = ::GetForegroundWindow();
    const DWORD theirs = foreground ? ::GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD ours = ::GetCurrentThreadId();
    const bool attach = theirs != 0 && theirs != ours;
    if (attach)
        ::AttachThreadInput(theirs, ours, TRUE);
    ::SetForegroundWindow(m_hWnd);
    if (attach)
        ::AttachThreadInput(theirs, ours, FALSE);
    return TRUE;
}

bool CProgressDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) {
        if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE)
            return true;
    }
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4)
        return true;
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CProgressDlg::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SET_PROGRESS:
        return OnSetProgress(wp);
    default:
        return CDialog::WndProc(msg, wp, lp);
    }
}

LRESULT CProgressDlg::OnSetProgress(WPARAM value)
{
    m_nLastValue = static_cast<int>(value);
    m_Progress.m_nPos = ProgressMessagePos(m_nLastValue, m_Progress.m_nMin, m_Progress.m_nMax);
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
    ::RedrawWindow(m_Progress.GetSafeHwnd(), nullptr, nullptr, flags);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, flags);
    return 1;
}

void CProgressDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const RECT rc = GetClientRect();
    const int w = rc.right;
    const int h = rc.bottom;
    CMemDC off(dc);
    CBitmap canvas(::CreateCompatibleBitmap(dc, w, h));
    CSelectObject sel(off, canvas);
    {
        CGdipGraphics g(off);
        g.DrawImage(m_imgBackground, 0, 0, w, h, 0, 0, w, h);
        const wchar_t* text =
            g_ChineseUI ? L"更新进行中，请稍候..." : L"Updating is in progress, please wait\u2026";
        g.DrawString(text, 8.0f, 0xFF808080u, 35.0f, 20.0f, 310.0f, 40.0f);
    }
    ::BitBlt(dc, 0, 0, w, h, off, 0, 0, SRCCOPY);
}

} // namespace k47
