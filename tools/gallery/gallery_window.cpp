// SPDX-License-Identifier: MIT
#include "tools/gallery/gallery_window.h"

#include "config/game_names.h"
#include "config/window_messages.h"
#include "controls/load_picture_file.h"
#include "controls/menu_ex_a.h"
#include "controls/menu_ex_library.h"
#include "controls/skin_scroll_wnd.h"
#include "framework/app_folder.h"
#include "pages/info_dlg.h"
#include "pages/progress_dlg.h"
#include "resources/resource_ids.h"
#include "tools/gallery/gallery_ids.h"
#include "tools/gallery/gallery_log.h"

#include <string>
#include <thread>

namespace k47 {
namespace {

constexpr RECT kPage{40, 40, 680, 560};
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
constexpr RECT kSteps{40, 296, 260, 406};
constexpr RECT kLanguage{300, 300, 410, 332};
constexpr RECT kTray{425, 300, 535, 332};
constexpr RECT kGame{300, 345, 410, 377};
constexpr RECT kCloseMenu{425, 345, 535, 377};
constexpr RECT kAddStep{40, 430, 150, 462};
constexpr RECT kPlainMenu{165, 430, 275, 462};
constexpr UINT_PTR kMenuTimer = 7;
constexpr UINT kTrayConfig = 24576;
constexpr UINT kTrayExit = 24577;

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

// The macro step list as the gallery runs it: it logs each scroll request
// with the top entry it led to.
class CGalleryList : public CListBoxEx {
protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        const LRESULT r = CListBoxEx::WndProc(msg, wp, lp);
        if (msg == WM_VSCROLL)
            GalleryLog("list vscroll code=%d top=%d", static_cast<int>(LOWORD(wp)), GetTopIndex());
        if (msg == WM_LBUTTONDBLCLK)
            GalleryLog("list dblclk renaming=%d", IsRenaming() ? 1 : 0);
        return r;
    }
    void PostNcDestroy() override { delete this; }
};

// The language menu as the gallery runs it: it logs each composition with
// the highlighted item, and its end.
class CGalleryLanguageMenu : public CMenuExA {
protected:
    void DrawItems(HDC dc, const RECT& rc) override
    {
        CMenuExA::DrawItems(dc, rc);
        GalleryLog("menu render hover=%d", GetHover());
    }
    void PostNcDestroy() override
    {
        GalleryLog("menu destroyed");
        CMenuExA::PostNcDestroy();
    }
};

// Closes the game menu as the pages do and logs the result.
void LogDestroyMenuEx()
{
    const int closed = MenuExLibrary().pDestroyMenuEx();
    GalleryLog("DestroyMenuEx=%d open=%d", closed, IsMenuExOpen() ? 1 : 0);
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
    case WM_LIST_ITEM_CLICK:
        GalleryLog("WM_LIST_ITEM_CLICK id=%d item=%d outside=%d sel=%d", static_cast<int>(wp),
                   static_cast<int>(LOWORD(lp)), static_cast<int>(HIWORD(lp)),
                   m_pSteps->GetCurSel());
        return 0;
    case WM_LIST_ITEM_EDITED:
        GalleryLog("WM_LIST_ITEM_EDITED id=%d index=%d text=%s", static_cast<int>(wp),
                   static_cast<int>(lp), Narrow(m_pSteps->GetText(static_cast<int>(lp))).c_str());
        return 0;
    case WM_SELECT_LANGUAGE:
        GalleryLog("WM_SELECT_LANGUAGE wp=%d lp=%d", static_cast<int>(wp), static_cast<int>(lp));
        return 0;
    case WM_MENUEX_PICK:
        GalleryLog("WM_MENUEX_PICK wp=%d lp=%d", static_cast<int>(wp), static_cast<int>(lp));
        // As the pages do: the menu is closed on a pick.
        LogDestroyMenuEx();
        return 0;
    case WM_TIMER:
        if (wp == kMenuTimer) {
            OnMenuTimer();
            return 0;
        }
        break;
    case WM_COMMAND:
        if (lp == 0 && (LOWORD(wp) == kTrayConfig || LOWORD(wp) == kTrayExit)) {
            GalleryLog("tray command=%u", static_cast<unsigned>(LOWORD(wp)));
            return 0;
        }
        break;
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    default:
        break;
    }
    return CWnd::WndProc(msg, wp, lp);
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
    if (button == m_btnLanguage.GetSafeHwnd())
        return "language";
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

    SetupList();
    SetupButton(m_btnLanguage, kLanguage, L"Language");
    SetupButton(m_btnTray, kTray, L"Tray menu");
    SetupButton(m_btnGame, kGame, L"Game menu");
    SetupButton(m_btnCloseMenu, kCloseMenu, L"Close menu");
    SetupButton(m_btnAddStep, kAddStep, L"Add step");
    SetupButton(m_btnPlainMenu, kPlainMenu, L"Plain menu");
    m_trayConfig = XPMenuItemData{IDI_TRAY_CONFIG, IDI_TRAY_CONFIG, L"Config"};
    m_trayExit = XPMenuItemData{IDI_TRAY_EXIT, IDI_TRAY_EXIT, L"Exit"};
    ::SetTimer(m_hWnd, kMenuTimer, 100, nullptr);
}

void CGalleryWnd::SetupList()
{
    m_pSteps = new CGalleryList;
    if (!m_pSteps->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, kSteps, m_hWnd, kListId)) {
        delete m_pSteps;
        m_pSteps = nullptr;
        return;
    }
    m_pSteps->m_nItemHeight = 18;
    m_pSteps->m_crText = 0x676153;
    m_pSteps->m_crSelectedText = 0xB98C15;
    m_pSteps->m_crSelectedFill = 0x141414;
    m_pSteps->m_Background.Attach(::CreateSolidBrush(RGB(0, 0, 0)));
    m_pSteps->m_bRename = TRUE;
    struct Step {
        int kind;
        const wchar_t* text;
    };
    const Step steps[] = {{3, L"Key A down"},   {4, L"Delay 30 ms"},  {2, L"Key A up"},
                          {4, L"Delay 50 ms"},  {3, L"Key S down"},   {4, L"Delay 30 ms"},
                          {2, L"Key S up"},     {1, L"Loop 3 times"}, {3, L"Key D down"},
                          {4, L"Delay 120 ms"}, {2, L"Key D up"},     {0, L"Comment"},
                          {3, L"Space down"},   {2, L"Space up"}};
    for (const Step& st : steps)
        m_pSteps->AddItem(st.kind, st.text, static_cast<std::uint32_t>(++m_nSteps));
    m_pSteps->SetCurSel(0);
    m_pSteps->SetTopIndex(0);
    m_bmpScroll.Attach(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                         MAKEINTRESOURCEW(IDB_SCROLL_SKIN),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    CSkinScrollWnd* frame = SkinWndScroll(*m_pSteps, m_bmpScroll);
    GalleryLog("list skinned=%d cell=%d", frame ? 1 : 0, frame ? frame->m_sbVert.CellSize() : 0);
}

void CGalleryWnd::OpenLanguageMenu(bool background)
{
    if (m_hLanguageMenu && ::IsWindow(m_hLanguageMenu))
        ::PostMessageW(m_hLanguageMenu, WM_CLOSE, 0, 0);
    RECT button = kLanguage;
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&button), 2);
    auto* menu = new CGalleryLanguageMenu;
    const bool loaded = background && menu->LoadBackground();
    const RECT at{button.left - 4, button.bottom - 287, button.left - 4 + 116, button.bottom};
    if (!menu->Create(m_hWnd, at)) {
        delete menu;
        GalleryLog("language menu failed");
        return;
    }
    m_hLanguageMenu = menu->GetSafeHwnd();
    const RECT wr = menu->GetWindowRect();
    GalleryLog("language menu open background=%d at=%ld,%ld size=%ldx%ld items=%d", loaded ? 1 : 0,
               wr.left, wr.top, wr.right - wr.left, wr.bottom - wr.top,
               static_cast<int>(menu->Items().size()));
}

void CGalleryWnd::OpenTrayMenu()
{
    CXPMenu menu;
    menu.CreatePopupMenu();
    menu.AppendItem(kTrayConfig, &m_trayConfig);
    menu.AppendItem(kTrayExit, &m_trayExit);
    POINT pt{};
    ::GetCursorPos(&pt);
    ::SetForegroundWindow(m_hWnd);
    GalleryLog("tray open at=%ld,%ld", pt.x, pt.y);
    const UINT cmd = menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RETURNCMD, pt.x, pt.y, m_hWnd);
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    GalleryLog("tray result=%u", cmd);
}

void CGalleryWnd::OpenGameMenu()
{
    // As the macro editor calls it: room for 200 records, 21 in use.
    std::vector<MenuExItem> items(200, MenuExItem{});
    for (std::size_t i = 0; i < kGameNames.size(); ++i)
        items[i] = MakeMenuExItem(kMenuExTopLevel, static_cast<std::uint32_t>(i + 1),
                                  GameCaption(static_cast<std::uint32_t>(i + 1)));
    const std::wstring folder = ExecutableFolder() + L"skins\\Menu\\";
    const wchar_t* names[8] = {L"MenuNorL.BMP",        L"MenuOverL.BMP",
                               L"MenuDownL.BMP",       L"MenuNorL.BMP",
                               L"MenuNorHaveSub.BMP",  L"MenuOverHaveSub.BMP",
                               L"MenuDownHaveSub.BMP", L"MenuNorHaveSub.BMP"};
    std::wstring paths[8];
    const wchar_t* pathList[8] = {};
    for (int i = 0; i < 8; ++i) {
        paths[i] = folder + names[i];
        pathList[i] = paths[i].c_str();
    }
    RECT button = kGame;
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&button), 2);
    const POINT at{button.left + 1, button.bottom + 1};
    const MenuExEntryPoints& lib = MenuExLibrary();
    const int opened = lib.pCreateMenuEx(m_hWnd, 24, &at, 0x676153, 0xFFFFFF, 0xB98C15, pathList,
                                         items.data(), 21);
    GalleryLog("game menu open=%d at=%ld,%ld", opened, at.x, at.y);
}

void CGalleryWnd::OnMenuTimer()
{
    const bool open = IsMenuExOpen();
    if (open != m_bMenuExOpen) {
        m_bMenuExOpen = open;
        GalleryLog("menuex open=%d", open ? 1 : 0);
    }
    // A test asks for DestroyMenuEx while a menu is open.
    if (!m_bDestroyFlagSeen && GalleryFlagExists(".destroy")) {
        m_bDestroyFlagSeen = true;
        LogDestroyMenuEx();
    }
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
    } else if (from == m_btnLanguage.GetSafeHwnd()) {
        OpenLanguageMenu(true);
    } else if (from == m_btnPlainMenu.GetSafeHwnd()) {
        OpenLanguageMenu(false);
    } else if (from == m_btnTray.GetSafeHwnd()) {
        OpenTrayMenu();
    } else if (from == m_btnGame.GetSafeHwnd()) {
        OpenGameMenu();
    } else if (from == m_btnCloseMenu.GetSafeHwnd()) {
        LogDestroyMenuEx();
    } else if (from == m_btnAddStep.GetSafeHwnd()) {
        const int index =
            m_pSteps->AddItem(4, L"Delay 10 ms", static_cast<std::uint32_t>(++m_nSteps), true);
        GalleryLog("added index=%d sel=%d renaming=%d", index, m_pSteps->GetCurSel(),
                   m_pSteps->IsRenaming() ? 1 : 0);
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
