// SPDX-License-Identifier: MIT
#pragma once
// Unpacking of message parameters, in one place.

#include "framework/win32.h"

namespace k47 {

// Client point of a mouse message (signed, so points left of or above the
// window stay negative).
inline POINT PointFromLParam(LPARAM lp)
{
    return POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
}

inline LPARAM LParamFromPoint(POINT pt)
{
    return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
}

inline UINT CommandId(WPARAM wp)
{
    return LOWORD(wp);
}

inline UINT CommandCode(WPARAM wp)
{
    return HIWORD(wp);
}

inline HWND CommandWindow(LPARAM lp)
{
    return reinterpret_cast<HWND>(lp);
}

inline bool IsCtlColor(UINT msg)
{
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

} // namespace k47
