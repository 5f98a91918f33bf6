// SPDX-License-Identifier: MIT
#include "app/win_mouse_settings.h"

namespace k47 {

void WinMouseSettings::Apply(std::int32_t precision, std::int32_t speed, std::int32_t wheelLines)
{
    constexpr UINT kFlags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
    int mouse[3] = {0, 0, 0};
    if (precision != 0) {
        mouse[0] = 6;
        mouse[1] = 10;
        mouse[2] = 1;
    }
    ::SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, kFlags);
    ::SendMessageW(m_mainWindow, WM_SETTINGCHANGE, SPI_SETMOUSE, reinterpret_cast<LPARAM>(mouse));

    // The speed travels in the pointer argument itself.
    ::SystemParametersInfoW(SPI_SETMOUSESPEED, 0,
                            reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)), kFlags);
    ::SendMessageW(m_mainWindow, WM_SETTINGCHANGE, SPI_SETMOUSESPEED, 0);

    ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, UINT(wheelLines), nullptr, kFlags);
    ::SendMessageW(m_mainWindow, WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
}

} // namespace k47
