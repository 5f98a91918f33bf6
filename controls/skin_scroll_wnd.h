// SPDX-License-Identifier: MIT
#pragma once
// Takes over a window (a list box): its own scroll bars are clipped away
// and two picture scroll bars stand in their place, kept in step with its
// scroll state. The frame lives until the window is destroyed and then
// deletes itself.

#include "controls/skin_scroll_bar.h"
#include "framework/wnd.h"

#include <memory>

namespace k47 {

class CSkinScrollWnd : public CWnd {
public:
    static constexpr UINT kHorzBarId = 100;
    static constexpr UINT kVertBarId = 101;
    static constexpr UINT kLimitId = 200;
    static constexpr UINT kLayoutMessage = WM_USER + 100;

    // Takes target over with skin (kept by the caller); false when the frame
    // cannot be made, and the target is left as it was.
    bool SkinWndScroll(HWND target, HBITMAP skin);

    // The frame of a taken-over window, or null.
    static CSkinScrollWnd* FromTarget(HWND target);

    HWND Target() const { return m_hTarget; }
    CSkinScrollBar m_sbHorz;
    CSkinScrollBar m_sbVert;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override { delete this; }

private:
    static LRESULT CALLBACK TargetHook(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR ref);
    LRESULT OnTargetMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnTargetNcCalcSize(WPARAM wp, LPARAM lp);
    void SyncBar(CSkinScrollBar& bar, int which, bool force);
    void SyncBars(bool force);
    void LayoutLimit(bool vertical, bool left);
    void ForwardScroll(UINT msg, WPARAM wp, LPARAM lp);
    void ReleaseTarget();

    HBITMAP m_hSkin = nullptr;
    int m_nCell = 0;
    std::unique_ptr<CWnd> m_wndLimit;
    HWND m_hTarget = nullptr;
    HWND m_hTargetParent = nullptr;
    int m_nCorner = 0; // 0 none, 1 left, 2 right
    bool m_bOp = false;
    bool m_bReleased = false;
    bool m_bDying = false;
};

// Allocates a frame and takes target over; the frame deletes itself when the
// target goes. Null when it cannot.
CSkinScrollWnd* SkinWndScroll(HWND target, HBITMAP skin);

} // namespace k47
