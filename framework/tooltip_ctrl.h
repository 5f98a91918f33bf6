// SPDX-License-Identifier: MIT
#pragma once
// A tooltip control for one window, with a single tool covering it.

#include "framework/win32.h"

namespace k47 {

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl();
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    bool Create(HWND owner);
    bool Exists() const { return m_hWnd != nullptr; }
    void Activate(bool on);
    int GetToolCount() const;
    // Adds tool id over the whole client rectangle of the owner.
    void AddTool(UINT id, const wchar_t* text);
    void UpdateTipText(UINT id, const wchar_t* text);
    void RelayEvent(const MSG& msg);

private:
    HWND m_hWnd = nullptr;
    HWND m_hOwner = nullptr;
};

} // namespace k47
