// SPDX-License-Identifier: MIT
#pragma once
// A borderless, layered, top-level popup: a background picture scaled by
// nine slices, a text layer whose magenta is transparent, and pictures on
// top. It reports clicks and its closing to its parent with one message and
// deletes itself after its window is gone: allocate it with new, never free
// it.

#include "framework/gdi.h"
#include "framework/gdiplus.h"
#include "framework/wnd.h"

#include <cstdint>
#include <vector>

namespace k47 {

class CWndPopup : public CWnd {
public:
    static constexpr UINT kBackgroundResource = 172;

    CWndPopup();

    // Loads the PNG resource as the background; false (and the blue frame)
    // when it cannot be loaded.
    bool LoadBackground(UINT resourceId = kBackgroundResource);
    // Creates and shows the popup at rect's top-left corner.
    bool Create(HWND parent, const RECT& rect);
    // Composes the picture and puts it on the screen.
    void Render();

    bool m_bTracking = false;
    bool m_bPressed = false;
    bool m_bCaptured = false;
    CGdipBitmap m_pBackground;
    int m_nBackWidth = 0;
    int m_nBackHeight = 0;
    CFont m_Font;
    POINT m_ptPos{0, 0};
    UINT m_nNotifyMessage = 0;

protected:
    virtual void DrawItems(HDC dc, const RECT& rc);
    virtual void DrawImages(HDC dc, const RECT& rc);
    virtual void BuildItems();
    // True when the highlight changed.
    virtual bool TrackHover(POINT pt);
    // True to repaint.
    virtual bool OnPress(POINT pt);
    virtual bool OnRelease(POINT pt);

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override { delete this; }

private:
    POINT CursorInClient() const;
    std::vector<std::uint32_t> m_backPixels;
};

} // namespace k47
