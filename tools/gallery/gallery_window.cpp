// SPDX-License-Identifier: MIT
#include "tools/gallery/gallery_window.h"

#include "config/window_messages.h"
#include "controls/load_picture_file.h"
#include "framework/app_folder.h"
#include "pages/info_dlg.h"
#include "pages/progress_dlg.h"
#include "tools/gallery/gallery_ids.h"
#include "tools/gallery/gallery_log.h"

#include <string>
#include <thread>

namespace k47 {
namespace {

constexpr RECT kPage{40, 40, 680, 340};
constexpr RECT kApply{40, 60, 160, 92};
constexpr RECT kLighting{180, 60, 300, 92};
constexpr POINT kTab[] = {{330, 92}, {350, 60}, {470, 60}, {450, 92}};
constexpr RECT kRed{500, 62, 528, 90};
constexpr RECT kGreen{540, 62, 568, 90};
constexpr RECT kSpeed{40, 150, 300, 162};
constexpr RECT kLines{342, 149, 398, 165};
constexpr RECT kQuestion{40, 220, 150, 252};
constexpr RECT kInfo{165, 220, 275, 252};
constexpr RECT kAutoClose{290, 220, 400, 252};
constexpr RECT kProgress{415, 220, 525, 252};

std::string Narrow(const std::wstring& w)
{
    std::string out;
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr,
                                        0, nullptr, nullptr);
    out.resize(static_cast<size_t>(n));
    ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), out.data(), n, nullptr,
                          nullptr);
    return out;
}

// The progress dialog as the gallery runs it: it logs each progress value
// once the dialog has shown it, and each key it is offered.
class CGalleryProgressDlg : public CProgressDlg {
public:
    bool PreTranslateMessage(MSG& msg) override
    {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
            GalleryLog("progress key %s 0x%02X", msg.message == WM_SYSKEYDOWN ? "sys" : "down",
                       static_cast<unsigned>(msg.wParam));
        return CProgressDlg::PreTranslateMessage(msg);
    }

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        const LRESULT r = CProgressDlg::WndProc(msg, wp, lp);
        if (msg == WM_SET_PROGRESS)
            GalleryLog("WM_SET_PROGRESS value=%d", static_cast<int>(wp));
        return r;
    }
};

// Waits, on the worker, for the test to touch a flag file.
bool WaitForFlag(const char* suffix)
{
    for (int i = 0; i < 1200; ++i) {
        if (GalleryFlagExists(suffix))
            return true;
        ::Sleep(50);
    }
    return false;
}

} // namespace

bool CGalleryWnd::Create()
{
    return CreateEx(0, nullptr, L"K47 Control Gallery",
                    WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_SYSMENU, kPage, nullptr, 0);
}

void CGalleryWnd::PostNcDestroy()
{
    ::PostQuitMessage(0);
}

LRESULT CGalleryWnd::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEMOVE:
        if (m_btnApply.m_bHover != m_bApplyHover) {
            m_bApplyHover = m_btnApply.m_bHover;
            m_btnApply.UpdateWindow();
            GalleryLog("hover apply %d", m_bApplyHover ? 1 : 0);
        }
        return 0;
    case WM_BUTTON_MOUSE: {
        HWND from = reinterpret_cast<HWND>(lp);
        ::UpdateWindow(from);
        GalleryLog("WM_BUTTON_MOUSE %s %s", wp == WM_LBUTTONDOWN ? "down" : "up", NameOf(from));
        return 0;
    }
    case WM_SLIDER_POS:
        GalleryLog("WM_SLIDER_POS pos=%d id=%d thumb=%d", static_cast<int>(wp),
                   static_cast<int>(lp), m_sldSpeed.m_Slider.GetPos());
        return 0;
    case WM_EDIT_CHANGED:
        GalleryLog("WM_EDIT_CHANGED id=%d text=%s", static_cast<int>(lp),
                   Narrow(m_edtLines.GetWindowText()).c_str());
        return 0;
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    default:
        return CWnd::WndProc(msg, wp, lp);
    }
}

const char* CGalleryWnd::NameOf(HWND button) const
{
    if (button == m_btnApply.GetSafeHwnd())
        return "apply";
    if (button == m_btnLighting.GetSafeHwnd())
        return "lighting";
    if (button == m_tabProfile.GetSafeHwnd())
        return "tab";
    if (button == m_clrRed.GetSafeHwnd())
        return "red";
    if (button == m_clrGreen.GetSafeHwnd())
        return "green";
    if (button == m_btnQuestion.GetSafeHwnd())
        return "question";
    if (button == m_btnInfo.GetSafeHwnd())
        return "info";
    if (button == m_btnAutoClose.GetSafeHwnd())
        return "autoclose";
    if (button == m_btnProgress.GetSafeHwnd())
        return "progress";
    return "other";
}

void CGalleryWnd::SetupButton(CGDIBitmapBtn& button, const RECT& rc, const wchar_t* caption)
{
    button.Create(m_hWnd, rc);
    button.SetPageBitmaps(m_bmpNormal, m_bmpOver, m_bmpDown, m_bmpNormal, rc.left, rc.top, rc.right,
                          rc.bottom);
    button.SetCaption(caption);
}

void CGalleryWnd::OnCreate()
{
    const std::wstring skins = ExecutableFolder() + L"skins\\";
    const std::wstring page = skins + L"Gallery\\Gallery_";
    SIZE size{};
    LoadPictureFile((page + L"Normal.bmp").c_str(), m_bmpNormal, &size);
    LoadPictureFile((page + L"Over.bmp").c_str(), m_bmpOver, nullptr);
    LoadPictureFile((page + L"Down.bmp").c_str(), m_bmpDown, nullptr);
    m_imgNormal = CGdipBitmap::FromFile((page + L"Normal.bmp").c_str());
    GalleryLog("page %ldx%ld", size.cx, size.cy);

    SetupButton(m_btnApply, kApply, L"Apply");
    m_btnApply.m_bMouseNotify = TRUE;
    m_btnApply.SetTooltipText(L"Writes the settings to the mouse");

    SetupButton(m_btnLighting, kLighting, L"Lighting");
    m_btnLighting.m_bCheckMode = TRUE;
    m_btnLighting.m_bSelfToggle = TRUE;

    HRGN tab = ::CreatePolygonRgn(kTab, 4, WINDING);
    m_tabProfile.LoadBitmaps(IDB_GALLERY_NORMAL, IDB_GALLERY_DOWN, IDB_GALLERY_OVER,
                             IDB_GALLERY_NORMAL);
    m_tabProfile.CreateShaped(tab, m_hWnd);
    ::DeleteObject(tab);
    m_tabProfile.SetWindowText(L"Profile 1");
    m_tabProfile.m_bCheckMode = TRUE;

    m_clrRed.Create(m_hWnd, kRed);
    m_clrRed.m_crColor = RGB(220, 30, 30);
    m_clrRed.m_bOutline = TRUE;
    m_clrGreen.Create(m_hWnd, kGreen);
    m_clrGreen.m_crColor = RGB(40, 200, 70);
    m_clrGreen.m_bOutline = TRUE;
    m_clrGreen.m_bSelected = TRUE;

    m_sldSpeed.Create((skins + L"Slider.png").c_str(), m_hWnd, kSliderId, kSpeed);
    m_sldSpeed.m_nMin = m_sldSpeed.m_Slider.m_nMin = m_sldSpeed.m_Slider.m_nLowLimit = 1;
    m_sldSpeed.m_nMax = m_sldSpeed.m_Slider.m_nMax = m_sldSpeed.m_Slider.m_nHighLimit = 20;
    m_sldSpeed.m_rcMap = m_sldSpeed.m_Slider.m_rcMap =
        RECT{kSpeed.left, kSpeed.top, kSpeed.right - 5, kSpeed.bottom};
    m_sldSpeed.SetBackground(m_imgNormal.CloneArea(
        kSpeed.left, kSpeed.top, kSpeed.right - kSpeed.left, kSpeed.bottom - kSpeed.top));
    m_sldSpeed.m_Slider.SetPos(10);

    m_edtLines.m_nFontHeight = 14;
    m_edtLines.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_AUTOHSCROLL | ES_CENTER, kLines,
                      m_hWnd, kEditId);
    m_edtLines.SetBackground(m_imgNormal, kLines.left, kLines.top, kLines.right - kLines.left,
                             kLines.bottom - kLines.top);
    m_edtLines.m_nMin = 1;
    m_edtLines.m_nMax = 30;
    m_edtLines.SetWindowText(L"3");

    SetupButton(m_btnQuestion, kQuestion, L"Question");
    SetupButton(m_btnInfo, kInfo, L"Information");
    SetupButton(m_btnAutoClose, kAutoClose, L"Auto close");
    SetupButton(m_btnProgress, kProgress, L"Progress");
}

void CGalleryWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    DrawBitmap(dc, m_bmpNormal, 0, 0);
}

bool CGalleryWnd::OnCommand(WPARAM, LPARAM lp)
{
    HWND from = reinterpret_cast<HWND>(lp);
    if (!from)
        return false;
    if (from == m_btnApply.GetSafeHwnd()) {
        GalleryLog("clicked apply");
    } else if (from == m_btnLighting.GetSafeHwnd()) {
        GalleryLog("clicked lighting mark=%d", m_btnLighting.m_bMark ? 1 : 0);
    } else if (from == m_tabProfile.GetSafeHwnd()) {
        m_tabProfile.SetCheck(1);
        GalleryLog("command tab");
    } else if (from == m_clrRed.GetSafeHwnd() || from == m_clrGreen.GetSafeHwnd()) {
        const bool red = from == m_clrRed.GetSafeHwnd();
        m_clrRed.m_bSelected = red;
        m_clrGreen.m_bSelected = !red;
        m_clrRed.Invalidate();
        m_clrGreen.Invalidate();
        GalleryLog("clicked %s", red ? "red" : "green");
    } else if (from == m_btnQuestion.GetSafeHwnd()) {
        RunInfo(1, false);
    } else if (from == m_btnInfo.GetSafeHwnd()) {
        RunInfo(0, false);
    } else if (from == m_btnAutoClose.GetSafeHwnd()) {
        RunInfo(0, true);
    } else if (from == m_btnProgress.GetSafeHwnd()) {
        RunProgress();
    } else {
        return false;
    }
    return true;
}

void CGalleryWnd::RunInfo(int mode, bool autoClose)
{
    const wchar_t* text = mode == 1 ? L"Restore the default settings?"
                                    : L"The settings have been written to the mouse.";
    int result = 0;
    GalleryLog("info open mode=%d auto=%d", mode, autoClose ? 1 : 0);
    if (autoClose) {
        CInfoDlg dlg;
        dlg.m_strMessage = L"The K47 gaming mouse has been found.";
        dlg.m_nMode = 0;
        dlg.m_bAutoClose = 1;
        result = static_cast<int>(dlg.DoModal(m_hWnd));
    } else {
        result = ShowInfoMessage(text, mode);
    }
    GalleryLog("info result=%d", result);
}

void CGalleryWnd::RunProgress()
{
    CGalleryProgressDlg dlg;
    std::thread worker([&dlg] {
        // The dialog's window exists once it is initialised.
        for (int i = 0; i < 1200 && !::IsWindowVisible(dlg.GetSafeHwnd()); ++i)
            ::Sleep(10);
        HWND wnd = dlg.GetSafeHwnd();
        for (int v = 0; v <= 100; v += 10) {
            ::PostMessageW(wnd, WM_SET_PROGRESS, static_cast<WPARAM>(v), 0);
            if (v == 50)
                WaitForFlag(".p50");
            else
                ::Sleep(20);
        }
        WaitForFlag(".p100");
        ::PostMessageW(wnd, WM_SET_PROGRESS, 101, 0);
        ::PostMessageW(wnd, WM_SET_PROGRESS, static_cast<WPARAM>(-1), 0);
        ::PostMessageW(wnd, WM_SET_PROGRESS, 100, 0);
        ::PostMessageW(wnd, WM_CLOSE, 0, 0);
    });
    GalleryLog("progress open");
    const INT_PTR result = dlg.DoModal(m_hWnd);
    worker.join();
    GalleryLog("progress closed result=%d last=%d", static_cast<int>(result), dlg.m_nLastValue);
}

} // namespace k47
