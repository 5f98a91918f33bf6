// SPDX-License-Identifier: MIT
#pragma once
// The settings transfer on Win32: the worker thread runs TransferWorker while
// the main window's thread runs the progress dialog modally.

#include "app/model/transfer_worker.h"
#include "framework/sync.h"

#include <atomic>
#include <cstdint>

namespace k47 {

struct TransferContext {
    HWND mainWindow = nullptr;
    CUSBDriver* link = nullptr;
    CMutex* mutex = nullptr;
    std::atomic<std::uint32_t>* expectReconnect = nullptr;
    // Null: the desktop's pointer settings stay as they are.
    IWindowsMouseSettings* mouseSettings = nullptr;
};

// Runs one transfer: with show, the progress dialog (template 167) runs
// modally until the worker closes it. The worker takes the dialog's window
// only once the dialog has been created, so no progress is lost. Returns when
// the worker has ended.
void RunTransfer(const TransferContext& context, bool show);

} // namespace k47
