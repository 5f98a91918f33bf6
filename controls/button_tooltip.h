// SPDX-License-Identifier: MIT
#pragma once
// The tooltip the skinned buttons share: created lazily and inactive until a
// text is set, fed with the button's messages.

#include "framework/tooltip_ctrl.h"

namespace k47 {

class CButtonTooltip {
public:
    // Creates the tooltip if needed (inactive) and relays msg to it.
    void Relay(HWND button, const MSG& msg);
    // Sets the text of the one tool over the button and activates the tooltip.
    void SetText(HWND button, const wchar_t* text);

private:
    void EnsureCreated(HWND button);
    CToolTipCtrl m_ToolTip;
};

} // namespace k47
