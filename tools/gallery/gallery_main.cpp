// SPDX-License-Identifier: MIT
// The control gallery: every skinned control on one page, for looking at the
// skin and for the end-to-end tests under Wine.

#include "config/chinese_ui.h"
#include "framework/gdiplus.h"
#include "tools/gallery/gallery_log.h"
#include "tools/gallery/gallery_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    k47::CGdiplusSession gdiplus;
    wchar_t chinese[4] = {};
    k47::g_ChineseUI =
        ::GetEnvironmentVariableW(L"K47_GALLERY_CHINESE", chinese, 4) > 0 && chinese[0] == L'1';

    k47::CGalleryWnd gallery;
    if (!gallery.Create())
        return 1;
    ::SetForegroundWindow(gallery);
    k47::GalleryLog("ready");
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!k47::CWnd::WalkPreTranslateTree(nullptr, msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
