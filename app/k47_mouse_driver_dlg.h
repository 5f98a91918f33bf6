// SPDX-License-Identifier: MIT
#pragma once
// The one top-level window of the utility: the skinned frame with its five
// pages, profile buttons, apply button and hint strip, the tray icon, the
// device link and its reaction to the mouse leaving and coming back, and the
// actions the PC runs for buttons set to an advanced action.

#include "config/clock.h"
#include "config/language_window.h"
#include "config/profile_view.h"
#include "config/shell.h"
#include "controls/gdi_bitmap_btn.h"
#include "controls/irr_button.h"
#include "device/usb_driver.h"
#include "emu/virtual_bus.h"
#include "framework/dialog.h"
#include "framework/sync.h"
#include "pages/led_set_dlg.h"
#include "pages/macro_dlg.h"
#include "pages/main_set_dlg.h"
#include "pages/sts_dlg.h"
#include "pages/support_dlg.h"

#include <shellapi.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace k47 {

class WinMouseSettings;

// What the window works with: the HID stack (real or virtual), the clock of
// the protocol pauses, the shell, and the pointer settings a transfer writes.
struct MainWindowServices {
    IHidHost* host = nullptr;
    IClock* clock = nullptr;
    IShell* shell = nullptr;
    // Set in demo mode: polled from a timer, its arrivals and removals reach
    // the device-change handling.
    VirtualBus* virtualBus = nullptr;
    // False: a transfer leaves the desktop's pointer settings alone.
    bool applyPointerSettings = true;
};

class CK47MouseDriverDlg : public CDialog, public IProfileView, public ILanguageWindow {
public:
    static constexpr UINT kCmdConfig = 24576;
    static constexpr UINT kCmdExit = 24577;
    static constexpr UINT_PTR kBusPollTimer = 0x4B47;

    explicit CK47MouseDriverDlg(const MainWindowServices& services);
    ~CK47MouseDriverDlg() override;

    void ShowPage(int page);
    void RefreshPages();
    void StartTransfer(bool show);

    bool PreTranslateMessage(MSG& msg) override;

    // IProfileView
    void ShowCurrentProfile(std::size_t index) override;
    void ShowSettings() override;
    // ILanguageWindow
    bool HasLanguageMenu() override;
    void ShowLanguagePicture(std::uint16_t flagBitmap) override;
    void CloseLanguageMenu() override;

    std::wstring m_strHint;
    HWND m_pLanguageMenu = nullptr;
    int m_nCurrentProfile = 0;
    std::atomic<std::uint32_t> m_bExpectReconnect{0};

protected:
    BOOL OnInitDialog() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    void OnOK() override {}
    void OnCancel() override {}
    void PostNcDestroy() override;

private:
    void Layout();
    void CreateRegionButton(CIrrButton& button, const POINT* points, int count);
    void AddTrayIcon();
    void OnPaint();
    void OnMouseMove(POINT pt);
    LRESULT OnTrayNotify(LPARAM lp);
    void ShowTrayMenu();
    void OpenLanguageMenu();
    LRESULT OnDeviceChange(WPARAM wp, LPARAM lp);
    // Arrival and removal of the mouse, from the platform or the virtual bus.
    LRESULT OnMouseArrived();
    LRESULT OnMouseRemoved();
    void ReadFirmwareIntoSupportPage();
    void ReinstallHooks();
    LRESULT OnHookButton(WPARAM wp, LPARAM lp);
    LRESULT OnHookInput(WPARAM wp, LPARAM lp);
    LRESULT OnShowHint(LPARAM lp);
    LRESULT OnSettingDone();
    LRESULT OnSettingFailed();
    LRESULT OnRestoreDefaults();
    void OnClose();
    void HideToTray();
    void ShowFromTray();
    void ExitApplication();
    void CloseOutsideMenu();
    void ResetApplyLook();
    void SelectProfileButton(int index);
    void ShowTimedMessage(const wchar_t* english, const wchar_t* chinese);
    void PollVirtualBus();

    MainWindowServices m_services;
    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    CBitmap m_bmpNormal;
    CBitmap m_bmpOver;
    CBitmap m_bmpDown;
    SIZE m_szBackdrop{0, 0};
    NOTIFYICONDATAW m_nid{};
    bool m_bTrayAdded = false;
    CGDIBitmapBtn m_btnClose;
    CGDIBitmapBtn m_btnMinimise;
    CGDIBitmapBtn m_btnLanguage;
    CIrrButton m_tabs[5];
    CIrrButton m_btnProfiles[5];
    CIrrButton m_btnApply;
    std::unique_ptr<CMainSetDlg> m_pMainSet;
    std::unique_ptr<CLedSetDlg> m_pLedSet;
    std::unique_ptr<CMacroDlg> m_pMacro;
    std::unique_ptr<CSupportDlg> m_pSupport;
    std::unique_ptr<CStsDlg> m_pSts;
    CUSBDriver m_Link;
    CMutex m_TransferMutex;
    HDEVNOTIFY m_hDevNotify = nullptr;
    CFont m_fontHint;
    std::unique_ptr<WinMouseSettings> m_pMouseSettings;
    bool m_bPolling = false;
    bool m_bClosing = false;
};

// This window while it exists; the transfer reads it.
extern CK47MouseDriverDlg* g_pMainDlg;

} // namespace k47
