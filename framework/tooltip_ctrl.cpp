// SPDX-License-Identifier: MIT
#include "framework/tooltip_ctrl.h"

namespace k47 {

CToolTipCtrl::~CToolTipCtrl()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(HWND owner)
{
    if (m_hWnd)
        return true;
    m_hOwner = owner;
    m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
    return m_hWnd != nullptr;
}

void CToolTipCtrl::Activate(bool on)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

int CToolTipCtrl::GetToolCount() const
{
    return m_hWnd ? static_cast<int>(::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

void CToolTipCtrl::AddTool(UINT id, const wchar_t* text)
{
    if (!m_hWnd)
        return;
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hOwner;
    ti.uId = id;
    ti.lpszText = const_cast<wchar_t*>(text);
    ::GetClientRect(m_hOwner, &ti.rect);
    ::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(UINT id, const wchar_t* text)
{
    if (!m_hWnd)
        return;
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hOwner;
    ti.uId = id;
    ti.lpszText = const_cast<wchar_t*>(text);
    ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::RelayEvent(const MSG& msg)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

} // namespace k47
