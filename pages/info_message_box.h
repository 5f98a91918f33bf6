// SPDX-License-Identifier: MIT
#pragma once
// The message box seam over the skinned info dialog and the platform's box.

#include "config/message_box.h"
#include "framework/win32.h"

namespace k47 {

class CInfoMessageBox : public IMessageBox {
public:
    // owner: the window that owns platform message boxes (null: the active one).
    explicit CInfoMessageBox(HWND owner = nullptr) : m_hOwner(owner) {}
    void SetOwner(HWND owner) { m_hOwner = owner; }

    int ShowInfoMessage(TextView text, int mode) override;
    void ShowPlatformMessage(TextView text, TextView caption) override;

private:
    HWND m_hOwner;
};

} // namespace k47
