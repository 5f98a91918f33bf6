// SPDX-License-Identifier: MIT
// K47MouseDriver: the tray-resident configuration utility of the K47 mouse.

#include "app/k47_mouse_driver_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    k47::CK47MouseDriverApp app;
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.ExitInstance();
}
