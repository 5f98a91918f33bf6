// SPDX-License-Identifier: MIT
#include "app/k47_mouse_driver_app.h"

#include "app/input_hooks.h"
#include "app/k47_mouse_driver_dlg.h"
#include "app/model/input_hooks.h"
#include "config/app_folder.h"
#include "config/language_loader.h"
#include "config/seams.h"
#include "config/window_messages.h"
#include "emu/virtual_config.h"
#include "framework/gdiplus.h"
#include "pages/info_message_box.h"
#include "platform/win32/win_clock.h"
#include "platform/win32/win_code_pages.h"
#include "platform/win32/win_file_system.h"
#include "platform/win32/win_hid_host.h"
#include "platform/win32/win_keyboard_layout.h"
#include "platform/win32/win_registry.h"
#include "platform/win32/win_shell.h"

#include <commctrl.h>

#include <cstdlib>

namespace k47 {

namespace {
constexpr wchar_t kInstanceMutex[] = L"K47MouseDriver.exe";
constexpr wchar_t kMainTitle[] = L"Orvek K47 Gaming Mouse Driver";
} // namespace

// The process-wide services, installed for the whole run.
struct CK47MouseDriverApp::Services {
    WinClock clock;
    WinRegistry registry;
    CInfoMessageBox messages;
    WinKeyboardLayout keyboard;
    WinCodePages codePages;
    WinFileSystem files;
    WinShell shell;
    std::unique_ptr<WinHidHost> winHost;
    std::unique_ptr<VirtualBus> virtualBus;
};

CK47MouseDriverApp::CK47MouseDriverApp()
{
    // The hooks start empty: no filter, no hooks, no target.
    ClearMouseFilter();
    g_hKeyboardHook = nullptr;
    g_hMouseHook = nullptr;
    g_hHookTarget = nullptr;
}

CK47MouseDriverApp::~CK47MouseDriverApp()
{
    Seams& seams = ProcessSeams();
    seams = Seams{};
    if (m_hInstanceMutex)
        ::CloseHandle(m_hInstanceMutex);
}

BOOL CK47MouseDriverApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), 0xFF};
    ::InitCommonControlsEx(&icc);

    Gdiplus::GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr);

    m_hInstanceMutex = ::CreateMutexW(nullptr, FALSE, kInstanceMutex);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND running = ::FindWindowW(nullptr, kMainTitle))
            ::PostMessageW(running, WM_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK);
        return FALSE;
    }

    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return FALSE;
    Text folder(path, path + length);
    const std::size_t slash = folder.rfind(u'\\');
    folder.resize(slash == Text::npos ? 0 : slash + 1);
    g_AppFolder = folder;

    m_pServices = std::make_unique<Services>();
    Services& s = *m_pServices;
    Seams& seams = ProcessSeams();
    seams.clock = &s.clock;
    seams.registry = &s.registry;
    seams.messages = &s.messages;
    seams.keyboard = &s.keyboard;
    seams.codePages = &s.codePages;
    seams.files = &s.files;

    LoadLanguage(g_AppFolder + u"language\\sc.xml");

    MainWindowServices services;
    services.clock = &s.clock;
    services.shell = &s.shell;
    const VirtualMouseConfig demo =
        ReadVirtualMouseConfig([](const char* name) { return std::getenv(name); });
    if (demo.enabled) {
        // Demo mode: the virtual K47 stands in for the HID stack, and the
        // desktop's own pointer settings are left as the user has them.
        s.virtualBus = MakeVirtualBus(demo, s.clock);
        services.host = s.virtualBus.get();
        services.virtualBus = s.virtualBus.get();
    } else {
        s.winHost = std::make_unique<WinHidHost>();
        services.host = s.winHost.get();
    }

    services.applyPointerSettings = !demo.enabled;
    {
        CK47MouseDriverDlg dlg(services);
        if (!dlg.Create(nullptr))
            return TRUE;
        s.messages.SetOwner(dlg);
        MSG msg{};
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!CWnd::WalkPreTranslateTree(nullptr, msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        s.messages.SetOwner(nullptr);
    }
    return TRUE;
}

int CK47MouseDriverApp::ExitInstance()
{
    if (m_gdiplusToken)
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
    return 0;
}

} // namespace k47
