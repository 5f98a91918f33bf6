// SPDX-License-Identifier: MIT
#include "app/transfer_thread.h"

#include "config/window_messages.h"
#include "framework/kernel_handle.h"
#include "pages/progress_dlg.h"

#include <thread>

namespace k47 {
namespace {

// Long enough for any dialog creation; a dialog that never comes only costs
// the progress display.
constexpr DWORD kDialogWaitMs = 30000;

// The progress dialog that signals when its window exists.
class CTransferProgressDlg : public CProgressDlg {
public:
    CTransferProgressDlg() : m_created(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    HANDLE Created() const { return m_created.Get(); }
    void SignalCreated() { ::SetEvent(m_created.Get()); }

protected:
    BOOL OnInitDialog() override
    {
        const BOOL r = CProgressDlg::OnInitDialog();
        SignalCreated();
        return r;
    }

private:
    CHandle m_created;
};

class WinTransferSurroundings : public ITransferSurroundings {
public:
    WinTransferSurroundings(const TransferContext& context, CTransferProgressDlg* dialog)
        : m_context(context), m_pDialog(dialog)
    {
    }
    ~WinTransferSurroundings() override
    {
        // An early end still gives the mutex back, on the thread that owns it.
        if (m_bLocked)
            m_context.mutex->Unlock();
    }

    bool MainWindowExists() override { return ::IsWindow(m_context.mainWindow) != FALSE; }
    void TakeDialogWindow() override
    {
        if (!m_pDialog)
            return;
        ::WaitForSingleObject(m_pDialog->Created(), kDialogWaitMs);
        m_hDialog = m_pDialog->GetSafeHwnd();
    }
    void PostProgress(std::uint32_t value) override
    {
        if (m_hDialog)
            ::PostMessageW(m_hDialog, WM_SET_PROGRESS, value, 0);
    }
    void CloseDialog() override
    {
        if (m_hDialog)
            ::PostMessageW(m_hDialog, WM_CLOSE, 0, 0);
    }
    void PostResult(bool ok) override
    {
        ::PostMessageW(m_context.mainWindow, ok ? WM_SETTING_DONE : WM_SETTING_FAILED, 0, 0);
    }
    void LockTransfer() override { m_bLocked = m_context.mutex->Lock(INFINITE); }
    void UnlockTransfer() override
    {
        if (m_bLocked)
            m_context.mutex->Unlock();
        m_bLocked = false;
    }
    void SetExpectReconnect() override { m_context.expectReconnect->store(1); }

private:
    TransferContext m_context;
    CTransferProgressDlg* m_pDialog;
    HWND m_hDialog = nullptr;
    bool m_bLocked = false;
};

// The pointer settings stay as the user has them.
class UntouchedMouseSettings : public IWindowsMouseSettings {
public:
    void Apply(std::int32_t, std::int32_t, std::int32_t) override {}
};

} // namespace

void RunTransfer(const TransferContext& context, bool show)
{
    CTransferProgressDlg dialog;
    CTransferProgressDlg* shown = show ? &dialog : nullptr;
    std::thread worker([context, shown] {
        WinTransferSurroundings surroundings(context, shown);
        UntouchedMouseSettings untouched;
        IWindowsMouseSettings& settings =
            context.mouseSettings ? *context.mouseSettings : untouched;
        TransferWorker(*context.link, surroundings, settings);
    });
    if (show) {
        dialog.DoModal(context.mainWindow);
        // A dialog that could not be created must not keep the worker waiting.
        dialog.SignalCreated();
    }
    worker.join();
}

} // namespace k47
