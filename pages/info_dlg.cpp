// SPDX-License-Identifier: MIT
#include "pages/info_dlg.h"

#include "config/chinese_ui.h"
#include "controls/model/countdown.h"
#include "resources/resource_ids.h"

namespace k47 {
namespace {

HBITMAP LoadBitmapResource(UINT id)
{
    return static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

const wchar_t* Wide(const Text& t)
{
    return reinterpret_cast<const wchar_t*>(t.c_str());
}

} // namespace

CInfoDlg::CInfoDlg() : CDialog(IDD_INFO_DLG) {}

CInfoDlg::~CInfoDlg() = default;

BOOL CInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(L"OrvekK470InfoDlg");

    const bool question = m_nMode == 1;
    m_bmpNormal.Attach(LoadBitmapResource(question ? IDB_INFO_QUESTION_NORMAL : IDB_INFO_NORMAL));
    m_bmpHover.Attach(LoadBitmapResource(question ? IDB_INFO_QUESTION_OVER : IDB_INFO_OVER));
    m_bmpPressed.Attach(LoadBitmapResource(question ? IDB_INFO_QUESTION_DOWN : IDB_INFO_DOWN));

    const SIZE size = BitmapSize(m_bmpNormal);
    const int cx = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYFULLSCREEN);
    ::SetWindowPos(m_hWnd, nullptr, (cx - size.cx) / 2, (cy - size.cy) / 2, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);

    const RECT close{300, 0, 329, 29};
    m_btnClose.Create(m_hWnd, close);
    m_btnClose.SetPageBitmaps(m_bmpNormal, m_bmpHover, m_bmpPressed, m_bmpNormal, close.left,
                              close.top, close.right, close.bottom);

    const bool chinese = g_ChineseUI != 0;
    const Text ok = OkCaption(chinese);
    const Text cancel = CancelCaption(chinese);
    if (question) {
        SetupButton(m_btnOK, RECT{178, 127, 244, 159}, Wide(ok));
        SetupButton(m_btnCancel, RECT{245, 127, 311, 159}, Wide(cancel));
    } else {
        SetupButton(m_btnOK, RECT{240, 127, 306, 159}, Wide(ok));
    }

    const Text label = CountdownStartLabel(chinese);
    if (m_bAutoClose) {
        m_nCountdown = 4;
        ::SetTimer(m_hWnd, kCountdownTimer, 1000, nullptr);
        ::SetWindowPos(m_hWnd, nullptr, cx - size.cx - 10, cy - size.cy, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_btnOK.SetCaption(Wide(label));
    }
    return TRUE;
}

void CInfoDlg::SetupButton(CGDIBitmapBtn& button, const RECT& rc, const wchar_t* caption)
{
    button.Create(m_hWnd, rc);
    button.SetPageBitmaps(m_bmpNormal, m_bmpHover, m_bmpPressed, m_bmpNormal, rc.left, rc.top,
                          rc.right, rc.bottom);
    button.SetCaption(caption);
    button.m_crNormalCaption = kTextColour;
    button.m_crHoverCaption = RGB(255, 255, 255);
    button.m_crPressedCaption = RGB(255, 255, 255);
}

bool CInfoDlg::OnCommand(WPARAM wp, LPARAM lp)
{
    HWND from = reinterpret_cast<HWND>(lp);
    if (from && (from == m_btnClose.GetSafeHwnd() || from == m_btnCancel.GetSafeHwnd()))
        OnCancel();
    else if (from && from == m_btnOK.GetSafeHwnd())
        OnOK();
    return CDialog::OnCommand(wp, lp);
}

LRESULT CInfoDlg::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_CLOSE:
        ::KillTimer(m_hWnd, kCountdownTimer);
        return CDialog::WndProc(msg, wp, lp);
    case WM_TIMER:
        if (wp == kCountdownTimer)
            OnTimer(wp);
        return CDialog::WndProc(msg, wp, lp);
    default:
        return CDialog::WndProc(msg, wp, lp);
    }
}

void CInfoDlg::OnTimer(UINT_PTR id)
{
    const CountdownTick tick = NextCountdownTick(m_nCountdown, g_ChineseUI != 0);
    if (tick.close) {
        ::KillTimer(m_hWnd, id);
        PostMessage(WM_CLOSE);
    }
    m_btnOK.SetCaption(Wide(tick.caption));
}

void CInfoDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    DrawBitmap(dc, m_bmpNormal, 0, 0);
    CFont font(CreateSkinFont(14, 300));
    CSelectObject sel(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kTextColour);
    RECT text{90, 73, 305, 91};
    ::DrawTextW(dc, m_strMessage.c_str(), static_cast<int>(m_strMessage.size()), &text,
                DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS);
    const wchar_t* title = g_ChineseUI ? L"提示" : L"Tips";
    RECT titleRect{10, 9, 100, 23};
    ::DrawTextW(dc, title, -1, &titleRect,
                DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS);
}

int ShowInfoMessage(std::wstring text, int mode)
{
    CInfoDlg dlg;
    dlg.m_strMessage = std::move(text);
    dlg.m_nMode = mode;
    dlg.m_bAutoClose = 0;
    return dlg.DoModal(::GetActiveWindow()) == 1 ? 1 : 2;
}

} // namespace k47
