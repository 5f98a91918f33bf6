// SPDX-License-Identifier: MIT
#pragma once
// Dialogs from .rc templates, modal or modeless. The dialog window is
// subclassed when it is initialised, so its messages reach WndProc before
// the platform's dialog handling and results go back to the sender as they
// are: no DWLP_MSGRESULT rule for the classes above.

#include "framework/wnd.h"

namespace k47 {

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_nTemplateId(templateId) {}

    // Runs the dialog modally: the owner is disabled, a message loop with
    // PreTranslateMessage runs until EndDialog; returns its result, or -1
    // when the dialog cannot be created.
    INT_PTR DoModal(HWND parent = nullptr);

    // Creates the dialog modeless; it ends by EndDialog or DestroyWindow.
    bool Create(HWND parent = nullptr);

    // Ends a modal run with result; destroys a modeless dialog.
    void EndDialog(INT_PTR result);

    bool PreTranslateMessage(MSG& msg) override;

protected:
    // Called before the dialog is shown; FALSE when it has set the focus itself.
    virtual BOOL OnInitDialog();
    // Called for IDOK (the OK button or Enter); ends with 1.
    virtual void OnOK();
    // Called for IDCANCEL (Esc, the close command); ends with 2.
    virtual void OnCancel();

    bool OnCommand(WPARAM wp, LPARAM lp) override;

private:
    static INT_PTR CALLBACK StaticDlgProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    UINT m_nTemplateId;
    bool m_bModal = false;
    bool m_bEnded = false;
    INT_PTR m_nResult = -1;
};

} // namespace k47
