// SPDX-License-Identifier: MIT
#pragma once
#include <windows.h>

#include "app/model/transfer_worker.h"

namespace k47 {

// Writes the pointer precision, speed and wheel lines system-wide, and tells
// the main window of each change as the shell would.
class WinMouseSettings : public IWindowsMouseSettings {
public:
    explicit WinMouseSettings(HWND mainWindow) : m_mainWindow(mainWindow) {}
    void Apply(std::int32_t precision, std::int32_t speed, std::int32_t wheelLines) override;

private:
    HWND m_mainWindow;
};

} // namespace k47
