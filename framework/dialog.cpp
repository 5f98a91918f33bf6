// SPDX-License-Identifier: MIT
#include "framework/dialog.h"

#include "framework/msg.h"

#include <exception>

namespace k47 {

INT_PTR CALLBACK CDialog::StaticDlgProc(HWND wnd, UINT msg, WPARAM, LPARAM lp)
{
    // Everything but WM_INITDIALOG reaches the object through its subclass,
    // before this procedure; what arrives here is unhandled (messages before
    // WM_INITDIALOG, such as WM_SETFONT, included).
    if (msg != WM_INITDIALOG)
        return FALSE;
    auto* self = reinterpret_cast<CDialog*>(lp);
    if (!self || !self->SubclassWindow(wnd))
        return TRUE;
    try {
        return self->OnInitDialog();
    } catch (...) {
        ::OutputDebugStringW(L"OnInitDialog: exception");
        return TRUE;
    }
}

bool CDialog::Create(HWND parent)
{
    if (m_hWnd)
        return false;
    m_bEnded = false;
    HWND wnd =
        ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId), parent,
                             &CDialog::StaticDlgProc, reinterpret_cast<LPARAM>(this));
    return wnd != nullptr && m_hWnd == wnd;
}

INT_PTR CDialog::DoModal(HWND parent)
{
    HWND owner = parent ? ::GetAncestor(parent, GA_ROOT) : nullptr;
    m_bModal = true;
    m_nResult = -1;
    if (!Create(owner)) {
        m_bModal = false;
        return -1;
    }
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner)
        ::EnableWindow(owner, FALSE);
    if (!m_bEnded && m_hWnd)
        ::ShowWindow(m_hWnd, SW_SHOW);
    MSG msg{};
    while (!m_bEnded && m_hWnd) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends the modal run and is passed on to the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0)
            break;
        if (!WalkPreTranslateTree(m_hWnd, msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // The owner comes back before the dialog goes, so activation returns to it.
    if (disableOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    m_bModal = false;
    return m_nResult;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_nResult = result;
    if (m_bModal) {
        m_bEnded = true;
        ::ShowWindow(m_hWnd, SW_HIDE);
        // Wakes the modal loop should nothing else be queued.
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    } else {
        DestroyWindow();
    }
}

bool CDialog::PreTranslateMessage(MSG& msg)
{
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && m_hWnd)
        return ::IsDialogMessageW(m_hWnd, &msg) != FALSE;
    return false;
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(WPARAM wp, LPARAM)
{
    switch (CommandId(wp)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

} // namespace k47
