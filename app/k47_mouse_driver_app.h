// SPDX-License-Identifier: MIT
#pragma once
// The application object: the platform pieces, one instance, the application
// folder, the default language, the HID stack (real or virtual) and the main
// window run to its end.

#include "framework/win32.h"

#include <memory>

namespace k47 {

class CK47MouseDriverApp {
public:
    CK47MouseDriverApp();
    ~CK47MouseDriverApp();
    CK47MouseDriverApp(const CK47MouseDriverApp&) = delete;
    CK47MouseDriverApp& operator=(const CK47MouseDriverApp&) = delete;

    // The start-up sequence and the main window's run; false ends the process
    // at once (a second instance, or no executable path).
    BOOL InitInstance();
    // Shuts GDI+ down; the process's exit code.
    int ExitInstance();

private:
    struct Services;
    std::unique_ptr<Services> m_pServices;
    ULONG_PTR m_gdiplusToken = 0;
    HANDLE m_hInstanceMutex = nullptr;
};

} // namespace k47
