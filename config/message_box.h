// SPDX-License-Identifier: MIT
#pragma once
#include "config/text.h"

namespace k47 {

// The message boxes the portable code may raise. The Win32 side shows the
// skinned info dialog or the platform message box; tests record the calls.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // The system's own modal message box: mode 0 information (OK only),
    // 1 question (OK and Cancel). Returns 1 for OK, 2 for Cancel or close.
    virtual int ShowInfoMessage(TextView text, int mode) = 0;
    // The platform message box with one OK button, owned by the main window.
    virtual void ShowPlatformMessage(TextView text, TextView caption) = 0;
};

} // namespace k47
