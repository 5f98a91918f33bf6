// SPDX-License-Identifier: MIT
#pragma once
// The worker that writes the whole configuration to the mouse: button table
// with its macros, lighting, sensitivity table, Windows pointer settings and
// report rate, in that order, with progress for the dialog. The thread, the
// mutex and the posted messages belong to the caller's surroundings, so the
// sequence runs and is tested anywhere.

#include <cstdint>

#include "device/usb_driver.h"

namespace k47 {

// What the worker needs of the main window and the progress dialog.
class ITransferSurroundings {
public:
    virtual ~ITransferSurroundings() = default;
    virtual bool MainWindowExists() = 0;
    // Reads the progress dialog's window once; later posts go to it.
    virtual void TakeDialogWindow() = 0;
    virtual void PostProgress(std::uint32_t value) = 0; // WM_SET_PROGRESS
    virtual void CloseDialog() = 0;                     // WM_CLOSE to the dialog
    virtual void PostResult(bool ok) = 0; // WM_SETTING_DONE or WM_SETTING_FAILED
    virtual void LockTransfer() = 0;      // "MutexForThreadSetting", no time limit
    virtual void UnlockTransfer() = 0;
    // The mouse leaves the bus after the report-rate command; the main window
    // expects its return from here on.
    virtual void SetExpectReconnect() = 0;
};

// The system-wide Windows mouse settings every transfer writes.
class IWindowsMouseSettings {
public:
    virtual ~IWindowsMouseSettings() = default;
    // precision 0: thresholds and acceleration 0, 0, 0; otherwise 6, 10, 1.
    virtual void Apply(std::int32_t precision, std::int32_t speed, std::int32_t wheelLines) = 0;
};

// Writes g_Settings, g_ButtonSettings and the macros they use to the mouse.
// Ends with the dialog closed and, unless the button table could not be sent
// or the main window is gone, one result posted.
void TransferWorker(CUSBDriver& usb, ITransferSurroundings& surroundings,
                    IWindowsMouseSettings& mouseSettings);

// The function code of button i for the device table, uploading its macro to
// slot (and advancing slot) when it plays one. False when the button's type has
// no code and the button is skipped.
bool TransferButtonCode(CUSBDriver& usb, int button, std::uint32_t& slot, std::uint32_t& code);

} // namespace k47
