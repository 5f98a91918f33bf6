// SPDX-License-Identifier: MIT
#pragma once
// The base of every window object: it owns one window handle, finds itself
// from the window (GWLP_USERDATA for windows and controls, DWLP_USER for
// dialogs) and dispatches its messages to WndProc.

#include "framework/win32.h"

#include <string>

namespace k47 {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object of a window of this program, or null.
    static CWnd* FromHandle(HWND wnd);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Creates a window of a class registered by RegisterWindowClass, or of a
    // system control class (BUTTON, EDIT), which is then subclassed.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                  const RECT& rect, HWND parent, UINT id);

    // Attaches the object to an existing control, which is subclassed.
    bool SubclassWindow(HWND wnd);
    // Attaches the object to a control of a dialog template.
    bool SubclassDlgItem(UINT id, HWND parent);

    bool DestroyWindow();

    // Registers the window class the window layer creates its own windows with.
    static const wchar_t* RegisterWindowClass();

    // Walks from msg.hwnd up to top (inclusive) offering the message to each
    // window's PreTranslateMessage; true when one consumed it.
    static bool WalkPreTranslateTree(HWND top, MSG& msg);

    // Called for every queued message addressed to this window or one of its
    // children before it is dispatched; true consumes it.
    virtual bool PreTranslateMessage(MSG& msg);

    // Thin helpers.
    std::wstring GetWindowText() const;
    void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    void ModifyStyle(LONG_PTR remove, LONG_PTR add);
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetOwner() const { return ::GetWindow(m_hWnd, GW_OWNER); }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void RedrawNow();
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const
    {
        return ::SendMessageW(m_hWnd, msg, wp, lp);
    }
    bool PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const
    {
        return ::PostMessageW(m_hWnd, msg, wp, lp) != FALSE;
    }

protected:
    // The message handler; ends in the base class's WndProc for what it does
    // not handle. The base calls OnCommand for WM_COMMAND and DefWindowProc.
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    // Default handling: the control's own procedure for subclassed controls,
    // the platform's default otherwise.
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // A notification a parent passes back to the child that sent it
    // (WM_DRAWITEM, WM_CTLCOLOR*, WM_COMMAND); true with result when handled.
    virtual bool OnReflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // WM_COMMAND; true when handled.
    virtual bool OnCommand(WPARAM wp, LPARAM lp);
    // Before a control is subclassed.
    virtual void PreSubclassWindow() {}
    // After the last message of the window; the handle is already gone.
    virtual void PostNcDestroy() {}

    // Binds the object to a window; called by the layer's window procedures.
    void Attach(HWND wnd, bool subclassed);

    HWND m_hWnd = nullptr;

private:
    friend class CDialog;
    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR ref);
    // Reflection, the exception barrier and the end of the window's life.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void Detach();

    bool m_bSubclassed = false;
    bool m_bDialog = false;
};

} // namespace k47
