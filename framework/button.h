// SPDX-License-Identifier: MIT
#pragma once
// The push-button control. An owner-drawn button paints itself in DrawItem:
// its parent reflects WM_DRAWITEM back to it.

#include "framework/wnd.h"

namespace k47 {

class CButton : public CWnd {
public:
    // Creates a BUTTON control; style carries BS_OWNERDRAW for skinned buttons.
    bool Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id);

    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }

protected:
    // Paints an owner-drawn button.
    virtual void DrawItem(const DRAWITEMSTRUCT& dis);
    bool OnReflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

} // namespace k47
