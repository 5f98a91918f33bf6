// SPDX-License-Identifier: MIT
#pragma once
// The control gallery: one page picture with each skinned control on it and
// buttons that open the message and progress dialogs. Every notification the
// controls send is written to the gallery log.

#include "controls/bitmap_edit.h"
#include "controls/color_btn.h"
#include "controls/gdi_bitmap_btn.h"
#include "controls/irr_button.h"
#include "controls/list_box_ex.h"
#include "controls/png_h_slider_bar.h"
#include "controls/xp_menu.h"
#include "framework/gdi.h"
#include "framework/gdiplus.h"
#include "framework/wnd.h"

namespace k47 {

class CGalleryWnd : public CWnd {
public:
    static constexpr UINT kSliderId = 2560;
    static constexpr UINT kEditId = 3001;
    static constexpr UINT kListId = 4001;

    bool Create();

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

private:
    void OnCreate();
    void OnPaint();
    void SetupButton(CGDIBitmapBtn& button, const RECT& rc, const wchar_t* caption);
    void RunInfo(int mode, bool autoClose);
    void RunProgress();
    const char* NameOf(HWND button) const;
    void SetupList();
    void OpenLanguageMenu(bool background);
    void OpenTrayMenu();
    void OpenGameMenu();
    void OnMenuTimer();

    CBitmap m_bmpNormal;
    CBitmap m_bmpOver;
    CBitmap m_bmpDown;
    CGdipBitmap m_imgNormal;
    CGDIBitmapBtn m_btnApply;
    CGDIBitmapBtn m_btnLighting;
    CIrrButton m_tabProfile;
    CColorBtn m_clrRed;
    CColorBtn m_clrGreen;
    CPngHSliderBar m_sldSpeed;
    CBitmapEdit m_edtLines;
    CGDIBitmapBtn m_btnQuestion;
    CGDIBitmapBtn m_btnInfo;
    CGDIBitmapBtn m_btnAutoClose;
    CGDIBitmapBtn m_btnProgress;
    BOOL m_bApplyHover = FALSE;

    // Lists and menus.
    CListBoxEx* m_pSteps = nullptr;
    CBitmap m_bmpScroll;
    CGDIBitmapBtn m_btnLanguage;
    CGDIBitmapBtn m_btnTray;
    CGDIBitmapBtn m_btnGame;
    CGDIBitmapBtn m_btnCloseMenu;
    CGDIBitmapBtn m_btnAddStep;
    CGDIBitmapBtn m_btnPlainMenu;
    HWND m_hLanguageMenu = nullptr;
    XPMenuItemData m_trayConfig;
    XPMenuItemData m_trayExit;
    bool m_bMenuExOpen = false;
    bool m_bDestroyFlagSeen = false;
    int m_nSteps = 0;
};

} // namespace k47
