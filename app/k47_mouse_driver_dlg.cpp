// SPDX-License-Identifier: MIT
#include "app/k47_mouse_driver_dlg.h"

#include "app/input_hooks.h"
#include "app/model/device_change.h"
#include "app/model/hint_targets.h"
#include "app/model/input_hooks.h"
#include "app/model/pc_action.h"
#include "app/model/transfer_done.h"
#include "app/transfer_thread.h"
#include "app/win_mouse_settings.h"
#include "config/app_folder.h"
#include "config/button_setting.h"
#include "config/chinese_ui.h"
#include "config/hint_codes.h"
#include "config/language_apply.h"
#include "config/language_registry.h"
#include "config/macro_library.h"
#include "config/profile_entry.h"
#include "config/profile_list.h"
#include "config/settings_image.h"
#include "config/window_messages.h"
#include "controls/load_picture_file.h"
#include "controls/menu_ex_a.h"
#include "controls/menu_ex_library.h"
#include "controls/xp_menu.h"
#include "device/device_commands.h"
#include "framework/msg.h"
#include "pages/info_dlg.h"
#include "resources/resource_ids.h"

#include <dbt.h>

#include <array>
#include <cstring>

namespace k47 {

CK47MouseDriverDlg* g_pMainDlg = nullptr;

namespace {

constexpr wchar_t kTitle[] = L"Orvek K47 Gaming Mouse Driver";
constexpr RECT kMinimiseRect{887, 2, 921, 33};
constexpr RECT kCloseRect{922, 2, 956, 33};
constexpr RECT kLanguageRect{15, 617, 57, 635};
constexpr RECT kLanguagePictureRect{19, 592, 55, 615};
constexpr RECT kPageRect{15, 128, 941, 580};
constexpr RECT kHintTextRect{67, 598, 300, 628};
constexpr RECT kHintStripRect{67, 598, 812, 628};
// The language menu opens this far above the language button's bottom.
constexpr int kLanguageMenuRise = 287;
// Icon resources of the tray menu's items.
constexpr std::uint32_t kTrayConfigIcon = 134;
constexpr std::uint32_t kTrayExitIcon = 133;
// GUID_DEVINTERFACE_USB_DEVICE.
constexpr GUID kUsbDeviceInterface = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

constexpr POINT kTabPoints[5][4] = {
    {{30, 85}, {189, 85}, {210, 121}, {30, 121}},   {{193, 85}, {375, 85}, {396, 121}, {214, 121}},
    {{377, 85}, {559, 85}, {579, 121}, {399, 121}}, {{562, 85}, {743, 85}, {764, 121}, {583, 121}},
    {{747, 85}, {928, 85}, {928, 121}, {768, 121}},
};
constexpr POINT kProfilePoints[5][4] = {
    {{342, 608}, {435, 608}, {414, 635}, {321, 635}},
    {{439, 608}, {533, 608}, {512, 635}, {417, 635}},
    {{536, 608}, {628, 608}, {605, 635}, {513, 635}},
    {{630, 608}, {723, 608}, {700, 635}, {607, 635}},
    {{725, 608}, {818, 608}, {795, 635}, {703, 635}},
};
constexpr POINT kApplyPoints[4] = {{841, 591}, {940, 591}, {940, 632}, {806, 632}};

// The tab of each page number: pages 0 buttons, 1 lighting, 2 statistics,
// 3 macros, 4 support sit under tabs 1, 2, 4, 3, 5.
constexpr int kTabOfPage[5] = {0, 1, 3, 2, 4};

std::wstring Wide(TextView text)
{
    return std::wstring(text.begin(), text.end());
}

Text FromWide(const wchar_t* text)
{
    Text out;
    for (; text && *text; ++text)
        out.push_back(static_cast<char16_t>(*text));
    return out;
}

} // namespace

CK47MouseDriverDlg::CK47MouseDriverDlg(const MainWindowServices& services)
    : CDialog(IDD_K47MOUSEDRIVER_DIALOG), m_services(services),
      m_Link(*services.host, *services.clock), m_TransferMutex(L"MutexForThreadSetting")
{
    g_Settle.settling = 0;
}

CK47MouseDriverDlg::~CK47MouseDriverDlg()
{
    if (g_pMainDlg == this)
        g_pMainDlg = nullptr;
    if (m_hDevNotify)
        ::UnregisterDeviceNotification(m_hDevNotify);
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    if (m_hSmallIcon)
        ::DestroyIcon(m_hSmallIcon);
}

BOOL CK47MouseDriverDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    m_hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                              ::GetSystemMetrics(SM_CXICON),
                                              ::GetSystemMetrics(SM_CYICON), 0));
    m_hSmallIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                   IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                   ::GetSystemMetrics(SM_CYSMICON), 0));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));

    // The mouse may still be starting: look twice.
    bool otherMode = false;
    for (int probe = 0; probe < 2; ++probe) {
        const bool present = IsUsbDevicePresent(*m_services.host, u"VID_E7A3&PID_6B18");
        otherMode = IsUsbDevicePresent(*m_services.host, u"VID_E7A3&PID_6B01");
        if (present)
            break;
        m_services.clock->Sleep(500);
    }

    SetWindowText(kTitle);
    if (m_services.applyPointerSettings)
        m_pMouseSettings = std::make_unique<WinMouseSettings>(m_hWnd);
    LoadMacroFile();
    Layout();
    AddTrayIcon();
    InitProfileList(*this);
    MarkFirstRun();

    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kUsbDeviceInterface;
    m_hDevNotify = ::RegisterDeviceNotificationW(m_hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);

    // The outside library check of the original design is treated as passed.
    m_Link.OpenDevice();
    InstallHooks(m_hWnd);
    g_ForwardKeys = 0;
    g_ForwardMouse = 0;

    bool found = false;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (m_Link.OpenDevice()) {
            found = true;
            break;
        }
        m_services.clock->Sleep(750);
    }

    m_pMacro->m_nListSelection = m_pMacro->FillMacroList(21);
    SelectProfileButton(CurrentProfileIndex() < 0 ? 0 : CurrentProfileIndex());

    g_pMainDlg = this;
    if (HWND picture = ::GetDlgItem(m_hWnd, IDC_LANGUAGE_PICTURE))
        ::MoveWindow(picture, kLanguagePictureRect.left, kLanguagePictureRect.top,
                     kLanguagePictureRect.right - kLanguagePictureRect.left,
                     kLanguagePictureRect.bottom - kLanguagePictureRect.top, TRUE);
    PostMessage(WM_SELECT_LANGUAGE, kApplyOnInitWParam, ReadLanguageIndex());

    ReadFirmwareIntoSupportPage();
    RefreshPages();

    if (m_services.virtualBus) {
        m_services.virtualBus->SetEventHandler([this](BusEvent event, TextView name) {
            if (!IsK47DeviceName(name))
                return;
            if (event == BusEvent::Arrived)
                OnMouseArrived();
            else
                OnMouseRemoved();
        });
        ::SetTimer(m_hWnd, kBusPollTimer, 50, nullptr);
    }

    if (found || otherMode) {
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
        return TRUE;
    }
    // The posted language has not been applied yet; the message is shown in
    // the saved language all the same.
    SendMessage(WM_SELECT_LANGUAGE, kApplyOnInitWParam, ReadLanguageIndex());
    ShowTimedMessage(L"The K47 gaming mouse cannot be found.", L"没有找到K47游戏鼠标.");
    m_pMainSet->CloseKeyPanel();
    PostMessage(WM_CLOSE);
    return TRUE;
}

void CK47MouseDriverDlg::Layout()
{
    const std::wstring skins = Wide(g_AppFolder) + L"skins\\";
    LoadPictureFile((skins + L"Background_Normal.bmp").c_str(), m_bmpNormal, &m_szBackdrop);
    LoadPictureFile((skins + L"Background_Over.bmp").c_str(), m_bmpOver, nullptr);
    LoadPictureFile((skins + L"Background_Down.bmp").c_str(), m_bmpDown, nullptr);
    const int cx = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYFULLSCREEN);
    ::SetWindowPos(m_hWnd, nullptr, (cx - m_szBackdrop.cx) / 2, (cy - m_szBackdrop.cy) / 2,
                   m_szBackdrop.cx, m_szBackdrop.cy, SWP_NOZORDER | SWP_NOACTIVATE);

    const std::pair<CGDIBitmapBtn*, RECT> bitmapButtons[] = {{&m_btnMinimise, kMinimiseRect},
                                                             {&m_btnClose, kCloseRect},
                                                             {&m_btnLanguage, kLanguageRect}};
    for (const auto& [button, rc] : bitmapButtons) {
        button->Create(m_hWnd, rc);
        button->SetPageBitmaps(m_bmpNormal, m_bmpOver, m_bmpDown, m_bmpNormal, rc.left, rc.top,
                               rc.right, rc.bottom);
    }
    for (int i = 0; i < 5; ++i) {
        CreateRegionButton(m_tabs[i], kTabPoints[i], 4);
        m_tabs[i].m_bCheckMode = TRUE;
        CreateRegionButton(m_btnProfiles[i], kProfilePoints[i], 4);
        m_btnProfiles[i].m_bCheckMode = TRUE;
    }
    CreateRegionButton(m_btnApply, kApplyPoints, 4);

    m_fontHint.Attach(::CreateFontW(14, 0, 0, 0, 300, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    FF_SWISS, L"MS Shell Dlg"));

    m_pMainSet = std::make_unique<CMainSetDlg>();
    m_pLedSet = std::make_unique<CLedSetDlg>();
    m_pMacro = std::make_unique<CMacroDlg>();
    m_pSupport = std::make_unique<CSupportDlg>();
    m_pSts = std::make_unique<CStsDlg>();
    CSkinPage* pages[] = {m_pMainSet.get(), m_pLedSet.get(), m_pMacro.get(), m_pSupport.get(),
                          m_pSts.get()};
    for (CSkinPage* page : pages)
        page->CreatePage(m_hWnd, kPageRect);
    ShowPage(0);
}

void CK47MouseDriverDlg::CreateRegionButton(CIrrButton& button, const POINT* points, int count)
{
    button.LoadBitmaps(IDB_MAIN_NORMAL, IDB_MAIN_DOWN, IDB_MAIN_OVER, IDB_MAIN_NORMAL);
    CRgn region(::CreatePolygonRgn(points, count, WINDING));
    button.CreateShaped(region, m_hWnd);
}

void CK47MouseDriverDlg::AddTrayIcon()
{
    m_nid.cbSize = sizeof(m_nid);
    m_nid.hWnd = m_hWnd;
    m_nid.uID = 0;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    m_nid.hIcon = m_hSmallIcon ? m_hSmallIcon : m_hIcon;
    wcsncpy(m_nid.szTip, kTitle, ARRAYSIZE(m_nid.szTip) - 1);
    wcsncpy(m_nid.szInfo, kTitle, ARRAYSIZE(m_nid.szInfo) - 1);
    wcsncpy(m_nid.szInfoTitle, L"Running", ARRAYSIZE(m_nid.szInfoTitle) - 1);
    m_nid.uTimeout = 5000;
    m_nid.dwInfoFlags = NIIF_INFO;
    m_bTrayAdded = ::Shell_NotifyIconW(NIM_ADD, &m_nid) != FALSE;
}

void CK47MouseDriverDlg::ShowPage(int page)
{
    if (page < 0 || page > 4)
        return;
    for (int i = 0; i < 5; ++i)
        m_tabs[i].SetCheck(i == kTabOfPage[page] ? 1 : 0);
    CSkinPage* pages[] = {m_pMainSet.get(), m_pLedSet.get(), m_pSts.get(), m_pMacro.get(),
                          m_pSupport.get()};
    for (int i = 0; i < 5; ++i)
        if (pages[i])
            ::ShowWindow(*pages[i], i == page ? SW_SHOW : SW_HIDE);
    if (page == 1 && m_pLedSet)
        m_pLedSet->RedrawControls();
}

void CK47MouseDriverDlg::RefreshPages()
{
    if (m_pMainSet)
        m_pMainSet->RefreshFromSettings();
    if (m_pLedSet) {
        m_pLedSet->RefreshLighting();
        m_pLedSet->RedrawControls();
    }
}

void CK47MouseDriverDlg::StartTransfer(bool show)
{
    if (m_bExpectReconnect.load() != 0) {
        ResetApplyLook();
        return;
    }
    TransferContext context;
    context.mainWindow = m_hWnd;
    context.link = &m_Link;
    context.mutex = &m_TransferMutex;
    context.expectReconnect = &m_bExpectReconnect;
    context.mouseSettings = m_pMouseSettings.get();
    RunTransfer(context, show);
}

bool CK47MouseDriverDlg::PreTranslateMessage(MSG& msg)
{
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE))
        return true;
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
        HideToTray();
        return true;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CK47MouseDriverDlg::ShowCurrentProfile(std::size_t index)
{
    SelectProfileButton(static_cast<int>(index));
}

void CK47MouseDriverDlg::ShowSettings()
{
    RefreshPages();
}

bool CK47MouseDriverDlg::HasLanguageMenu()
{
    return m_pLanguageMenu != nullptr && ::IsWindow(m_pLanguageMenu);
}

void CK47MouseDriverDlg::ShowLanguagePicture(std::uint16_t flagBitmap)
{
    HWND picture = ::GetDlgItem(m_hWnd, IDC_LANGUAGE_PICTURE);
    HBITMAP flag = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(flagBitmap));
    if (!picture || !flag)
        return;
    HBITMAP old = reinterpret_cast<HBITMAP>(
        ::SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(flag)));
    if (old && old != flag)
        ::DeleteObject(old);
}

void CK47MouseDriverDlg::CloseLanguageMenu()
{
    if (m_pLanguageMenu && ::IsWindow(m_pLanguageMenu))
        ::PostMessageW(m_pLanguageMenu, WM_CLOSE, 0, 0);
    m_pLanguageMenu = nullptr;
}

LRESULT CK47MouseDriverDlg::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    case WM_LBUTTONDOWN:
        CloseOutsideMenu();
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lp);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFromLParam(lp));
        return 0;
    case WM_DEVICECHANGE:
        return OnDeviceChange(wp, lp);
    case WM_TIMER:
        if (wp == kSettleTimer) {
            ::KillTimer(m_hWnd, kSettleTimer);
            m_services.clock->Sleep(kSettlePauseMs);
            EndSettling();
        } else if (wp == kBusPollTimer) {
            PollVirtualBus();
        }
        return 0;
    case WM_HELP:
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_TRAY_NOTIFY:
        return OnTrayNotify(lp);
    case WM_SELECT_LANGUAGE:
        return ApplyLanguage(*this, g_AppFolder, wp, static_cast<std::int32_t>(lp));
    case WM_SHOW_HINT:
        return OnShowHint(lp);
    case WM_RESTORE_DEFAULTS:
        return OnRestoreDefaults();
    case WM_SETTING_DONE:
        return OnSettingDone();
    case WM_SETTING_FAILED:
        return OnSettingFailed();
    case WM_HOOK_BUTTON:
        return OnHookButton(wp, lp);
    case WM_HOOK_INPUT:
        return OnHookInput(wp, lp);
    default:
        return CDialog::WndProc(msg, wp, lp);
    }
}

bool CK47MouseDriverDlg::OnCommand(WPARAM wp, LPARAM lp)
{
    HWND from = CommandWindow(lp);
    if (!from) {
        switch (CommandId(wp)) {
        case kCmdConfig:
            ShowFromTray();
            return true;
        case kCmdExit:
            ExitApplication();
            return true;
        default:
            // Enter and Escape reach here as IDOK and IDCANCEL: nothing ends.
            return true;
        }
    }
    if (from == m_btnClose.GetSafeHwnd()) {
        CloseOutsideMenu();
        HideToTray();
    } else if (from == m_btnMinimise.GetSafeHwnd()) {
        ::ShowWindow(m_hWnd, SW_MINIMIZE);
        g_ForwardKeys = 0;
        g_ForwardMouse = 0;
    } else if (from == m_btnLanguage.GetSafeHwnd()) {
        OpenLanguageMenu();
    } else if (from == m_btnApply.GetSafeHwnd()) {
        if (g_Settle.settling == 0)
            StartTransfer(true);
        else
            ResetApplyLook();
    } else {
        for (int i = 0; i < 5; ++i) {
            if (from == m_tabs[i].GetSafeHwnd()) {
                // Tab 3 leaves an open outside menu open.
                if (i != 2)
                    CloseOutsideMenu();
                constexpr int kPageOfTab[5] = {0, 1, 3, 2, 4};
                ShowPage(kPageOfTab[i]);
                if (i < 2)
                    RefreshPages();
                return true;
            }
            if (from == m_btnProfiles[i].GetSafeHwnd()) {
                SelectProfileButton(i);
                SwitchProfile(static_cast<std::size_t>(i), *this);
                std::memset(g_ButtonMacroIds, 0, sizeof(g_ButtonMacroIds));
                return true;
            }
        }
        return CDialog::OnCommand(wp, lp);
    }
    return true;
}

void CK47MouseDriverDlg::PostNcDestroy()
{
    ::PostQuitMessage(0);
}

void CK47MouseDriverDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (m_bmpNormal) {
        CMemDC mem(dc);
        CSelectObject keep(mem, m_bmpNormal);
        ::BitBlt(dc, 0, 0, m_szBackdrop.cx, m_szBackdrop.cy, mem, 0, 0, SRCCOPY);
    }
    if (!m_strHint.empty()) {
        CSelectObject font(dc, m_fontHint);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(83, 97, 103));
        RECT rc = kHintTextRect;
        ::DrawTextW(dc, m_strHint.c_str(), -1, &rc,
                    DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_EDITCONTROL | DT_END_ELLIPSIS);
    }
}

void CK47MouseDriverDlg::OnMouseMove(POINT pt)
{
    if (g_Settle.settling) {
        ::SetCursorPos(g_Settle.x, g_Settle.y);
        return;
    }
    if (!m_strHint.empty()) {
        m_strHint.clear();
        ::InvalidateRect(m_hWnd, &kHintStripRect, FALSE);
    }
    std::array<HintRect, kHintTargets> rects{};
    const CIrrButton* targets[kHintTargets] = {
        &m_btnProfiles[0], &m_btnProfiles[1], &m_btnProfiles[2], &m_btnProfiles[3],
        &m_btnProfiles[4], &m_btnApply,       &m_tabs[0],        &m_tabs[1],
        &m_tabs[2],        &m_tabs[3],        &m_tabs[4]};
    for (std::size_t i = 0; i < kHintTargets; ++i) {
        RECT rc = targets[i]->GetWindowRect();
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        rects[i] = HintRect{rc.left, rc.top, rc.right, rc.bottom};
    }
    for (std::int64_t hint : HintsAt(rects, pt.x, pt.y))
        PostMessage(WM_SHOW_HINT, 0, static_cast<LPARAM>(hint));
}

LRESULT CK47MouseDriverDlg::OnShowHint(LPARAM lp)
{
    std::array<Text, kHintButtonCount> names;
    for (std::size_t i = 0; i < kHintButtonCount; ++i)
        names[i] = FieldText(g_ButtonSettings[i].szName, kButtonNameUnits);
    m_strHint = Wide(HintText(static_cast<std::int64_t>(lp), names));
    ::InvalidateRect(m_hWnd, &kHintStripRect, FALSE);
    return 0;
}

LRESULT CK47MouseDriverDlg::OnTrayNotify(LPARAM lp)
{
    switch (static_cast<UINT>(lp)) {
    case WM_LBUTTONDBLCLK:
        ShowFromTray();
        break;
    case WM_RBUTTONUP:
        ShowTrayMenu();
        break;
    default:
        break;
    }
    return 1;
}

void CK47MouseDriverDlg::ShowTrayMenu()
{
    CXPMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    const XPMenuItemData config{kTrayConfigIcon, kTrayConfigIcon, L"Config"};
    const XPMenuItemData exit{kTrayExitIcon, kTrayExitIcon, L"Exit"};
    menu.AppendItem(kCmdConfig, &config);
    menu.AppendItem(kCmdExit, &exit);
    POINT pt{};
    ::GetCursorPos(&pt);
    // A menu of a window in the background would not close when the user
    // clicks elsewhere.
    ::SetForegroundWindow(m_hWnd);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, pt.x, pt.y, m_hWnd);
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CK47MouseDriverDlg::OpenLanguageMenu()
{
    CloseLanguageMenu();
    const RECT button = m_btnLanguage.GetWindowRect();
    const RECT at{button.left - 4, button.bottom - kLanguageMenuRise, button.left - 4 + 1,
                  button.bottom - kLanguageMenuRise + 1};
    // The menu deletes itself when its window goes.
    auto* menu = new CMenuExA;
    menu->LoadBackground();
    if (!menu->Create(m_hWnd, at)) {
        delete menu;
        return;
    }
    m_pLanguageMenu = menu->GetSafeHwnd();
}

void CK47MouseDriverDlg::ShowFromTray()
{
    RefreshPages();
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
}

void CK47MouseDriverDlg::HideToTray()
{
    ::ShowWindow(m_hWnd, SW_HIDE);
    g_ForwardKeys = 0;
    g_ForwardMouse = 0;
}

void CK47MouseDriverDlg::ExitApplication()
{
    if (m_pMainSet)
        m_pMainSet->CloseKeyPanel();
    PostMessage(WM_CLOSE);
}

void CK47MouseDriverDlg::CloseOutsideMenu()
{
    if (m_pMacro && MenuExLibrary().pDestroyMenuEx)
        MenuExLibrary().pDestroyMenuEx();
}

void CK47MouseDriverDlg::ResetApplyLook()
{
    m_btnApply.m_bHover = FALSE;
    m_btnApply.SetCheck(0);
    m_btnApply.Invalidate(false);
}

void CK47MouseDriverDlg::SelectProfileButton(int index)
{
    for (int i = 0; i < 5; ++i)
        m_btnProfiles[i].SetCheck(i == index ? 1 : 0);
    m_nCurrentProfile = index;
}

void CK47MouseDriverDlg::ShowTimedMessage(const wchar_t* english, const wchar_t* chinese)
{
    CInfoDlg dlg;
    dlg.m_strMessage = g_ChineseUI ? chinese : english;
    dlg.m_nMode = 0;
    dlg.m_bAutoClose = 1;
    dlg.DoModal(::IsWindowVisible(m_hWnd) ? m_hWnd : nullptr);
}

LRESULT CK47MouseDriverDlg::OnDeviceChange(WPARAM wp, LPARAM lp)
{
    if (wp != DBT_DEVICEARRIVAL && wp != DBT_DEVICEREMOVECOMPLETE)
        return 1;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lp);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return 1;
    const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(lp);
    if (!IsK47DeviceName(FromWide(device->dbcc_name)))
        return 1;
    return wp == DBT_DEVICEARRIVAL ? OnMouseArrived() : OnMouseRemoved();
}

LRESULT CK47MouseDriverDlg::OnMouseArrived()
{
    std::uint32_t retries = 0;
    while (!m_Link.OpenDevice()) {
        if (++retries > kArrivalRetries) {
            PostMessage(WM_CLOSE);
            return 0;
        }
        m_services.clock->Sleep(kArrivalRetryMs);
    }
    ReadFirmwareIntoSupportPage();
    ReinstallHooks();
    std::uint32_t expect = m_bExpectReconnect.load();
    const ArrivalStep step = DecideArrival(expect);
    m_bExpectReconnect.store(expect);
    if (step == ArrivalStep::Settle) {
        ::SetTimer(m_hWnd, kSettleTimer, 1, nullptr);
        return 1;
    }
    ShowTimedMessage(L"The K47 gaming mouse is found.", L"发现K47游戏鼠标.");
    return 1;
}

LRESULT CK47MouseDriverDlg::OnMouseRemoved()
{
    if (DecideRemoval(m_bExpectReconnect.load()) == RemovalStep::CloseLink) {
        m_Link.CloseDevice();
        return 1;
    }
    ShowTimedMessage(L"The K47 gaming mouse cannot be found.", L"没有找到K47游戏鼠标.");
    ExitApplication();
    return 1;
}

void CK47MouseDriverDlg::ReadFirmwareIntoSupportPage()
{
    int version = 0;
    std::wstring text;
    if (ReadFirmwareVersion(m_Link, version) && version != 0)
        text = std::to_wstring(version);
    if (m_pSupport)
        m_pSupport->SetFirmwareVersionText(text);
}

void CK47MouseDriverDlg::ReinstallHooks()
{
    RemoveHooks();
    InstallHooks(m_hWnd);
}

LRESULT CK47MouseDriverDlg::OnHookButton(WPARAM wp, LPARAM lp)
{
    if (g_Settle.settling)
        return 1;
    if (m_pSts)
        m_pSts->PostMessage(WM_STATS_EVENT, wp, lp);
    const PcAction action = DecidePcAction(static_cast<std::uint32_t>(wp));
    if (action.kind == PcAction::Kind::PlaySound)
        m_services.shell->PlaySoundFile(action.path);
    else if (action.kind == PcAction::Kind::Open)
        m_services.shell->Open(action.path);
    return 1;
}

LRESULT CK47MouseDriverDlg::OnHookInput(WPARAM wp, LPARAM lp)
{
    if (m_tabs[2].m_nMark && m_pMacro)
        m_pMacro->PostMessage(WM_HOOK_INPUT, wp, lp);
    else if (m_tabs[0].m_nMark && m_pMainSet)
        m_pMainSet->PostMessage(WM_HOOK_INPUT, wp, lp);
    return 1;
}

LRESULT CK47MouseDriverDlg::OnSettingDone()
{
    POINT pt{};
    const bool hasCursor = ::GetCursorPos(&pt) != FALSE;
    BeginSettling(hasCursor, pt.x, pt.y);
    SaveAfterTransfer();
    ResetApplyLook();
    return 0;
}

LRESULT CK47MouseDriverDlg::OnSettingFailed()
{
    ShowInfoMessage(L"Setting Error", 0);
    ResetApplyLook();
    return 0;
}

LRESULT CK47MouseDriverDlg::OnRestoreDefaults()
{
    FillDefaults();
    std::memset(g_ButtonMacroIds, 0, sizeof(g_ButtonMacroIds));
    RefreshPages();
    StartTransfer(true);
    return 1;
}

void CK47MouseDriverDlg::PollVirtualBus()
{
    // Arrival and removal show dialogs whose loops run this timer again.
    if (m_bPolling || m_bClosing || !m_services.virtualBus)
        return;
    m_bPolling = true;
    m_services.virtualBus->Poll();
    m_bPolling = false;
}

void CK47MouseDriverDlg::OnClose()
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    ::KillTimer(m_hWnd, kBusPollTimer);
    if (m_services.virtualBus)
        m_services.virtualBus->SetEventHandler(nullptr);
    if (m_bTrayAdded)
        ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
    m_bTrayAdded = false;
    if (m_pMainSet)
        m_pMainSet->DestroyWindow();
    m_pMainSet.reset();
    if (m_pLedSet)
        m_pLedSet->DestroyWindow();
    m_pLedSet.reset();
    if (m_pMacro) {
        m_pMacro->ReleaseHeldObject();
        m_pMacro->DestroyWindow();
    }
    m_pMacro.reset();
    if (m_pSupport)
        m_pSupport->DestroyWindow();
    m_pSupport.reset();
    if (m_pSts)
        m_pSts->DestroyWindow();
    m_pSts.reset();
    g_ForwardKeys = 0;
    g_ForwardMouse = 0;
    RemoveHooks();
    DestroyWindow();
}

} // namespace k47
