// SPDX-License-Identifier: MIT
// K47MouseDriver: the tray-resident configuration utility of the K47 mouse.

#include "app/k47_mouse_driver_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    k47::CK47MouseDriverApp app;
    // A second instance or a missing executable path ends here at once; the
    // main window's run ends the same way.
    app.InitInstance();
    return app.ExitInstance();
}
