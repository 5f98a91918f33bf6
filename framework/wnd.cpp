// SPDX-License-Identifier: MIT
#include "framework/wnd.h"

#include "framework/msg.h"

#include <exception>
#include <vector>

namespace k47 {
namespace {

constexpr UINT_PTR kSubclassId = 0x4B3437; // "K47"
constexpr wchar_t kWindowClass[] = L"K47Wnd";
constexpr wchar_t kMarker[] = L"K47.CWnd";

bool IsDialogWindow(HWND wnd)
{
    wchar_t name[16] = {};
    ::GetClassNameW(wnd, name, 16);
    return ::lstrcmpW(name, L"#32770") == 0;
}

// The child a notification came from, for the messages that are reflected.
HWND ReflectTarget(HWND self, UINT msg, WPARAM wp, LPARAM lp)
{
    // A measure request names its control only by ID.
    if (msg == WM_MEASUREITEM) {
        const auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(lp);
        return mis->CtlType == ODT_MENU ? nullptr
                                        : ::GetDlgItem(self, static_cast<int>(mis->CtlID));
    }
    if (msg == WM_DRAWITEM)
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->CtlType == ODT_MENU
                   ? nullptr
                   : reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->hwndItem;
    if (IsCtlColor(msg))
        return reinterpret_cast<HWND>(lp);
    if (msg == WM_COMMAND && lp != 0)
        return reinterpret_cast<HWND>(lp);
    (void)wp;
    return nullptr;
}

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        HWND wnd = m_hWnd;
        Detach();
        ::DestroyWindow(wnd);
    }
}

CWnd* CWnd::FromHandle(HWND wnd)
{
    if (!wnd)
        return nullptr;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(wnd, &pid);
    if (pid != ::GetCurrentProcessId())
        return nullptr;
    // Only windows of the layer carry an object: other windows of the process
    // (system dialogs, tooltips) may keep their own data in the same slots,
    // so the layer's windows are marked.
    if (!::GetPropW(wnd, kMarker))
        return nullptr;
    const LONG_PTR p = IsDialogWindow(wnd) ? ::GetWindowLongPtrW(wnd, DWLP_USER)
                                           : ::GetWindowLongPtrW(wnd, GWLP_USERDATA);
    auto* self = reinterpret_cast<CWnd*>(p);
    return (self && self->m_hWnd == wnd) ? self : nullptr;
}

const wchar_t* CWnd::RegisterWindowClass()
{
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &CWnd::StaticWndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return ::RegisterClassExW(&wc);
    }();
    return atom ? kWindowClass : nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                    const RECT& rect, HWND parent, UINT id)
{
    if (m_hWnd)
        return false;
    const bool own = className == nullptr || ::lstrcmpW(className, kWindowClass) == 0;
    if (own && !RegisterWindowClass())
        return false;
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND wnd =
        ::CreateWindowExW(exStyle, own ? kWindowClass : className, text ? text : L"", style,
                          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          parent, menu, ::GetModuleHandleW(nullptr), own ? this : nullptr);
    if (!wnd)
        return false;
    if (own)
        return m_hWnd == wnd;
    return SubclassWindow(wnd);
}

bool CWnd::SubclassWindow(HWND wnd)
{
    if (m_hWnd || !wnd)
        return false;
    m_hWnd = wnd;
    PreSubclassWindow();
    if (!::SetWindowSubclass(wnd, &CWnd::SubclassProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(this))) {
        m_hWnd = nullptr;
        return false;
    }
    Attach(wnd, true);
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, HWND parent)
{
    return SubclassWindow(::GetDlgItem(parent, static_cast<int>(id)));
}

bool CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

void CWnd::Attach(HWND wnd, bool subclassed)
{
    m_hWnd = wnd;
    m_bSubclassed = subclassed;
    m_bDialog = IsDialogWindow(wnd);
    ::SetWindowLongPtrW(wnd, m_bDialog ? DWLP_USER : GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(this));
    ::SetPropW(wnd, kMarker, reinterpret_cast<HANDLE>(1));
}

void CWnd::Detach()
{
    if (!m_hWnd)
        return;
    ::SetWindowLongPtrW(m_hWnd, m_bDialog ? DWLP_USER : GWLP_USERDATA, 0);
    ::RemovePropW(m_hWnd, kMarker);
    if (m_bSubclassed)
        ::RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, kSubclassId);
    m_bSubclassed = false;
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        if (auto* self = static_cast<CWnd*>(cs->lpCreateParams))
            self->Attach(wnd, false);
    }
    CWnd* self = FromHandle(wnd);
    // WM_GETMINMAXINFO comes before WM_NCCREATE.
    if (!self)
        return ::DefWindowProcW(wnd, msg, wp, lp);
    return self->Dispatch(msg, wp, lp);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                    DWORD_PTR ref)
{
    auto* self = reinterpret_cast<CWnd*>(ref);
    if (!self || self->m_hWnd != wnd)
        return ::DefSubclassProc(wnd, msg, wp, lp);
    return self->Dispatch(msg, wp, lp);
}

LRESULT CWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    // No exception may cross the window procedure: one that escapes a handler
    // ends that message with the default handling.
    try {
        bool handled = false;
        if (HWND child = ReflectTarget(m_hWnd, msg, wp, lp); child && child != m_hWnd) {
            if (CWnd* target = FromHandle(child))
                handled = target->OnReflect(msg, wp, lp, result);
        }
        if (!handled)
            result = WndProc(msg, wp, lp);
    } catch (const std::exception& e) {
        ::OutputDebugStringA(e.what());
        result = m_hWnd ? DefWindowProc(msg, wp, lp) : 0;
    } catch (...) {
        ::OutputDebugStringW(L"window procedure: unknown exception");
        result = m_hWnd ? DefWindowProc(msg, wp, lp) : 0;
    }
    if (msg == WM_NCDESTROY && m_hWnd) {
        Detach();
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && OnCommand(wp, lp))
        return 0;
    return DefWindowProc(msg, wp, lp);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (!m_hWnd)
        return 0;
    if (m_bSubclassed)
        return ::DefSubclassProc(m_hWnd, msg, wp, lp);
    return ::DefWindowProcW(m_hWnd, msg, wp, lp);
}

bool CWnd::OnReflect(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool CWnd::OnCommand(WPARAM, LPARAM)
{
    return false;
}

bool CWnd::PreTranslateMessage(MSG&)
{
    return false;
}

bool CWnd::WalkPreTranslateTree(HWND top, MSG& msg)
{
    for (HWND wnd = msg.hwnd; wnd; wnd = ::GetParent(wnd)) {
        if (CWnd* self = FromHandle(wnd); self && self->PreTranslateMessage(msg))
            return true;
        if (wnd == top)
            break;
    }
    return false;
}

std::wstring CWnd::GetWindowText() const
{
    const int n = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buf(static_cast<size_t>(n) + 1, L'\0');
    ::GetWindowTextW(m_hWnd, buf.data(), n + 1);
    return std::wstring(buf.data());
}

RECT CWnd::GetClientRect() const
{
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetWindowRect() const
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

void CWnd::ModifyStyle(LONG_PTR remove, LONG_PTR add)
{
    const LONG_PTR style = GetStyle();
    const LONG_PTR next = (style & ~remove) | add;
    if (next != style)
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, next);
}

void CWnd::RedrawNow()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace k47
